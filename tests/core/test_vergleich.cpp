#include "core/beratung.h"
#include "core/rentenzahlung.h"

#include <gtest/gtest.h>

namespace {

Fallwerte fall(int geburtsjahr, int geburtsmonat, int abJahr, const char* entgelt)
{
    Fallwerte w;
    w.geburtsjahr = geburtsjahr;
    w.geburtsmonat = geburtsmonat;
    w.laufendesJahr = 2026;
    for (int jahr = abJahr; jahr <= 2100; ++jahr)
        w.entgelt[std::size_t(jahr - 2001)] = Festkomma::ausText(QString::fromLatin1(entgelt));
    return w;
}

TEST(Vergleich, JedeSpalteIstDieEineRechnungIhresBeginns)
{
    struct Fall {
        const char* name;
        Fallwerte werte;
        int spalten;
    };
    Fallwerte mitGutschrift = fall(1950, 7, 2002, "41000");
    mitGutschrift.startgutschrift = Festkomma::ausText(u"32,5");
    const Fall fälle[] = {
        {"1990, März", fall(1990, 3, 2020, "30000"), 5},
        {"1960, September: Regelalter 66 J. 4 M.", fall(1960, 9, 2002, "52000"), 6},
        {"1964, Monat unbekannt", fall(1964, 0, 2005, "28000,50"), 5},
        {"1950 mit Startgutschrift", mitGutschrift, 6},
    };
    Beratungsangaben angaben;
    for (const Fall& f : fälle) {
        const Beratung b =
            beraten(f.werte, Rentenbeginn::Standard, angaben, Krankenversicherung::standardwerte());
        const QList<int> starts = vergleichsstarts(f.werte.geburtsjahr);
        ASSERT_EQ(b.vergleich.spalten.size(), f.spalten) << f.name;
        for (int k = 0; k < starts.size(); ++k) {
            const Fallrechnung r = fallrechnung(f.werte, starts[k]);
            const Vergleich::Spalte& s = b.vergleich.spalten[k];
            EXPECT_EQ(s.start.beginn.alter, r.beginn.alter) << f.name << k;
            EXPECT_EQ(s.start.beginn.letztesJahr, r.beginn.letztesJahr) << f.name << k;
            EXPECT_EQ(s.start.rente, r.rente) << f.name << k;
            EXPECT_EQ(s.start.renteAbBeginn, r.renteAbBeginn) << f.name << k;
            EXPECT_EQ(s.start.punkte, r.jahre.last().gesamtpunkte) << f.name << k;
            EXPECT_EQ(s.abzüge.brutto, Rentenzahlung::aufCent(r.renteAbBeginn)) << f.name << k;
        }
        // Ages rise from column to column, and a later start that has caught up has paid more
        // from that month on than the earlier one.
        for (const Vergleich::Überholung& ü : b.vergleich.überholungen) {
            const auto& früh = b.vergleich.spalten[ü.früher];
            const auto& spät = b.vergleich.spalten[ü.später];
            EXPECT_LT(früh.start.beginn.alter.inMonaten(), spät.start.beginn.alter.inMonaten()) << f.name;
            if (!ü.alterMonate)
                continue;
            const int monat = Rentenzahlung::monatDesAlters(b.vergleich.geburtsjahr, b.vergleich.geburtsmonat,
                                                            {0, *ü.alterMonate});
            EXPECT_GT(Rentenzahlung::Verlauf(spät.start.renteAbBeginn, spät.ersterMonat).summeBis(monat),
                      Rentenzahlung::Verlauf(früh.start.renteAbBeginn, früh.ersterMonat).summeBis(monat))
                << f.name;
        }
        EXPECT_EQ(b.vergleich.monatAngenommen, f.werte.geburtsmonat == 0) << f.name;
    }
}

TEST(Vergleich, LetztesJahrZaehltNurDieMonateVorDemBeginn)
{
    // The published example: born in March 1990, 30,000 Euro from 2020: at 67 the pay of
    // January to March 2057 counts, 471,00 Euro instead of 477,00 for the whole year.
    const Fallwerte w = fall(1990, 3, 2020, "30000");
    const Fallrechnung mit67 = fallrechnung(w, 67);
    EXPECT_EQ(mit67.rente.alsText(2), "471,00");
    EXPECT_EQ(mit67.jahre.last().entgelt.alsText(2), "7500,00");
    // "mit 65" keeps the whole year, as it always has.
    Fallwerte früh = fall(1960, 3, 2002, "30000");
    EXPECT_EQ(fallrechnung(früh, Rentenbeginn::Mit65).jahre.last().entgelt.alsText(2), "30000,00");
    EXPECT_EQ(fallrechnung(früh, 65).jahre.last().entgelt.alsText(2), "7500,00");
}

} // namespace
