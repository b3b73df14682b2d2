#include "hilfen/dateihilfen.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FalldateiTest : public ::testing::Test, protected Fallordner
{
protected:
    Dateiablage ablage;
};

TEST_F(FalldateiTest, FehlendeUndLeereDateiWerdenAngelegt)
{
    for (bool leerVorhanden : {false, true}) {
        QFile::remove(pfad());
        if (leerVorhanden)
            lege(pfad(), {});
        Falldatei datei(ablage);
        const auto e = datei.öffnen(pfad());
        ASSERT_TRUE(e.ok) << e.meldung.toStdString();
        EXPECT_TRUE(e.meldung.isEmpty());
        const QByteArray b = lies(pfad());
        ASSERT_EQ(b.size(), 12271);
        EXPECT_EQ(b.first(1753), Datensatz::musterfall().alsBytes());
        for (int n = 2; n <= 7; ++n)
            EXPECT_EQ(b.sliced((n - 1) * 1753, 1753), Datensatz::grundstellung().alsBytes());
        EXPECT_EQ(datei.lesen(1), Datensatz::musterfall());
    }
}

TEST_F(FalldateiTest, VorhandeneDateiBleibtUnberührt)
{
    // Even a blank record 1 is not replaced by the sample case.
    QByteArray alt;
    for (int n = 1; n <= 7; ++n)
        alt += Datensatz::grundstellung().alsBytes();
    lege(pfad(), alt);
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    EXPECT_EQ(lies(pfad()), alt);
}

TEST_F(FalldateiTest, SchreibenErsetztNurDenEinenSatz)
{
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    Datensatz d = datei.lesen(3);
    d.nachname = QStringLiteral("Beispiel");
    ASSERT_TRUE(datei.schreiben(3, d).ok);
    const QByteArray b = lies(pfad());
    ASSERT_EQ(b.size(), 12271);
    EXPECT_EQ(b.sliced(2 * 1753, 1753), d.alsBytes());
    QByteArray erwartet = Falldatei::neuesAbbild();
    erwartet.replace(2 * 1753, 1753, d.alsBytes());
    EXPECT_EQ(b, erwartet);
    EXPECT_EQ(datei.abbild(), b);
}

TEST_F(FalldateiTest, FehlgeschlagenesSpeichernLässtDieDateiStehen)
{
    Falldatei erst(ablage);
    ASSERT_TRUE(erst.öffnen(pfad()).ok);
    const QByteArray vorher = lies(pfad());

    VolleAblage voll;
    Falldatei datei(voll);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    Datensatz d = datei.lesen(1);
    d.vorname = QStringLiteral("Anna");
    const auto e = datei.schreiben(1, d);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("nicht gespeichert"))) << e.meldung.toStdString();
    EXPECT_EQ(lies(pfad()), vorher);
    EXPECT_EQ(datei.lesen(1).vorname.trimmed(), QStringLiteral("Hedwig"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("atv.txt")});
}

TEST_F(FalldateiTest, KurzeDateiWirdVorDerÄnderungGesichert)
{
    const QByteArray kurz = Datensatz::musterfall().alsBytes() + QByteArray("abc");
    lege(pfad(), kurz);
    Falldatei datei(ablage);
    const auto e = datei.öffnen(pfad());
    ASSERT_TRUE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("1756 Bytes"))) << e.meldung.toStdString();
    EXPECT_EQ(datei.lesen(7), Datensatz::grundstellung());
    EXPECT_EQ(lies(pfad()), kurz);

    Datensatz d = Datensatz::grundstellung();
    d.nachname = QStringLiteral("Sieben");
    ASSERT_TRUE(datei.schreiben(7, d).ok);
    EXPECT_EQ(lies(pfad() + QStringLiteral(".bak")), kurz);
    const QByteArray neu = lies(pfad());
    ASSERT_EQ(neu.size(), 12271);
    EXPECT_EQ(neu.first(1756), kurz);
    EXPECT_EQ(datei.lesen(7).alsBytes(), d.alsBytes());
}

TEST_F(FalldateiTest, OrdnerStattDateiWirdAbgelehnt)
{
    QDir(ordner.path()).mkdir(QStringLiteral("atv.txt"));
    Falldatei datei(ablage);
    const auto e = datei.öffnen(pfad());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("Ordner")));
}

} // namespace
