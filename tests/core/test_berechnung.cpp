#include "core/arbeitsstand.h"
#include "core/rentenberechnung.h"
#include "core/sozialekomponente.h"

#include <gtest/gtest.h>

namespace {

Festkomma fk(const char* text)
{
    return Festkomma::ausText(QString::fromUtf8(text));
}

struct Jahresfall {
    const char* entgelt;
    const char* faktor;
    const char* monat;
    const char* wertziffer;
    const char* punkte;
};

TEST(Rentenberechnung, EinJahr)
{
    const Jahresfall fälle[] = {
        {"30000", "2,6", "2500,00", "2,50000", "6,50"},
        {"40000", "1,9", "3333,33", "3,33330", "6,33"},
        {"45000", "1,5", "3750,00", "3,75000", "5,63"},
        {"50000", "0,8", "4166,67", "4,16670", "3,33"},
        {"27500,50", "2,2", "2291,71", "2,29170", "5,04"},
        {"12060", "1,00", "1005,00", "1,00500", "1,01"}, // 1,005 points print 1,01
        {"0", "3,1", "0,00", "0,00000", "0,00"},
    };
    for (const auto& f : fälle) {
        const auto jahre = Rentenberechnung::berechnen({}, {{fk(f.entgelt), fk(f.faktor), {}, {}}});
        ASSERT_EQ(jahre.size(), 1);
        EXPECT_EQ(jahre[0].monatsdurchschnitt.alsText(2), QString::fromUtf8(f.monat)) << f.entgelt;
        EXPECT_EQ(jahre[0].wertziffer.alsText(5), QString::fromUtf8(f.wertziffer)) << f.entgelt;
        EXPECT_EQ(jahre[0].beitragspunkte.alsText(2), QString::fromUtf8(f.punkte)) << f.entgelt;
    }
}

TEST(Rentenberechnung, PunkteSammelnSichAbDerStartgutschrift)
{
    // Parental-leave and bonus points add unrounded.
    const auto jahre = Rentenberechnung::berechnen(
        fk("10"), {{fk("30000"), fk("2,6"), {}, {}}, {fk("30000"), fk("2,6"), fk("1,3"), fk("0,25")}});
    EXPECT_EQ(jahre[0].versorgungspunkte.alsText(2), "6,50");
    EXPECT_EQ(jahre[0].gesamtpunkte.alsText(2), "16,50");
    EXPECT_EQ(jahre[0].rente.alsText(2), "66,00");
    EXPECT_EQ(jahre[1].versorgungspunkte.alsText(2), "8,05");
    EXPECT_EQ(jahre[1].gesamtpunkte.alsText(2), "24,55");
    EXPECT_EQ(jahre[1].rente.alsText(2), "98,20");
}

TEST(Rentenberechnung, RiesigeWerteBleibenDefiniert)
{
    const Festkomma riesig = Festkomma::ausRoh(Festkomma::Größter);
    const auto jahre = Rentenberechnung::berechnen(riesig, {{riesig, riesig, riesig, riesig}});
    EXPECT_EQ(jahre[0].rente.roh(), Festkomma::Größter);
}

struct Sozialfall {
    int k1, m1, k2, m2;
    const char* faktor;
    const char* gesamt;
    const char* monat;
    const char* wertziffer;
    const char* punkte;
};

TEST(SozialeKomponente, Beispiele)
{
    const Sozialfall fälle[] = {
        {1, 12, 0, 0, "2,60", "6000", "500", "0,5", "1,3"},
        {2, 6, 1, 6, "1,50", "9000", "750", "0,75", "1,13"},
        {1, 1, 0, 0, "3,10", "500", "41,6667", "0,0417", "0,13"},
        {6, 10, 4, 2, "2,40", "34000", "2833,3333", "2,8333", "6,8"},
        {6, 9, 5, 1, "3,00", "29500", "2458,3333", "2,4583", "7,37"},
        {6, 12, 0, 0, "3,10", "36000", "3000", "3", "9,3"},
        {0, 12, 0, 0, "3,10", "0", "0", "0", "0"},
    };
    for (const auto& f : fälle) {
        const auto r = SozialeKomponente::berechnen(f.k1, f.m1, f.k2, f.m2, fk(f.faktor));
        EXPECT_EQ(r.gesamtbetrag.alsSchlichtText(), QString::fromUtf8(f.gesamt)) << f.k1 << "x" << f.m1;
        EXPECT_EQ(r.monatsdurchschnitt.alsSchlichtText(), QString::fromUtf8(f.monat)) << f.k1 << "x" << f.m1;
        EXPECT_EQ(r.wertziffer.alsSchlichtText(), QString::fromUtf8(f.wertziffer)) << f.k1 << "x" << f.m1;
        EXPECT_EQ(r.punkte.alsSchlichtText(), QString::fromUtf8(f.punkte)) << f.k1 << "x" << f.m1;
    }
}

TEST(SozialeKomponente, MonateWerdenAufZwölfGekürzt)
{
    EXPECT_EQ(SozialeKomponente::zweiteMonate(8, 7), 4);
    EXPECT_EQ(SozialeKomponente::zweiteMonate(8, 4), 4);
    EXPECT_EQ(SozialeKomponente::zweiteMonate(8, 3), 3);
    EXPECT_EQ(SozialeKomponente::zweiteMonate(12, 12), 0);
}

TEST(Arbeitsstand, AltersfaktorenUndGeburtsjahr)
{
    EXPECT_EQ(altersfaktor(17), 31);
    EXPECT_EQ(altersfaktor(22), 26);
    EXPECT_EQ(altersfaktor(53), 10);
    EXPECT_EQ(altersfaktor(65), 8);
    EXPECT_EQ(altersfaktor(16), 0);
    EXPECT_EQ(altersfaktor(66), 0);
    EXPECT_EQ(führendeZahl(u"1985"), 1985);
    EXPECT_EQ(führendeZahl(u"  19x5"), 19);
    EXPECT_EQ(führendeZahl(u"    "), 0);
    EXPECT_EQ(führendeZahl(u"abcd"), 0);

    Arbeitsstand stand;
    stand.übernehmen(Datensatz::musterfall());
    EXPECT_EQ(stand.geburtsjahr, 1985);
    EXPECT_EQ(stand.entgelt[50].alsText(2), "30000,00");
    EXPECT_EQ(stand.startgutschrift.roh(), 0);
}

} // namespace
