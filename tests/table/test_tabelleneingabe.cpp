#include "hilfen/jahreszeilen.h"
#include "hilfen/rechenaufbau.h"
#include "table/tabelleneingabe.h"
#include "table/tasten.h"

#include <QCoreApplication>
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
    void tippen(QChar z)
    {
        char16_t code = z == u'\n' ? Taste::Eingabe : z.unicode();
        eingabe.Grid_KeyPress(code);
    }
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
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "30000,00");
    tippen(QStringLiteral("45000,50"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "45000,50");
    EXPECT_TRUE(zelle(Zeile2010, nr(Spalte::Entgelt)).kursiv);
    tippen(QStringLiteral("\n"));
    EXPECT_FALSE(zelle(Zeile2010, nr(Spalte::Entgelt)).kursiv);

    ASSERT_EQ(meldungen.protokoll.size(), 1);
    EXPECT_EQ(meldungen.protokoll[0].art, "frage");
    EXPECT_EQ(meldungen.protokoll[0].text, "In alle Folgejahre vortragen?");
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
    // One year down in the same column, and a recalculation never moves it.
    EXPECT_EQ(tabelle.aktuelleZeile(), Zeile2010 + 1);
    EXPECT_EQ(tabelle.aktuelleSpalte(), nr(Spalte::Entgelt));
    tabelle.atvberechnen();
    EXPECT_EQ(tabelle.aktuelleZeile(), Zeile2010 + 1);
}

INSTANTIATE_TEST_SUITE_P(JaUndNein, EntgeltVortragen, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Ja" : "Nein"); });

struct Tippfall {
    int zeile, spalte;
    const char* tasten;      // "\n" Enter, "\b" Backspace, "\x1b" Esc
    const char* text;        // the cell afterwards
    const char* gespeichert; // the value in the file afterwards
    const char* meldung;     // a word of the one message shown, or nullptr
    int weiter;              // rows the current cell moved
};

TEST_F(TabelleneingabeTest, GetippteTexteUndWasGespeichertWird)
{
    const int E = nr(Spalte::Entgelt);
    const Tippfall fälle[] = {
        {Zeile2010, E, "41.250,00\n", "41250,00", "41250,00", nullptr, 1},
        {Zeile2010, E, "123456,78\n", "123456,78", "123456,78", nullptr, 1}, // no digit lost
        {Zeile2010, E, "4500\n", "4500,00", "4500,00", nullptr, 1},
        {Zeile2010, E, "4500.50 €\n", "4500,50", "4500,50", nullptr, 1},
        {Zeile2010, E, "12\b3", "13", "30000,00", nullptr, 0}, // typed, not stored
        {Zeile2010, E, "12\x1b", "30000,00", "30000,00", nullptr, 0},
        {Zeile2010, E, "\b\n", "30000,00", "30000,00", nullptr, 1}, // nothing typed
        {Zeile2010, E, "41.250.5\n", "30000,00", "30000,00", "keine Zahl", 0},
        {Zeile2010, E, "-5\n", "30000,00", "30000,00", "negativ", 0},
        {Zeile2010, E, "12345678,9\n", "30000,00", "30000,00", "10000000,00", 0},
        {Zeile2010, E, "4500,555\n", "30000,00", "30000,00", "zwei Dezimalen", 0},
        {Zeile2010, nr(Spalte::Bonus), "1,25\n", "1,25", "1,25", nullptr, 1},
        {Zeile2010, nr(Spalte::Bonus), "1,253\n", "0,00", "0,00", "zwei Dezimalen", 0},
        {4, nr(Spalte::Gesamtpunkte), "12,5\n", "12,50", "12,50", nullptr, 1},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.tasten);
        ASSERT_TRUE(datei.schreiben(1, Datensatz::musterfall()).ok);
        tabelle.datensatzholen();
        tabelle.atvberechnen();
        const QString kopf = tabelle.rentenkopf();
        meldungen.protokoll.clear();
        klick(f.zeile, f.spalte);
        for (QChar z : QString::fromUtf8(f.tasten)) {
            if (z == u'\x1b')
                eingabe.abbrechen();
            else
                tippen(z);
        }
        const Datensatz satz = gespeichert();
        const int i = Jahreszeile::index(f.zeile);
        const Festkomma wert = f.spalte == E                   ? satz.jahresentgelt[i]
                               : f.spalte == nr(Spalte::Bonus) ? satz.bonuspunkte[i]
                                                               : satz.startgutschrift;
        EXPECT_EQ(wert.alsText(2), QString::fromUtf8(f.gespeichert));
        EXPECT_EQ(t(f.zeile, f.spalte), QString::fromUtf8(f.text));
        EXPECT_EQ(tabelle.aktuelleZeile(), f.zeile + f.weiter);
        // The headline is computed from the stored values only.
        EXPECT_EQ(tabelle.rentenkopf() == kopf, satz == Datensatz::musterfall());
        QStringList hinweise;
        for (const auto& m : meldungen.protokoll)
            if (m.art == "hinweis")
                hinweise.append(m.text);
        ASSERT_EQ(hinweise.size(), f.meldung ? 1 : 0);
        if (f.meldung) {
            EXPECT_TRUE(hinweise[0].contains(QString::fromUtf8(f.meldung))) << hinweise[0].toStdString();
        }
        eingabe.abbrechen();
    }
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
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), "1,25");
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
    EXPECT_EQ(t(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte)), "12,50");
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

struct Einfügefall {
    int zeile, spalte;
    const char* text;
    const char* meldung;                       // a word of the refusal, or nullptr
    std::initializer_list<const char*> danach; // the column's cells from the row on
};

TEST_F(TabelleneingabeTest, EingefügteTexte)
{
    const int E = nr(Spalte::Entgelt), B = nr(Spalte::Bonus);
    const Einfügefall fälle[] = {
        {Zeile2010,
         E,
         "41.250,00\r\n42.000 €\r\n43000.5\r\n",
         nullptr,
         {"41250,00", "42000,00", "43000,50", "30000,00"}},
        {Zeile2010, B, "0,5\n\n1,25", nullptr, {"0,50", "0,00", "1,25"}}, // an empty cell keeps its value
        {4, nr(Spalte::Gesamtpunkte), "12,5", nullptr, {"12,50"}},
        {Zeile2010,
         E,
         "1\nabc\n",
         "Zeile 2 der eingefügten Werte: „abc“ ist keine Zahl",
         {"30000,00", "30000,00"}},
        {Zeile2010, E, "1\t2\n", "Spalte 4", {"30000,00"}},
        {Letzte - 1, E, "1\n2\n3\n", "über das letzte Jahr", {"30000,00", "30000,00"}},
        {Zeile2010, nr(Spalte::Rente), "1", "Spalte 24", {}},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.text);
        ASSERT_TRUE(datei.schreiben(1, Datensatz::musterfall()).ok);
        tabelle.datensatzholen();
        tabelle.atvberechnen();
        meldungen.protokoll.clear();
        tabelle.verlauf().clear();
        const QByteArray vorher = dateibytes();
        const QString kopf = tabelle.rentenkopf();
        tabelle.setzeAktuelleZelle(f.zeile, f.spalte);
        EXPECT_EQ(eingabe.einfügen(QString::fromUtf8(f.text)), f.meldung == nullptr);
        int zeile = f.zeile;
        for (const char* text : f.danach)
            EXPECT_EQ(t(zeile++, f.spalte), QString::fromUtf8(text)) << zeile;
        if (f.meldung) {
            ASSERT_EQ(meldungen.protokoll.size(), 1);
            EXPECT_TRUE(meldungen.protokoll[0].text.contains(QString::fromUtf8(f.meldung)))
                << meldungen.protokoll[0].text.toStdString();
            EXPECT_EQ(dateibytes(), vorher);
            EXPECT_EQ(tabelle.verlauf().count(), 0);
        } else {
            // Several values: no carry-forward question, one step to undo, stored as shown.
            EXPECT_TRUE(meldungen.protokoll.isEmpty());
            EXPECT_EQ(tabelle.verlauf().count(), 1);
            EXPECT_NE(tabelle.rentenkopf(), kopf);
            tabelle.verlauf().undo();
            EXPECT_EQ(dateibytes(), vorher);
            EXPECT_EQ(tabelle.rentenkopf(), kopf);
        }
    }
}

TEST_F(TabelleneingabeTest, RückgängigUndWiederholenDurchAlleÄnderungen)
{
    // Each change, then its undo and redo: every step is saved, and the case comes back.
    QList<QByteArray> stände{dateibytes()};
    const auto merken = [&] { stände.append(dateibytes()); };
    meldungen.antworten.enqueue(true); // carry forward
    klick(Zeile2010, nr(Spalte::Entgelt));
    tippen(QStringLiteral("41.250\n"));
    merken();
    klick(Zeile2010 + 1, nr(Spalte::Bonus));
    tippen(QStringLiteral("1,25\n"));
    merken();
    klick(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte));
    tippen(QStringLiteral("12,5\n"));
    merken();
    tabelle.setzeAktuelleZelle(Zeile2010 + 2, nr(Spalte::Entgelt));
    ASSERT_TRUE(eingabe.einfügen(QStringLiteral("1\n2\n")));
    merken();
    ASSERT_TRUE(tabelle.elternzeitEintragen(Zeile2010, {1, 12, 0, 0}, Festkomma::ausText(u"1,3")).ok);
    merken();
    meldungen.antworten.enqueue(true); // carry forward anew at the new rate
    ASSERT_TRUE(tabelle.einstellungenSpeichern(0, Festkomma::ausGanzzahl(2)).ok);
    merken();
    EXPECT_EQ(meldungen.protokoll.constLast().text, "Ab 2015 mit 2,00 % neu vortragen?");
    EXPECT_EQ(gespeichert().jahresentgelt[14].alsText(2), "42075,00");

    QUndoStack& verlauf = tabelle.verlauf();
    ASSERT_EQ(verlauf.count(), stände.size() - 1);
    for (qsizetype k = stände.size() - 2; k >= 0; --k) {
        verlauf.undo();
        EXPECT_EQ(dateibytes(), stände[k]) << k;
    }
    const QString kopf = tabelle.rentenkopf();
    for (qsizetype k = 1; k < stände.size(); ++k) {
        verlauf.redo();
        EXPECT_EQ(dateibytes(), stände[k]) << k;
    }
    // Undo past a change made by someone else is refused, and the history starts anew.
    Datensatz fremd = gespeichert();
    fremd.nachname = QStringLiteral("Fremd");
    QFile andere(pfad());
    ASSERT_TRUE(andere.open(QIODevice::ReadWrite));
    QByteArray bytes = andere.readAll();
    bytes.replace(0, Datensatz::Länge, fremd.alsBytes());
    andere.seek(0);
    andere.write(bytes);
    andere.close();
    verlauf.undo();
    EXPECT_EQ(dateibytes(), bytes);
    EXPECT_EQ(meldungen.protokoll.constLast().art, "fehler");
    QCoreApplication::processEvents();
    EXPECT_EQ(verlauf.count(), 0);
    EXPECT_NE(kopf, QString());

    // Another case has a history of its own.
    klick(Zeile2010, nr(Spalte::Bonus));
    tippen(QStringLiteral("2\n"));
    EXPECT_EQ(verlauf.count(), 1);
    stand.datensatznummer = 2;
    tabelle.datensatzholen();
    EXPECT_EQ(verlauf.count(), 0);
}

} // namespace
