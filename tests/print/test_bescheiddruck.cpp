#include "core/datensatz.h"
#include "hilfen/umriss.h"
#include "print/bescheiddruck.h"
#include "print/brieftext.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

// The default wording as the file holds it: every line 95 characters wide.
QStringList gespeicherterText()
{
    QStringList z;
    for (const QString& s : Brieftext::standardtext())
        z.append(s.leftJustified(Brieftext::Satzlänge, u' '));
    return z;
}

// The letter's lines, each trimmed at its end (the records print with their blanks).
QStringList brief(const Datensatz& satz, const QStringList& text = gespeicherterText(),
                  const char* rente = "793", QChar trenner = u',')
{
    Druckaufzeichnung f;
    EXPECT_TRUE(
        Bescheiddruck(f, satz, text, Festkomma::ausText(QString::fromUtf8(rente)), trenner, "07.12.2025")
            .Bescheiddrucken()
            .ok);
    EXPECT_EQ(f.zeilen().size(), 56);
    EXPECT_EQ(f.zeilen().value(15).stücke.value(0).schrift, "Times New Roman");
    QStringList u = umriss(f);
    for (QString& z : u) {
        while (z.endsWith(u' '))
            z.chop(1);
    }
    return u;
}

TEST(Bescheiddruck, MusterbriefZeileFürZeile)
{
    const QStringList u = brief(Datensatz::ausBytes(Datensatz::musterfall().alsBytes()));
    EXPECT_EQ(u.mid(14, 10),
              QStringList({"1", "1|1320:Frau", "1|1320:Hedwig Wendler", "1|1320:Ulmenbergstrasse 9",
                           "1|9480:07.12.2025", "1|1320:12345 Musterort", "1", "1", "1",
                           "1|*1050:Ihre Zuvoranversicherung nach dem"}));
    EXPECT_EQ(u.mid(24, 11),
              QStringList({"1|*1050:Tarifvertrag Altersversorgung (ATV) vom 1. März 2002",
                           "1|1320:Ihre Versicherungsnummer: ATV-120366M1234", "1", "1",
                           "1|1320:Sehr geehrte Frau Wendler,", "1",
                           "1|1320:Ihre Anwartschaft auf Zuvora wegen Alters wird ab dem 65. Lebensjahr nach",
                           "1|1320:beiliegender Hochrechnung", "1|*5880:793,00 Euro", "1|1320:betragen.",
                           "1|1320:"}));
    EXPECT_EQ(u[37], "1|1320:  - Jahresentgelten,");
    EXPECT_EQ(u[55], "1|1320:Mit freundlichen Grüßen");
}

TEST(Bescheiddruck, UngenutzteZeilenErscheinenNieUndKurzerTextGibtLeereZeilen)
{
    QStringList text = gespeicherterText();
    for (int n : {4, 5, 6, 7, 10})
        text[n - 1] = QStringLiteral("UNGENUTZT");
    text[0] = "   Kopf eins   ";
    text[2] = "  Versicherungsnr.:  ";
    const QStringList u = brief(Datensatz::musterfall(), text);
    EXPECT_FALSE(u.join("").contains("UNGENUTZT"));
    EXPECT_EQ(u[23], "1|*1050:Kopf eins");
    EXPECT_EQ(u[25], "1|1320:Versicherungsnr.: ATV-120366M1234");
    EXPECT_EQ(u[28], "1|1320:Sehr geehrte Frau Wendler,");

    const QStringList kurz = brief(Datensatz::musterfall(), text.first(2));
    EXPECT_EQ(kurz[25], "1|1320: ATV-120366M1234");
    EXPECT_EQ(kurz[55], "1|1320:");
}

TEST(Bescheiddruck, AnredeNurFrauGenauSoGeschriebenIstWeiblich)
{
    const std::pair<const char*, const char*> fälle[] = {{"Frau ", "Sehr geehrte Frau Wendler,"},
                                                         {"frau", "Sehr geehrter frau Wendler,"},
                                                         {"Herr ", "Sehr geehrter Herr Wendler,"},
                                                         {"     ", "Sehr geehrter  Wendler,"}};
    for (const auto& [anrede, erwartet] : fälle) {
        Datensatz satz = Datensatz::musterfall();
        satz.anrede = anrede;
        EXPECT_EQ(brief(satz)[28], QStringLiteral("1|1320:") + QString::fromUtf8(erwartet));
    }
}

TEST(Bescheiddruck, BetragMitZweiStellenUndRegionalemTrenner)
{
    const std::tuple<const char*, QChar, const char*> fälle[] = {{"0", u',', "0,00"},
                                                                 {"1234.5", u',', "1234,50"},
                                                                 {"12345.005", u',', "12345,01"},
                                                                 {"793", u'.', "793.00"}};
    for (const auto& [rente, trenner, erwartet] : fälle)
        EXPECT_EQ(brief(Datensatz::musterfall(), gespeicherterText(), rente, trenner)[32],
                  QStringLiteral("1|*5880:%1 Euro").arg(erwartet));
}

TEST(Bescheiddruck, JedeArtDesRentenbeginnsNenntIhrAlterAuchInEinerAltenDatei)
{
    // The wording as files of earlier versions hold it, which must print right unedited.
    QStringList alt = gespeicherterText();
    alt[7] = QStringLiteral("Ihre Anwartschaft auf Zuvora wegen Altes wird ab dem 65. Lebenajahr nach")
                 .leftJustified(Brieftext::Satzlänge, u' ');
    struct Fall {
        std::optional<Rentenbeginn::Alter> alter;
        const char *ab, *vor, *bis;
    };
    const Fall fälle[] = {
        {std::nullopt, "ab dem 65. Lebenajahr nach", "vor dem 65. Lebensjahr", "bis zum 65. Lebensjahr"},
        {Rentenbeginn::Alter{67, 0}, "ab dem 67. Lebensjahr nach", "vor dem 67. Lebensjahr",
         "bis zum 67. Lebensjahr"},
        {Rentenbeginn::Alter{63, 0}, "ab dem 63. Lebensjahr nach", "vor dem 63. Lebensjahr",
         "bis zum 63. Lebensjahr"},
        {Rentenbeginn::Alter{66, 4}, "ab dem Alter von 66 Jahren und 4 Monaten nach",
         "vor dem Alter von 66 Jahren und 4 Monaten", "bis zum Alter von 66 Jahren und 4 Monaten"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.ab);
        Druckaufzeichnung d;
        const Datensatz satz = Datensatz::musterfall();
        Bescheiddruck brief(d, satz, alt, Festkomma::ausText(QStringLiteral("900")), u',',
                            QStringLiteral("07.12.2025"));
        if (f.alter)
            brief.setzeRentenalter(*f.alter);
        ASSERT_TRUE(brief.Bescheiddrucken().ok);
        const QString text = umriss(d).join(u'\n');
        for (const char* erwartet : {f.ab, f.vor, f.bis})
            EXPECT_TRUE(text.contains(QString::fromUtf8(erwartet))) << erwartet;
        EXPECT_EQ(text.count(QStringLiteral("65. Leben")), f.alter ? 0 : 3);
    }
}

} // namespace
