#include "core/arbeitsstand.h"
#include "core/fallrechnung.h"
#include "core/rentenbeginn.h"

#include <gtest/gtest.h>

namespace {

// An independent reading of the rules, in whole units of 0,0001 and in months.
namespace Lesart {

std::int64_t halbGerade(std::int64_t zähler, std::int64_t nenner) // zähler >= 0
{
    const std::int64_t q = zähler / nenner, r = zähler % nenner;
    return q + ((2 * r > nenner || (2 * r == nenner && q % 2 == 1)) ? 1 : 0);
}

// Factor x 10 by age, from the table "17: 3,1 ... 64 und älter: 0,8".
int faktor(int alter)
{
    static const int ab17[] = {31, 30, 29, 28, 27, 26, 25, 24, 24, 23, 22, 22, 21, 20, 20, 19,
                               19, 18, 17, 17, 16, 16, 16, 15, 15, 14, 14, 13, 13, 13, 12, 12,
                               12, 11, 11, 11, 10, 10, 10, 10, 9,  9,  9,  9,  9,  8,  8,  8};
    if (alter < 17)
        return 0;
    return alter - 17 < 48 ? ab17[alter - 17] : 8;
}

// The regular age in months, year by year as the statutory table lists it.
int regelalterMonate(int geburtsjahr)
{
    static const int tabelle[] = {780, 781, 782, 783, 784, 785, 786, 787, 788, 789,
                                  790, 791, 792, 794, 796, 798, 800, 802, 804};
    if (geburtsjahr < 1946)
        return 780;
    if (geburtsjahr > 1964)
        return 804;
    return tabelle[geburtsjahr - 1946];
}

} // namespace Lesart

TEST(Rentenbeginn, RegelaltersgrenzeUndAbschlag)
{
    struct Fall {
        int geburtsjahr, wahl, monat;
        int jahre, monate, letztesJahr, abschlagMonate;
        const char* prozent;
    };
    using namespace Rentenbeginn;
    const Fall fälle[] = {
        {1946, Regelaltersgrenze, 5, 65, 0, 2011, 0, "0,00"},
        {1947, Regelaltersgrenze, 12, 65, 1, 2013, 0, "0,00"}, // December + 1 month: the next year
        {1958, Regelaltersgrenze, 1, 66, 0, 2024, 0, "0,00"},
        {1959, Regelaltersgrenze, 10, 66, 2, 2025, 0, "0,00"},
        {1960, Regelaltersgrenze, 9, 66, 4, 2027, 0, "0,00"},
        {1960, Regelaltersgrenze, 8, 66, 4, 2026, 0, "0,00"},
        {1960, Regelaltersgrenze, 0, 66, 4, 2026, 0, "0,00"}, // month unknown: as January
        {1963, 65, 3, 65, 0, 2028, 22, "6,60"},
        {1960, Standard, 6, 65, 0, 2025, 0, "0,00"}, // "mit 65": no reduction, as always
        {1960, 65, 6, 65, 0, 2025, 16, "4,80"},
        {1970, 63, 6, 63, 0, 2033, 48, "10,80"}, // 14,4 % capped
        {1970, 64, 6, 64, 0, 2034, 36, "10,80"},
        {1970, 66, 6, 66, 0, 2036, 12, "3,60"},
        {1995, Standard, 1, 67, 0, 2062, 0, "0,00"},
        {1985, Standard, 1, 65, 0, 2050, 0, "0,00"},
        {1986, Standard, 1, 67, 0, 2053, 0, "0,00"},
        {1940, 67, 1, 67, 0, 2007, 0, "0,00"}, // after the regular age: no increase either
    };
    for (const Fall& f : fälle) {
        const Beginn b = bestimmen(f.wahl, f.geburtsjahr, f.monat);
        const std::string name = std::to_string(f.geburtsjahr) + "/" + std::to_string(f.wahl);
        EXPECT_EQ(b.alter, (Alter{f.jahre, f.monate})) << name;
        EXPECT_EQ(b.letztesJahr, f.letztesJahr) << name;
        EXPECT_EQ(b.abschlagMonate, f.abschlagMonate) << name;
        EXPECT_EQ(b.abschlagProzent.alsText(2), QString::fromUtf8(f.prozent)) << name;
    }
    EXPECT_EQ(nachAbschlag(Festkomma::ausText(u"1234,56"), Festkomma::ausText(u"10,8")).alsText(2),
              "1101,23");
    EXPECT_EQ(speicherform(Mit65, 1960), Standard);
    EXPECT_EQ(speicherform(Regelaltersgrenze, 1960), Regelaltersgrenze);
    EXPECT_EQ(speicherform(Regelaltersgrenze, 1990), Standard);
    EXPECT_EQ(speicherform(Mit65, 1990), Mit65);
    EXPECT_EQ(größtesGeburtsjahr(2026), 2009);
    EXPECT_EQ(bisText({67, 0}), QStringLiteral("bis zum 67. Lebensjahr"));
    EXPECT_EQ(bisText({66, 4}), QStringLiteral("bis zum Alter von 66 Jahren und 4 Monaten"));
    EXPECT_EQ(altersfaktorBisRentenbeginn(64), 8);
    EXPECT_EQ(altersfaktorBisRentenbeginn(67), 8);
    EXPECT_EQ(altersfaktorBisRentenbeginn(16), 0);
}

TEST(Rentenbeginn, MonatAusText)
{
    const std::pair<const char*, int> fälle[] = {{"3", 3},     {" 12", 12}, {"13", 0},        {"0", 0},
                                                 {"Maerz", 3}, {"Marz", 3}, {"September", 9}, {"okt", 10},
                                                 {"Mai", 5},   {"", 0},     {"Xyz", 0}};
    for (const auto& [text, monat] : fälle)
        EXPECT_EQ(Rentenbeginn::monatAusText(QString::fromUtf8(text)), monat) << text;
}

// Every birth year the program calculates, with every start a case can choose, against the
// independent reading: rows, factors, the pension at the start and its reduction.
TEST(Rentenbeginn, HochrechnungJedesJahrgangsUndJederWahl)
{
    const int wahlen[] = {
        Rentenbeginn::Standard, Rentenbeginn::Mit65, Rentenbeginn::Regelaltersgrenze, 63, 64, 65, 66, 67};
    int geprüft = 0;
    for (int gj = 1936; gj <= 2009; ++gj) {
        for (int wahl : wahlen) {
            Datensatz satz = Datensatz::grundstellung();
            satz.geburtsjahr = QString::number(gj);
            const int monat = 1 + gj % 12;
            satz.geburtsmonat = QString::number(monat);
            satz.rentenbeginn = std::int16_t(wahl);
            satz.startgutschrift = Festkomma::ausRoh(gj <= 1985 ? 123456 : 0);
            for (int i = 1; i <= Jahreswerte<int>::Höchstens; ++i) {
                satz.jahresentgelt[i] = Festkomma::ausRoh(std::int64_t(180000000) + 1371137 * i);
                satz.bonuspunkte[i] = Festkomma::ausRoh(i % 3 == 0 ? 2500 : 0);
            }
            const Fallrechnung h = fallrechnung(Fallwerte::aus(satz, 2026), satz.rentenbeginn);

            const bool mit65 = wahl == Rentenbeginn::Mit65 || (wahl == Rentenbeginn::Standard && gj <= 1985);
            const bool regel =
                wahl == Rentenbeginn::Regelaltersgrenze || (wahl == Rentenbeginn::Standard && gj > 1985);
            const int beginnMonate = mit65 ? 780 : regel ? Lesart::regelalterMonate(gj) : wahl * 12;
            const int letztesJahr = (gj * 12 + monat - 1 + beginnMonate) / 12;
            const std::string name = std::to_string(gj) + "/" + std::to_string(wahl);
            ASSERT_EQ(h.jahreszeilen(), std::max(0, letztesJahr - 2001)) << name;

            std::int64_t punkte = satz.startgutschrift.roh();
            for (int i = 1; i <= h.jahreszeilen(); ++i) {
                const int f = Lesart::faktor(2001 + i - gj);
                ASSERT_EQ(h.jahre[i - 1].altersfaktor.roh(), f * 1000) << name << " " << i;
                if (f == 0)
                    continue;
                // A start other than "mit 65" counts the last year's pay up to the month in
                // which the age is reached.
                std::int64_t entgelt = satz.jahresentgelt[i].roh();
                if (!mit65 && i == h.jahreszeilen())
                    entgelt =
                        Lesart::halbGerade(entgelt * ((gj * 12 + monat - 1 + beginnMonate) % 12 + 1), 12);
                const std::int64_t monatlich = Lesart::halbGerade(entgelt, 12);
                const std::int64_t wert = Lesart::halbGerade(monatlich, 1000);
                const std::int64_t x = Lesart::halbGerade(wert * f, 10);
                const std::int64_t t = x / 10;
                punkte += (t / 10 + (t % 10 > 4 ? 1 : 0)) * 100 + satz.bonuspunkte[i].roh();
            }
            EXPECT_EQ(h.rente.roh(), punkte * 4) << name;

            const int früher = mit65 ? 0 : std::max(0, Lesart::regelalterMonate(gj) - beginnMonate);
            const int zehntel = std::min(früher * 3, 108);
            EXPECT_EQ(h.beginn.abschlagMonate, früher) << name;
            EXPECT_EQ(h.renteAbBeginn.roh(), Lesart::halbGerade(punkte * 4 * (1000 - zehntel), 1000)) << name;
            ++geprüft;
        }
    }
    EXPECT_EQ(geprüft, 74 * 8);
}

TEST(Rentenbeginn, SteigendeEntgelteAufDenCent)
{
    const auto werte = [](const char* wert, const char* prozent, int jahre) {
        QStringList texte;
        for (Festkomma w :
             Rentenberechnung::fortschreiben(Festkomma::ausText(QString::fromUtf8(wert)),
                                             Festkomma::ausText(QString::fromUtf8(prozent)), jahre))
            texte.append(w.alsText(2));
        return texte.join(u' ');
    };
    EXPECT_EQ(werte("30000", "0", 3), QStringLiteral("30000,00 30000,00 30000,00"));
    EXPECT_EQ(werte("30000", "2", 5), QStringLiteral("30000,00 30600,00 31212,00 31836,24 32472,96"));
    EXPECT_EQ(werte("0,50", "1", 2), QStringLiteral("0,50 0,51"));         // 0,505: half a cent rounds up
    EXPECT_EQ(werte("100,10", "0,5", 2), QStringLiteral("100,10 100,60")); // 100,6005
    EXPECT_TRUE(werte("1", "2", 0).isEmpty());
}

} // namespace
