#include "hilfen/fall.h"
#include "hilfen/umriss.h"
#include "print/berechnungsdruck.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

struct Ausdruck {
    Druckaufzeichnung fläche;
    QStringList u;
    explicit Ausdruck(Rechenfall& fall, int orientierung = Druckfläche::Hochformat) : fläche(orientierung)
    {
        EXPECT_TRUE(Berechnungsdruck(fläche, fall.tabelle.modell(), fall.stand.datensatz, "07.12.2025")
                        .berechnungdrucken()
                        .ok);
        u = umriss(fläche);
    }
    // The printed line of table row `zeile`, found by its year.
    int jahr(int zeile) const
    {
        return int(u.indexOf(QRegularExpression(QStringLiteral("\\d\\|0:%1\\|.*").arg(zeile + 1997))));
    }
};

TEST(Berechnungsdruck, EineSeiteBisZeile26)
{
    Rechenfall fall(Rechenfall::geburtsjahrFürLetzteZeile(26));
    Ausdruck a(fall);
    EXPECT_EQ(a.fläche.orientierung(), Druckfläche::Querformat);
    EXPECT_EQ(a.u.mid(0, 9),
              QStringList(
                  {"1", "1", "1", "1", "1|*5500:Zuvoranversicherung für Hedwig Wendler",
                   "1|*5500:Hochrechnung bis zum 65. Lebensjahr|14000:07.12.2025",
                   "1|0:Grundlagen: geboren am 01.01.1958, Rentenbeginn mit 65 (ohne Abschlag), berechnet am "
                   "07.12.2025.",
                   "1|0:_120", "1"}));
    EXPECT_TRUE(a.u[9].startsWith("1|0:Jahr|600:Alter|1200:Jahres-|2400:/12 =|3000:Monatliches"));
    EXPECT_EQ(a.u.mid(12, 2), QStringList({"1|0:_150", "1"}));
    EXPECT_EQ(a.jahr(4), 14);
    EXPECT_EQ(a.jahr(26), 36);
    EXPECT_EQ(a.u.size(), 38);
    EXPECT_EQ(a.u.last(), "1|0:_120");
    EXPECT_EQ(a.fläche.zeilen()[5].stücke[0].schrift, "Arial");
    EXPECT_EQ(a.fläche.zeilen()[5].stücke[0].größe, 12);
    EXPECT_FALSE(a.u.mid(6).join("").contains('*')) << "nach dem Titel ist nichts fett";
}

// Numbers end a little before the next column begins, as they stand right-aligned on screen.
TEST(Berechnungsdruck, ZahlenRechtsbündigAlterAbZeile2002MitZweiLeerzeichen)
{
    Rechenfall fall;
    fall.tabelle.modell().setzeText(4, nr(Spalte::Alter), "X");
    fall.tabelle.modell().setzeText(4, nr(Spalte::Monatsdurchschnitt), "Y");
    Ausdruck a(fall);
    EXPECT_EQ(a.u[a.jahr(4)], "1|0:2001|600:X|3000:Y|13140:0,00|13700:x|14140:4,00|14700:=|15440:0,00");
    EXPECT_EQ(a.u[a.jahr(5)],
              "1|0:2002|600:  17|1360:30000,00|2400:/12 =|3480:2500,00|4400:/|4880:1000,00|5800:="
              "|6380:2,50000|7300:x|7740:3,10|8300:=|8740:7,75|9300:+|9840:0,00|10400:+|10940:0,00"
              "|11500:=|12140:7,75|13140:7,75|13700:x|14140:4,00|14700:=|15320:31,00");
}

class Seitenumbruch : public ::testing::TestWithParam<int>
{};

TEST_P(Seitenumbruch, AbZeile27AllesAufSeite2UnterWiederholtemKopf)
{
    const int letzte = GetParam();
    Rechenfall fall(Rechenfall::geburtsjahrFürLetzteZeile(letzte));
    Ausdruck a(fall);
    EXPECT_EQ(a.fläche.seiten(), 2);
    const int z26 = a.jahr(26);
    EXPECT_EQ(a.u.mid(z26 + 1, 7),
              QStringList({"1|0:_120", "1", "1|7000:Forts. Seite 2", "2", "2", "2", "2|7000:Seite 2"}));
    EXPECT_EQ(a.u.mid(z26 + 8, 3), QStringList({"2", "2|0:_150", "2"}));
    EXPECT_TRUE(a.u[z26 + 11].startsWith("2|0:Jahr|"));
    EXPECT_EQ(a.u.mid(z26 + 14, 2), QStringList({"2|0:_150", "2"}));
    EXPECT_EQ(a.jahr(27), z26 + 16);
    EXPECT_EQ(a.jahr(letzte), z26 + 16 + letzte - 27);
    EXPECT_EQ(a.u.mid(a.jahr(letzte) + 1), QStringList({"2|0:_120"}));
}

INSTANTIATE_TEST_SUITE_P(Tabellenlängen, Seitenumbruch, ::testing::Values(27, 28, 53),
                         [](const auto& info) { return "Zeilen" + std::to_string(info.param); });

TEST(Berechnungsdruck, OrientierungUndLeereNamen)
{
    Datensatz satz = Datensatz::musterfall();
    satz.vorname = "   ";
    satz.nachname.clear();
    Rechenfall fall(1985, satz);
    for (int vorher : {Druckfläche::Querformat, 0, 3})
        EXPECT_EQ(Ausdruck(fall, vorher).fläche.orientierung(), vorher);
    EXPECT_EQ(Ausdruck(fall).u[4], "1|*5500:Zuvoranversicherung für  ");
}

} // namespace

namespace {

// A start before the regular age names its age in the title and works out the reduction
// under the table; a table past 2050 continues on a third page.
TEST(Berechnungsdruck, RentenbeginnAbschlagUndDritteSeite)
{
    struct Fall {
        int geburtsjahr, wahl;
        const char* titel;
        const char* abschlag; // empty: no reduction lines
        bool dritteSeite;
    };
    const Fall fälle[] = {
        {1970, 63, "Hochrechnung bis zum 63. Lebensjahr",
         "0:Rentenbeginn mit 63 Jahren, 48 Monate vor der Regelaltersgrenze (67 Jahre): Abschlag 48 x 0,3 "
         "% = "
         "14,4 %, höchstens 10,8 %",
         false},
        {1995, Rentenbeginn::Standard, "Hochrechnung bis zum 67. Lebensjahr", "", true},
        {1960, Rentenbeginn::Standard, "Hochrechnung bis zum 65. Lebensjahr", "", false},
    };
    for (const Fall& f : fälle) {
        Datensatz satz = Datensatz::musterfall();
        satz.rentenbeginn = std::int16_t(f.wahl);
        Rechenfall fall(f.geburtsjahr, satz);
        Ausdruck a(fall);
        Druckaufzeichnung mit(Druckfläche::Hochformat);
        Berechnungsdruck druck(mit, fall.tabelle.modell(), fall.stand.datensatz, "07.12.2025");
        druck.setzeRechnung(fall.stand.rechnung);
        ASSERT_TRUE(druck.berechnungdrucken().ok);
        QStringList u = umriss(mit);
        EXPECT_EQ(u[5], QStringLiteral("1|*5500:%1|14000:07.12.2025").arg(QString::fromUtf8(f.titel)));
        // A start other than "mit 65" ends with the months of the last year whose pay counts:
        // born in January, one.
        if (f.geburtsjahr != 1960) {
            EXPECT_TRUE(u.last().endsWith(
                QStringLiteral(
                    "0:Im letzten Jahr %1 zählt das Entgelt von 1 Monat, bis zum Monat des Rentenbeginns.")
                    .arg(fall.stand.rechnung.beginn.letztesJahr)))
                << u.last().toStdString();
            u = u.mid(0, u.size() - 2);
        }
        EXPECT_EQ(u.contains(QStringLiteral("3|7000:Seite 3")), f.dritteSeite) << f.geburtsjahr;
        // Each line starts with its page.
        const auto ohneSeite = [](const QString& zeile) { return zeile.section(u'|', 1); };
        if (*f.abschlag) {
            EXPECT_EQ(ohneSeite(u[u.size() - 2]), QString::fromUtf8(f.abschlag));
            EXPECT_EQ(
                ohneSeite(u.last()),
                QStringLiteral("0:Zuvora ab Rentenbeginn: %1 Euro - 10,8 % = %2 Euro")
                    .arg(fall.stand.rechnung.rente.alsText(2), fall.stand.rechnung.renteAbBeginn.alsText(2)));
        } else {
            EXPECT_EQ(ohneSeite(u.last()), "0:_120");
            if (f.geburtsjahr == 1960) {
                EXPECT_EQ(u, a.u) << "mit 65 wie bisher";
            }
        }
    }
}

} // namespace

namespace {

// However long the table, every page carries year rows, its number is its place among the
// sheets, nothing runs off a page by itself, and the lines under the table (the reduction, the
// months of the last year) stay on the page of its last row.
TEST(Berechnungsdruck, JedeSeiteTrägtZeilenUndZähltRichtig)
{
    QList<std::pair<int, int>> fälle{{1958, Rentenbeginn::Standard},
                                     {1959, Rentenbeginn::Standard},
                                     {1985, Rentenbeginn::Standard},
                                     {2005, Rentenbeginn::Standard}};
    for (int geburtsjahr = 1958; geburtsjahr <= 2005; ++geburtsjahr)
        for (int wahl : {63, 66, 67})
            fälle.append({geburtsjahr, wahl});
    for (const auto& [geburtsjahr, wahl] : fälle) {
        SCOPED_TRACE(geburtsjahr * 100 + wahl);
        Datensatz satz = Datensatz::musterfall();
        satz.rentenbeginn = std::int16_t(wahl);
        Rechenfall fall(geburtsjahr, satz);
        Druckaufzeichnung f;
        Berechnungsdruck druck(f, fall.tabelle.modell(), fall.stand.datensatz, "07.12.2025");
        druck.setzeRechnung(fall.stand.rechnung);
        ASSERT_TRUE(druck.berechnungdrucken().ok);
        QMap<int, int> jahreszeilen;
        int letzteJahresseite = 0;
        for (const auto& z : f.zeilen())
            if (z.stücke.value(0).text.contains(QRegularExpression(QStringLiteral("^20\\d\\d$")))) {
                ++jahreszeilen[z.seite];
                letzteJahresseite = z.seite;
            }
        const QString alles = umriss(f).join(u'\n');
        for (int seite = 1; seite <= f.seiten(); ++seite) {
            EXPECT_GT(jahreszeilen.value(seite), 0) << "Seite " << seite;
            if (seite > 1) {
                EXPECT_TRUE(alles.contains(QStringLiteral("\n%1|7000:Seite %1\n").arg(seite))) << seite;
                EXPECT_TRUE(
                    alles.contains(QStringLiteral("\n%1|7000:Forts. Seite %2\n").arg(seite - 1).arg(seite)));
            }
        }
        EXPECT_FALSE(alles.contains(QStringLiteral("Seite %1").arg(f.seiten() + 1)));
        EXPECT_EQ(f.zeilen().last().seite, f.seiten());
        EXPECT_EQ(f.zeilen().last().seite, letzteJahresseite);
    }
}

} // namespace
