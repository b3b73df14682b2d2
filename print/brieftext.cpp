#include "print/brieftext.h"

#include "core/dateiablage.h"
#include "core/datensatz.h"
#include "core/webadresse.h"

#include <QFile>
#include <QFileInfo>

Brieftext::Brieftext(Dateiablage& ablage, const QString& pfad) : m_ablage(ablage), m_pfad(pfad) {}

QStringList Brieftext::standardtext()
{
    return {
        QStringLiteral("Ihre Zuvoranversicherung nach dem"),
        QStringLiteral("Tarifvertrag Altersversorgung (ATV) vom 1. März 2002"),
        QStringLiteral("Ihre yVersicherungsnummer:"),
        QString(),
        QString(),
        QStringLiteral("Sehr geehrte"),
        QString(),
        QStringLiteral("Ihre Anwartschaft auf Zuvora wegen Altes wird ab dem 65. Lebenajahr nach"),
        QStringLiteral("beiliegender Hochrechnung"),
        QString(),
        QStringLiteral("betragen."),
        QString(),
        QStringLiteral(
            "Bitte beachten Sie, dass die Berechnungsgrundlagen geschätzt sind. Die Rentenanwartschaft"),
        QStringLiteral("wird sich bei Abweichungen von den geschätzten"),
        QStringLiteral("  - yJahresentgelten,"),
        QStringLiteral("  - Punkten wegen Elternzeiten,"),
        QStringLiteral("  - yBonuspunkten aus Überschüssen der Versicherung,"),
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

Brieftext::Ergebnis Brieftext::checken()
{
    const QFileInfo info(m_pfad);
    if (info.isDir())
        return {false,
                QStringLiteral("„%1“ ist ein Ordner, keine Datei. Der Brieftext kann nicht gelesen werden.")
                    .arg(info.fileName())};
    if (info.exists() && info.size() > 0)
        return {};
    return m_ablage.ersetzen(m_pfad, abbild(standardtext()));
}

Brieftext::Ergebnis Brieftext::lesen(QStringList& zeilen) const
{
    zeilen.clear();
    QFile datei(m_pfad);
    QByteArray bytes;
    if (!datei.open(QIODevice::ReadOnly) ||
        (bytes = datei.read(Solllänge), datei.error() != QFileDevice::NoError))
        return {false, QStringLiteral("„%1“ kann nicht gelesen werden: %2")
                           .arg(QFileInfo(m_pfad).fileName(), systemgrund(datei))};
    // A short file shows its missing lines as blank ones; saving completes it.
    bytes = bytes.leftJustified(Solllänge, ' ');
    for (int n = 0; n < Zeilen; ++n)
        zeilen.append(Zeichensatz::dekodieren(QByteArrayView(bytes).sliced(n * Satzlänge, Satzlänge)));
    return {};
}

Brieftext::Ergebnis Brieftext::speichern(const QStringList& zeilen)
{
    // A file of a length we do not write ourselves is kept as it was before it is replaced.
    const QFileInfo info(m_pfad);
    if (info.exists() && info.size() != 0 && info.size() != Solllänge) {
        QFile alt(m_pfad);
        const QString kopie = freierSicherungsname(m_pfad);
        Ergebnis gesichert = Ergebnis::fehler(QString());
        if (alt.open(QIODevice::ReadOnly))
            gesichert = m_ablage.ersetzen(kopie, alt.readAll());
        if (!gesichert.ok)
            return {false,
                    QStringLiteral("Vor dem Speichern sollte eine Kopie „%1“ des bisherigen Brieftextes "
                                   "angelegt werden. %2 Der Brieftext wurde nicht gespeichert.")
                        .arg(QFileInfo(kopie).fileName(),
                             gesichert.meldung.isEmpty() ? systemgrund(alt) : gesichert.meldung)};
    }
    if (const Ergebnis e = m_ablage.ersetzen(m_pfad, abbild(zeilen)); !e.ok)
        return {false, e.meldung + QStringLiteral(" Der Brieftext bleibt, wie er war.")};
    return {};
}

Brieftext::Ergebnis Brieftext::holen(QStringList& zeilen)
{
    const Ergebnis e = checken();
    return e.ok ? lesen(zeilen) : e;
}
