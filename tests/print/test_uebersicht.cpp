#include "hilfen/dateihilfen.h"
#include "hilfen/fall.h"
#include "hilfen/umriss.h"
#include "print/drucksachen.h"
#include "print/stapeldruck.h"
#include "print/uebersichtsdruck.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace {

// The overview of the sample case born in 1960 without a month of birth, with a disability
// pension asked for: every part is on the one page, the chart drawn where a painter is.
TEST(Uebersicht, EineSeiteMitAllenTeilen)
{
    Datensatz satz = Datensatz::musterfall();
    satz.geburtsmonat = QStringLiteral("  ");
    satz.beratung.erwerbsminderung = Beratungsangaben::Voll;
    satz.beratung.erwerbsminderungJahr = 2019;
    Rechenfall fall(1960, satz);
    const Beratung b = beraten(fall.stand.fallwerte(2026), satz.rentenbeginn, satz.beratung,
                               Krankenversicherung::standardwerte());
    Druckaufzeichnung f;
    ASSERT_TRUE(Übersichtsdruck(f, fall.stand.datensatz, b, diagrammdaten(b, 2026), "09.12.26").drucken().ok);
    const QString text = umriss(f).join(u'\n');
    for (const char* teil :
         {"1|*0:Übersicht der Zusatzversorgung", "Hedwig Wendler, Jahrgang 1960", "8800:09.12.26",
          "|*2500:mit 63|*3920:mit 64|*5340:mit 65|*6760:mit 66|*8180:mit 66 J. 4 M.|*9600:mit 67",
          "Summe bis 85", "Ab 80 J. 1 M. liegt der Beginn mit 66 J. 4 M. vorn (gegenüber mit 66)",
          "Große Witwen-/Witwerrente", "Erwerbsminderung: ", "Krankenversicherung", "[Diagramm]",
          "angenommen ist Januar", "nicht berechnet"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(teil))) << teil << "\n" << text.toStdString();
    EXPECT_EQ(f.zeilen().last().seite, 1);
}

// The chart marks the bar of the chosen start; "mit 65" as always calculated (793,00 € here,
// without reduction) is none of the compared starts, so no bar, not even "mit 65" (729,11 €),
// is marked for it.
TEST(Uebersicht, DiagrammMarkiertNurDenGewähltenBeginn)
{
    const struct {
        int wahl;
        QStringList markiert;
    } fälle[] = {{Rentenbeginn::Mit65, {}}, {63, {"mit 63"}}, {Rentenbeginn::Regelaltersgrenze, {"mit 67"}}};
    for (const auto& f : fälle) {
        Rechenfall fall(1985);
        const Beratung b = beraten(fall.stand.fallwerte(2026), f.wahl, Beratungsangaben{},
                                   Krankenversicherung::standardwerte());
        QStringList markiert;
        for (const auto& balken : diagrammdaten(b, 2026).beginne)
            if (balken.gewählt)
                markiert << balken.beschriftung;
        EXPECT_EQ(markiert, f.markiert) << f.wahl;
    }
}

// The letter names the amount after health and care insurance only when the case asks.
TEST(Uebersicht, BriefzeileNurAufWunsch)
{
    Rechenfall fall(1985);
    Drucksachen d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    EXPECT_EQ(d.auszahlungszeile(), QString());
    fall.stand.datensatz.beratung.briefzeile = true;
    // 793,00 Euro: 17,5 % health insurance on the 595,25 above the allowance, 104,17 Euro;
    // 3,6 % care insurance on the whole, 28,55 Euro.
    EXPECT_EQ(d.auszahlungszeile(),
              "Nach Kranken- und Pflegeversicherung ausgezahlt: voraussichtlich 660,28 Euro");
}

class Stapeldrucktest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    QString meldung;
    QTextStream aus{&meldung};

    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(ordner.path())); }
    void TearDown() override { QDir::setCurrent(vorher); }
    int pdf(const QString& art, const QString& datei)
    {
        meldung.clear();
        const int status = Stapeldruck::ausführen(art, 1, datei, aus);
        aus.flush();
        return status;
    }
};

// Every printout comes out as a PDF file and nothing else is written; a missing case file or
// a PDF that cannot be written says why and writes nothing.
TEST_F(Stapeldrucktest, JedeDrucksacheOhneFenster)
{
    EXPECT_EQ(pdf("uebersicht", "a.pdf"), 1);
    EXPECT_TRUE(meldung.contains("keine Falldatei „atv.txt“")) << meldung.toStdString();
    EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList());

    Dateiablage ablage;
    {
        Falldatei datei(ablage);
        ASSERT_TRUE(datei.öffnen("atv.txt").ok);
    }
    const QByteArray fälle = lies("atv.txt");
    for (const char* art : {"berechnung", "anschreiben", "uebersicht"})
        EXPECT_EQ(pdf(art, QString("%1.pdf").arg(art)), 0) << art << meldung.toStdString();
    EXPECT_EQ(meldung, QString());
    EXPECT_EQ(ordnerinhalt(ordner.path()),
              QStringList({"anschreiben.pdf", "atv.txt", "berechnung.pdf", "uebersicht.pdf"}));
    EXPECT_EQ(lies("atv.txt"), fälle);
    EXPECT_TRUE(lies("uebersicht.pdf").startsWith("%PDF"));

    EXPECT_EQ(pdf("berechnung", "fehlt/x.pdf"), 1);
    EXPECT_TRUE(meldung.contains("Die PDF-Datei konnte nicht gespeichert werden")) << meldung.toStdString();
}

} // namespace
