#include "core/fallrechnung.h"

#include <gtest/gtest.h>

namespace {

// Worked by hand: born May 1970, start credit 10, pay 30000 in every year (2,5 value figure,
// so 0,25 points per tenth of the age factor), 2 parental-leave points in 2005, 1 bonus
// point in 2010. The factors of the ages 32..63 add up to 40,5, those of 64..67 to 3,2.
TEST(Fallrechnung, HandgerechneterFallZuZweiRentenbeginnen)
{
    Fallwerte w;
    w.geburtsjahr = 1970;
    w.geburtsmonat = 5;
    w.startgutschrift = Festkomma::ausGanzzahl(10);
    w.entgelt.fill(Festkomma::ausGanzzahl(30000));
    w.elternzeit[4] = Festkomma::ausGanzzahl(2);
    w.bonus[9] = Festkomma::ausGanzzahl(1);
    w.laufendesJahr = 2026;

    // With 63: 48 months before the regular age of 67, the reduction capped at 10,8 %. The
    // last year counts the pay of January to May, 63 being reached in May: 12500 Euro, 0,83
    // points instead of 2,00.
    const Fallrechnung mit63 = fallrechnung(w, 63);
    ASSERT_EQ(mit63.jahreszeilen(), 32);
    const Fallrechnung::Jahr& letztes = mit63.jahre.last();
    EXPECT_EQ(letztes.kalenderjahr, 2033);
    EXPECT_EQ(letztes.alter, 63);
    EXPECT_EQ(letztes.altersfaktor.alsText(2), "0,80");
    EXPECT_EQ(letztes.beitragspunkte.alsText(2), "0,83");
    EXPECT_EQ(letztes.gesamtpunkte.alsText(2), "113,08");
    EXPECT_EQ(mit63.startrente.alsText(2), "40,00");
    EXPECT_EQ(mit63.rente.alsText(2), "452,32");
    EXPECT_EQ(mit63.beginn.abschlagOhneGrenze.alsText(1), "14,4");
    EXPECT_EQ(mit63.renteAbBeginn.alsText(4), "403,4694");
    EXPECT_EQ(mit63.rentenbeschriftung, QStringLiteral(" Mit 63: 452,32 € − 10,8 % ="));
    EXPECT_EQ(mit63.rentenkopf, QStringLiteral("403,47 €"));

    // The same values to the regular age: four more years at 0,8, the last one for five
    // months again, no reduction; the first calculation leaves nothing behind that changes
    // the second.
    const Fallrechnung regel = fallrechnung(w, Rentenbeginn::Regelaltersgrenze);
    EXPECT_EQ(regel.jahreszeilen(), 36);
    EXPECT_EQ(regel.rente.alsText(2), "484,32");
    EXPECT_EQ(regel.renteAbBeginn, regel.rente);
    EXPECT_EQ(regel.rentenbeschriftung, QStringLiteral("  Voraussichtliche Zuvora mit 67:"));
    EXPECT_EQ(fallrechnung(w, 63).renteAbBeginn, mit63.renteAbBeginn);

    // A birth year outside the calculated range keeps only the start credit.
    w.geburtsjahr = 1900;
    const Fallrechnung außerhalb = fallrechnung(w, Rentenbeginn::Standard);
    EXPECT_FALSE(außerhalb.darstellbar);
    EXPECT_EQ(außerhalb.jahreszeilen(), 0);
    EXPECT_EQ(außerhalb.rentenkopf, QStringLiteral("40,00 €"));
    EXPECT_EQ(außerhalb.rentenbeschriftung, Fallrechnung::standardBeschriftung());
}

} // namespace
