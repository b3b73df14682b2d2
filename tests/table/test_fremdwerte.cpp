// The table of a case whose numbers nobody could have typed.
#include "hilfen/rechenaufbau.h"

#include <gtest/gtest.h>

namespace {

struct Extremfall {
    const char* name;
    std::int64_t wert; // every amount and every point value of the case
    const char* geburtsjahr;
    int zeilen;
    const char* kopf; // the headline; empty: anything that ends in " €"
};

class Fremdwerte : public ::testing::TestWithParam<Extremfall>, protected Rechenaufbau
{};

TEST_P(Fremdwerte, TabelleUndRechnungBleibenDefiniert)
{
    const Extremfall& f = GetParam();
    dateiÖffnen();
    Datensatz d = Datensatz::musterfall();
    d.geburtsjahr = QString::fromUtf8(f.geburtsjahr);
    d.startgutschrift = Festkomma::ausRoh(f.wert);
    d.jahresentgelt.füllen(Festkomma::ausRoh(f.wert));
    d.elternzeitpunkte.füllen(Festkomma::ausRoh(f.wert));
    d.bonuspunkte.füllen(Festkomma::ausRoh(f.wert));
    ASSERT_TRUE(datei.schreiben(1, d).ok);

    tabelle.datensatzholen();
    tabelle.atvberechnen();
    EXPECT_EQ(tabelle.modell().rowCount(), f.zeilen);
    if (*f.kopf) {
        EXPECT_EQ(tabelle.rentenkopf(), QString::fromUtf8(f.kopf));
    } else {
        EXPECT_TRUE(tabelle.rentenkopf().endsWith(QStringLiteral(" €")));
    }
    // Loading and computing never write.
    EXPECT_EQ(datei.lesen(1), d);
}

// Values beyond the largest pay and points a record may hold count as 0.
const Extremfall Extremfälle[] = {
    {"GroessterWert", Festkomma::Größter, "1985", 54, "0,00 €"},
    {"KleinsterWert", Festkomma::Kleinster, "1985", 54, "0,00 €"},
    {"GroessterWertNur2001", Festkomma::Größter, "1936", 5, "0,00 €"},
    {"KleinsterWertGeboren1900", Festkomma::Kleinster, "1900", 5, "0,00 €"},
    {"MinusEinZehntausendstel", -1, "1950", 19, ""},
    {"TrillionGeburtsjahrOhneZahl", 1'000'000'000'000'000, "abcd", 54, ""},
    {"NegativGeboren1960", -123'456'789'012'345, "1960", 29, ""},
};

INSTANTIATE_TEST_SUITE_P(Rechentabelle, Fremdwerte, ::testing::ValuesIn(Extremfälle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
