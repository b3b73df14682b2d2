#include "core/webadresse.h"
#include "hilfen/dateihilfen.h"
#include "print/brieftext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// The letter text in a folder of its own.
class BrieftextTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    Dateiablage ablage;

    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(ordner.path())); }
    void TearDown() override { QDir::setCurrent(vorher); }
};

TEST_F(BrieftextTest, StandardtextByteFürByte)
{
    Brieftext text(ablage, "atvi.txt");
    lege("atvi.txt", {});
    ASSERT_TRUE(text.checken().ok);
    const QByteArray b = inhalt("atvi.txt");
    ASSERT_EQ(b.size(), 3135);
    auto satz = [&](int n) { return b.mid((n - 1) * 95, 95); };
    EXPECT_EQ(satz(2),
              QByteArray("Tarifvertrag Altersversorgung (ATV) vom 1. M\xE4rz 2002").leftJustified(95, ' '));
    EXPECT_EQ(satz(4), QByteArray(95, ' '));
    EXPECT_EQ(satz(17), QByteArray("  - Bonuspunkten aus \xDC"
                                   "bersch\xFC"
                                   "ssen der Versicherung,")
                            .leftJustified(95, ' '));
    EXPECT_EQ(satz(26), ("Sie finden dieses Programm auf der Internetseite " + Webadresse::host().toLatin1())
                            .leftJustified(95, ' '));
    EXPECT_EQ(satz(31),
              QByteArray("\"Riester-Rente\" oder eine Entgeltumwandlung aufstocken. Wir beraten Sie gerne.")
                  .leftJustified(95, ' '));
    EXPECT_EQ(satz(33), QByteArray("Mit freundlichen Gr\xFC\xDF"
                                   "en")
                            .leftJustified(95, ' '));
}

} // namespace
