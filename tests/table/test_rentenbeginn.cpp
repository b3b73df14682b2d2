#include "core/fallrechnung.h"
#include "hilfen/rechenaufbau.h"
#include "table/farben.h"
#include "table/tabelleneingabe.h"

#include <gtest/gtest.h>

namespace {

class RentenbeginnTabelle : public ::testing::Test, protected Rechenaufbau
{
protected:
    Tabelleneingabe eingabe{tabelle};

    void SetUp() override
    {
        dateiÖffnen();
        tabelle.setzeLaufendesJahr(2026);
    }
    // Case 3: a person of that birth year with pay 30000 in every year the record holds.
    void laden(const char* geburtsjahr, const char* monat = "5")
    {
        Datensatz d = Datensatz::musterfall();
        d.geburtsjahr = QString::fromUtf8(geburtsjahr);
        d.geburtsmonat = QString::fromUtf8(monat);
        ASSERT_TRUE(datei.schreiben(3, d).ok);
        stand.datensatznummer = 3;
        tabelle.datensatzholen();
        tabelle.atvberechnen();
    }
    QString t(int jahr, Spalte spalte) const
    {
        return tabelle.modell().text(Jahreszeile::von(jahr), nr(spalte));
    }
    // What the table must show, read from the record independently of the cells.
    QString erwarteterKopf() const
    {
        return fallrechnung(Fallwerte::aus(datei.lesen(3), 2026), datei.lesen(3).rentenbeginn)
                   .renteAbBeginn.alsText(2) +
               QStringLiteral(" €");
    }
    void eintippen(int jahr, Spalte spalte, const QString& tasten)
    {
        tabelle.setzeAktuelleZelle(Jahreszeile::von(jahr), nr(spalte));
        eingabe.Grid_Click();
        for (QChar z : tasten) {
            char16_t code = z == u'\n' ? 13 : z.unicode();
            eingabe.Grid_KeyPress(code);
        }
    }
};

TEST_F(RentenbeginnTabelle, Jahrgang1995BisZurRegelaltersgrenzeMitSteigendenEntgelten)
{
    laden("1995");
    ASSERT_EQ(tabelle.letzteZeile(), Jahreszeile::von(2062));
    EXPECT_EQ(t(2062, Spalte::Alter), "67");
    // Before 17: the year and the age only, no factor, no input, no points.
    EXPECT_EQ(t(2011, Spalte::Alter), "16");
    EXPECT_EQ(t(2011, Spalte::Altersfaktor), "");
    EXPECT_EQ(t(2011, Spalte::Entgelt), "");
    EXPECT_EQ(t(2011, Spalte::Beitragspunkte), "");
    EXPECT_NE(tabelle.modell().hintergrund(Jahreszeile::von(2011), nr(Spalte::Entgelt)), Farben::Weiß);
    EXPECT_FALSE(tabelle.eingabezeile(Jahreszeile::von(2011)));
    eintippen(2011, Spalte::Entgelt, QStringLiteral("5,00\n"));
    EXPECT_EQ(t(2011, Spalte::Entgelt), "");
    EXPECT_EQ(t(2012, Spalte::Altersfaktor), "3,10");
    for (int jahr : {2059, 2060, 2061, 2062})
        EXPECT_EQ(t(jahr, Spalte::Altersfaktor), "0,80") << jahr;
    EXPECT_EQ(t(2057, Spalte::Altersfaktor), "0,80");
    EXPECT_EQ(t(2056, Spalte::Altersfaktor), "0,90");
    EXPECT_EQ(tabelle.rentenbeschriftung(), QStringLiteral("  Voraussichtliche Zuvora mit 67:"));

    // 2 % a year from 2013 on, carried into the years after 2051 as well.
    ASSERT_TRUE(
        tabelle.einstellungenSpeichern(Rentenbeginn::Regelaltersgrenze, Festkomma::ausGanzzahl(2)).ok);
    EXPECT_EQ(datei.lesen(3).rentenbeginn, Rentenbeginn::Standard);
    meldungen.antworten.enqueue(true);
    eintippen(2013, Spalte::Entgelt, QStringLiteral("30000,00\n"));
    ASSERT_FALSE(meldungen.protokoll.isEmpty());
    EXPECT_EQ(meldungen.protokoll.last().text,
              QStringLiteral("In alle Folgejahre vortragen?\n(mit einer Steigerung um 2,00 % je Jahr)"));
    EXPECT_EQ(t(2013, Spalte::Entgelt), "30000,00");
    EXPECT_EQ(t(2014, Spalte::Entgelt), "30600,00");
    EXPECT_EQ(t(2016, Spalte::Entgelt), "31836,24");
    const Datensatz gespeichert = datei.lesen(3);
    EXPECT_EQ(gespeichert.jahresentgelt[61].alsText(2), t(2062, Spalte::Entgelt));
    EXPECT_EQ(tabelle.rentenkopf(), erwarteterKopf());

    // A new start finds everything: settings, the years after 2051 and the same pension.
    Dateiablage frisch;
    Falldatei neu(frisch);
    ASSERT_TRUE(neu.öffnen(pfad()).ok);
    EXPECT_EQ(neu.lesen(3), gespeichert);
    Arbeitsstand neuerStand;
    Rechentabelle neueTabelle(neuerStand, neu, meldungen);
    neueTabelle.setzeLaufendesJahr(2026);
    neuerStand.datensatznummer = 3;
    neueTabelle.datensatzholen();
    neueTabelle.atvberechnen();
    EXPECT_EQ(neueTabelle.rentenkopf(), tabelle.rentenkopf());
    EXPECT_EQ(neueTabelle.modell().text(Jahreszeile::von(2062), nr(Spalte::Entgelt)),
              t(2062, Spalte::Entgelt));
}

TEST_F(RentenbeginnTabelle, AbschlagUndWieBisher)
{
    struct Fall {
        const char* geburtsjahr;
        int wahl;
        int letztesJahr;
        const char* beschriftungAnfang;
    };
    const Fall fälle[] = {
        {"1970", 63, 2033, " Mit 63: "}, // 48 months: 10,8 %
        {"1960", Rentenbeginn::Regelaltersgrenze, 2026, "  Voraussichtliche Zuvora mit 66 J. 4 M."},
        {"1960", 65, 2025, " Mit 65: "}, // 16 months: 4,8 %
    };
    for (const Fall& f : fälle) {
        laden(f.geburtsjahr);
        ASSERT_TRUE(tabelle.einstellungenSpeichern(f.wahl, Festkomma()).ok);
        EXPECT_EQ(tabelle.letzteZeile(), Jahreszeile::von(f.letztesJahr)) << f.geburtsjahr;
        EXPECT_TRUE(tabelle.rentenbeschriftung().startsWith(QString::fromUtf8(f.beschriftungAnfang)))
            << tabelle.rentenbeschriftung().toStdString();
        EXPECT_EQ(tabelle.rentenkopf(), erwarteterKopf()) << f.geburtsjahr;
    }
    EXPECT_TRUE(tabelle.rentenbeschriftung().endsWith(QStringLiteral(" − 4,8 % =")));
    laden("1970");
    (void)tabelle.einstellungenSpeichern(63, Festkomma());
    EXPECT_EQ(stand.rechnung.beginn.abschlagMonate, 48);
    EXPECT_EQ(stand.rechnung.beginn.abschlagProzent.alsText(1), "10,8");
    EXPECT_EQ(tabelle.rentenbeschriftung(),
              QStringLiteral(" Mit 63: %1 € − 10,8 % =").arg(stand.rechnung.jahre[31].rente.alsText(2)));

    // "mit 65" chosen for 1960 is the default: the same record, file and table as before.
    laden("1960");
    const QByteArray bild = datei.abbild();
    QStringList vorher;
    for (int z = 0; z < tabelle.modell().rowCount(); ++z)
        for (int s = 0; s < Rechentabelle::Spalten; ++s)
            vorher.append(tabelle.modell().text(z, s));
    ASSERT_TRUE(tabelle.einstellungenSpeichern(Rentenbeginn::Mit65, Festkomma()).ok);
    EXPECT_EQ(datei.abbild(), bild);
    EXPECT_EQ(datei.abbild().size(), 12271);
    QStringList nachher;
    for (int z = 0; z < tabelle.modell().rowCount(); ++z)
        for (int s = 0; s < Rechentabelle::Spalten; ++s)
            nachher.append(tabelle.modell().text(z, s));
    EXPECT_EQ(nachher, vorher);
    EXPECT_EQ(tabelle.letzteZeile(), Jahreszeile::von(2025));
    EXPECT_EQ(tabelle.rentenbeschriftung(), Rechentabelle::standardBeschriftung());
}

// The reduction months of the statutory pension information change the headline and stay
// in the file; unchanged answers write nothing, and taking them out again gives back the
// file as it was.
TEST_F(RentenbeginnTabelle, AbschlagsmonateLautRentenauskunft)
{
    laden("1970");
    ASSERT_TRUE(tabelle.einstellungenSpeichern(63, Festkomma()).ok);
    const QByteArray bild = datei.abbild();
    Beratungsangaben angaben;
    ASSERT_TRUE(tabelle.beratungSpeichern(angaben, datei.beitragswerte()).ok);
    EXPECT_EQ(datei.abbild(), bild);

    angaben.abschlagsmonate = 0; // 45 years of insurance: no reduction at 63
    ASSERT_TRUE(tabelle.beratungSpeichern(angaben, datei.beitragswerte()).ok);
    EXPECT_EQ(stand.rechnung.beginn.abschlagMonate, 0);
    EXPECT_EQ(tabelle.rentenkopf(), stand.rechnung.rente.alsText(2) + QStringLiteral(" €"));
    EXPECT_EQ(tabelle.rentenkopf(), erwarteterKopf());
    EXPECT_EQ(datei.lesen(3).beratung, angaben);

    angaben.abschlagsmonate = 12;
    Krankenversicherung::Werte werte = datei.beitragswerte();
    werte.zusatzbeitrag = Festkomma::ausText(u"3,1");
    ASSERT_TRUE(tabelle.beratungSpeichern(angaben, werte).ok);
    EXPECT_EQ(tabelle.rentenbeschriftung().right(10), QStringLiteral(" − 3,6 % ="));
    Dateiablage frisch;
    Falldatei neu(frisch);
    ASSERT_TRUE(neu.öffnen(pfad()).ok);
    EXPECT_EQ(neu.lesen(3).beratung.abschlagsmonate, 12);
    EXPECT_EQ(neu.beitragswerte(), werte);

    ASSERT_TRUE(tabelle.beratungSpeichern({}, Krankenversicherung::standardwerte()).ok);
    EXPECT_EQ(datei.abbild(), bild);
}

} // namespace
