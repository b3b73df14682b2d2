// Any bytes as "atv.txt": opening never fails for a plain file, never changes it, shows
// every case with its bytes intact, computes it, and a change touches only its own case
// after a byte-identical copy stands beside the file.
#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "fuzzhilfe.h"
#include "hilfen/skriptmeldungen.h"
#include "table/rechentabelle.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QTemporaryDir* ordner = nullptr;

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray satzAus(const QByteArray& datei, int n)
{
    QByteArray satz = Datensatz::grundstellung().alsBytes();
    const QByteArray teil = datei.mid(qsizetype(n - 1) * Datensatz::Länge, Datensatz::Länge);
    satz.replace(0, teil.size(), teil);
    return satz;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    ordner = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe)
{
    const QString pfad = ordner->filePath(QStringLiteral("atv.txt"));
    const QByteArray alt(reinterpret_cast<const char*>(daten), qsizetype(größe));
    {
        QFile f(pfad);
        PRÜFEN(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        PRÜFEN(f.write(alt) == alt.size());
    }

    Dateiablage ablage;
    Falldatei datei(ablage);
    const Ergebnis e = datei.öffnen(pfad);
    PRÜFEN(e.ok);
    const QByteArray bild = alt.isEmpty() ? Falldatei::neuesAbbild() : alt;
    PRÜFEN(lies(pfad) == bild);
    // A file we did not write ourselves is always reported, and so is a pay or point value
    // beyond the largest a record may hold (it counts as 0).
    const bool erwartet = bild.size() == Falldatei::Solllänge &&
                          Falldatei::fälleMitUnmöglichenWerten(bild).isEmpty() &&
                          Falldatei::fälleMitÜbergroßenBeträgen(bild).isEmpty();
    PRÜFEN(e.meldung.isEmpty() == erwartet);

    Arbeitsstand stand;
    Skriptmeldungen meldungen;
    Rechentabelle tabelle(stand, datei, meldungen);
    for (int n = 1; n <= Falldatei::AnzahlFälle; ++n)
        PRÜFEN(datei.lesen(n).alsBytes() == satzAus(bild, n));
    const int fall = 1 + int(größe % Falldatei::AnzahlFälle);
    stand.datensatznummer = fall;
    tabelle.datensatzholen();
    tabelle.atvberechnen();
    PRÜFEN(tabelle.rentenkopf().endsWith(QStringLiteral(" €")));
    PRÜFEN(lies(pfad) == bild); // loading and computing never write

    Datensatz d = datei.lesen(fall);
    d.nachname = QStringLiteral("Geändert");
    d.jahresentgelt[1 + int(größe % 50)] = Festkomma::ausGanzzahl(12345);
    PRÜFEN(datei.schreiben(fall, d).ok);
    const QByteArray neu = lies(pfad);
    PRÜFEN(neu.size() == std::max<qsizetype>(bild.size(), qsizetype(fall) * Datensatz::Länge));
    for (int n = 1; n <= Falldatei::AnzahlFälle; ++n)
        PRÜFEN(satzAus(neu, n) == (n == fall ? d.alsBytes() : satzAus(bild, n)));
    PRÜFEN(neu.mid(Falldatei::Solllänge) == bild.mid(Falldatei::Solllänge));
    PRÜFEN(datei.sicherung().isEmpty() == erwartet);
    if (!erwartet)
        PRÜFEN(lies(datei.sicherung()) == bild);

    for (const QString& name : QDir(ordner->path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(ordner->filePath(name));
    return 0;
}
