// Hostile set-ups around the case file: links, pipes, devices, other users' files, other
// writers, leftovers of a killed save.
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

} // namespace
