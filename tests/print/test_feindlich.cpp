// Hostile set-ups around the letter-text file and the PDF printouts.
#include "hilfen/dateihilfen.h"
#include "hilfen/fall.h"
#include "hilfen/nutzerwechsel.h"
#include "print/brieftext.h"
#include "print/drucksachen.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Schritt = std::function<void(const QString& ordner)>;

const QByteArray Standard = Brieftext::abbild(Brieftext::standardtext());

void riesig(const QString& pfad)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(3LL * 1024 * 1024 * 1024)); // sparse: takes no room on the disk
}

// ---- the letter-text file: give the default wording, read it, save it ----

enum class Schrittfehler { Keiner, Checken, Lesen, Speichern };

struct Brieffall {
    const char* name;
    bool zweiNutzer;
    Schritt vorbereiten;
    Schritt zwischendurch; // while the editor is open
    Schrittfehler scheitert;
    QStringList wörter;
    Schritt danach;
};

void PrintTo(const Brieffall& f, std::ostream* os)
{
    *os << f.name;
}

const Brieffall Brieffälle[] = {
    {"eigeneVerknuepfung",
     false,
     [](const QString& o) {
         QDir(o).mkdir(QStringLiteral("ablage"));
         lege(in(o, "ablage/brief.txt"), QByteArray(Brieftext::Solllänge, 'a'));
         verknüpfen(in(o, "ablage/brief.txt"), in(o, "atvi.txt"));
     },
     {},
     Schrittfehler::Keiner,
     {},
     [](const QString& o) {
         EXPECT_TRUE(QFileInfo(in(o, "atvi.txt")).isSymLink());
         EXPECT_EQ(lies(in(o, "ablage/brief.txt")), Standard);
     }},
    {"verknuepfungInsLeere",
     false,
     [](const QString& o) { verknüpfen(in(o, "fehlt.txt"), in(o, "atvi.txt")); },
     {},
     Schrittfehler::Checken,
     {"das es nicht gibt"},
     [](const QString& o) { EXPECT_FALSE(QFileInfo::exists(in(o, "fehlt.txt"))); }},
    {"pipe",
     false,
     [](const QString& o) { ASSERT_EQ(::mkfifo(QFile::encodeName(in(o, "atvi.txt")).constData(), 0666), 0); },
     {},
     Schrittfehler::Checken,
     {"eine Pipe"},
     {}},
    {"riesigUndDuenn",
     false,
     [](const QString& o) { riesig(in(o, "atvi.txt")); },
     {},
     Schrittfehler::Lesen,
     {"3221225472 Bytes groß", "nicht gelesen"},
     {}},
    {"wirdRiesigWaehrendOffen",
     false,
     [](const QString& o) { lege(in(o, "atvi.txt"), Standard); },
     [](const QString& o) { riesig(in(o, "atvi.txt")); },
     Schrittfehler::Speichern,
     {"Bytes groß", "nicht gespeichert"},
     {}},
    {"vonAndererHandGeaendert",
     false,
     [](const QString& o) { lege(in(o, "atvi.txt"), Standard); },
     [](const QString& o) { lege(in(o, "atvi.txt"), QByteArray(Brieftext::Solllänge, 'b')); },
     Schrittfehler::Speichern,
     {"außerhalb des Programms geändert", "neu gelesen"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "atvi.txt")), QByteArray(Brieftext::Solllänge, 'b')); }},
    {"dateiEinesAnderen",
     true,
     [](const QString& o) {
         lege(in(o, "atvi.txt"), Standard);
         Nutzerwechsel::setzeRechte(in(o, "atvi.txt"), 0666);
     },
     {},
     Schrittfehler::Speichern,
     {"gehört dem Benutzer „root“"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "atvi.txt")), Standard); }},
    {"verknuepfungEinesAnderen",
     true,
     [](const QString& o) {
         lege(in(o, "notizen.txt"), "Notizen");
         Nutzerwechsel::setzeRechte(in(o, "notizen.txt"), 0666);
         verknüpfen(in(o, "notizen.txt"), in(o, "atvi.txt"));
     },
     {},
     Schrittfehler::Speichern,
     {"Verknüpfung des Benutzers „root“"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "notizen.txt")), "Notizen"); }},
};

void briefPrüfen(const QString& ordner, const Brieffall& fall)
{
    Dateiablage ablage;
    Brieftext brief(ablage, in(ordner, "atvi.txt"));
    QStringList zeilen;
    QByteArray stand;
    Ergebnis e = brief.checken();
    Schrittfehler gescheitert = Schrittfehler::Checken;
    if (e.ok) {
        gescheitert = Schrittfehler::Lesen;
        e = brief.lesen(zeilen, &stand);
    }
    if (e.ok) {
        if (fall.zwischendurch) {
            ASSERT_NO_FATAL_FAILURE(fall.zwischendurch(ordner));
        }
        gescheitert = Schrittfehler::Speichern;
        e = brief.speichern(Brieftext::standardtext(), &stand);
        EXPECT_EQ(e.geändertVonAnderen, fall.wörter.contains(QStringLiteral("neu gelesen")));
    }
    EXPECT_EQ(e.ok ? Schrittfehler::Keiner : gescheitert, fall.scheitert) << e.meldung.toStdString();
    EXPECT_TRUE(nenntAlle(e.meldung, fall.wörter));
    if (fall.danach)
        fall.danach(ordner);
}

class FeindlicherBrieftext : public ::testing::TestWithParam<Brieffall>
{};

TEST_P(FeindlicherBrieftext, HängtNichtUndÜberschreibtNichtsFremdes)
{
    const Brieffall& fall = GetParam();
    Nutzerwechsel::einOderZweiNutzer(
        fall.zweiNutzer, [&](const QString& ordner) { fall.vorbereiten(ordner); },
        [&](const QString& ordner) { briefPrüfen(ordner, fall); });
}

INSTANTIATE_TEST_SUITE_P(Brieftext, FeindlicherBrieftext, ::testing::ValuesIn(Brieffälle),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the printout as a PDF file, when there is no printer ----

class OhneDrucker : public Drucksachen
{
public:
    using Drucksachen::Drucksachen;

protected:
    QString standarddrucker() const override { return {}; }
};

struct Druckfall {
    const char* name;
    Schritt vorbereiten; // in the current folder
    QStringList wörter;
    Schritt danach;
};

void PrintTo(const Druckfall& f, std::ostream* os)
{
    *os << f.name;
}

const char* const Pdf = "Berechnung-Fall1.pdf";

const Druckfall Druckfälle[] = {
    {"verknuepfungAufNotizen",
     [](const QString& o) {
         lege(in(o, "notizen.txt"), "Notizen");
         verknüpfen(in(o, "notizen.txt"), in(o, Pdf));
     },
     {"Verknüpfung", "notizen.txt"},
     [](const QString& o) { EXPECT_EQ(lies(in(o, "notizen.txt")), "Notizen"); }},
    {"verknuepfungInsLeere",
     [](const QString& o) { verknüpfen(in(o, "woanders.pdf"), in(o, Pdf)); },
     {"Verknüpfung"},
     [](const QString& o) { EXPECT_FALSE(QFileInfo::exists(in(o, "woanders.pdf"))); }},
    {"pipe",
     [](const QString& o) { ASSERT_EQ(::mkfifo(QFile::encodeName(in(o, Pdf)).constData(), 0666), 0); },
     {"eine Pipe"},
     {}},
    {"ordner", [](const QString& o) { QDir(o).mkdir(QString::fromUtf8(Pdf)); }, {"ein Ordner"}, {}},
    {"aktuellerOrdnerGeloescht",
     [](const QString& o) {
         QDir(o).mkdir(QStringLiteral("weg"));
         ASSERT_TRUE(QDir::setCurrent(in(o, "weg")));
         ASSERT_TRUE(QDir(o).rmdir(QStringLiteral("weg")));
     },
     {"nicht mehr erreichbar"},
     [](const QString&) { EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/") + QString::fromUtf8(Pdf))); }},
};

class FeindlicherAusdruck : public ::testing::TestWithParam<Druckfall>
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    Rechenfall fall;
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(ordner.path())); }
    void TearDown() override { QDir::setCurrent(vorher); }
};

TEST_P(FeindlicherAusdruck, PdfNurAlsEigeneDateiInEinemBenennbarenOrdner)
{
    const Druckfall& d = GetParam();
    ASSERT_FALSE(QFileInfo::exists(QStringLiteral("/") + QString::fromUtf8(Pdf)));
    ASSERT_NO_FATAL_FAILURE(d.vorbereiten(ordner.path()));
    OhneDrucker drucksachen(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    (void)drucksachen.berechnungdrucken();
    ASSERT_EQ(fall.meldungen.protokoll.size(), 1);
    const auto& m = fall.meldungen.protokoll.front();
    EXPECT_EQ(m.art, "fehler");
    EXPECT_TRUE(m.text.contains("PDF-Datei")) << m.text.toStdString();
    EXPECT_TRUE(nenntAlle(m.text, d.wörter));
    if (d.danach)
        d.danach(ordner.path());
}

INSTANTIATE_TEST_SUITE_P(Pdf, FeindlicherAusdruck, ::testing::ValuesIn(Druckfälle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
