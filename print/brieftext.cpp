#include "print/brieftext.h"

#include "core/dateiablage.h"
#include "core/datensatz.h"
#include "core/webadresse.h"

#include <QFileInfo>
#include <QRegularExpression>

Brieftext::Brieftext(Dateiablage& ablage, const QString& pfad) : m_ablage(ablage), m_pfad(pfad) {}

QStringList Brieftext::standardtext()
{
    return {
        QStringLiteral("Ihre Zuvoranversicherung nach dem"),
        QStringLiteral("Tarifvertrag Altersversorgung (ATV) vom 1. März 2002"),
        QStringLiteral("Ihre Versicherungsnummer:"),
        QString(),
        QString(),
        QStringLiteral("Sehr geehrte"),
        QString(),
        QStringLiteral("Ihre Anwartschaft auf Zuvora wegen Alters wird ab dem 65. Lebensjahr nach"),
        QStringLiteral("beiliegender Hochrechnung"),
        QString(),
        QStringLiteral("betragen."),
        QString(),
        QStringLiteral(
            "Bitte beachten Sie, dass die Berechnungsgrundlagen geschätzt sind. Die Rentenanwartschaft"),
        QStringLiteral("wird sich bei Abweichungen von den geschätzten"),
        QStringLiteral("  - Jahresentgelten,"),
        QStringLiteral("  - Punkten wegen Elternzeiten,"),
        QStringLiteral("  - Bonuspunkten aus Überschüssen der Versicherung,"),
        QStringLiteral("  - Erwerbsunfähigkeit und"),
        QStringLiteral("  - Rentenbezug vor dem 65. Lebensjahr"),
        QStringLiteral("entsprechend ändern."),
        QString(),
        QStringLiteral(
            "Sie werden künftig jährlich von Ihrer Versorgungsanstalt einen Nachweis über ihre bisher"),
        QStringLiteral("insgesamt erworbene Anwartschaft auf Zuvora erhalten. Damit können Sie die"),
        QStringLiteral("beiliegende Hochrechnung bis zum 65. Lebensjahr anpassen. Das Freeware-Programm"),
        QStringLiteral("ZUVORA, mit dem die beiliegende Berechnung erstellt wurde, kann Ihnen dabei helfen."),
        QStringLiteral("Sie finden dieses Programm auf der Internetseite ") + Webadresse::host(),
        QString(),
        QStringLiteral("Diese Information ist völlig unverbindlich und soll Sie anregen, sich anhand Ihrer"),
        QStringLiteral("persönlichen Daten mit dem Berechnungsverfahren Ihrer Zuvora vertraut zu machen."),
        QStringLiteral("Bei Interesse können Sie Ihre Zuvora durch freiwillige Beiträge in Form der sog."),
        QStringLiteral("\"Riester-Rente\"") +
            QStringLiteral(" oder eine Entgeltumwandlung aufstocken. Wir beraten Sie gerne."),
        QString(),
        QStringLiteral("Mit freundlichen Grüßen"),
    };
}

QByteArray Brieftext::abbild(const QStringList& zeilen)
{
    QByteArray bild;
    bild.reserve(Solllänge);
    for (int n = 0; n < Zeilen; ++n)
        bild += Zeichensatz::festeBreite(zeilen.value(n), Satzlänge);
    return bild;
}

Ergebnis Brieftext::checken()
{
    const QFileInfo info(m_pfad);
    if (info.isDir())
        return Ergebnis::fehler(
            QStringLiteral("„%1“ ist ein Ordner, keine Datei. Der Brieftext kann nicht gelesen werden.")
                .arg(info.fileName()));
    if (!ohneText())
        return {};
    return m_ablage.ersetzen(m_pfad, abbild(standardtext()), Dateiablage::Verknüpfung::EigeneFolgen);
}

Ergebnis Brieftext::alleBytes(const QString& pfad, QByteArray& bytes) const
{
    const QString name = QFileInfo(m_pfad).fileName();
    Dateiinhalt inhalt = dateiLesen(pfad, GrößteLänge);
    switch (inhalt.befund) {
    case Dateiinhalt::Befund::Gelesen: bytes = std::move(inhalt.bytes); return {};
    case Dateiinhalt::Befund::Fehler:
        return Ergebnis::fehler(QStringLiteral("„%1“ kann nicht gelesen werden: %2").arg(name, inhalt.grund));
    case Dateiinhalt::Befund::KeineDatei:
        return Ergebnis::fehler(
            QStringLiteral("„%1“ ist keine gewöhnliche Datei. Der Brieftext kann nicht gelesen werden.")
                .arg(name));
    case Dateiinhalt::Befund::ZuGroß: break;
    }
    return Ergebnis::fehler(QStringLiteral("„%1“ ist %2 Bytes groß und damit kein Brieftext dieses Programms "
                                           "(erwartet sind %3 Bytes). Die Datei wird nicht gelesen.")
                                .arg(name)
                                .arg(inhalt.größe)
                                .arg(Solllänge));
}

Ergebnis Brieftext::lesen(QStringList& zeilen, QByteArray* stand) const
{
    zeilen.clear();
    QByteArray bytes;
    if (Ergebnis e = alleBytes(m_pfad, bytes); !e.ok)
        return e;
    if (stand)
        *stand = bytes;
    zeilen = zeilenAus(std::move(bytes));
    return {};
}

QStringList Brieftext::zeilenAus(QByteArray bytes)
{
    // A short file shows its missing lines as blank ones; saving completes it.
    bytes = bytes.first(std::min<qint64>(bytes.size(), Solllänge)).leftJustified(Solllänge, ' ');
    QStringList zeilen;
    for (int n = 0; n < Zeilen; ++n)
        zeilen.append(Zeichensatz::dekodieren(QByteArrayView(bytes).sliced(n * Satzlänge, Satzlänge)));
    return zeilen;
}

bool Brieftext::ohneText() const
{
    const QFileInfo info(m_pfad);
    return !info.isDir() && (!info.exists() || info.size() == 0);
}

Ergebnis Brieftext::ansehen(QStringList& zeilen) const
{
    if (!ohneText())
        return lesen(zeilen);
    zeilen = zeilenAus(abbild(standardtext()));
    return {};
}

Ergebnis Brieftext::speichern(const QStringList& zeilen, QByteArray* stand)
{
    const QString name = QFileInfo(m_pfad).fileName();
    const Dateiablage::Ziel ziel = Dateiablage::zielPrüfen(m_pfad, Dateiablage::Verknüpfung::EigeneFolgen);
    if (!ziel.hindernis.isEmpty())
        return Ergebnis::fehler(
            QStringLiteral("„%1“ kann nicht gespeichert werden: %2 Der Brieftext bleibt, wie er war.")
                .arg(name, ziel.hindernis));
    if (ziel.vorhanden) {
        QByteArray jetzt;
        if (Ergebnis e = alleBytes(ziel.pfad, jetzt); !e.ok)
            return Ergebnis::fehler(e.meldung + QStringLiteral(" Der Brieftext wurde nicht gespeichert."));
        if (stand && jetzt != *stand) {
            Ergebnis geändert = Ergebnis::fehler(
                QStringLiteral("„%1“ wurde außerhalb des Programms geändert, während der Brieftext offen "
                               "war. Ihre Änderungen wurden nicht gespeichert, damit die anderen nicht "
                               "verloren gehen. Der Brieftext wurde neu gelesen; bitte wiederholen Sie Ihre "
                               "Änderungen.")
                    .arg(name));
            geändert.geändertVonAnderen = true;
            return geändert;
        }
        // A file of a length we do not write ourselves is kept as it was before it is replaced.
        if (!jetzt.isEmpty() && jetzt.size() != Solllänge) {
            const QString kopie = freierSicherungsname(m_pfad);
            if (const Ergebnis e = m_ablage.ersetzen(kopie, jetzt); !e.ok)
                return Ergebnis::fehler(
                    QStringLiteral("Vor dem Speichern sollte eine Kopie „%1“ des bisherigen "
                                   "Brieftextes angelegt werden. %2 Der Brieftext wurde nicht "
                                   "gespeichert.")
                        .arg(QFileInfo(kopie).fileName(), e.meldung));
        }
    }
    const QByteArray neu = abbild(zeilen);
    const Ergebnis e = m_ablage.ersetzen(m_pfad, neu, Dateiablage::Verknüpfung::EigeneFolgen);
    if (!e.ok)
        return Ergebnis::fehler(e.meldung + QStringLiteral(" Der Brieftext bleibt, wie er war."));
    if (stand)
        *stand = neu;
    return e; // a warning when the save could not be made safe on the disk
}

Ergebnis Brieftext::holen(QStringList& zeilen, QByteArray* stand)
{
    const Ergebnis e = checken();
    return e.ok ? lesen(zeilen, stand) : e;
}

QString Brieftext::mitRentenalter(const QString& zeile, Rentenbeginn::Alter alter)
{
    // "Lebenajahr" is how the wording of earlier versions spelt it; such a file prints right too.
    static const QRegularExpression fünfundsechzig(QStringLiteral("\\b65\\.\\s*Leben[sa]jahr"));
    // "67. Lebensjahr" / "Alter von 66 Jahren und 4 Monaten": what follows "bis zum ".
    const QString ersatz = Rentenbeginn::bisText(alter).sliced(QStringLiteral("bis zum ").size());
    QString ergebnis = zeile;
    ergebnis.replace(fünfundsechzig, ersatz);
    return ergebnis;
}
