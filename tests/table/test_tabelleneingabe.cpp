#include "hilfen/jahreszeilen.h"
#include "hilfen/rechenaufbau.h"
#include "table/tabelleneingabe.h"
#include "table/tasten.h"

#include <QFileDevice>
#include <gtest/gtest.h>

namespace {

class TabelleneingabeTest : public ::testing::Test, protected Rechenaufbau
{
protected:
    Tabelleneingabe eingabe{tabelle};

    void SetUp() override
    {
        dateiÖffnen();
        tabelle.datensatzholen();
        tabelle.atvberechnen();
    }
    QString t(int zeile, int spalte) const { return tabelle.modell().text(zeile, spalte); }
    const Zellenmodell::Zelle& zelle(int zeile, int spalte) const
    {
        return tabelle.modell().zelle(zeile, spalte);
    }

    void klick(int zeile, int spalte)
    {
        tabelle.setzeAktuelleZelle(zeile, spalte);
        eingabe.Grid_Click();
    }
    // "\n" stands for Enter, "\b" for Backspace.
    void tippen(const QString& tasten)
    {
        for (QChar z : tasten) {
            char16_t code = z == u'\n' ? Taste::Eingabe : z.unicode();
            eingabe.Grid_KeyPress(code);
        }
    }
};

class EntgeltVortragen : public TabelleneingabeTest, public ::testing::WithParamInterface<bool>
{};

TEST_P(EntgeltVortragen, StehtInTabelleUndDatei)
{
    const bool ja = GetParam();
    meldungen.antworten.enqueue(ja);
    klick(Zeile2010, nr(Spalte::Entgelt));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), " ");
    tippen(QStringLiteral("45000,50"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), " 45000.50");
    tippen(QStringLiteral("\n"));

    ASSERT_EQ(meldungen.protokoll.size(), 1);
    EXPECT_EQ(meldungen.protokoll[0].art, "frage");
    EXPECT_EQ(meldungen.protokoll[0].text, "In alle Folgemonate vortragen?");
    EXPECT_EQ(meldungen.protokoll[0].titel, "Vortragen?");
    EXPECT_EQ(zelle(Zeile2010, nr(Spalte::Entgelt)).schriftgröße, 12);
    EXPECT_TRUE(zelle(Zeile2010, nr(Spalte::Entgelt)).fett);
    EXPECT_FALSE(zelle(Zeile2010 + 1, nr(Spalte::Entgelt)).fett);

    const Datensatz satz = gespeichert();
    const Festkomma neu = Festkomma::ausText(u"45000,5");
    const Festkomma alt = Festkomma::ausGanzzahl(30000);
    EXPECT_EQ(t(Zeile2010 - 1, nr(Spalte::Entgelt)), "30000,00");
    EXPECT_EQ(satz.jahresentgelt[8], alt);
    for (int zeile = Zeile2010; zeile <= Letzte; ++zeile) {
        const bool geändert = ja || zeile == Zeile2010;
        EXPECT_EQ(t(zeile, nr(Spalte::Entgelt)), geändert ? "45000,50" : "30000,00") << zeile;
        EXPECT_EQ(satz.jahresentgelt[zeile - 4], geändert ? neu : alt) << zeile;
        EXPECT_EQ(t(zeile, nr(Spalte::Monatsdurchschnitt)), geändert ? "3750,04" : "2500,00") << zeile;
    }
    EXPECT_EQ(satz, stand.datensatz);
    EXPECT_EQ(tabelle.aktuelleZeile(), Letzte);
    EXPECT_EQ(tabelle.aktuelleSpalte(), 23);
}

INSTANTIATE_TEST_SUITE_P(JaUndNein, EntgeltVortragen, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Ja" : "Nein"); });

struct Tippfall {
    int zeile, spalte;
    const char* tasten;
    const char* text;    // the cell afterwards
    int formatmeldungen; // how many times the format rule was shown
};

TEST_F(TabelleneingabeTest, TastenregelnJeSpalte)
{
    const Tippfall fälle[] = {
        {Zeile2010, nr(Spalte::Entgelt), "123456789", " 12345678", 0},  // eight characters after the click
        {Zeile2010, nr(Spalte::Entgelt), "12345,679", " 12345.67", 0},  // 12345,67 fits exactly
        {Zeile2010, nr(Spalte::Entgelt), "12345678,", " 12345678.", 0}, // the comma is not limited
        {Zeile2010, nr(Spalte::Entgelt), "1,2,", "", 0},                // a second comma empties
        {Zeile2010, nr(Spalte::Entgelt), "12.", " 12", 1},              // a point is refused
        {Zeile2010, nr(Spalte::Entgelt), "\b\b\b\b", "", 0},            // Backspace stops at empty
        {Zeile2010, nr(Spalte::Entgelt), "12\b3", " 13", 0},
        {Zeile2010, nr(Spalte::Entgelt), "4500\n", "", 1}, // Enter without a separator
        {Zeile2010, nr(Spalte::Entgelt), "ab -+", " ", 0}, // other keys do nothing
        {Zeile2010, nr(Spalte::Bonus), "1,25", " 1.25", 0},
        {Zeile2010, nr(Spalte::Bonus), "1,253", "", 0},               // a fifth character empties
        {Zeile2010, nr(Spalte::Bonus), "1,2534", "4", 0},             // and typing starts over
        {4, nr(Spalte::Gesamtpunkte), "1234567890", " 123456789", 0}, // nine: the blank does not count
        {4, nr(Spalte::Gesamtpunkte), "12345678,9", " 12345678.", 0},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.tasten);
        meldungen.protokoll.clear();
        klick(f.zeile, f.spalte);
        tippen(QString::fromUtf8(f.tasten));
        EXPECT_EQ(t(f.zeile, f.spalte), QString::fromUtf8(f.text));
        EXPECT_EQ(meldungen.protokoll.size(), f.formatmeldungen);
        for (const auto& m : meldungen.protokoll) {
            EXPECT_EQ(m.art, "hinweis");
            EXPECT_EQ(m.text, "Format-Vorschrift: ######,##\n(mit Komma und 2 Dezimalen)");
            EXPECT_EQ(m.titel, "");
        }
    }
    EXPECT_EQ(gespeichert(), Datensatz::musterfall());
}

TEST_F(TabelleneingabeTest, TastenAusserhalbDerEingabezellenWirkenNicht)
{
    const std::pair<int, int> zellen[] = {{4, nr(Spalte::Entgelt)},
                                          {4, nr(Spalte::Bonus)},
                                          {Zeile2010, nr(Spalte::Gesamtpunkte)},
                                          {Zeile2010, nr(Spalte::Elternzeit)},
                                          {Zeile2010, nr(Spalte::DurchZwölf)},
                                          {Zeile2010, nr(Spalte::Jahr)},
                                          {2, nr(Spalte::Entgelt)},
                                          {Letzte, nr(Spalte::Rente)},
                                          {Letzte + 1, nr(Spalte::Entgelt)}};
    const QByteArray vorher = dateibytes();
    for (const auto& [zeile, spalte] : zellen) {
        SCOPED_TRACE(zeile * 100 + spalte);
        const QString text = t(zeile, spalte);
        tabelle.setzeAktuelleZelle(zeile, spalte);
        tippen(QStringLiteral("1,.\b\n"));
        EXPECT_EQ(t(zeile, spalte), text);
    }
    EXPECT_TRUE(meldungen.protokoll.isEmpty());
    EXPECT_EQ(dateibytes(), vorher);
}

TEST_F(TabelleneingabeTest, KlickAufElternzeitNurInJahreszeilen)
{
    QList<int> angefordert;
    QObject::connect(&eingabe, &Tabelleneingabe::sozialpanelAngefordert,
                     [&](int z) { angefordert.append(z); });
    for (int zeile : {0, nr(Spalte::DurchZwölf), 4, 5, Zeile2010, Letzte})
        klick(zeile, nr(Spalte::Elternzeit));
    EXPECT_EQ(angefordert, (QList<int>{5, Zeile2010, Letzte}));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Elternzeit)), "0,00");
    klick(Zeile2010, nr(Spalte::DurchZwölf));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::DurchZwölf)), "/12 =");
}

TEST_F(TabelleneingabeTest, BonusBleibtWieGetipptUndZaehlt)
{
    const QString vorher = t(Zeile2010, nr(Spalte::Versorgungspunkte));
    klick(Zeile2010, nr(Spalte::Bonus));
    tippen(QStringLiteral("1,25\n"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), " 1.25");
    EXPECT_EQ(zelle(Zeile2010, nr(Spalte::Bonus)).schriftgröße, 12);
    EXPECT_TRUE(zelle(Zeile2010, nr(Spalte::Bonus)).fett);
    EXPECT_EQ(Festkomma::ausText(t(Zeile2010, nr(Spalte::Versorgungspunkte))) - Festkomma::ausText(vorher),
              Festkomma::ausText(u"1.25"));
    EXPECT_EQ(gespeichert().bonuspunkte[9], Festkomma::ausText(u"1.25"));
    EXPECT_TRUE(meldungen.protokoll.isEmpty());
}

TEST_F(TabelleneingabeTest, StartgutschriftHebtAlleSummen)
{
    QStringList vorher;
    for (int zeile = 5; zeile <= Letzte; ++zeile)
        vorher.append(t(zeile, nr(Spalte::Gesamtpunkte)));
    klick(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte));
    tippen(QStringLiteral("12,5\n"));
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)), " 12.5");
    EXPECT_EQ(zelle(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)).schriftgröße, 11);
    EXPECT_TRUE(zelle(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)).fett);
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Rente)), "50,00");
    for (int zeile = 5; zeile <= Letzte; ++zeile)
        EXPECT_EQ(Festkomma::ausText(t(zeile, nr(Spalte::Gesamtpunkte))) -
                      Festkomma::ausText(vorher[zeile - 5]),
                  Festkomma::ausText(u"12.5"))
            << zeile;
    EXPECT_EQ(gespeichert().startgutschrift, Festkomma::ausText(u"12.5"));
}

TEST_F(TabelleneingabeTest, NachNeustartStehtAllesDa)
{
    meldungen.antworten.enqueue(false);
    klick(Zeile2010, nr(Spalte::Entgelt));
    tippen(QStringLiteral("45000,50\n"));
    klick(Zeile2010 + 1, nr(Spalte::Bonus));
    tippen(QStringLiteral("2,5\n"));
    klick(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte));
    tippen(QStringLiteral("12,5\n"));
    const QString rente = tabelle.rentenkopf();

    Dateiablage frisch;
    Falldatei neu(frisch);
    ASSERT_TRUE(neu.öffnen(pfad()).ok);
    Arbeitsstand neuerStand;
    Rechentabelle neueTabelle(neuerStand, neu, meldungen);
    neueTabelle.datensatzholen();
    neueTabelle.atvberechnen();
    EXPECT_EQ(neueTabelle.modell().text(Zeile2010, nr(Spalte::Entgelt)), "45000,50");
    EXPECT_EQ(neueTabelle.modell().text(Zeile2010 + 1, nr(Spalte::Entgelt)), "30000,00");
    EXPECT_EQ(neueTabelle.modell().text(Zeile2010 + 1, nr(Spalte::Bonus)), "2,50");
    EXPECT_EQ(neueTabelle.modell().text(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)), "12,50");
    EXPECT_EQ(neueTabelle.rentenkopf(), rente);
}

TEST_F(TabelleneingabeTest, GescheiterteSpeicherungLaesstNichtsGespeichertAussehen)
{
    const QByteArray vorher = dateibytes();
    const QString rentenkopf = tabelle.rentenkopf();
    ablage.voll = true;
    meldungen.antworten.enqueue(true);
    klick(Zeile2010, nr(Spalte::Entgelt));
    tippen(QStringLiteral("45000,50\n"));
    klick(Zeile2010, nr(Spalte::Bonus));
    tippen(QStringLiteral("1,25\n"));
    klick(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte));
    tippen(QStringLiteral("12,5\n"));

    ASSERT_EQ(meldungen.protokoll.size(), 4);
    for (int n = 1; n < 4; ++n) {
        EXPECT_EQ(meldungen.protokoll[n].art, "fehler");
        EXPECT_TRUE(meldungen.protokoll[n].text.startsWith(u"„atv.txt“ kann nicht gespeichert werden"))
            << meldungen.protokoll[n].text.toStdString();
    }
    EXPECT_EQ(dateibytes(), vorher);
    EXPECT_EQ(stand.datensatz, Datensatz::musterfall());
    EXPECT_EQ(stand.startgutschrift, Festkomma());
    for (int zeile : {Zeile2010, Letzte}) {
        EXPECT_EQ(t(zeile, nr(Spalte::Entgelt)), "30000,00");
        EXPECT_FALSE(zelle(zeile, nr(Spalte::Entgelt)).fett);
    }
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), "0,00");
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)), "0,00");
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Rente)), "0,00");
    EXPECT_EQ(tabelle.rentenkopf(), rentenkopf);

    // Once the disk has room again, the same typing is saved.
    ablage.voll = false;
    klick(Zeile2010, nr(Spalte::Bonus));
    tippen(QStringLiteral("1,25\n"));
    EXPECT_EQ(gespeichert().bonuspunkte[9], Festkomma::ausText(u"1.25"));
}

} // namespace
