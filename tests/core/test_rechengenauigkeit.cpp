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
// that strtod makes of its decimal text, and a result is rounded on the decimal digits that
// glibc's printf gives for the double's exact value.
namespace {

double alsDouble(std::int64_t roh)
{
    char text[40];
    const std::int64_t betrag = roh < 0 ? -roh : roh;
    std::snprintf(text, sizeof text, "%s%lld.%04lld", roh < 0 ? "-" : "",
                  static_cast<long long>(betrag / 10000), static_cast<long long>(betrag % 10000));
    return std::strtod(text, nullptr);
}

// Four decimals, a tie going to the even digit. A double f x 2^e (0.5 <= f < 1) has its last
// binary place at 2^(e - 53), so 53 - e decimals hold every digit of its exact value.
std::int64_t aufVierStellen(double wert)
{
    // Far from a tie the nearest whole number of wert x 10,000 in double is plainly right
    // (its error is below 10^-7 for the values here); near one, the exact digits decide.
    const double skaliert = wert * 10000.0;
    if (std::fabs(skaliert) < 1e12 && std::fabs(std::fabs(skaliert - std::trunc(skaliert)) - 0.5) > 1e-6)
        return std::llround(skaliert);
    int e = 0;
    std::frexp(wert, &e);
    char text[1200];
    std::snprintf(text, sizeof text, "%.*f", std::max(53 - e, 6), wert);
    std::string s(text);
    const bool negativ = s[0] == '-';
    if (negativ)
        s.erase(0, 1);
    const auto punkt = s.find('.');
    std::int64_t zahl = std::stoll(s.substr(0, punkt)) * 10000 + std::stoll(s.substr(punkt + 1, 4));
    const char fünfte = s[punkt + 5];
    const bool restNull = s.find_first_not_of('0', punkt + 6) == std::string::npos;
    if (fünfte > '5' || (fünfte == '5' && (!restNull || zahl % 2 == 1)))
        ++zahl;
    return negativ ? -zahl : zahl;
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

TEST(Rechengenauigkeit, DezimaleGleichständeFolgenDemDouble)
{
    // Each has an exact decimal intermediate ending in 5 at the fifth decimal; the double of
    // it lies on one side of the tie, and that side decides.
    const Jahresfall fälle[] = {
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
    // Parental leave: 1,0833 x 1,5 is 1,62495 in decimals but just below it in double.
    const auto r = SozialeKomponente::berechnen(3, 6, 2, 4, Festkomma::ausText(u"1,50"));
    EXPECT_EQ(r.wertziffer.alsSchlichtText(), "1,0833");
    EXPECT_EQ(r.punkte.alsText(2), "1,62");
}

TEST(Rechengenauigkeit, RundungAufDemExaktenWertDesDouble)
{
    const std::pair<double, std::int64_t> fälle[] = {
        {0.00005, 1},     // the double lies just above 0,00005 (x 10,000 in double is 0,5)
        {2.5e-5, 0},      // ... and this one lies above 0,000025
        {1.62495, 16249}, // just below: x 10,000 in double would be the tie 16249,5
        {0.00015, 1},     // just below 0,00015
        {-0.00015, -1},   // the same on the other side of zero
        {0.03125, 312},   // 2^-5: an exact tie, to the even digit
        {0.09375, 938},   // 3 x 2^-5: an exact tie, to the even digit
        {-0.03125, -312},
        {0.75, 7500},
        {922337203685477.5, 9223372036854775000},
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
