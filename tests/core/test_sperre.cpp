// One program per folder.
#include "core/sperre.h"
#include "hilfen/dateihilfen.h"
#include "hilfen/nutzerwechsel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SperreTest : public ::testing::Test, protected Fallordner
{};

TEST_F(SperreTest, ZweiterStartErfährtWerDieFälleHält)
{
    Sperre erste;
    ASSERT_TRUE(erste.nehmen(pfad()).ok);
    EXPECT_TRUE(erste.gehalten());
    EXPECT_TRUE(QFile::exists(pfad() + QStringLiteral(".lock")));

    Sperre zweite;
    const auto e = zweite.nehmen(pfad());
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(zweite.gehalten());
    EXPECT_TRUE(nenntAlle(
        e.meldung, {QStringLiteral("bereits geöffnet"),
                    QStringLiteral("Prozess %1").arg(QCoreApplication::applicationPid()),
                    QStringLiteral("„%1“").arg(QSysInfo::machineHostName()),
                    QStringLiteral("„%1“").arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName()),
                    QStringLiteral("beendet")}));
    // Only this computer's own processes can be checked; no advice to delete the lock here.
    EXPECT_FALSE(e.meldung.contains(QStringLiteral("löschen")));
}

TEST_F(SperreTest, FreigegebeneSperreKannWiederGenommenWerden)
{
    {
        Sperre erste;
        ASSERT_TRUE(erste.nehmen(pfad()).ok);
    }
    EXPECT_FALSE(QFile::exists(pfad() + QStringLiteral(".lock")));
    Sperre zweite;
    EXPECT_TRUE(zweite.nehmen(pfad()).ok);
}

TEST_F(SperreTest, SperreEinesGetötetenProzessesWirdÜbernommen)
{
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::close(rohr[0]);
        Sperre s;
        const bool ok = s.nehmen(pfad()).ok;
        (void)!::write(rohr[1], ok ? "1" : "0", 1);
        for (;;)
            ::pause();
    }
    ::close(rohr[1]);
    char gesperrt = 0;
    ASSERT_EQ(::read(rohr[0], &gesperrt, 1), 1);
    ::close(rohr[0]);
    ASSERT_EQ(gesperrt, '1');

    Sperre während;
    const auto e = während.nehmen(pfad());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("Prozess %1").arg(kind))) << e.meldung.toStdString();

    ::kill(kind, SIGKILL);
    ::waitpid(kind, nullptr, 0);
    ASSERT_TRUE(QFile::exists(pfad() + QStringLiteral(".lock"))); // left behind by the killed process
    Sperre danach;
    const auto übernommen = danach.nehmen(pfad());
    EXPECT_TRUE(übernommen.ok) << übernommen.meldung.toStdString();
    EXPECT_TRUE(danach.gehalten());
}

TEST_F(SperreTest, SperreVonAnderemRechnerBleibtMitHinweis)
{
    QFile f(pfad() + QStringLiteral(".lock"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("4711\nzuvora\nbuero-pc-2\nandere-maschine\nanderer-start\n");
    f.close();
    Sperre s;
    const auto e = s.nehmen(pfad());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("Prozess 4711"))) << e.meldung.toStdString();
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("„buero-pc-2“")));
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("löschen Sie die Datei „atv.txt.lock“")));
    EXPECT_TRUE(f.exists());
}

// In a folder nobody may write, no second program could change anything either.
TEST(SperreOhneRechte, SchreibgeschützterOrdnerStartetOhneSperre)
{
    const auto prüfen = [](const QString& ordner) {
        Sperre s;
        const auto e = s.nehmen(ordner + QStringLiteral("/atv.txt"));
        EXPECT_TRUE(e.ok);
        EXPECT_TRUE(e.meldung.isEmpty()) << e.meldung.toStdString();
        EXPECT_FALSE(s.gehalten());
    };
    Nutzerwechsel::ohneRechte([](const QString& ordner) { Nutzerwechsel::setzeRechte(ordner, 0555); },
                              prüfen);
}

} // namespace
