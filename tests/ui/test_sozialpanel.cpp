#include "hilfen/fenster.h"
#include "hilfen/seitenelemente.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

class SozialpanelTest : public FensterTest
{
protected:
    Sozialpanel& panel() { return *fenster.sozialpanel(); }
    QString wert(int i) { return elemente(panel()).schrift(i)->text(); }
    void wählen(int k1, int m1, int k2, int m2)
    {
        elemente(panel()).kinderanzahl1()->setCurrentIndex(k1);
        elemente(panel()).monateanzahl1()->setCurrentIndex(m1);
        elemente(panel()).kinderanzahl2()->setCurrentIndex(k2);
        elemente(panel()).monateanzahl2()->setCurrentIndex(m2);
    }
};

TEST_F(SozialpanelTest, ListenNachDemStart)
{
    const std::pair<QComboBox*, int> boxen[] = {{elemente(panel()).kinderanzahl1(), 7},
                                                {elemente(panel()).kinderanzahl2(), 7},
                                                {elemente(panel()).monateanzahl1(), 13},
                                                {elemente(panel()).monateanzahl2(), 13}};
    for (const auto& [box, anzahl] : boxen) {
        EXPECT_EQ(box->count(), anzahl);
        EXPECT_EQ(box->currentIndex(), 0);
        EXPECT_FALSE(box->isVisible());
    }
    EXPECT_EQ(elemente(panel()).kinderanzahl1()->itemText(0), "Anspruch für Elternzeit für 0 Kinder");
    EXPECT_EQ(elemente(panel()).kinderanzahl2()->itemText(6), "Anspruch für Elternzeit für 6 Kinder");
    EXPECT_EQ(elemente(panel()).monateanzahl1()->itemText(0), "für 0 Monate");
    EXPECT_EQ(elemente(panel()).monateanzahl2()->itemText(12), "für 12 Monate");
    for (int i = 0; i < Sozialpanel::AnzahlSchrift; ++i)
        EXPECT_FALSE(elemente(panel()).schrift(i)->isVisible()) << i;
}

struct Beispiel {
    int zeile; // a row of the sample case (born 1985) with the wanted age factor
    const char* jahr;
    const char* faktor;
    int k1, m1, k2, m2;
    const char* werte[6]; // amounts 1 and 2, total, monthly average, Wertziffer, points
    const char* spalte14;
};

TEST_F(SozialpanelTest, RechnetUndUebertraegt)
{
    const Beispiel beispiele[] = {
        {10, "2007", "2,60", 1, 12, 0, 0, {"6000", "0", "6000", "500", "0,5", "1,3"}, "1,30"},
        {28, "2025", "1,50", 2, 6, 1, 6, {"6000", "3000", "9000", "750", "0,75", "1,13"}, "1,13"},
        {5, "2002", "3,10", 1, 1, 0, 0, {"500", "0", "500", "41,6667", "0,0417", "0,13"}, "0,13"},
        {12, "2009", "2,40", 6, 10, 4, 2, {"30000", "4000", "34000", "2833,3333", "2,8333", "6,8"}, "6,80"},
        {6, "2003", "3,00", 6, 9, 5, 1, {"27000", "2500", "29500", "2458,3333", "2,4583", "7,37"}, "7,37"},
        {7, "2004", "2,90", 0, 12, 6, 0, {"0", "0", "0", "0", "0", "0"}, "0,00"},
    };
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.jahr);
        const QString vorher = t(b.zeile, nr(Spalte::Versorgungspunkte));
        klick(b.zeile, nr(Spalte::Elternzeit));
        ASSERT_TRUE(panel().offen());
        EXPECT_TRUE(fenster.grid()->isHidden());
        EXPECT_EQ(wert(1), b.jahr);
        EXPECT_EQ(wert(13), b.faktor);
        wählen(b.k1, b.m1, b.k2, b.m2);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(wert(15 + i), b.werte[i]) << i;
        EXPECT_TRUE(elemente(panel()).schrift(21)->isHidden());

        QTest::mouseClick(elemente(panel()).übertragen(), Qt::LeftButton);
        EXPECT_FALSE(panel().offen());
        EXPECT_FALSE(fenster.grid()->isHidden());
        EXPECT_EQ(t(b.zeile, nr(Spalte::Elternzeit)), b.spalte14);
        EXPECT_EQ(Festkomma::ausText(t(b.zeile, nr(Spalte::Versorgungspunkte))) - Festkomma::ausText(vorher),
                  Festkomma::ausText(QString::fromUtf8(b.spalte14)));

        const Datensatz satz = gespeichert();
        const int i = b.zeile - 4;
        EXPECT_EQ(satz.elternzeitpunkte[i], Festkomma::ausText(QString::fromUtf8(b.spalte14)));
        EXPECT_EQ(satz.kinder1[i], b.k1);
        EXPECT_EQ(satz.monate1[i], b.m1);
        EXPECT_EQ(satz.kinder2[i], b.k2);
        EXPECT_EQ(satz.monate2[i], b.m2);
    }
    EXPECT_TRUE(Nachrichten::gezeigte().isEmpty());

    // Opening again shows the stored choice: children and months of 2009.
    klick(Jahreszeile::von(2009), nr(Spalte::Elternzeit));
    EXPECT_EQ(elemente(panel()).kinderanzahl1()->currentIndex(), 6);
    EXPECT_EQ(elemente(panel()).monateanzahl2()->currentIndex(), 2);
    EXPECT_EQ(wert(20), "6,8");
}

TEST_F(SozialpanelTest, ZuVieleMonateWerdenKorrigiert)
{
    klick(Jahreszeile::von(2007), nr(Spalte::Elternzeit));
    wählen(1, 8, 1, 0);
    EXPECT_TRUE(elemente(panel()).schrift(21)->isHidden());
    elemente(panel()).monateanzahl2()->setCurrentIndex(7);
    EXPECT_EQ(elemente(panel()).monateanzahl2()->currentIndex(), 4);
    EXPECT_FALSE(elemente(panel()).schrift(21)->isHidden());
    EXPECT_TRUE(elemente(panel()).schrift(21)->isVisible());
    EXPECT_EQ(elemente(panel()).schrift(21)->text(), "Korrigierte Monate");
    EXPECT_EQ(wert(16), "2000");
    EXPECT_EQ(wert(17), "6000");
    elemente(panel()).monateanzahl2()->setCurrentIndex(3);
    EXPECT_TRUE(elemente(panel()).schrift(21)->isHidden());
    EXPECT_EQ(wert(17), "5500");
}

TEST_F(SozialpanelTest, AbbrechenAendertNichts)
{
    const QByteArray vorher = dateibytes();
    const QString rente = fenster.rentenkopf()->text();
    klick(Jahreszeile::von(2002),
          nr(Spalte::Elternzeit)); // the highest age factor: the most points a year can have
    wählen(6, 12, 0, 0);
    EXPECT_EQ(wert(20), "9,3");
    QTest::mouseClick(elemente(panel()).abbrechen(), Qt::LeftButton);
    EXPECT_FALSE(panel().offen());
    EXPECT_FALSE(fenster.grid()->isHidden());
    EXPECT_FALSE(elemente(panel()).schrift(0)->isVisible());
    EXPECT_EQ(t(Jahreszeile::von(2002), nr(Spalte::Elternzeit)), "0,00");
    EXPECT_EQ(fenster.rentenkopf()->text(), rente);
    EXPECT_EQ(dateibytes(), vorher);
    EXPECT_EQ(fenster.stand().datensatz, gespeichert());

    // Selections while the panel is closed compute nothing.
    elemente(panel()).monateanzahl1()->setCurrentIndex(1);
    EXPECT_EQ(wert(20), "9,3");
}

TEST_F(SozialpanelTest, FalllisteSchliesstDasPanel)
{
    klick(Jahreszeile::von(2007), nr(Spalte::Elternzeit));
    wählen(1, 12, 0, 0);
    QTest::mouseClick(fenster.bediensteter(), Qt::LeftButton);
    EXPECT_TRUE(fenster.listeSichtbar());
    EXPECT_FALSE(panel().offen());
    EXPECT_FALSE(elemente(panel()).übertragen()->isVisible());
    EXPECT_FALSE(elemente(panel()).schrift(20)->isVisible());
    fenster.tabelleZeigen();
    EXPECT_FALSE(panel().offen());
    EXPECT_EQ(t(Jahreszeile::von(2007), nr(Spalte::Elternzeit)), "0,00");
}

TEST_F(SozialpanelTest, Zeile2001OeffnetKeinPanel)
{
    klick(Jahreszeile::Erste, nr(Spalte::Elternzeit));
    EXPECT_FALSE(panel().offen());
    EXPECT_FALSE(fenster.grid()->isHidden());
}

} // namespace

namespace {

// A disk that is full from the start.
struct Protokoll : Meldungen {
    QStringList fehlermeldungen;
    void hinweis(const QString&, const QString&) override {}
    void fehler(const QString& text) override { fehlermeldungen.append(text); }
    bool frage(const QString&, const QString&) override { return false; }
};

TEST(SozialpanelOhneSpeicherplatz, BleibtOffenUndBehauptetNichts)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    Dateiablage ablage;
    ASSERT_TRUE(Falldatei(ablage).öffnen(pfad).ok); // creates the file with the sample case
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();

    VolleAblage voll;
    Falldatei datei(voll);
    ASSERT_TRUE(datei.öffnen(pfad).ok);
    Arbeitsstand stand;
    Protokoll meldungen;
    Rechentabelle tabelle(stand, datei, meldungen);
    tabelle.datensatzholen();
    tabelle.atvberechnen();
    QWidget fenster;
    Sozialpanel panel(&fenster, tabelle);
    panel.listenFüllen();

    panel.öffnen(Jahreszeile::von(2007));
    elemente(panel).kinderanzahl1()->setCurrentIndex(1);
    elemente(panel).monateanzahl1()->setCurrentIndex(12);
    panel.Übertragen_Click();
    ASSERT_EQ(meldungen.fehlermeldungen.size(), 1);
    EXPECT_TRUE(meldungen.fehlermeldungen[0].contains(u"nicht gespeichert"))
        << meldungen.fehlermeldungen[0].toStdString();
    EXPECT_TRUE(panel.offen());
    EXPECT_EQ(tabelle.modell().text(Jahreszeile::von(2007), nr(Spalte::Elternzeit)), "0,00");
    EXPECT_EQ(stand.datensatz, datei.lesen(1));
    f.seek(0);
    EXPECT_EQ(f.readAll(), vorher);
}

} // namespace
