#include "hilfen/rechenaufbau.h"
#include "table/farben.h"

#include <gtest/gtest.h>

namespace {

class RechentabelleTest : public ::testing::Test, protected Rechenaufbau
{
protected:
    void SetUp() override { dateiÖffnen(); }

    // Loads a case built from the sample with another birth year.
    void ladeMitGeburtsjahr(const QString& jahr)
    {
        Datensatz d = Datensatz::musterfall();
        d.geburtsjahr = jahr;
        ASSERT_TRUE(datei.schreiben(2, d).ok);
        stand.datensatznummer = 2;
        tabelle.datensatzholen();
    }
    QString t(int zeile, int spalte) const { return tabelle.modell().text(zeile, spalte); }
};

TEST_F(RechentabelleTest, MusterfallZeigtSeineRente)
{
    QString kopf;
    QObject::connect(&tabelle, &Rechentabelle::rentenkopfGesetzt, [&](const QString& s) { kopf = s; });
    tabelle.datensatzholen();
    tabelle.atvberechnen();
    EXPECT_EQ(tabelle.bediensteter(), QStringLiteral("  Hedwig Wendler"));
    EXPECT_EQ(kopf, QStringLiteral("793,00 €"));
    EXPECT_EQ(tabelle.modell().rowCount(), 54);
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Monatsdurchschnitt)), "2500,00");
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Wertziffer)), "2,50000");
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Beitragspunkte)), "7,75");
    EXPECT_EQ(t(Jahreszeile::von(2050), nr(Spalte::Rente)), "793,00");
    // The calculation leaves the current cell where it was.
    EXPECT_EQ(tabelle.aktuelleZeile(), 0);
    EXPECT_EQ(tabelle.aktuelleSpalte(), 0);
    EXPECT_EQ(stand.rechnung.jahre[48].rente.alsText(2), "793,00");
    EXPECT_TRUE(meldungen.protokoll.isEmpty());
}

struct Tabellenfall {
    const char* geburtsjahr;
    int zeilen;
    int letztesJahr;
    const char* alter2002;
    const char* faktor2002;
};

TEST_F(RechentabelleTest, ZeilenAlterUndFaktorenJeGeburtsjahr)
{
    const Tabellenfall fälle[] = {
        {"1985", 54, 2050, "17", "3,10"},
        {"1960", 29, 2025, "42", "1,40"},
        {"    ", 54, 2050, "17", "3,10"}, // blank: built for 1985
        {"1937", 6, 2002, "65", "0,80"},
    };
    for (const auto& f : fälle) {
        ladeMitGeburtsjahr(QString::fromUtf8(f.geburtsjahr));
        const int letzte = f.zeilen - 1;
        ASSERT_EQ(tabelle.modell().rowCount(), f.zeilen) << f.geburtsjahr;
        EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Jahr)), "2001");
        EXPECT_EQ(t(letzte, nr(Spalte::Jahr)), QString::number(f.letztesJahr));
        EXPECT_EQ(t(letzte, nr(Spalte::Alter)), "65");
        EXPECT_EQ(t(letzte, nr(Spalte::Altersfaktor)), "0,80");
        EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Alter)), QString::fromUtf8(f.alter2002));
        EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Altersfaktor)), QString::fromUtf8(f.faktor2002));
    }
    EXPECT_EQ(stand.geburtsjahr, 1937);
}

TEST_F(RechentabelleTest, FarbenUndFesteTexte)
{
    tabelle.datensatzholen();
    const Zellenmodell& m = tabelle.modell();
    for (int zeile = 5; zeile <= 53; ++zeile) {
        const QColor streifen = zeile % 2 == 1 ? Farben::HellGrün : Farben::Grün;
        EXPECT_EQ(m.hintergrund(zeile, nr(Spalte::Alter)), streifen) << zeile;
        EXPECT_EQ(m.hintergrund(zeile, nr(Spalte::Rente)), streifen) << zeile;
        for (Spalte spalte : {Spalte::Entgelt, Spalte::Elternzeit, Spalte::Bonus})
            EXPECT_EQ(m.hintergrund(zeile, nr(spalte)), Farben::Weiß) << zeile;
        EXPECT_EQ(m.hintergrund(zeile, nr(Spalte::Jahr)), Farben::HellGelb);
    }
    EXPECT_EQ(m.hintergrund(4, nr(Spalte::Gesamtpunkte)), Farben::Weiß);
    EXPECT_EQ(m.hintergrund(4, nr(Spalte::Rente)), Farben::Grün);
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::DurchZwölf)), "/12 =");
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Referenzentgelt)), "1000,00");
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Meßbetrag)), "4,00");
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Meßbetrag)), "4,00");
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Alter)), "");
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Entgelt)), "");
}

TEST_F(RechentabelleTest, KopfMitSeinenLeerzeichen)
{
    tabelle.datensatzholen();
    for (int spalte = 0; spalte < 24; ++spalte) {
        EXPECT_EQ(t(0, spalte), QString::number(spalte + 1));
        EXPECT_EQ(tabelle.modell().zelle(0, spalte).schriftgröße, 8);
    }
    EXPECT_EQ(t(1, nr(Spalte::GleichWertziffer)), "= ");
    EXPECT_EQ(t(1, nr(Spalte::Bonus)), "Bonus- ");
    EXPECT_EQ(t(3, nr(Spalte::Entgelt)), "(ATV-pflichtig) ");
    EXPECT_EQ(t(3, nr(Spalte::Versorgungspunkte)), "punkte ");
    EXPECT_EQ(t(3, nr(Spalte::Meßbetrag)), "Euro ");
    EXPECT_EQ(t(3, nr(Spalte::Rente)), "monatlich ");
    EXPECT_EQ(t(2, nr(Spalte::Jahr)), " ");
    EXPECT_EQ(t(1, nr(Spalte::Meßbetrag)), QStringLiteral("Meß-"));
}

TEST_F(RechentabelleTest, StartgutschriftUndLeereEntgeltzelle)
{
    Datensatz d = Datensatz::musterfall();
    d.startgutschrift = Festkomma::ausText(u"12,5");
    ASSERT_TRUE(datei.schreiben(1, d).ok);
    tabelle.datensatzholen();
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)), "12,50");
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Rente)), "50,00");
    tabelle.atvberechnen();
    EXPECT_EQ(tabelle.rentenkopf(), QStringLiteral("843,00 €"));

    // A pay cell's text is only shown: the calculation takes the stored pay.
    tabelle.modell().setzeText(Jahreszeile::von(2002), nr(Spalte::Entgelt), QStringLiteral(" "));
    tabelle.atvberechnen();
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Beitragspunkte)), "7,75");
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Gesamtpunkte)), "20,25");
    EXPECT_EQ(tabelle.rentenkopf(), QStringLiteral("843,00 €"));
    EXPECT_EQ(datei.lesen(1).jahresentgelt[1].alsText(2), "30000,00");
}

TEST_F(RechentabelleTest, GeburtsjahrAußerhalbDesBereichs)
{
    // The latest birth year is the one that turns 17 in the current year.
    tabelle.setzeLaufendesJahr(2026);
    for (const char* jahr : {"2010", "1935", "9999", "2026"}) {
        meldungen.protokoll.clear();
        const QByteArray vorher = datei.abbild();
        ladeMitGeburtsjahr(QString::fromUtf8(jahr));
        tabelle.atvberechnen();
        EXPECT_EQ(tabelle.modell().rowCount(), 5) << jahr;
        EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Jahr)), "2001");
        EXPECT_EQ(t(1, nr(Spalte::Jahr)), "Jahr");
        EXPECT_EQ(tabelle.rentenkopf(), QStringLiteral("0,00 €"));
        ASSERT_EQ(meldungen.protokoll.size(), 1) << jahr;
        EXPECT_TRUE(meldungen.protokoll[0].text.contains(QString::fromUtf8(jahr)));
        EXPECT_TRUE(meldungen.protokoll[0].text.contains(QStringLiteral("1936 bis 2009")));
        EXPECT_EQ(datei.lesen(2).geburtsjahr, QString::fromUtf8(jahr));
    }
    // 1936 is the earliest year: only the 2001 row, and no message.
    meldungen.protokoll.clear();
    ladeMitGeburtsjahr(QStringLiteral("1936"));
    EXPECT_EQ(tabelle.modell().rowCount(), 5);
    EXPECT_TRUE(meldungen.protokoll.isEmpty());
}

} // namespace
