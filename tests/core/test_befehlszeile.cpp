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
        {{"--pdf"}, Auftrag::Fehler, false, "Unbekannte Option „--pdf“."},
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
}

} // namespace
