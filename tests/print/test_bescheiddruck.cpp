#include "bescheiddruck.h"
#include "brieftext.h"
#include "datensatz.h"
#include "druckaufzeichnung.h"

#include <gtest/gtest.h>

namespace {

struct Brief {
    Druckaufzeichnung fläche;
    bool ok;
    Brief(const Datensatz& satz, const QStringList& zeilen, Festkomma rente = Festkomma::ausText(u"793"))
        : ok(Bescheiddruck(fläche, satz, zeilen, rente, u',', "07.12.2025").Bescheiddrucken())
    {
    }
    const QList<Druckaufzeichnung::Zeile>& z() const { return fläche.zeilen(); }
};

// The default wording as the file holds it: every line 95 characters wide.
QStringList gespeicherterText()
{
    QStringList z;
    for (const QString& s : Brieftext::standardtext())
        z.append(s.leftJustified(Brieftext::Satzlänge, u' '));
    return z;
}

constexpr double Spalte = 120; // a column of Times 12 on the recorder

TEST(Bescheiddruck, MusterbriefZeileFürZeile)
{
    Brief b(Datensatz::ausBytes(Datensatz::musterfall().alsBytes()), gespeicherterText());
    ASSERT_TRUE(b.ok);
    const auto& z = b.z();
    ASSERT_EQ(z.size(), 56);
    EXPECT_EQ(b.fläche.seiten(), 1);
    EXPECT_EQ(b.fläche.orientierung(), Druckfläche::Hochformat);
    for (int i = 0; i < 15; ++i)
        EXPECT_TRUE(z[i].stücke.isEmpty()) << i;

    EXPECT_EQ(z[15].text(), "Frau ");
    EXPECT_EQ(z[15].stücke[0].x, 11 * Spalte);
    EXPECT_EQ(z[15].stücke[0].schrift, "Times New Roman");
    EXPECT_FALSE(z[15].stücke[0].fett);
    EXPECT_EQ(z[16].text(), "Hedwig Wendler");
    EXPECT_EQ(z[17].text().trimmed(), "Ulmenbergstrasse 9");
    EXPECT_EQ(z[18].text(), "07.12.2025");
    EXPECT_EQ(z[18].stücke[0].x, 79 * Spalte);
    EXPECT_EQ(z[19].text().trimmed(), "12345 Musterort");
    for (int i = 20; i < 23; ++i)
        EXPECT_TRUE(z[i].stücke.isEmpty()) << i;

    EXPECT_EQ(z[23].text(), "Ihre Zuvoranversicherung nach dem");
    EXPECT_EQ(z[24].text(), "Tarifvertrag Altersversorgung (ATV) vom 1. März 2002");
    for (int i : {23, 24}) {
        EXPECT_EQ(z[i].stücke[0].x, 1050);
        EXPECT_TRUE(z[i].stücke[0].fett);
    }
    EXPECT_EQ(z[25].text().trimmed(), "Ihre yVersicherungsnummer: ATV-120366M1234");
    EXPECT_FALSE(z[25].stücke[0].fett);
    EXPECT_EQ(z[28].text(), "Sehr geehrte Frau Wendler,");
    EXPECT_EQ(z[30].text().trimmed(), "Ihre Anwartschaft auf Zuvora wegen Altes wird ab dem 65. Lebenajahr nach");
    EXPECT_EQ(z[31].text().trimmed(), "beiliegender Hochrechnung");

    EXPECT_EQ(z[32].text(), "793,00 Euro");
    EXPECT_EQ(z[32].stücke[0].x, 49 * Spalte);
    EXPECT_TRUE(z[32].stücke[0].fett);
    EXPECT_EQ(z[33].text().trimmed(), "betragen.");
    EXPECT_FALSE(z[33].stücke[0].fett);
    // Records keep their leading blanks and their width.
    EXPECT_EQ(z[37].text(), gespeicherterText()[14]);
    EXPECT_TRUE(z[37].text().startsWith("  - yJahresentgelten,"));
    EXPECT_EQ(z[55].text().trimmed(), "Mit freundlichen Grüßen");
}

TEST(Bescheiddruck, UngenutzteZeilenErscheinenNie)
{
    QStringList text = gespeicherterText();
    for (int n : {4, 5, 6, 7, 10})
        text[n - 1] = QStringLiteral("UNGENUTZT%1").arg(n);
    text[0] = "   Kopf eins   ";
    text[2] = "  Versicherungsnr.:  ";
    Brief b(Datensatz::musterfall(), text);
    ASSERT_EQ(b.z().size(), 56);
    for (const auto& zeile : b.z())
        EXPECT_FALSE(zeile.text().contains("UNGENUTZT")) << zeile.text().toStdString();
    EXPECT_EQ(b.z()[23].text(), "Kopf eins");
    EXPECT_EQ(b.z()[25].text().trimmed(), "Versicherungsnr.: ATV-120366M1234");
    EXPECT_EQ(b.z()[28].text(), "Sehr geehrte Frau Wendler,");
}

TEST(Bescheiddruck, FehlendeZeilenWerdenLeerGedruckt)
{
    const QStringList kurz = gespeicherterText().first(2);
    Brief b(Datensatz::musterfall(), kurz);
    ASSERT_EQ(b.z().size(), 56);
    EXPECT_EQ(b.z()[24].text(), "Tarifvertrag Altersversorgung (ATV) vom 1. März 2002");
    EXPECT_TRUE(b.z()[25].text().startsWith(" ATV-120366M1234"));
    EXPECT_EQ(b.z()[55].text().trimmed(), "");
}

struct Anredefall {
    const char* anrede;
    const char* erwartet;
};

class Anrede : public ::testing::TestWithParam<Anredefall>
{
};

TEST_P(Anrede, NurFrauGenauSoGeschriebenIstWeiblich)
{
    Datensatz satz = Datensatz::musterfall();
    satz.anrede = QString::fromUtf8(GetParam().anrede);
    EXPECT_EQ(Bescheiddruck::anrede(satz), QString::fromUtf8(GetParam().erwartet));
    Brief b(satz, gespeicherterText());
    EXPECT_EQ(b.z()[28].text(), QString::fromUtf8(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(Anreden, Anrede,
                         ::testing::Values(Anredefall{"Frau ", "Sehr geehrte Frau Wendler,"},
                                           Anredefall{"frau", "Sehr geehrter frau Wendler,"},
                                           Anredefall{"Herr ", "Sehr geehrter Herr Wendler,"},
                                           Anredefall{"     ", "Sehr geehrter  Wendler,"},
                                           Anredefall{" Dr.", "Sehr geehrter Dr. Wendler,"}));

struct Betragsfall {
    const char* rente;
    QChar trenner;
    const char* erwartet;
};

class Betrag : public ::testing::TestWithParam<Betragsfall>
{
};

TEST_P(Betrag, ZweiStellenMitDemRegionalenTrenner)
{
    Druckaufzeichnung f;
    Bescheiddruck(f, Datensatz::musterfall(), gespeicherterText(), Festkomma::ausText(QString::fromUtf8(GetParam().rente)),
                  GetParam().trenner, "1.1.25")
        .Bescheiddrucken();
    EXPECT_EQ(f.zeilen()[32].text(), QString::fromUtf8(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(Beträge, Betrag,
                         ::testing::Values(Betragsfall{"0", u',', "0,00 Euro"}, Betragsfall{"1234.5", u',', "1234,50 Euro"},
                                           Betragsfall{"12345.005", u',', "12345,01 Euro"},
                                           Betragsfall{"793", u'.', "793.00 Euro"}));

} // namespace
