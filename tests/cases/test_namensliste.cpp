#include "cases/namensliste.h"
#include "hilfen/rechenaufbau.h"
#include "table/farben.h"
#include "table/tasten.h"

#include <gtest/gtest.h>

namespace {

class NamenslisteTest : public ::testing::Test, protected Rechenaufbau
{
protected:
    Namensliste liste{tabelle};

    void SetUp() override
    {
        dateiÖffnen();
        liste.formatieren();
        liste.namensgridfüllen();
    }
    void tippen(int zeile, int spalte, const QString& zeichen)
    {
        liste.setzeAktuelleZelle(zeile, spalte);
        for (QChar z : zeichen)
            liste.Namensgrid_KeyPress(z.unicode());
    }
    QString t(int zeile, int spalte) const { return liste.modell().text(zeile, spalte); }
    bool wählen(int fall)
    {
        liste.setzeAktuelleZelle(Namensliste::fallzeile(fall), nr(Listenspalte::Fall));
        return liste.Namensgrid_Click();
    }
};

struct Tastenfall {
    Listenspalte spalte;
    const char* getippt;
    const char* text;
    const char* zähler;
};

TEST_F(NamenslisteTest, TastenregelnJeSpalte)
{
    const QString a20(20, u'a');
    const QString z30(30, u'7');
    const Tastenfall fälle[] = {
        {Listenspalte::Tag, "45", "", "2"},
        {Listenspalte::Tag, "31", "31", "0"},
        {Listenspalte::Tag, "00", "00", "0"},
        {Listenspalte::Tag, "1x23", "12", "0"},
        {Listenspalte::Jahr, "1934", "", "4"},
        {Listenspalte::Jahr, "1935", "1935", "0"},
        {Listenspalte::Jahr, "1990", "1990", "0"},
        {Listenspalte::Jahr, "2000", "2000", "0"},
        {Listenspalte::Jahr, "2100", "", "4"},
        {Listenspalte::Jahr, "19", "19", "2"},
        {Listenspalte::Monat, "Septembers", "September", "0"},
        {Listenspalte::Monat, "13.", "13", "7"},
        {Listenspalte::Monat, "März", "März", "5"},
        {Listenspalte::Nachname, "Müller-Lüdenscheidt", "Müller-Lüdenscheidt", "1"},
        {Listenspalte::Vorname, "Anne-Marie", "Anne-Marie", "5"},
        {Listenspalte::Nachname, "O'Brien d’Arc", "O'Brien d’Arc", "7"},
        {Listenspalte::Vorname, "Œuvre Ñoño Ç", "Œuvre Ñoño Ç", "3"},
        // Letters outside the file's code page, signs that are no letters, digits and the
        // slash in a name.
        {Listenspalte::Nachname, "Łukasz €1/2", "ukasz ", "14"},
        {Listenspalte::Vorname, "Max  B", "Max B", "10"},
        {Listenspalte::Vorname, "  Jo", "Jo", "13"},
        {Listenspalte::Anrede, "Dr.,7", "Dr.,", "1"},
        {Listenspalte::Versicherungsnummer, "ATV-12/3 ß", "ATV-12/3 ß", "20"},
        {Listenspalte::Straße, "Königsallee 12a", "Königsallee 12a", "15"},
        {Listenspalte::Wohnort, "40212 Düsseldorf", "40212 Düsseldorf", "14"},
    };
    for (const auto& f : fälle) {
        const int spalte = nr(f.spalte);
        liste.modell().setzeText(Namensliste::fallzeile(2), spalte, QString());
        liste.modell().setzeText(Namensliste::Zählerzeile, spalte, QString());
        tippen(Namensliste::fallzeile(2), spalte, QString::fromUtf8(f.getippt));
        EXPECT_EQ(t(Namensliste::fallzeile(2), spalte), QString::fromUtf8(f.text)) << f.getippt;
        EXPECT_EQ(t(Namensliste::Zählerzeile, spalte), QString::fromUtf8(f.zähler)) << f.getippt;
    }
    tippen(Namensliste::fallzeile(3), nr(Listenspalte::Nachname), a20 + u'b');
    EXPECT_EQ(t(Namensliste::fallzeile(3), nr(Listenspalte::Nachname)), a20);
    EXPECT_EQ(t(Namensliste::Zählerzeile, nr(Listenspalte::Nachname)), "0");
    tippen(Namensliste::fallzeile(3), nr(Listenspalte::Wohnort), z30 + u'8');
    EXPECT_EQ(t(Namensliste::fallzeile(3), nr(Listenspalte::Wohnort)), z30);
}

TEST_F(NamenslisteTest, TastenOhneWirkungUndSteuertasten)
{
    const QString vorher = t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname));
    tippen(Namensliste::Zählerzeile, nr(Listenspalte::Nachname), QStringLiteral("abc"));
    EXPECT_EQ(t(Namensliste::Zählerzeile, nr(Listenspalte::Nachname)), "");
    tippen(Namensliste::fallzeile(1), nr(Listenspalte::Fall), QString(QChar(Taste::Rückschritt)) + u'9');
    liste.Namensgrid_KeyDown(Qt::Key_Delete);
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Fall)), "1");

    // Backspace and Delete leave the counter as it was.
    tippen(Namensliste::fallzeile(1), nr(Listenspalte::Nachname), QString(QChar(Taste::Rückschritt)));
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname)), vorher.chopped(1));
    EXPECT_EQ(t(Namensliste::Zählerzeile, nr(Listenspalte::Nachname)), "");
    liste.Namensgrid_KeyDown(Qt::Key_Delete);
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname)), "");
    EXPECT_EQ(t(Namensliste::Zählerzeile, nr(Listenspalte::Nachname)), "");

    tippen(Namensliste::fallzeile(1), nr(Listenspalte::Straße), QString(QChar(Taste::Eingabe)));
    EXPECT_EQ(liste.aktuelleSpalte(), nr(Listenspalte::Wohnort));
    tippen(Namensliste::fallzeile(1), nr(Listenspalte::Wohnort), QString(QChar(Taste::Eingabe)));
    EXPECT_EQ(liste.aktuelleSpalte(), nr(Listenspalte::Wohnort));
    EXPECT_EQ(liste.aktuelleZeile(), 3);
    // Header rows never become the current cell.
    liste.bewegen(-5, 0);
    EXPECT_EQ(liste.aktuelleZeile(), Namensliste::ErsteFallzeile);
}

TEST_F(NamenslisteTest, AufbauUndFüllen)
{
    const Zellenmodell& m = liste.modell();
    const char* kopf1[] = {"wahl hier", "Anrede", "Vorname ", "Nachname ", " Tag",
                           " Monat",    " Jahr",  "nummer",   " ",         "  "};
    for (int s = 0; s < Namensliste::Spalten; ++s) {
        EXPECT_EQ(t(1, s), QString::fromUtf8(kopf1[s]));
        EXPECT_EQ(t(2, s), QString::number(s + 1));
        EXPECT_EQ(m.zelle(2, s).schriftgröße, 6);
        EXPECT_EQ(m.hintergrund(Namensliste::Zählerzeile, s), Farben::HellGelb);
    }
    EXPECT_EQ(t(0, nr(Listenspalte::Nachname)), "Name des Bediensteten");
    EXPECT_EQ(t(0, nr(Listenspalte::Tag)), "G e b u r t s t a g");
    EXPECT_EQ(m.verbundeneZeile(), 0);
    EXPECT_EQ(m.hintergrund(3, nr(Listenspalte::Fall)), Farben::HellGelb);
    EXPECT_EQ(m.hintergrund(9, nr(Listenspalte::Wohnort)), Farben::HellGrün);
    EXPECT_EQ(Namensliste::spaltenbreiten(),
              (QVector<int>{1268, 845, 1127, 1620, 704, 986, 704, 2254, 2254, 2254}));

    const char* muster[] = {"1",
                            "Frau",
                            "Hedwig",
                            "Wendler",
                            "1",
                            "1",
                            "1985",
                            "ATV-120366M1234",
                            "Ulmenbergstrasse 9",
                            "12345 Musterort"};
    for (int s = 0; s < Namensliste::Spalten; ++s)
        EXPECT_EQ(t(Namensliste::fallzeile(1), s), QString::fromUtf8(muster[s]));
    EXPECT_EQ(liste.aktuelleZeile(), 9);
    EXPECT_EQ(liste.aktuelleSpalte(), nr(Listenspalte::Wohnort));

    // Filling again shows what is stored, not what was typed.
    tippen(Namensliste::fallzeile(1), nr(Listenspalte::Nachname), QStringLiteral("x"));
    liste.namensgridfüllen();
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname)), "Wendler");
    EXPECT_TRUE(meldungen.protokoll.isEmpty());
}

TEST_F(NamenslisteTest, WählenSpeichertAlleZeilen)
{
    Datensatz drei = datei.lesen(3);
    drei.bonuspunkte[4] = Festkomma::ausText(u"2,5");
    ASSERT_TRUE(datei.schreiben(3, drei).ok);
    liste.namensgridfüllen();
    tippen(Namensliste::fallzeile(3), nr(Listenspalte::Nachname), QStringLiteral("Neumann"));

    // A click outside column 0 chooses nothing and stores nothing.
    const QByteArray vorher = datei.abbild();
    liste.setzeAktuelleZelle(Namensliste::fallzeile(2), nr(Listenspalte::Nachname));
    EXPECT_FALSE(liste.Namensgrid_Click());
    EXPECT_EQ(datei.abbild(), vorher);

    ASSERT_TRUE(wählen(2));
    EXPECT_EQ(stand.datensatznummer, 2);
    const Datensatz gespeichert = datei.lesen(3);
    EXPECT_EQ(gespeichert.nachname, QStringLiteral("Neumann").leftJustified(20));
    EXPECT_EQ(gespeichert.bonuspunkte[4], drei.bonuspunkte[4]);
    EXPECT_EQ(datei.lesen(1), Datensatz::musterfall());
}

TEST_F(NamenslisteTest, NeuePersonWirdGerechnetUndBleibt)
{
    liste.setzeAktuelleZelle(Namensliste::fallzeile(2), nr(Listenspalte::Anrede));
    for (const char* feld : {"Herr", "Max", "Beispiel", "12", "3", "1970"}) {
        for (QChar z : QString::fromUtf8(feld))
            liste.Namensgrid_KeyPress(z.unicode());
        liste.Namensgrid_KeyPress(Taste::Eingabe);
    }
    ASSERT_TRUE(wählen(2));
    EXPECT_EQ(stand.geburtsjahr, 1970);
    EXPECT_EQ(tabelle.modell().rowCount(), 39);
    EXPECT_EQ(tabelle.bediensteter(), QStringLiteral("  Max Beispiel"));
    EXPECT_EQ(stand.datensatz.anrede, QStringLiteral("Herr "));

    Dateiablage andere;
    Falldatei neu(andere);
    ASSERT_TRUE(neu.öffnen(pfad()).ok);
    EXPECT_EQ(neu.abbild(), datei.abbild());
    EXPECT_EQ(neu.lesen(2).geburtstag, "12");
    EXPECT_EQ(neu.lesen(2).geburtsmonat, QStringLiteral("3").leftJustified(9));
}

TEST_F(NamenslisteTest, FehlgeschlagenesSpeichernVerliertNichts)
{
    stand.datensatznummer = 1;
    tabelle.datensatzholen();
    const Datensatz geladen = stand.datensatz;
    const QByteArray vorher = datei.abbild();
    ablage.voll = true;

    // Without edits there is nothing to store: choosing works on a full disk.
    ASSERT_TRUE(wählen(3));
    EXPECT_TRUE(meldungen.protokoll.isEmpty());
    stand.datensatznummer = 1;
    tabelle.datensatzholen();

    liste.namensgridfüllen();
    tippen(Namensliste::fallzeile(4), nr(Listenspalte::Vorname), QStringLiteral("Eva"));
    EXPECT_FALSE(wählen(4));
    ASSERT_EQ(meldungen.protokoll.size(), 1);
    EXPECT_EQ(meldungen.protokoll[0].art, "fehler");
    EXPECT_TRUE(meldungen.protokoll[0].text.contains(QStringLiteral("nicht gespeichert")));
    EXPECT_EQ(stand.datensatznummer, 1);
    EXPECT_EQ(stand.datensatz, geladen);
    EXPECT_EQ(datei.abbild(), vorher);
    EXPECT_EQ(t(Namensliste::fallzeile(4), nr(Listenspalte::Vorname)), "Eva");

    ablage.voll = false;
    ASSERT_TRUE(wählen(4));
    EXPECT_EQ(datei.lesen(4).vorname.trimmed(), "Eva");
}

// Filling the list reads every case; committing a table entry afterwards must still
// write the current case's own record, not the last one the list read.
TEST_F(NamenslisteTest, TabelleneingabeNachDerListeTrifftNurDenAktuellenFall)
{
    for (int fall = 1; fall <= Falldatei::AnzahlFälle; ++fall) {
        Datensatz d = Datensatz::musterfall();
        d.nachname = QStringLiteral("Fall %1").arg(fall);
        d.jahresentgelt[1] = Festkomma::ausText(QString::number(1000 * fall));
        ASSERT_TRUE(datei.schreiben(fall, d).ok);
    }
    stand.datensatznummer = 2;
    tabelle.datensatzholen();
    const QByteArray vorher = datei.abbild();

    liste.namensgridfüllen();
    tippen(Namensliste::fallzeile(6), nr(Listenspalte::Nachname),
           QStringLiteral("x")); // an edit that is never chosen
    stand.datensatz.startgutschrift = Festkomma::ausText(u"7,5");
    ASSERT_TRUE(datei.schreiben(stand.datensatznummer, stand.datensatz).ok);

    const Datensatz zwei = datei.lesen(2);
    EXPECT_EQ(zwei.nachname.trimmed(), "Fall 2");
    EXPECT_EQ(zwei.jahresentgelt[1].alsText(2), "2000,00");
    EXPECT_EQ(zwei.startgutschrift.alsText(2), "7,50");
    const qsizetype l = Datensatz::Länge;
    for (int fall : {1, 3, 4, 5, 6, 7})
        EXPECT_EQ(datei.abbild().sliced((fall - 1) * l, l), vorher.sliced((fall - 1) * l, l)) << fall;
}

// Choosing a case writes from the list only what the user changed there: other fields keep
// their bytes, tabs and no-break spaces included, and only blanks are trimmed for the list.
TEST_F(NamenslisteTest, NurGeänderteFelderKommenAusDerListe)
{
    QByteArray bild = Falldatei::neuesAbbild();
    bild.replace(5, 15, QByteArray("  Anna\xa0").leftJustified(15, ' '));
    bild.replace(115, 30, QByteArray("12345 K\xf6ln\t").leftJustified(30, ' '));
    bild.replace(Datensatz::Länge + 5, 15, QByteArray("\tOtto").leftJustified(15, ' '));
    lege(pfad(), bild);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    liste.namensgridfüllen();
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Vorname)), QStringLiteral("Anna\u00a0"));
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Wohnort)), QStringLiteral("12345 Köln\t"));

    tippen(Namensliste::fallzeile(2), nr(Listenspalte::Nachname), QStringLiteral("Meier"));
    ASSERT_TRUE(wählen(1));
    QByteArray erwartet = bild;
    erwartet.replace(Datensatz::Länge + 20, 20, QByteArray("Meier").leftJustified(20, ' '));
    EXPECT_EQ(lies(pfad()), erwartet);

    // A field typed into is stored as the list shows it.
    liste.namensgridfüllen();
    tippen(Namensliste::fallzeile(1), nr(Listenspalte::Vorname), QStringLiteral("e"));
    ASSERT_TRUE(wählen(1));
    EXPECT_EQ(datei.lesen(1).vorname, QStringLiteral("Anna\u00a0e").leftJustified(15));
    EXPECT_EQ(lies(pfad()).sliced(115, 30), bild.sliced(115, 30));
}

} // namespace
