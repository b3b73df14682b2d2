// The command line: what starts the window and what only answers on the terminal.
#include "core/befehlszeile.h"
#include "core/version.h"

#include <gtest/gtest.h>

namespace {

using Auftrag = Befehlszeile::Auftrag;

struct Aufruf {
    QStringList argumente;
    Auftrag auftrag;
    bool menü;
    const char* ausgabeEnthält;
};

TEST(BefehlszeileTest, JederAufrufBekommtSeinenAuftragUndSeineAntwort)
{
    const QString version = QStringLiteral("zuvora %1\n").arg(QLatin1String(Version::text));
    const Aufruf fälle[] = {
        {{}, Auftrag::Starten, false, ""},
        {{"--menue"}, Auftrag::Starten, true, ""},
        {{"-menue"}, Auftrag::Starten, true, ""},
        {{"--help"}, Auftrag::Hilfe, false, "--menue"},
        {{"-h", "--menue"}, Auftrag::Hilfe, false, "-h, --help"},
        {{"--version"}, Auftrag::Version, false, "zuvora "},
        {{"-v"}, Auftrag::Version, false, "zuvora "},
        {{"--bunt"}, Auftrag::Fehler, false, "Unbekannte Option „--bunt“."},
        {{"--pdf"}, Auftrag::Fehler, false, "muss ein Wert folgen"},
        {{"--pdf", "uebersicht", "--fall", "3", "--datei", "a.pdf"}, Auftrag::Pdf, false, ""},
        {{"--pdf=anschreiben", "--fall=7", "--datei=a.pdf"}, Auftrag::Pdf, false, ""},
        {{"--pdf", "tabelle", "--fall", "3", "--datei", "a.pdf"}, Auftrag::Fehler, false, "oder uebersicht."},
        {{"--pdf", "berechnung", "--fall", "8", "--datei", "a.pdf"}, Auftrag::Fehler, false, "1 bis 7"},
        {{"--pdf", "berechnung", "--fall", "1"}, Auftrag::Fehler, false, "--datei verlangt"},
        {{"--fall", "1", "--datei", "a.pdf"}, Auftrag::Fehler, false, "--pdf verlangt"},
        {{"--pdf", "berechnung", "--fall", "1", "--datei", "a.pdf", "b.pdf"},
         Auftrag::Fehler,
         false,
         "nichts weiter"},
        {{"fall.txt"}, Auftrag::Fehler, false, "keine Dateinamen („fall.txt“)"},
    };
    for (const Aufruf& f : fälle) {
        SCOPED_TRACE(f.argumente.join(u' ').toStdString());
        const Befehlszeile b(QStringList{QStringLiteral("zuvora")} + f.argumente);
        EXPECT_EQ(b.auftrag(), f.auftrag);
        EXPECT_EQ(b.menü(), f.menü);
        EXPECT_TRUE(b.ausgabe().contains(QString::fromUtf8(f.ausgabeEnthält))) << b.ausgabe().toStdString();
        if (f.auftrag == Auftrag::Version) {
            EXPECT_EQ(b.ausgabe(), version);
        }
        if (f.auftrag == Auftrag::Starten) {
            EXPECT_TRUE(b.ausgabe().isEmpty());
        }
    }
}

TEST(BefehlszeileTest, NurHilfeUndVersionKommenOhneFenstersystemAus)
{
    const char* hilfe[] = {"zuvora", "--menue", "--help"};
    const char* version[] = {"zuvora", "-v"};
    const char* start[] = {"zuvora", "--menue"};
    const char* fremd[] = {"zuvora", "-platform", "offscreen"};
    EXPECT_TRUE(Befehlszeile::nurTerminal(3, hilfe));
    EXPECT_TRUE(Befehlszeile::nurTerminal(2, version));
    EXPECT_FALSE(Befehlszeile::nurTerminal(2, start));
    EXPECT_FALSE(Befehlszeile::nurTerminal(3, fremd));
    const char* pdf[] = {"zuvora", "--pdf=uebersicht"};
    EXPECT_TRUE(Befehlszeile::druckauftrag(2, pdf));
    EXPECT_FALSE(Befehlszeile::druckauftrag(3, hilfe));
}

} // namespace
