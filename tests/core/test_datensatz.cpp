#include "core/datensatz.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

TEST(Datensatz, LeererSatzSindBlankUndNullen)
{
    const QByteArray b = Datensatz::grundstellung().alsBytes();
    ASSERT_EQ(b.size(), 1753);
    EXPECT_EQ(b.first(145), QByteArray(145, ' '));
    EXPECT_EQ(b.sliced(145), QByteArray(1608, '\0'));
}

TEST(Datensatz, MusterfallByteFürByte)
{
    const QByteArray b = Datensatz::musterfall().alsBytes();
    ASSERT_EQ(b.size(), 1753);
    EXPECT_EQ(b.first(5), QByteArray("Frau "));
    EXPECT_EQ(b.sliced(5, 15), QByteArray("Hedwig         "));
    EXPECT_EQ(b.sliced(40, 2), QByteArray("1 "));
    EXPECT_EQ(b.sliced(42, 9), QByteArray("1        "));
    EXPECT_EQ(b.sliced(51, 4), QByteArray("1985"));
    EXPECT_EQ(b.sliced(55, 30), QByteArray("ATV-120366M1234").leftJustified(30, ' '));
    EXPECT_EQ(b.sliced(145, 8), QByteArray(8, '\0'));
    const QByteArray dreißigtausend("\x00\xA3\xE1\x11\x00\x00\x00\x00", 8);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(b.sliced(153 + 8 * i, 8), dreißigtausend) << i;
    EXPECT_EQ(b.sliced(553), QByteArray(1200, '\0'));
}

TEST(Datensatz, TexteWerdenGekürztUndAufgefüllt)
{
    Datensatz d = Datensatz::grundstellung();
    d.vorname = QStringLiteral("Maximilianusabcdefg"); // 19 characters
    d.nachname = QStringLiteral("Müller");
    const Datensatz zurück = Datensatz::ausBytes(d.alsBytes());
    EXPECT_EQ(zurück.vorname, QStringLiteral("Maximilianusabc"));
    EXPECT_EQ(zurück.vorname.trimmed().size(), 15);
    EXPECT_EQ(zurück.nachname, QStringLiteral("Müller").leftJustified(20, u' '));
    // One byte per character: ü is 0xFC in Windows-1252.
    EXPECT_EQ(d.alsBytes().sliced(20, 6), QByteArray("M\xFCller"));
}

TEST(Datensatz, ZahlenLittleEndianUndRundreise)
{
    Datensatz d = Datensatz::grundstellung();
    d.startgutschrift = Festkomma::ausText(u"123,4567");
    d.bonuspunkte[50] = Festkomma::ausRoh(-1);
    d.kinder1[1] = 6;
    d.monate2[50] = -2;
    const QByteArray b = d.alsBytes();
    EXPECT_EQ(b.sliced(145, 8), QByteArray("\x87\xD6\x12\x00\x00\x00\x00\x00", 8)); // 1,234,567
    EXPECT_EQ(b.sliced(953 + 49 * 8, 8), QByteArray(8, '\xFF'));
    EXPECT_EQ(b.sliced(1353, 2), QByteArray("\x06\x00", 2));
    EXPECT_EQ(b.sliced(1653 + 98, 2), QByteArray("\xFE\xFF", 2));
    EXPECT_EQ(Datensatz::ausBytes(b), d);
}

TEST(Datensatz, AlleBytesÜberlebenDieRundreise)
{
    // Any 1753 bytes read and written again give the same bytes, texts included.
    QByteArray b(1753, '\0');
    for (int k = 0; k < b.size(); ++k)
        b[k] = char((k * 37 + 11) & 0xFF);
    for (int k = 0; k < 145; ++k)
        b[k] = char(k + 111); // all values from 111 to 255 in the texts
    EXPECT_EQ(Datensatz::ausBytes(b).alsBytes(), b);
    QByteArray alle(256, '\0');
    for (int k = 0; k < 256; ++k)
        alle[k] = char(k);
    EXPECT_EQ(Zeichensatz::kodieren(Zeichensatz::dekodieren(alle)), alle);
}

TEST(Datensatz, KurzeBytesLesenSichAlsLeererRest)
{
    const QByteArray b = Datensatz::musterfall().alsBytes().first(100);
    const Datensatz d = Datensatz::ausBytes(b);
    EXPECT_EQ(d.vorname.trimmed(), QStringLiteral("Hedwig"));
    EXPECT_EQ(d.wohnort, QString(30, u' '));
    EXPECT_EQ(d.jahresentgelt[1].roh(), 0);
}

TEST(Zeichensatz, SpeicherbareZeichen)
{
    EXPECT_TRUE(Zeichensatz::speicherbar(u'a'));
    EXPECT_TRUE(Zeichensatz::speicherbar(u'ß'));
    EXPECT_TRUE(Zeichensatz::speicherbar(QChar(0x20AC)));  // euro sign
    EXPECT_FALSE(Zeichensatz::speicherbar(QChar(0x0141))); // Ł
    EXPECT_FALSE(Zeichensatz::speicherbar(QChar(0x4E2D)));
}

// The program's own table agrees with Qt's converter on every byte and on every character
// the code page has, so that files written before keep reading as they did. A character
// without a place is one '?', a surrogate pair too (Qt's converter writes the control
// character SUB there, which shows in no field).
TEST(Zeichensatz, WieQtsWindows1252)
{
    QByteArray alle(256, '\0');
    for (int k = 0; k < 256; ++k)
        alle[k] = char(k);
    EXPECT_EQ(Zeichensatz::dekodieren(alle), QStringDecoder("windows-1252").decode(alle));
    int mitPlatz = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QChar z{char16_t(c)};
        QStringEncoder qt("windows-1252", QStringEncoder::Flag::Stateless);
        const QByteArray b = qt.encode(QStringView(&z, 1));
        const bool hatPlatz = !qt.hasError() && b.size() == 1;
        mitPlatz += hatPlatz;
        ASSERT_EQ(Zeichensatz::speicherbar(z), hatPlatz) << std::hex << unsigned(c);
        ASSERT_EQ(Zeichensatz::kodieren(QStringView(&z, 1)), hatPlatz ? b : QByteArray("?"))
            << std::hex << unsigned(c);
    }
    EXPECT_EQ(mitPlatz, 256);
    EXPECT_EQ(Zeichensatz::kodieren(QStringLiteral("Stra\u00DFe \U0001F600\U0001F600 12\u20AC")),
              QByteArray("Stra\xDF"
                         "e ?? 12\x80"));
}

} // namespace
