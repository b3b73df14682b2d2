#include "core/tabellentext.h"

#include "core/datensatz.h"
#include "core/zahleingabe.h"

#include <QHash>
#include <QStringDecoder>

namespace Tabellentext {

QString alsZwischenablage(const QList<QStringList>& zeilen)
{
    QString text;
    for (const QStringList& zeile : zeilen)
        text += zeile.join(u'\t') + u'\n';
    return text;
}

QList<QStringList> ausZwischenablage(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (t.endsWith(u'\n'))
        t.chop(1);
    QList<QStringList> zeilen;
    if (t.isEmpty())
        return zeilen;
    for (const QString& zeile : t.split(u'\n'))
        zeilen.append(zeile.split(u'\t'));
    return zeilen;
}

QByteArray alsCsv(const QList<QStringList>& zeilen)
{
    QByteArray daten("\xEF\xBB\xBF");
    for (const QStringList& zeile : zeilen) {
        QStringList zellen;
        for (QString zelle : zeile) {
            if (zelle.contains(u';') || zelle.contains(u'"') || zelle.contains(u'\n') ||
                zelle.contains(u'\r'))
                zelle = u'"' + zelle.replace(u'"', QStringLiteral("\"\"")) + u'"';
            zellen.append(zelle);
        }
        daten += zellen.join(u';').toUtf8() + "\r\n";
    }
    return daten;
}

namespace {

QString dekodieren(const QByteArray& daten)
{
    if (daten.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(daten.sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(daten);
    // A spreadsheet on Windows may still write its code page.
    return utf8.hasError() ? Zeichensatz::dekodieren(daten) : text;
}

QStringList zellen(const QString& zeile)
{
    const QChar trenner = zeile.contains(u';') ? u';' : u'\t';
    QStringList felder;
    QString feld;
    bool zitat = false;
    for (qsizetype k = 0; k < zeile.size(); ++k) {
        const QChar c = zeile[k];
        if (zitat) {
            if (c == u'"' && k + 1 < zeile.size() && zeile[k + 1] == u'"')
                feld += c, ++k;
            else if (c == u'"')
                zitat = false;
            else
                feld += c;
        } else if (c == u'"') {
            zitat = true;
        } else if (c == trenner) {
            felder.append(feld.trimmed());
            feld.clear();
        } else {
            feld += c;
        }
    }
    felder.append(feld.trimmed());
    return felder;
}

std::optional<int> jahrLesen(const QString& feld)
{
    bool ok = false;
    const int jahr = feld.toInt(&ok);
    if (!ok || feld.size() != 4)
        return std::nullopt;
    return jahr;
}

} // namespace

Entgeltdatei entgelteLesen(const QByteArray& daten, int erstesJahr, int letztesJahr)
{
    Entgeltdatei datei;
    const QStringList zeilen = dekodieren(daten).split(u'\n');
    qsizetype spalteJahr = 0, spalteEntgelt = 1, spalteBonus = 2;
    QHash<int, int> gesehen; // year -> line
    bool erste = true;
    for (qsizetype n = 0; n < zeilen.size(); ++n) {
        const QString zeile = zeilen[n].trimmed();
        if (zeile.isEmpty())
            continue;
        const QStringList felder = zellen(zeile);
        const int nummer = int(n + 1);
        const auto problem = [&](const QString& text) {
            datei.probleme.append(QStringLiteral("Zeile %1: %2").arg(nummer).arg(text));
        };
        if (std::exchange(erste, false) && !jahrLesen(felder.value(0))) {
            // A heading. Our own export names its columns; a plain heading keeps the order.
            for (qsizetype k = 0; k < felder.size(); ++k) {
                const QString name = felder[k].toLower();
                if (name == u"jahr")
                    spalteJahr = k;
                else if (name == u"entgelt" || name.startsWith(u"jahresentgelt"))
                    spalteEntgelt = k;
                else if (name.startsWith(u"bonus"))
                    spalteBonus = k;
            }
            continue;
        }
        // A year with neither pay nor bonus (the start-credit row of an exported table, a year
        // before the insurance) brings nothing.
        if (felder.value(spalteEntgelt).isEmpty() && felder.value(spalteBonus).isEmpty())
            continue;
        const auto jahr = jahrLesen(felder.value(spalteJahr));
        if (!jahr) {
            problem(QStringLiteral("„%1“ ist kein Jahr.").arg(felder.value(spalteJahr)));
            continue;
        }
        if (*jahr < erstesJahr || *jahr > letztesJahr) {
            problem(QStringLiteral("Das Jahr %1 hat keine Eingabezeile in der Tabelle (%2 bis %3).")
                        .arg(*jahr)
                        .arg(erstesJahr)
                        .arg(letztesJahr));
            continue;
        }
        if (gesehen.contains(*jahr)) {
            problem(QStringLiteral("Das Jahr %1 steht schon in Zeile %2.").arg(*jahr).arg(gesehen[*jahr]));
            continue;
        }
        const auto entgelt = Zahleingabe::lesen(felder.value(spalteEntgelt), Zahleingabe::Art::Entgelt);
        if (!entgelt.ok()) {
            problem(entgelt.leer ? QStringLiteral("Für %1 steht kein Entgelt da.").arg(*jahr)
                                 : entgelt.meldung.section(u'\n', 0, 0));
            continue;
        }
        Jahreswert wert{nummer, *jahr, *entgelt.wert, std::nullopt};
        const auto bonus = Zahleingabe::lesen(felder.value(spalteBonus), Zahleingabe::Art::Bonus);
        if (!bonus.ok() && !bonus.leer) {
            problem(QStringLiteral("Bonuspunkte: ") + bonus.meldung.section(u'\n', 0, 0));
            continue;
        }
        wert.bonus = bonus.wert;
        gesehen.insert(*jahr, nummer);
        datei.werte.append(wert);
    }
    return datei;
}

} // namespace Tabellentext
