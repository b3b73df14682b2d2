// "atvi.txt" in every state the folder may hold it: checked, read and saved.
#include "hilfen/dateihilfen.h"
#include "hilfen/nutzerwechsel.h"
#include "hilfen/stoerablage.h"
#include "print/brieftext.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

const QByteArray Standard = Brieftext::abbild(Brieftext::standardtext());

struct Brieffall {
    const char* name;
    std::optional<QByteArray> bytes; // none: no file
    bool ordner;
    bool geht;
};

void PrintTo(const Brieffall& f, std::ostream* os)
{
    *os << f.name;
}

const Brieffall Brieffälle[] = {
    {"fehlt", std::nullopt, false, true},
    {"leer", QByteArray(), false, true},
    {"vollstaendig", Standard, false, true},
    {"kuerzer", Standard.first(10 * 95), false, true},
    {"krummeLaenge", Standard.first(10 * 95 + 7), false, true},
    {"laenger", Standard + "Anhang", false, true},
    {"zufaellig", zufallsbytes(3135, 33), false, true},
    {"alles0xFF", QByteArray(3135, '\xff'), false, true},
    {"ordner", std::nullopt, true, false},
};

class BriefStart : public ::testing::TestWithParam<Brieffall>
{};

// Reading shows 33 lines of 95 characters holding the file's bytes; saving them unchanged
// gives the first 3135 bytes back, blank-filled, and an odd file is copied first.
TEST_P(BriefStart, DefinierterAusgangUndKeinByteVerloren)
{
    const Brieffall& fall = GetParam();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atvi.txt"));
    if (fall.bytes)
        lege(pfad, *fall.bytes);
    if (fall.ordner) {
        ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("atvi.txt")));
    }
    Dateiablage ablage;
    Brieftext brief(ablage, pfad);
    const auto geprüft = brief.checken();
    ASSERT_EQ(geprüft.ok, fall.geht) << geprüft.meldung.toStdString();
    if (!fall.geht) {
        EXPECT_FALSE(geprüft.meldung.isEmpty());
        return;
    }
    const QByteArray alt = (fall.bytes && !fall.bytes->isEmpty()) ? *fall.bytes : Standard;
    EXPECT_EQ(lies(pfad), alt);
    QStringList zeilen;
    ASSERT_TRUE(brief.lesen(zeilen).ok);
    ASSERT_EQ(zeilen.size(), 33);
    for (const QString& z : zeilen)
        EXPECT_EQ(z.size(), 95);
    const QByteArray erwartet = alt.first(std::min<qsizetype>(alt.size(), 3135)).leftJustified(3135, ' ');
    EXPECT_EQ(Brieftext::abbild(zeilen), erwartet);

    ASSERT_TRUE(brief.speichern(zeilen).ok);
    EXPECT_EQ(lies(pfad), erwartet);
    if (alt.size() != 3135) {
        EXPECT_EQ(lies(pfad + QStringLiteral(".bak")), alt);
    }
}

INSTANTIATE_TEST_SUITE_P(Brieftext, BriefStart, ::testing::ValuesIn(Brieffälle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BriefSpeichern, JedeStörungLässtDenBriefStehen)
{
    using S = Störablage::Schritt;
    using A = Störablage::Art;
    int störungen = 0;
    for (S schritt : {S::Öffnen, S::Schreiben, S::Leeren, S::Festschreiben}) {
        for (A art : {A::KurzesSchreiben, A::EAFehler, A::PlatteVoll}) {
            if (art == A::KurzesSchreiben && schritt != S::Schreiben)
                continue;
            QTemporaryDir ordner;
            const QString pfad = ordner.filePath(QStringLiteral("atvi.txt"));
            lege(pfad, Standard);
            Störablage störung(schritt, art, 100);
            Brieftext brief(störung, pfad);
            QStringList zeilen = Brieftext::standardtext();
            zeilen[0] = QStringLiteral("Geändert");
            const auto e = brief.speichern(zeilen);
            ++störungen;
            EXPECT_FALSE(e.ok);
            EXPECT_TRUE(e.meldung.contains(Störablage::erwarteterGrund(art))) << e.meldung.toStdString();
            EXPECT_EQ(lies(pfad), Standard);
            EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"atvi.txt"});
        }
    }
    EXPECT_EQ(störungen, 9);
}

struct Briefrechte {
    const char* name;
    std::optional<QByteArray> bytes;
    int dateirechte, ordnerrechte;
    bool prüfenGeht, speichernGeht;
};

void PrintTo(const Briefrechte& f, std::ostream* os)
{
    *os << f.name;
}

const Briefrechte Briefrechtefälle[] = {
    {"unlesbar", Standard, 0000, 0777, true, false},
    {"schreibgeschuetzt", Standard, 0444, 0777, true, false},
    {"schreibgeschuetzterOrdner", Standard, 0666, 0555, true, false},
    {"fehltImSchreibgeschuetztenOrdner", std::nullopt, 0, 0555, false, false},
};

class BriefOhneRechte : public ::testing::TestWithParam<Briefrechte>
{};

void prüfeBriefOhneRechte(const QString& ordner, const Briefrechte& fall)
{
    const QString pfad = ordner + QStringLiteral("/atvi.txt");
    Dateiablage ablage;
    Brieftext brief(ablage, pfad);
    const auto e = brief.checken();
    EXPECT_EQ(e.ok, fall.prüfenGeht) << e.meldung.toStdString();
    if (!e.ok) {
        EXPECT_TRUE(e.meldung.contains(QStringLiteral("Keine Berechtigung"))) << e.meldung.toStdString();
    }
    QStringList zeilen;
    const auto l = brief.lesen(zeilen);
    if (fall.bytes && !(fall.dateirechte & 0444)) {
        EXPECT_FALSE(l.ok);
        EXPECT_TRUE(l.meldung.contains(QStringLiteral("Keine Berechtigung"))) << l.meldung.toStdString();
    }
    zeilen = Brieftext::standardtext();
    const auto s = brief.speichern(zeilen);
    EXPECT_EQ(s.ok, fall.speichernGeht);
    EXPECT_FALSE(s.meldung.isEmpty());
    if (fall.bytes && (fall.dateirechte & 0444)) {
        EXPECT_EQ(lies(pfad), *fall.bytes);
    }
}

TEST_P(BriefOhneRechte, MeldetUndÄndertNichts)
{
    const Briefrechte& fall = GetParam();
    Nutzerwechsel::ohneRechte(
        [&](const QString& ordner) {
            const QString pfad = ordner + QStringLiteral("/atvi.txt");
            if (fall.bytes) {
                ASSERT_NO_FATAL_FAILURE(lege(pfad, *fall.bytes));
                ASSERT_NO_FATAL_FAILURE(Nutzerwechsel::setzeRechte(pfad, fall.dateirechte));
            }
            Nutzerwechsel::setzeRechte(ordner, fall.ordnerrechte);
        },
        [&](const QString& ordner) { prüfeBriefOhneRechte(ordner, fall); });
}

INSTANTIATE_TEST_SUITE_P(Brieftext, BriefOhneRechte, ::testing::ValuesIn(Briefrechtefälle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
