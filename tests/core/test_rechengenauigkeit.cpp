#include "core/arbeitsstand.h"
#include "core/rentenberechnung.h"
#include "core/sozialekomponente.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>
#include <string>

// The calculation's arithmetic read a second way, without Festkomma: an operand is the double
// that strtod makes of its decimal text, and a result is the product x 10,000 in double,
// rounded by glibc's printf, which rounds the double's exact value half to even.
namespace {

double alsDouble(std::int64_t roh)
{
    char text[40];
    const std::int64_t betrag = roh < 0 ? -roh : roh;
    std::snprintf(text, sizeof text, "%s%lld.%04lld", roh < 0 ? "-" : "",
                  static_cast<long long>(betrag / 10000), static_cast<long long>(betrag % 10000));
    return std::strtod(text, nullptr);
}

std::int64_t aufVierStellen(double wert)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.0f", wert * 10000.0);
    return std::stoll(text);
}

TEST(Rechengenauigkeit, ZufallsentgelteMitAllenAltersfaktoren)
{
    std::map<std::int64_t, double> faktoren; // x 10,000, and as a double
    for (int alter = 0; alter < 130; ++alter)
        if (altersfaktor(alter) > 0)
            faktoren.emplace(altersfaktor(alter) * 1000, alsDouble(altersfaktor(alter) * 1000));
    ASSERT_GE(faktoren.size(), 24u);

    constexpr int Entgelte = 300000;
    std::mt19937_64 zufall(20021);
    std::uniform_int_distribution<std::int64_t> cent(0, 15000000); // up to 150000,00 Euro
    int fehler = 0;
    int dezimaleGleichstände = 0; // exact products with a 5 in the fifth decimal and nothing after
    for (int k = 0; k < Entgelte && fehler < 20; ++k) {
        const std::int64_t entgelt = cent(zufall) * 100;
        const std::int64_t monat = aufVierStellen(alsDouble(entgelt) / 12.0);
        const std::int64_t wertziffer = aufVierStellen(alsDouble(monat) / 1000.0);
        const Festkomma fkMonat = Festkomma::ausRoh(entgelt).geteiltDurch(12);
        const Festkomma fkWertziffer = fkMonat.geteiltDurch(Rentenberechnung::Referenzentgelt);
        if (fkMonat.roh() != monat || fkWertziffer.roh() != wertziffer) {
            ADD_FAILURE() << "Entgelt " << entgelt << ": " << fkMonat.roh() << " / " << fkWertziffer.roh()
                          << " statt " << monat << " / " << wertziffer;
            ++fehler;
            continue;
        }
        const double w = alsDouble(wertziffer);
        for (const auto& [f, fd] : faktoren) {
            const std::int64_t x = aufVierStellen(w * fd);
            if ((wertziffer * f) % 10000 == 5000)
                ++dezimaleGleichstände;
            const Festkomma fkX = fkWertziffer.mal(Festkomma::ausRoh(f));
            if (fkX.roh() != x) {
                ADD_FAILURE() << "Wertziffer " << wertziffer << " x " << f << ": " << fkX.roh() << " statt "
                              << x;
                ++fehler;
            }
        }
    }
    // The random pays must meet the halfway cases the rounding is about.
    EXPECT_GT(dezimaleGleichstände, 1000);
    RecordProperty("Entgelte", Entgelte);
    RecordProperty("Altersfaktoren", int(faktoren.size()));
    RecordProperty("Gleichstaende", dezimaleGleichstände);
}

struct Jahresfall {
    const char* entgelt;
    const char* faktor;
    const char* wertziffer;
    const char* punkte;
};

TEST(Rechengenauigkeit, DezimaleGleichständeWieVonHand)
{
    // Each has an exact decimal intermediate ending in 5 at the fifth decimal. Its double
    // lies a little off the tie, but times 10,000 in double it is the tie (to the even digit)
    // or lies clearly on one side.
    const Jahresfall fälle[] = {
        {"8193,00", "1,00", "0,68280", "0,68"},  {"22551,00", "1,00", "1,87920", "1,88"},
        {"20477,46", "2,30", "1,70650", "3,92"}, {"58726,20", "1,70", "4,89390", "8,32"},
        {"20023,80", "0,80", "1,66870", "1,34"}, {"82986,35", "2,90", "6,91550", "20,05"},
        {"45000", "1,50", "3,75000", "5,63"},
    };
    for (const auto& f : fälle) {
        const auto jahre = Rentenberechnung::berechnen({}, {{Festkomma::ausText(QString::fromUtf8(f.entgelt)),
                                                             Festkomma::ausText(QString::fromUtf8(f.faktor)),
                                                             {},
                                                             {}}});
        EXPECT_EQ(jahre[0].wertziffer.alsText(5), QString::fromUtf8(f.wertziffer)) << f.entgelt;
        EXPECT_EQ(jahre[0].beitragspunkte.alsText(2), QString::fromUtf8(f.punkte)) << f.entgelt;
    }
    // Parental leave: 1,0833 x 1,5 is 1,62495 in decimals; times 10,000 in double it is
    // still below 16249,5.
    const auto r = SozialeKomponente::berechnen(3, 6, 2, 4, Festkomma::ausText(u"1,50"));
    EXPECT_EQ(r.wertziffer.alsSchlichtText(), "1,0833");
    EXPECT_EQ(r.punkte.alsText(2), "1,62");
}

TEST(Rechengenauigkeit, RundungNachMalZehntausendImDouble)
{
    const std::pair<double, std::int64_t> fälle[] = {
        {0.00005, 0},     // x 10,000 in double is the tie 0,5: to the even 0
        {2.5e-5, 0},      // 0,25
        {1.62495, 16249}, // x 10,000 in double stays below 16249,5
        {0.68275, 6828},  // the double lies 3e-17 below, x 10,000 is the tie 6827,5
        {0.00025, 2},     // the tie 2,5: to the even 2
        {0.00035, 4},     // the tie 3,5: to the even 4
        {-0.00035, -4},   // the same on the other side of zero
        {0.00015, 1},     // x 10,000 in double stays below 1,5
        {0.03125, 312},   // 2^-5: an exact tie, to the even digit
        {0.09375, 938},   // 3 x 2^-5: an exact tie, to the even digit
        {-0.03125, -312},
        {0.75, 7500},
        {922337203685477.5, 9223372036854774784}, // the product is the nearest double
        {922337203685477.625, Festkomma::Größter},
        {1e300, Festkomma::Größter},
        {-1e300, Festkomma::Kleinster},
        {1e-300, 0},
        {0.0, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [wert, roh] : fälle)
        EXPECT_EQ(Festkomma::ausDouble(wert).roh(), roh) << wert;
}

} // namespace
