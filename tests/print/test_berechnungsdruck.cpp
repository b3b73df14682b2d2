#include "berechnungsdruck.h"
#include "druckaufzeichnung.h"
#include "fall.h"

#include <gtest/gtest.h>

namespace {

using Zeile = Druckaufzeichnung::Zeile;

const QString Linie120(120, u'_');
const QString Linie150(150, u'_');

struct Ausdruck {
    Druckaufzeichnung fläche;
    bool ok;
    Ausdruck(Rechenfall& fall, int orientierung = Druckfläche::Hochformat)
        : fläche(orientierung),
          ok(Berechnungsdruck(fläche, fall.tabelle.modell(), fall.stand.datensatz, "07.12.2025").berechnungdrucken())
    {
    }
    const QList<Zeile>& zeilen() const { return fläche.zeilen(); }
    int finde(const QString& text, int ab = 0) const
    {
        for (int i = ab; i < zeilen().size(); ++i) {
            if (zeilen()[i].text() == text)
                return i;
        }
        return -1;
    }
    // The line that prints table row `zeile`, found by its year in column 0.
    int jahreszeile(int zeile) const
    {
        for (int i = 0; i < zeilen().size(); ++i) {
            const auto& s = zeilen()[i].stücke;
            if (!s.isEmpty() && s[0].x == 0 && s[0].text == QString::number(zeile + 1997))
                return i;
        }
        return -1;
    }
};

TEST(Berechnungsdruck, KopfUndErsteSeite)
{
    Rechenfall fall(Rechenfall::geburtsjahrFürLetzteZeile(26));
    Ausdruck a(fall);
    ASSERT_TRUE(a.ok);
    EXPECT_TRUE(a.fläche.beendet());
    EXPECT_EQ(a.fläche.orientierung(), Druckfläche::Querformat);
    EXPECT_EQ(a.fläche.seiten(), 1);
    const auto& z = a.zeilen();
    ASSERT_EQ(z.size(), 38);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(z[i].stücke.isEmpty()) << i;

    ASSERT_EQ(z[4].stücke.size(), 1);
    EXPECT_EQ(z[4].stücke[0].x, 5500);
    EXPECT_EQ(z[4].stücke[0].text, "Zuvoranversicherung für Hedwig Wendler");
    EXPECT_TRUE(z[4].stücke[0].fett);
    EXPECT_EQ(z[4].stücke[0].schrift, "Arial");
    EXPECT_EQ(z[4].stücke[0].größe, 12);

    ASSERT_EQ(z[5].stücke.size(), 2);
    EXPECT_EQ(z[5].stücke[0].text, "Hochrechnung bis zum 65. Lebensjahr");
    EXPECT_TRUE(z[5].stücke[0].fett);
    EXPECT_EQ(z[5].stücke[1].x, 14000);
    EXPECT_EQ(z[5].stücke[1].text, "07.12.2025");
    EXPECT_FALSE(z[5].stücke[1].fett);

    EXPECT_TRUE(z[6].stücke.isEmpty());
    EXPECT_EQ(z[7].text(), Linie120);
    EXPECT_TRUE(z[8].stücke.isEmpty());
    EXPECT_EQ(z[9].stücke[0].text, "Jahr");
    EXPECT_EQ(z[11].stücke[2].text, "(ATV-pflichtig) ");
    // The heading is closed by the long rule and a blank line before the year 2001.
    EXPECT_EQ(z[12].text(), Linie150);
    EXPECT_TRUE(z[13].stücke.isEmpty());
    EXPECT_EQ(a.jahreszeile(4), 14);
    EXPECT_EQ(a.jahreszeile(26), 36);
    EXPECT_EQ(z[37].text(), Linie120);
    EXPECT_EQ(a.finde("Forts. Seite 2"), -1);
    EXPECT_EQ(a.finde("Seite 2"), -1);
    for (int i = 6; i < z.size(); ++i) {
        for (const auto& s : z[i].stücke)
            EXPECT_FALSE(s.fett) << i;
    }
}

TEST(Berechnungsdruck, SpaltenUndZweiLeerzeichenAbDerZeile2002)
{
    Rechenfall fall;
    // A text in row 2001 keeps its place exactly, only the years from 2002 are indented.
    fall.tabelle.modell().setzeText(4, 1, "X");
    fall.tabelle.modell().setzeText(4, 4, "Y");
    Ausdruck a(fall);
    const auto& zeile2001 = a.zeilen()[a.jahreszeile(4)];
    const auto& zeile2002 = a.zeilen()[a.jahreszeile(5)];

    QList<double> x;
    for (const auto& s : zeile2002.stücke)
        x.append(s.x);
    ASSERT_EQ(x.size(), 24);
    for (int spalte = 0; spalte < 24; ++spalte)
        EXPECT_EQ(x[spalte], Berechnungsdruck::Spaltenx[std::size_t(spalte)]) << spalte;
    EXPECT_EQ(x[23], 14900);
    EXPECT_EQ(zeile2002.stücke[1].text, "  17");
    EXPECT_EQ(zeile2002.stücke[4].text, "  2500,00");
    EXPECT_EQ(zeile2002.stücke[2].text, "30000,00");
    EXPECT_EQ(zeile2002.stücke[23].text, "31,00");

    auto text = [&](double xPos) {
        for (const auto& s : zeile2001.stücke) {
            if (s.x == xPos)
                return s.text;
        }
        return QStringLiteral("<leer>");
    };
    EXPECT_EQ(text(600), "X");
    EXPECT_EQ(text(3000), "Y");
    EXPECT_EQ(text(14700), "=");
}

struct Umbruchfall {
    int letzteZeile;
};

class Seitenumbruch : public ::testing::TestWithParam<Umbruchfall>
{
};

TEST_P(Seitenumbruch, AbZeile27AllesAufSeite2UnterWiederholtemKopf)
{
    const int letzte = GetParam().letzteZeile;
    Rechenfall fall(Rechenfall::geburtsjahrFürLetzteZeile(letzte));
    Ausdruck a(fall);
    EXPECT_EQ(a.fläche.seiten(), 2);
    const auto& z = a.zeilen();

    const int forts = a.finde("Forts. Seite 2");
    ASSERT_GT(forts, 0);
    EXPECT_EQ(z[forts].stücke[0].x, 7000);
    EXPECT_EQ(z[forts].seite, 1);
    EXPECT_TRUE(z[forts - 1].stücke.isEmpty());
    EXPECT_EQ(z[forts - 2].text(), Linie120);
    EXPECT_EQ(a.jahreszeile(26), forts - 3);
    EXPECT_EQ(z[a.jahreszeile(26)].seite, 1);

    // Page 2: three blank lines, the page number, the heading between two long rules.
    const int s2 = forts + 1;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(z[s2 + i].seite, 2);
        EXPECT_TRUE(z[s2 + i].stücke.isEmpty());
    }
    EXPECT_EQ(z[s2 + 3].text(), "Seite 2");
    EXPECT_EQ(z[s2 + 3].stücke[0].x, 7000);
    EXPECT_TRUE(z[s2 + 4].stücke.isEmpty());
    EXPECT_EQ(z[s2 + 5].text(), Linie150);
    EXPECT_TRUE(z[s2 + 6].stücke.isEmpty());
    EXPECT_EQ(z[s2 + 7].stücke[0].text, "Jahr");
    EXPECT_EQ(z[s2 + 9].stücke[21].text, "Euro ");
    EXPECT_EQ(z[s2 + 10].text(), Linie150);
    EXPECT_TRUE(z[s2 + 11].stücke.isEmpty());
    EXPECT_EQ(a.jahreszeile(27), s2 + 12);
    EXPECT_EQ(a.jahreszeile(letzte), s2 + 12 + letzte - 27);
    EXPECT_EQ(z.last().text(), Linie120);
    EXPECT_EQ(z.last().seite, 2);
    EXPECT_EQ(z.size(), s2 + 12 + letzte - 27 + 2);
}

INSTANTIATE_TEST_SUITE_P(Tabellenlängen, Seitenumbruch,
                         ::testing::Values(Umbruchfall{27}, Umbruchfall{28}, Umbruchfall{53}));

TEST(Berechnungsdruck, QuerformatBleibtUndAndereWerteWerdenNichtBerührt)
{
    Rechenfall fall;
    for (int vorher : {Druckfläche::Querformat, 0, 3}) {
        Ausdruck a(fall, vorher);
        EXPECT_EQ(a.fläche.orientierung(), vorher);
    }
}

TEST(Berechnungsdruck, LeereNamenLassenEinLeerzeichenStehen)
{
    Datensatz satz = Datensatz::musterfall();
    satz.vorname = "   ";
    satz.nachname.clear();
    Rechenfall fall(1985, satz);
    Ausdruck a(fall);
    EXPECT_EQ(a.zeilen()[4].text(), "Zuvoranversicherung für  ");
}

} // namespace
