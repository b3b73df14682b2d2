// Hostile set-ups around the lock file: garbled, stale, foreign, unreadable, links, pipes,
// devices, and a lock deleted while the program runs.
#include "core/sperre.h"
#include "hilfen/dateihilfen.h"
#include "hilfen/nutzerwechsel.h"

#include <QElapsedTimer>
#include <QSysInfo>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Voll = Falldatei::neuesAbbild();

struct Sperrfall {
    const char* name;
    std::function<void(const QString& sperrdatei)> anlegen;
    bool übernommen;
    QStringList wörter;
    bool zweiNutzer = false; // set up by root, met by "nobody"
};

void PrintTo(const Sperrfall& f, std::ostream* os)
{
    *os << f.name;
}

void schreibe(const QString& pfad, const QByteArray& bytes)
{
    lege(pfad, bytes);
}

const Sperrfall Sperrfälle[] = {
    {"leer", [](const QString& p) { schreibe(p, {}); }, true, {}},
    {"text", [](const QString& p) { schreibe(p, "Bitte nicht anfassen\n"); }, true, {}},
    {"prozessNull",
     [](const QString& p) { schreibe(p, "0\nzuvora\n" + QSysInfo::machineHostName().toUtf8()); },
     true,
     {}},
    {"prozessNegativ",
     [](const QString& p) { schreibe(p, "-42\nzuvora\n" + QSysInfo::machineHostName().toUtf8()); },
     true,
     {}},
    {"verknuepfungInsLeere", [](const QString& p) { verknüpfen(p + QStringLiteral(".fehlt"), p); }, true, {}},
    {"leererOrdner", [](const QString& p) { QDir().mkdir(p); }, true, {}},
    {"riesig",
     [](const QString& p) {
         QFile f(p);
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         ASSERT_TRUE(f.resize(200LL * 1024 * 1024));
     },
     true,
     {}},
    {"pipe",
     [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0666), 0); },
     false,
     {"keine gewöhnliche Datei", "Bitte löschen Sie", "atv.txt.lock“"}},
    {"verknuepfungAufNullgeraet",
     [](const QString& p) { verknüpfen(QStringLiteral("/dev/zero"), p); },
     false,
     {"Verknüpfung auf „/dev/zero“", "Bitte löschen Sie"}},
    {"unlesbarEinesAnderen",
     [](const QString& p) {
         schreibe(p, "4242\nzuvora\n" + QSysInfo::machineHostName().toUtf8());
         Nutzerwechsel::setzeRechte(p, 0600);
     },
     false,
     {"gehört dem Benutzer „root“", "bereits geöffnet"},
     true},
    {"vollerOrdner",
     [](const QString& p) {
         QDir().mkdir(p);
         schreibe(p + QStringLiteral("/inhalt"), "x");
     },
     false,
     {"ein Ordner", "Bitte löschen Sie"}},
};

class FeindlicheSperrdatei : public ::testing::TestWithParam<Sperrfall>
{};

TEST_P(FeindlicheSperrdatei, HängtNieUndSperrtNiemandenAus)
{
    const Sperrfall& fall = GetParam();
    const auto vorbereiten = [&](const QString& ordner) {
        fall.anlegen(Sperre::sperrpfad(in(ordner, "atv.txt")));
    };
    Nutzerwechsel::einOderZweiNutzer(fall.zweiNutzer, vorbereiten, [&](const QString& ordner) {
        const QString pfad = in(ordner, "atv.txt");
        QElapsedTimer uhr;
        uhr.start();
        Sperre s;
        const mode_t umask = ::umask(077);
        const Sperre::Ergebnis e = s.nehmen(pfad);
        ::umask(umask);
        EXPECT_LT(uhr.elapsed(), 2000);
        EXPECT_EQ(e.ok, fall.übernommen) << e.meldung.toStdString();
        EXPECT_EQ(s.gehalten(), fall.übernommen);
        EXPECT_TRUE(nenntAlle(e.meldung, fall.wörter));
        // Deleting is advised only where the row expects it: never for a lock that may be held.
        EXPECT_EQ(e.meldung.contains(QStringLiteral("löschen")),
                  fall.wörter.join(u' ').contains(QStringLiteral("löschen")))
            << e.meldung.toStdString();
        if (fall.übernommen) {
            // Ours now, readable for the others whatever the umask; a second start is kept out.
            EXPECT_EQ(status(Sperre::sperrpfad(pfad)).st_mode & 0777, 0644u);
            Sperre zweite;
            EXPECT_FALSE(zweite.nehmen(pfad).ok);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Sperre, FeindlicheSperrdatei, ::testing::ValuesIn(Sperrfälle),
                         [](const auto& info) { return std::string(info.param.name); });

// Deleting the lock file lets a second copy start; the first then saves nothing more, and
// takes its lock again once the second has gone.
TEST(GelöschteSperrdatei, ErsteKopieSpeichertNichtMehrNebenDerZweiten)
{
    QTemporaryDir ordner;
    const QString pfad = in(ordner.path(), "atv.txt");
    Sperre erste;
    ASSERT_TRUE(erste.nehmen(pfad).ok);
    Dateiablage ablage;
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad).ok);
    datei.setzeSperre(&erste);
    ASSERT_TRUE(QFile::remove(Sperre::sperrpfad(pfad)));
    {
        Sperre zweite;
        ASSERT_TRUE(zweite.nehmen(pfad).ok);
        const Ergebnis e = datei.schreiben(1, Datensatz::grundstellung());
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.contains(QStringLiteral("wurde gelöscht"))) << e.meldung.toStdString();
        EXPECT_TRUE(e.meldung.contains(QStringLiteral("bereits geöffnet"))) << e.meldung.toStdString();
        EXPECT_EQ(lies(pfad), Voll);
    }
    EXPECT_TRUE(datei.schreiben(1, Datensatz::grundstellung()).ok);
    EXPECT_TRUE(QFile::exists(Sperre::sperrpfad(pfad)));
}

} // namespace
