#include "core/falldateibefund.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QString ende(const QString& text)
{
    return text + QStringLiteral(" Das Programm wird beendet.");
}

QString nummern(const QList<int>& fälle)
{
    QStringList n;
    for (int fall : fälle)
        n.append(QString::number(fall));
    return n.join(QStringLiteral(", "));
}

QString bytes(qint64 anzahl)
{
    return anzahl == 1 ? QStringLiteral("1 Byte") : QStringLiteral("%1 Bytes").arg(anzahl);
}

} // namespace

QString Falldatei::wortlaut(const Befund& b) const
{
    const QFileInfo info(m_pfad);
    const QString name = info.fileName();
    const QString ordner = QDir::toNativeSeparators(info.absolutePath());
    using A = Befund::Art;
    switch (b.art) {
    case A::Ordner:
        return QStringLiteral("„%1“ ist ein Ordner, keine Datei. Das Programm kann die Fälle nicht laden.")
            .arg(name);
    case A::Unlesbar: return QStringLiteral("„%1“ kann nicht gelesen werden: %2").arg(name, b.text);
    case A::KeineDatei:
        return QStringLiteral("„%1“ ist keine gewöhnliche Datei. Das Programm kann die Fälle nicht laden.")
            .arg(name);
    case A::ZuGroß:
        return QStringLiteral("„%1“ ist %2 Bytes groß und damit keine Falldatei dieses Programms (erwartet "
                              "sind %3 Bytes).")
            .arg(name)
            .arg(b.zahl)
            .arg(Solllänge);
    case A::NichtAnlegbar:
        return QStringLiteral("Die Falldatei „%1“ fehlt oder ist leer und muss im Ordner „%2“ neu angelegt "
                              "werden. %3")
            .arg(name, ordner, b.text);
    case A::Länge: {
        const qint64 ganze = b.zahl / Datensatz::Länge;
        const QString was =
            b.zahl > Solllänge
                ? QStringLiteral("Die Bytes nach dem siebten Fall werden nicht verwendet und bleiben "
                                 "unverändert erhalten.")
                : (ganze == 0   ? QStringLiteral("Sie enthält keinen vollständigen Fall")
                   : ganze == 1 ? QStringLiteral("Sie enthält nur einen vollständigen Fall")
                                : QStringLiteral("Sie enthält nur %1 vollständige Fälle").arg(ganze)) +
                      QStringLiteral("; was fehlt, wird als leer gelesen und erst beim Speichern des "
                                     "betreffenden Falls angefügt.");
        return QStringLiteral("„%1“ ist %2 lang, erwartet sind %3 Bytes. %4")
            .arg(name, bytes(b.gesamt))
            .arg(Solllänge)
            .arg(was);
    }
    case A::FremdeZusätze:
        return QStringLiteral("In „%1“ gehören die Zusatzangaben zu Fall %2 (Rentenbeginn, Steigerung, Jahre "
                              "nach 2051, Angaben zum Vergleich) zu einem anderen Namen oder Geburtsdatum; "
                              "die Datei wurde wohl mit einem anderen Programm geändert. Sie werden nicht "
                              "verwendet.")
            .arg(name, nummern(b.fälle));
    case A::UnmöglicheWerte:
        return QStringLiteral(
                   "In „%1“ stehen bei Fall %2 Kinder- oder Monatszahlen, die dieses Programm nicht "
                   "speichert; die Datei stammt vielleicht aus einem anderen Programm oder ist "
                   "beschädigt. Solche Zahlen werden als 0 gelesen.")
            .arg(name, nummern(b.fälle));
    case A::ÜbergroßeBeträge:
        return QStringLiteral(
                   "In „%1“ stehen bei Fall %2 Entgelte über %3 Euro oder Punktzahlen über %4, die "
                   "dieses Programm nicht speichert; die Datei stammt vielleicht aus einem anderen "
                   "Programm oder ist beschädigt. Solche Werte werden als 0 gelesen, damit keine "
                   "Summe überläuft.")
            .arg(name, nummern(b.fälle), QLocale(QLocale::German).toString(Datensatz::GrößtesEntgelt),
                 QLocale(QLocale::German).toString(Datensatz::GrößtePunkte));
    case A::Zwischendatei: {
        const QFileInfo r(b.text);
        return QStringLiteral("Neben „%1“ liegt „%2“ (%3 Bytes vom %4): vermutlich die Zwischendatei eines "
                              "abgebrochenen Speicherns, die den neuesten Stand enthalten kann. Das Programm "
                              "verwendet und löscht sie nicht. Wollen Sie sie statt „%1“ verwenden, beenden "
                              "Sie das Programm und benennen Sie sie in „%1“ um; sonst können Sie sie "
                              "löschen.")
            .arg(name, r.fileName())
            .arg(r.size())
            .arg(r.lastModified().toString(QStringLiteral("dd.MM.yyyy, HH:mm")));
    }
    case A::DateiSchreibgeschützt:
        return QStringLiteral("„%1“ ist schreibgeschützt. Sie können die Fälle ansehen, Änderungen können "
                              "aber nicht gespeichert werden.")
            .arg(name);
    case A::OrdnerSchreibgeschützt:
        return QStringLiteral("Der Ordner „%1“ ist schreibgeschützt. Sie können die Fälle ansehen, "
                              "Änderungen können aber nicht gespeichert werden.")
            .arg(ordner);
    case A::Hindernis:
        return b.text + QStringLiteral(" Sie können die Fälle ansehen, Änderungen werden aber nicht "
                                       "gespeichert.");
    case A::Gelöscht: return QStringLiteral("„%1“ wurde außerhalb des Programms gelöscht.").arg(name);
    case A::Geleert:
        return QStringLiteral("„%1“ wurde außerhalb des Programms geleert (0 Bytes), etwa von einem "
                              "Abgleichprogramm oder einer abgebrochenen Kopie.")
            .arg(name);
    case A::KeineFalldatei:
        return QStringLiteral("„%1“ wurde außerhalb des Programms ersetzt oder gekürzt: sie ist jetzt %2 "
                              "lang und enthält keine sieben vollständigen Fälle mehr.")
            .arg(name, bytes(b.gesamt));
    }
    return {};
}

Ergebnis Falldatei::worte(const QList<Befund>& befunde) const
{
    for (const Befund& b : befunde)
        if (b.beendet())
            return Ergebnis::fehler(ende(wortlaut(b)));
    QStringList zeilen;
    bool unerwartet = false;
    for (const Befund& b : befunde) {
        if (unerwartet && !b.unerwartet()) {
            zeilen.last() +=
                QStringLiteral(" Vor der ersten Änderung wird eine unveränderte Kopie daneben gespeichert.");
            unerwartet = false;
        }
        zeilen.append(wortlaut(b));
        unerwartet = unerwartet || b.unerwartet();
    }
    if (unerwartet)
        zeilen.last() +=
            QStringLiteral(" Vor der ersten Änderung wird eine unveränderte Kopie daneben gespeichert.");
    return Ergebnis::hinweis(zeilen.join(u'\n'));
}
