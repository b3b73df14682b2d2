#include "core/festkomma.h"

#include <gtest/gtest.h>

namespace {

Festkomma fk(const char* text)
{
    return Festkomma::ausText(QString::fromUtf8(text));
}

struct Formatfall {
    std::int64_t roh;
    int dezimalen;
    const char* text;
};

TEST(Festkomma_format, MusterRundenHalbWegVonNull)
{
    const Formatfall fälle[] = {
        {300000000, 2, "30000,00"},
        {31000, 2, "3,10"},
        {25000, 5, "2,50000"},
        {33333, 5, "3,33330"},
        {33333333, 2, "3333,33"},
        {56250, 2, "5,63"},
        {50, 2, "0,01"},
        {49, 2, "0,00"},
        {-50, 2, "-0,01"},
        {-49, 2, "0,00"},
        {-56250, 2, "-5,63"},
        {5000, 0, "1"},
        {0, 2, "0,00"},
        {125, 4, "0,0125"},
        {INT64_MAX, 2, "922337203685477,58"},
        {INT64_MIN, 2, "-922337203685477,58"},
        {1234567, 1, "123,5"},
        {-1234567, 3, "-123,457"},
        {-7, 6, "-0,000700"},
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Festkomma::ausRoh(f.roh).alsText(f.dezimalen), QString::fromUtf8(f.text)) << f.roh;
    EXPECT_EQ(Festkomma::ausRoh(-31000).alsText(2, u'.'), "-3.10");
}

TEST(Festkomma_format, SchlichteForm)
{
    EXPECT_EQ(Festkomma::ausGanzzahl(6000).alsSchlichtText(), "6000");
    EXPECT_EQ(Festkomma::ausRoh(416667).alsSchlichtText(), "41,6667");
    EXPECT_EQ(Festkomma::ausRoh(417).alsSchlichtText(), "0,0417");
    EXPECT_EQ(Festkomma::ausRoh(13000).alsSchlichtText(), "1,3");
    EXPECT_EQ(Festkomma().alsSchlichtText(), "0");
}

// A cell means what it shows: the value computed without the text equals the text read back,
// at ties, below zero and at both ends of the range.
TEST(Festkomma_format, WieAngezeigtGleichtDemGelesenenText)
{
    const std::int64_t werte[] = {0,
                                  1,
                                  49,
                                  50,
                                  -50,
                                  -51,
                                  12345,
                                  -12350,
                                  300000000,
                                  450005000,
                                  99999999,
                                  Festkomma::Größter,
                                  Festkomma::Kleinster,
                                  Festkomma::Größter - 8,
                                  Festkomma::Kleinster + 49};
    for (std::int64_t roh : werte) {
        for (int dezimalen : {0, 2, 4, 5}) {
            const Festkomma f = Festkomma::ausRoh(roh);
            EXPECT_EQ(f.wieAngezeigt(dezimalen), Festkomma::ausText(f.alsText(dezimalen)))
                << roh << " " << dezimalen;
        }
    }
}

TEST(Festkomma_lesen, Zellentexte)
{
    EXPECT_EQ(fk("30000,00").roh(), 300000000);
    EXPECT_EQ(fk("  45000.50").roh(), 450005000);
    EXPECT_EQ(fk("2,60").roh(), 26000);
    EXPECT_EQ(fk("1.25abc").roh(), 12500);
    EXPECT_EQ(fk("12,5").roh(), 125000);
    EXPECT_EQ(fk("-3,5").roh(), -35000);
    EXPECT_EQ(fk(",5").roh(), 5000);
    EXPECT_EQ(fk("7,").roh(), 70000);
    // No digits, blank or empty: 0.
    for (const char* leer : {"", " ", "abc", ",", "-", " x1"})
        EXPECT_EQ(fk(leer).roh(), 0) << leer;
    // More than four decimals: to nearest, ties to even.
    EXPECT_EQ(fk("0,00005").roh(), 0);
    EXPECT_EQ(fk("0,00015").roh(), 2);
    EXPECT_EQ(fk("0,000051").roh(), 1);
    // A run of digits beyond 64 bits saturates instead of wrapping.
    EXPECT_EQ(fk("99999999999999999999999").roh(), Festkomma::Größter);
    EXPECT_EQ(fk("-99999999999999999999999").roh(), Festkomma::Kleinster);
}

TEST(Festkomma_op, DivisionUndProduktRundenAufVierStellenZumGeraden)
{
    EXPECT_EQ(Festkomma::ausGanzzahl(40000).geteiltDurch(12).roh(), 33333333); // 3333,3333
    EXPECT_EQ(Festkomma::ausRoh(33333333).geteiltDurch(1000).roh(), 33333);    // 3,3333
    // 0,0005 / 10 in double lies just above 0,00005, but times 10,000 it is the tie 0,5 and
    // goes to the even digit, as by hand.
    EXPECT_EQ(Festkomma::ausRoh(5).geteiltDurch(10).roh(), 0);
    EXPECT_EQ(Festkomma::ausRoh(15).geteiltDurch(10).roh(), 2); // 0,000150000...03 in double
    EXPECT_EQ(Festkomma::ausRoh(-15).geteiltDurch(10).roh(), -2);
    EXPECT_EQ(Festkomma::ausRoh(417).mal(Festkomma::ausRoh(31000)).roh(), 1293); // 0,1293
    EXPECT_EQ(Festkomma::ausGanzzahl(1).geteiltDurch(0).roh(), 0);
}

TEST(Festkomma_op, SummenUndProdukteBleibenIn64Bit)
{
    const Festkomma groß = Festkomma::ausRoh(Festkomma::Größter);
    const Festkomma klein = Festkomma::ausRoh(Festkomma::Kleinster);
    EXPECT_EQ((groß + Festkomma::ausRoh(1)).roh(), Festkomma::Größter);
    EXPECT_EQ((klein + Festkomma::ausRoh(-1)).roh(), Festkomma::Kleinster);
    EXPECT_EQ(groß.mal(4).roh(), Festkomma::Größter);
    EXPECT_EQ(klein.mal(4).roh(), Festkomma::Kleinster);
    EXPECT_EQ(groß.mal(groß).roh(), Festkomma::Größter);
    EXPECT_EQ((Festkomma() - klein).roh(), Festkomma::Größter);
    EXPECT_EQ(Festkomma::ausGanzzahl(INT64_MAX / 100).roh(), Festkomma::Größter);
    EXPECT_EQ(Festkomma::ausDouble(1e300).roh(), Festkomma::Größter);
}

TEST(Festkomma_op, PunkteAufZweiStellen)
{
    const std::pair<std::int64_t, std::int64_t> fälle[] = {
        {56250, 56300}, {63333, 63300},   {33334, 33300}, {11250, 11300}, {67999, 68000}, {73749, 73700},
        {1293, 1300},   {100500, 100500}, {0, 0},         {49, 0},        {50, 100},      {-56250, -56200},
    };
    for (const auto& [x, punkte] : fälle)
        EXPECT_EQ(Festkomma::ausRoh(x).punkteGerundet().roh(), punkte) << x;
}

} // namespace
