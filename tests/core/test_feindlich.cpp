// Hostile set-ups around the case file and its lock file: links, pipes, devices, other
// users' files, other writers, leftovers of a killed save, garbled locks.
#include "core/meldungen.h"
#include "core/sperre.h"
#include "hilfen/dateihilfen.h"
#include "hilfen/nutzerwechsel.h"
#include "hilfen/stoerablage.h"

#include <QElapsedTimer>
#include <QSysInfo>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Schritt = std::function<void(const QString& ordner)>;

const QByteArray Voll = Falldatei::neuesAbbild();

QString in(const QString& ordner, const char* name)
{
    return ordner + u'/' + QString::fromUtf8(name);
}

void verknüpfen(const QString& ziel, const QString& link)
{
    ASSERT_EQ(::symlink(QFile::encodeName(ziel).constData(), QFile::encodeName(link).constData()), 0);
}

struct stat status(const QString& pfad)
{
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(pfad).constData(), &st), 0) << pfad.toStdString();
    return st;
}

struct Falldateifall {
    const char* name;
    bool zweiNutzer;       // set up by root, opened and saved by "nobody"
    Schritt vorbereiten;   // before the program opens the file
    Schritt zwischendurch; // while the program runs, before its save
    bool öffnenGeht, speichernGeht;
    QStringList wörter; // in the messages of opening and saving
    Schritt danach;
    bool ja = false;                  // the answer to a question before the save
    bool ordnerSyncScheitert = false; // with an I/O error after the rename
};

void PrintTo(const Falldateifall& f, std::ostream* os)
{
    *os << f.name;
}

const Falldateifall Falldateifälle[] = {
    {"eigeneVerknuepfung",
     false,
     [](const QString& o) {
         QDir(o).mkdir(QStringLiteral("ablage"));
         lege(in(o, "ablage/faelle.txt"), Voll);
         verknüpfen(in(o, "ablage/faelle.txt"), in(o, "atv.txt"));
     },
     {},
     true,
     true,
     {},
     [](const QString& o) {
         EXPECT_TRUE(QFileInfo(in(o, "atv.txt")).isSymLink());
         EXPECT_NE(lies(in(o, "ablage/faelle.txt")), Voll);
         EXPECT_EQ(lies(in(o, "ablage/faelle.txt")).size(), Voll.size());
     }},
    {"verknuepfungInsLeere",
     false,
     [](const QString& o) { verknüpfen(in(o, "fehlt/atv.txt"), in(o, "atv.txt")); },
     {},
     false,
     false,
     {"das es nicht gibt", "fehlt/atv.txt"},
     [](const QString& o) { EXPECT_FALSE(QFileInfo::exists(in(o, "fehlt"))); }},
    {"pipeStattDatei",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) {
         QFile::remove(in(o, "atv.txt"));
         ASSERT_EQ(::mkfifo(QFile::encodeName(in(o, "atv.txt")).constData(), 0666), 0);
     },
     true,
     false,
     {"eine Pipe", "nicht gespeichert"},
     [](const QString& o) { EXPECT_TRUE(S_ISFIFO(status(in(o, "atv.txt")).st_mode)); }},
    {"ordnerStattDatei",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) {
         QFile::remove(in(o, "atv.txt"));
         QDir(o).mkdir(QStringLiteral("atv.txt"));
     },
     true,
     false,
     {"ein Ordner"},
     [](const QString& o) { EXPECT_TRUE(QFileInfo(in(o, "atv.txt")).isDir()); }},
    {"verknuepfungAufGeraet",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) {
         QFile::remove(in(o, "atv.txt"));
         verknüpfen(QStringLiteral("/dev/null"), in(o, "atv.txt"));
     },
     true,
     false,
     {"/dev/null", "ein Gerät"},
     {}},
    {"harteVerknuepfung",
     false,
     [](const QString& o) {
         lege(in(o, "atv.txt"), Voll);
         ASSERT_EQ(::link(QFile::encodeName(in(o, "atv.txt")).constData(),
                          QFile::encodeName(in(o, "zweitname.txt")).constData()),
                   0);
     },
     {},
     true,
     true,
     {},
     [](const QString& o) {
         // The other name keeps the old bytes: the save puts a new file in place of the name.
         EXPECT_EQ(lies(in(o, "zweitname.txt")), Voll);
         EXPECT_NE(lies(in(o, "atv.txt")), Voll);
     }},
    {"eigentuemerUndRechteBleiben",
     false,
     [](const QString& o) {
         lege(in(o, "atv.txt"), Voll);
         if (::geteuid() == 0) {
             ASSERT_EQ(::chown(QFile::encodeName(in(o, "atv.txt")).constData(), 65534, 65534), 0);
         }
         Nutzerwechsel::setzeRechte(in(o, "atv.txt"), 0640);
     },
     {},
     true,
     true,
     {},
     [](const QString& o) {
         const struct stat st = status(in(o, "atv.txt"));
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         if (::geteuid() == 0) {
             EXPECT_EQ(st.st_uid, 65534u);
         }
     }},
    {"vonAndererHandGeaendert",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) {
         QByteArray fremd = Voll;
         fremd.replace(2 * Datensatz::Länge + 5, 5, "Fremd");
         lege(in(o, "atv.txt"), fremd);
     },
     true,
     false,
     {"außerhalb des Programms geändert", "neu gelesen"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "atv.txt")).mid(2 * Datensatz::Länge + 5, 5), "Fremd"); }},
    {"vonAussenGeleert",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) { lege(in(o, "atv.txt"), {}); },
     true,
     false,
     {"geleert (0 Bytes)", "noch im Speicher", "„atv.txt.gerettet“"},
     [](const QString& o) {
         EXPECT_EQ(lies(in(o, "atv.txt")), QByteArray());
         EXPECT_EQ(lies(in(o, "atv.txt.gerettet")), Voll);
     }},
    {"vonAussenGekuerztJa",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) { lege(in(o, "atv.txt"), Voll.first(5000)); },
     true,
     true,
     {"5000 Bytes lang", "Sollen sie mit Ihrer Änderung"},
     [](const QString& o) {
         EXPECT_EQ(lies(in(o, "atv.txt")).sliced(Datensatz::Länge + 20, 4), "Neu ");
         EXPECT_EQ(lies(in(o, "atv.txt.bak")), Voll.first(5000));
     },
     true},
    {"vonAussenGeloescht",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     [](const QString& o) { QFile::remove(in(o, "atv.txt")); },
     true,
     false,
     {"gelöscht", "benennen Sie „atv.txt.gerettet“ in „atv.txt“ um"},
     [](const QString& o) {
         EXPECT_FALSE(QFileInfo::exists(in(o, "atv.txt")));
         EXPECT_EQ(lies(in(o, "atv.txt.gerettet")), Voll);
     }},
    {"ordnerSyncScheitertNachDemUmbenennen",
     false,
     [](const QString& o) { lege(in(o, "atv.txt"), Voll); },
     {},
     true,
     true,
     {"wurde gespeichert, aber noch nicht sicher", "Ein-/Ausgabefehler", "Kopie"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "atv.txt")).sliced(Datensatz::Länge + 20, 4), "Neu "); },
     false,
     true},
    {"zwischendateiEinesAbbruchs",
     false,
     [](const QString& o) {
         lege(in(o, "atv.txt"), Voll);
         lege(in(o, "atv.txt.Ab12Cd"), Voll.first(100));
     },
     {},
     true,
     true,
     {"„atv.txt.Ab12Cd“ (100 Bytes", "löscht sie nicht"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "atv.txt.Ab12Cd")), Voll.first(100)); }},
    {"dateiEinesAnderen",
     true,
     [](const QString& o) {
         lege(in(o, "atv.txt"), Voll);
         Nutzerwechsel::setzeRechte(in(o, "atv.txt"), 0666);
     },
     {},
     true,
     false,
     {"gehört dem Benutzer „root“", "nicht gespeichert"},
     [](const QString& o) {
         EXPECT_EQ(lies(in(o, "atv.txt")), Voll);
         EXPECT_EQ(status(in(o, "atv.txt")).st_uid, 0u);
     }},
    {"verknuepfungEinesAnderen",
     true,
     [](const QString& o) {
         lege(in(o, "notizen.txt"), Voll);
         Nutzerwechsel::setzeRechte(in(o, "notizen.txt"), 0666);
         verknüpfen(in(o, "notizen.txt"), in(o, "atv.txt"));
     },
     {},
     true,
     false,
     {"Verknüpfung des Benutzers „root“", "nicht gespeichert"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "notizen.txt")), Voll); }},
    {"verknuepfungEinesAnderenInsLeere",
     true,
     [](const QString& o) { verknüpfen(in(o, "woanders.txt"), in(o, "atv.txt")); },
     {},
     false,
     false,
     {"Verknüpfung des Benutzers „root“"},
     [](const QString& o) { EXPECT_FALSE(QFileInfo::exists(in(o, "woanders.txt"))); }},
};

// Answers every question as the case says and keeps its text with the other messages.
struct Antwort : Meldungen {
    bool ja;
    QString gefragt;
    explicit Antwort(bool j) : ja(j) {}
    void hinweis(const QString&, const QString&) override {}
    void fehler(const QString&) override {}
    bool frage(const QString& text, const QString&) override
    {
        gefragt += text;
        return ja;
    }
};

void feindlichPrüfen(const QString& ordner, const Falldateifall& fall)
{
    const QString pfad = in(ordner, "atv.txt");
    Störablage ablage(fall.ordnerSyncScheitert ? Störablage::Schritt::OrdnerSynchronisieren
                                               : Störablage::Schritt::Keiner,
                      Störablage::Art::EAFehler);
    Falldatei datei(ablage);
    Antwort antwort(fall.ja);
    datei.setzeMeldungen(&antwort);
    const Ergebnis e = datei.öffnen(pfad);
    ASSERT_EQ(e.ok, fall.öffnenGeht) << e.meldung.toStdString();
    QString meldungen = e.meldung;
    if (e.ok) {
        if (fall.zwischendurch) {
            ASSERT_NO_FATAL_FAILURE(fall.zwischendurch(ordner));
        }
        Datensatz d = datei.lesen(2);
        d.nachname = QStringLiteral("Neu");
        const Ergebnis s = datei.schreiben(2, d);
        EXPECT_EQ(s.ok, fall.speichernGeht) << s.meldung.toStdString();
        meldungen += u'\n' + antwort.gefragt + u'\n' + s.meldung;
        // A save that is in the file is the program's own copy, and so is a file read again;
        // the next save goes through.
        if (s.geändertVonAnderen || s.ok) {
            EXPECT_EQ(datei.abbild(), lies(pfad));
        }
        if (s.ok) {
            EXPECT_TRUE(datei.schreiben(2, d).ok);
        }
    }
    EXPECT_TRUE(nenntAlle(meldungen, fall.wörter));
    if (fall.danach)
        fall.danach(ordner);
}

class FeindlicheFalldatei : public ::testing::TestWithParam<Falldateifall>
{};

TEST_P(FeindlicheFalldatei, NichtsWirdÜberschriebenWasNichtDemNutzerGehört)
{
    const Falldateifall& fall = GetParam();
    Nutzerwechsel::einOderZweiNutzer(
        fall.zweiNutzer, [&](const QString& ordner) { fall.vorbereiten(ordner); },
        [&](const QString& ordner) { feindlichPrüfen(ordner, fall); });
}

INSTANTIATE_TEST_SUITE_P(Falldatei, FeindlicheFalldatei, ::testing::ValuesIn(Falldateifälle),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the lock file ----

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
