#include "core/tabellentext.h"

#include <gtest/gtest.h>

namespace {

TEST(Tabellentext, CsvFürTabellenprogrammeUndZurück)
{
    const QByteArray csv = Tabellentext::alsCsv(
        {{u"Jahr"_qs, u"Jahresentgelt (ATV-pflichtig)"_qs, u"Meß;betrag"_qs, u"Bonuspunkte"_qs},
         {u"2010"_qs, u"41250,00"_qs, u"4,00"_qs, u"0,25"_qs}});
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBFJahr;Jahresentgelt (ATV-pflichtig);\"Meß;betrag\";Bonuspunkte\r\n"
                              "2010;41250,00;4,00;0,25\r\n"));
    const auto zurück = Tabellentext::entgelteLesen(csv, 2002, 2050);
    ASSERT_EQ(zurück.werte.size(), 1);
    EXPECT_EQ(zurück.werte[0].entgelt.alsText(2), u"41250,00"_qs);
    EXPECT_EQ(zurück.werte[0].bonus->alsText(2), u"0,25"_qs);
    EXPECT_TRUE(zurück.probleme.isEmpty()) << zurück.probleme.join(u'\n').toStdString();
}

TEST(Tabellentext, EntgeltdateiNenntJedesProblemMitZeile)
{
    // Windows-1252 (a "€" is 0x80), tabs and semicolons mixed, a heading without names we know.
    const QByteArray datei = "Jahre\tGeld\n"
                             "2010;41.250,00 \x80\n"
                             "2011\t4500.50\t0,25\n"
                             "\n"
                             "1999;30000\n"
                             "2010;1\n"
                             "20x1;1\n"
                             "2012;abc\n"
                             "2013;5;-1\n"
                             "2014;\n";
    const auto gelesen = Tabellentext::entgelteLesen(datei, 2002, 2050);
    ASSERT_EQ(gelesen.werte.size(), 2);
    EXPECT_EQ(gelesen.werte[0].zeile, 2);
    EXPECT_EQ(gelesen.werte[0].entgelt.alsText(2), u"41250,00"_qs);
    EXPECT_FALSE(gelesen.werte[0].bonus.has_value());
    EXPECT_EQ(gelesen.werte[1].jahr, 2011);
    EXPECT_EQ(gelesen.werte[1].bonus->alsText(2), u"0,25"_qs);
    const QStringList erwartet{u"Zeile 5: Das Jahr 1999"_qs,
                               u"Zeile 6: Das Jahr 2010 steht schon in Zeile 2"_qs,
                               u"Zeile 7: „20x1“ ist kein Jahr"_qs, u"Zeile 8: „abc“ ist keine Zahl"_qs,
                               u"Zeile 9: Bonuspunkte: Bonuspunkte können nicht negativ sein"_qs};
    ASSERT_EQ(gelesen.probleme.size(), erwartet.size()) << gelesen.probleme.join(u'\n').toStdString();
    for (qsizetype k = 0; k < erwartet.size(); ++k)
        EXPECT_TRUE(gelesen.probleme[k].startsWith(erwartet[k])) << gelesen.probleme[k].toStdString();
}

TEST(Tabellentext, ZwischenablageWieTabellenprogramme)
{
    EXPECT_EQ(Tabellentext::alsZwischenablage({{u"1"_qs, u"2"_qs}, {u"3"_qs, u"4"_qs}}), u"1\t2\n3\t4\n"_qs);
    const QList<QStringList> spalte{{u"41.250,00"_qs}, {u""_qs}, {u"4500"_qs}};
    EXPECT_EQ(Tabellentext::ausZwischenablage(u"41.250,00\r\n\r\n4500\r\n"_qs), spalte);
    EXPECT_EQ(Tabellentext::ausZwischenablage(u"1\t2\r3"_qs),
              (QList<QStringList>{{u"1"_qs, u"2"_qs}, {u"3"_qs}}));
    EXPECT_TRUE(Tabellentext::ausZwischenablage(u"\n"_qs).isEmpty());
}

} // namespace
