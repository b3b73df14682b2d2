#include "core/absicherung.h"
#include "core/krankenversicherung.h"
#include "core/rentenbeginn.h"
#include "core/rentenzahlung.h"

#include <gtest/gtest.h>

namespace {

Festkomma fk(const char* text)
{
    return Festkomma::ausText(QString::fromLatin1(text));
}

using Rentenzahlung::laufenderMonat;

TEST(Beratung, RenteSteigtJedenJuliUndSummiertSich)
{
    // One increase a year whatever the month of the start; a July start waits a year.
    for (int monat : {1, 6, 7, 8, 12}) {
        const int erster = laufenderMonat(2030, monat);
        EXPECT_EQ(Rentenzahlung::nachJahren(fk("1000"), erster, 1).alsText(2), "1010,00") << monat;
        // Each step rounded to the cent: 1030,30 (not 1030,301) becomes 1040,60, then 1051,01.
        EXPECT_EQ(Rentenzahlung::nachJahren(fk("1000"), erster, 5).alsText(2), "1051,01") << monat;
    }
    Rentenzahlung::Verlauf juni(fk("1000,004"), laufenderMonat(2030, 6));
    EXPECT_EQ(juni.betragIm(laufenderMonat(2030, 5)), Festkomma());
    EXPECT_EQ(juni.summeBis(laufenderMonat(2030, 8)).alsText(2), "3020,00");
    Rentenzahlung::Verlauf juli(fk("1000"), laufenderMonat(2030, 7));
    EXPECT_EQ(juli.summeBis(laufenderMonat(2031, 6)).alsText(2), "12000,00");
    EXPECT_EQ(juli.summeBis(laufenderMonat(2031, 7)).alsText(2), "13010,00");

    EXPECT_EQ(Rentenzahlung::ersterMonat(1990, 3, {67, 0}), laufenderMonat(2057, 4));
    EXPECT_EQ(Rentenzahlung::ersterMonat(1960, 0, {66, 4}), laufenderMonat(2026, 6)); // unknown: January
    EXPECT_EQ(Rentenzahlung::ersterMonat(1960, 11, {66, 4}), laufenderMonat(2027, 4));
    EXPECT_EQ(Rentenzahlung::alterKurz(81 * 12 + 4), "81 J. 4 M.");
    EXPECT_EQ(Rentenzahlung::alterKurz(67 * 12), "67 J.");
}

TEST(Beratung, AbschlagsmonateLautRentenauskunft)
{
    // 24 months named for a start at 65 (born 1970, regular age 67): a start a year earlier
    // or later moves them by twelve; none below zero, and "mit 65" stays without.
    using namespace Rentenbeginn;
    const std::pair<int, const char*> erwartet[] = {{63, "10,80"},
                                                    {64, "10,80"},
                                                    {65, "7,20"},
                                                    {66, "3,60"},
                                                    {67, "0,00"},
                                                    {Mit65, "0,00"},
                                                    {Regelaltersgrenze, "0,00"}};
    for (const auto& [wahl, prozent] : erwartet) {
        const Beginn b = mitAbschlagsmonaten(bestimmen(wahl, 1970, 6), 24, {65, 0});
        EXPECT_EQ(b.abschlagProzent.alsText(2), prozent) << wahl;
    }
    EXPECT_EQ(mitAbschlagsmonaten(bestimmen(63, 1970, 6), 0, {63, 0}).abschlagMonate, 0);
    EXPECT_EQ(mitAbschlagsmonaten(bestimmen(63, 1970, 6), -1, {63, 0}).abschlagMonate, 48);
}

TEST(Beratung, SpaetererBeginnHoltAufOderNie)
{
    const int früh = laufenderMonat(2050, 2), spät = laufenderMonat(2051, 2),
              grenze = laufenderMonat(2100, 1);
    const auto monat = Rentenzahlung::überholt(fk("900"), früh, fk("1000"), spät, grenze);
    ASSERT_TRUE(monat.has_value());
    // 900 a month for a year ahead (10,800 plus the July rise) is caught up at about 92 a month.
    EXPECT_GT(*monat, spät + 105);
    EXPECT_LT(*monat, spät + 120);
    const auto summe = [](Festkomma betrag, int erster, int bis) {
        return Rentenzahlung::Verlauf(betrag, erster).summeBis(bis);
    };
    EXPECT_GT(summe(fk("1000"), spät, *monat), summe(fk("900"), früh, *monat));
    EXPECT_LE(summe(fk("1000"), spät, *monat - 1), summe(fk("900"), früh, *monat - 1));
    EXPECT_FALSE(Rentenzahlung::überholt(fk("900"), früh, fk("900"), spät, grenze));
    EXPECT_FALSE(Rentenzahlung::überholt(fk("900"), früh, fk("1000"), spät, spät + 50));
}

TEST(Beratung, Hinterbliebene)
{
    struct Fall {
        bool altesRecht;
        const char* rente;
        const char* erwartet[4];
    };
    const Fall fälle[] = {
        {false, "1000", {"550,00", "250,00", "100,00", "200,00"}},
        {true, "1000", {"600,00", "250,00", "100,00", "200,00"}},
        {false, "1101,2268", {"605,67", "275,31", "110,12", "220,25"}},
    };
    for (const Fall& f : fälle) {
        const auto renten = Hinterbliebene::berechnen(fk(f.rente), f.altesRecht);
        for (std::size_t k = 0; k < renten.size(); ++k)
            EXPECT_EQ(renten[k].betrag.alsText(2), f.erwartet[k]) << f.rente << " " << k;
    }
}

TEST(Beratung, Erwerbsminderung)
{
    // The published example: born 20.01.1977, full reduction from 01.10.2021, 30,000 Euro a
    // year in 2018 to 2020: 2,5 points for each of 15 full years, 37,5 points, 150 Euro more.
    Erwerbsminderung::Eingabe e{1977, 1, 2021, 10, true, fk("20"), {fk("30000"), fk("30000"), fk("30000")}};
    const Erwerbsminderung::Ergebnis voll = Erwerbsminderung::berechnen(e);
    EXPECT_EQ(voll.zurechnungsjahre, 15);
    EXPECT_EQ(voll.punkteJeJahr.alsText(2), "2,50");
    EXPECT_EQ(voll.zurechnungspunkte.alsText(2), "37,50");
    EXPECT_EQ((voll.rente - fk("20").mal(4)).alsText(2), "150,00");
    EXPECT_EQ(voll.abschlagProzent.alsText(1), "10,8");
    EXPECT_EQ(voll.betrag.alsText(2), "205,16"); // 230 x 0,892
    e.voll = false;
    EXPECT_EQ(Erwerbsminderung::berechnen(e).betrag.alsText(2), "102,58");

    // The reduction counts the months up to the end of the month of the reference age.
    struct Fall {
        int geburtsjahr, beginnJahr, beginnMonat, abschlagMonate, zurechnungsjahre;
    };
    const Fall fälle[] = {
        {1960, 2025, 1, 1, 0},                         // 65 in January 2025: that month still costs 0,3 %
        {1960, 2025, 2, 0, 0},  {1959, 2023, 9, 3, 0}, // 2023: 64 years and 10 months, reached in November
        {1966, 2025, 1, 36, 1},                        // 59: one full year to 60, the reduction at its most
        {1966, 2026, 2, 36, 0},
    };
    for (const Fall& f : fälle) {
        const auto r =
            Erwerbsminderung::berechnen({f.geburtsjahr, 1, f.beginnJahr, f.beginnMonat, true, {}, {}});
        EXPECT_EQ(r.abschlagMonate, f.abschlagMonate) << f.beginnJahr << "/" << f.beginnMonat;
        EXPECT_EQ(r.zurechnungsjahre, f.zurechnungsjahre) << f.beginnJahr << "/" << f.beginnMonat;
    }
    const std::pair<std::pair<int, int>, int> referenz[] = {
        {{2011, 5}, 756}, {{2012, 3}, 759},  {{2012, 9}, 762},  {{2013, 1}, 763}, {{2017, 4}, 767},
        {{2018, 1}, 768}, {{2021, 10}, 774}, {{2023, 12}, 778}, {{2024, 1}, 780}, {{2040, 6}, 780}};
    for (const auto& [beginn, monate] : referenz)
        EXPECT_EQ(Erwerbsminderung::referenzalterMonate(beginn.first, beginn.second), monate) << beginn.first;

    // Points before the start: whole years before it, the start year's pay only for its months.
    const QList<Rentenberechnung::Eingabe> jahre(3, {fk("12000"), fk("1"), {}, {}});
    QList<Rentenberechnung::Eingabe> mitBonus = jahre;
    mitBonus[2].bonus = fk("0,5");
    EXPECT_EQ(Erwerbsminderung::punkteBis(fk("10"), mitBonus, 2004, 4).alsText(2), "12,75");
    EXPECT_EQ(Erwerbsminderung::punkteBis(fk("10"), jahre, 2004, 1).alsText(2), "12,00");
    EXPECT_EQ(Erwerbsminderung::punkteBis(fk("10"), jahre, 2001, 1).alsText(2), "10,00");
    EXPECT_EQ(Rentenberechnung::anteiligesEntgelt(fk("30000"), 3).alsText(2), "7500,00");
}

TEST(Beratung, KrankenUndPflegeversicherung)
{
    using namespace Krankenversicherung;
    Werte w2023 = standardwerte();
    w2023.jahr = 2023;
    w2023.zusatzbeitrag = fk("1,6");
    w2023.freibetrag = fk("169,75");
    w2023.pflegeSatz = fk("3,05");
    w2023.kinderlosenzuschlag = fk("0,35");
    struct Fall {
        const char* brutto;
        Person person;
        bool jahr2023;
        const char *kranken, *pflege;
    };
    const Fall fälle[] = {
        // The published example: 200 Euro with children in 2023.
        {"200", {Art::Pflichtversichert, true, 0, 1958}, true, "4,90", "6,10"},
        {"169,75", {Art::Pflichtversichert, true, 0, 1958}, true, "0,00", "0,00"}, // not above
        {"169,76", {Art::Pflichtversichert, true, 0, 1958}, true, "0,00", "5,18"},
        {"200", {Art::Freiwillig, true, 0, 1958}, true, "32,40", "6,10"},
        {"200", {Art::Privat, false, 0, 1958}, true, "0,00", "0,00"},
        {"500", {Art::Pflichtversichert, false, 0, 1960}, false, "52,89", "21,00"}, // 302,25 x 17,5 %
        {"500", {Art::Pflichtversichert, false, 0, 1939}, false, "52,89", "18,00"}, // no surcharge
        {"500", {Art::Pflichtversichert, true, 3, 1960}, false, "52,89", "15,50"},  // 3,6 - 2 x 0,25
        {"500", {Art::Pflichtversichert, true, 9, 1960}, false, "52,89", "13,00"},  // at most 4 x 0,25
    };
    for (const Fall& f : fälle) {
        const Abzüge a = berechnen(fk(f.brutto), f.person, f.jahr2023 ? w2023 : standardwerte());
        EXPECT_EQ(a.kranken.alsText(2), f.kranken) << f.brutto;
        EXPECT_EQ(a.pflege.alsText(2), f.pflege) << f.brutto;
        EXPECT_EQ(a.netto, a.brutto - a.kranken - a.pflege);
    }
    EXPECT_TRUE(gültig(standardwerte()));
    Werte falsch = standardwerte();
    falsch.pflegeSatz = fk("-1");
    EXPECT_FALSE(gültig(falsch));
}

} // namespace
