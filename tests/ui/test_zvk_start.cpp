// Start-up of the main window in a folder as the user may have left it.
#include "core/sperre.h"
#include "hilfen/dateihilfen.h"
#include "hilfen/nutzerwechsel.h"
#include "hilfen/prueffenster.h"
#include "hilfen/seitenelemente.h"
#include "table/tabellenaufbau.h"

#include <QComboBox>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// Every box must have been expected; each is answered with OK and recorded.
void erwarteMeldungen(int anzahl)
{
    Nachrichten::nurVorbereiteteAntworten(true);
    Nachrichten::gezeigte().clear();
    for (int k = 0; k < anzahl; ++k)
        Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
}

QString gezeigt()
{
    QStringList texte;
    for (const auto& g : Nachrichten::gezeigte())
        texte.append(g.text);
    return texte.join(u'\n');
}

struct Fensterstart {
    const char* name;
    std::optional<QByteArray> bytes; // none: no file; empty: a folder of that name
    bool ordnerStattDatei;
    bool geht;
    int meldungen;
    const char* wort;         // in the messages
    const char* bediensteter; // the name shown when the window opens
};

void PrintTo(const Fensterstart& f, std::ostream* os)
{
    *os << f.name;
}

const QByteArray Voll = Falldatei::neuesAbbild();

const Fensterstart Fensterstarts[] = {
    {"fehlt", std::nullopt, false, true, 0, "", "  Hedwig Wendler"},
    {"vollstaendig", Voll, false, true, 0, "", "  Hedwig Wendler"},
    {"kurz", Voll.first(1000), false, true, 1, "1000 Bytes", "  Hedwig Wendler"},
    {"alles0xFF", QByteArray(12271, '\xff'), false, true, 1, "Kinder- oder Monatszahlen",
     "  \u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff "
     "\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff\u00ff"
     "\u00ff\u00ff\u00ff"},
    {"ordner", std::nullopt, true, false, 1, "ist ein Ordner", nullptr},
};

class FensterStart : public ::testing::TestWithParam<Fensterstart>
{};

TEST_P(FensterStart, ZeigtFallEinsOderEndetMitMeldung)
{
    const Fensterstart& fall = GetParam();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    if (fall.bytes)
        lege(pfad, *fall.bytes);
    if (fall.ordnerStattDatei) {
        ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("atv.txt")));
    }
    erwarteMeldungen(fall.meldungen);
    {
        Prueffenster fenster;
        EXPECT_EQ(fenster.Form_Load(pfad), fall.geht);
        EXPECT_EQ(Nachrichten::gezeigte().size(), fall.meldungen) << gezeigt().toStdString();
        EXPECT_TRUE(gezeigt().contains(QString::fromUtf8(fall.wort))) << gezeigt().toStdString();
        if (fall.geht) {
            EXPECT_EQ(fenster.bediensteter()->text(), QString::fromUtf8(fall.bediensteter));
            EXPECT_TRUE(fenster.rentenkopf()->text().endsWith(QStringLiteral(" €")));
            if (fall.bytes) {
                EXPECT_EQ(lies(pfad), *fall.bytes);
            }
        }
    }
    // Only the lock was added while the window was open, and it goes with the window.
    EXPECT_FALSE(QFile::exists(pfad + QStringLiteral(".lock")));
}

INSTANTIATE_TEST_SUITE_P(ZVK, FensterStart, ::testing::ValuesIn(Fensterstarts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZweitesFenster, EndetOhneDieDateienZuBerühren)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    erwarteMeldungen(0);
    Prueffenster erstes;
    ASSERT_TRUE(erstes.Form_Load(pfad));
    const QStringList vorher = ordnerinhalt(ordner.path());
    const QByteArray bytes = lies(pfad);
    const QDateTime geändert = QFileInfo(pfad).lastModified();

    erwarteMeldungen(1);
    {
        Prueffenster zweites;
        EXPECT_FALSE(zweites.Form_Load(pfad));
    }
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_TRUE(gezeigt().contains(QStringLiteral("bereits geöffnet"))) << gezeigt().toStdString();
    EXPECT_TRUE(gezeigt().contains(QStringLiteral("Prozess %1").arg(QCoreApplication::applicationPid())));
    EXPECT_EQ(ordnerinhalt(ordner.path()), vorher);
    EXPECT_EQ(lies(pfad), bytes);
    EXPECT_EQ(QFileInfo(pfad).lastModified(), geändert);
    // The first window still holds the folder.
    EXPECT_TRUE(QFile::exists(pfad + QStringLiteral(".lock")));
}

TEST(ZweitesFenster, LegtKeineFalldateiAn)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    Sperre anderesProgramm;
    ASSERT_TRUE(anderesProgramm.nehmen(pfad).ok);
    erwarteMeldungen(1);
    Prueffenster fenster;
    EXPECT_FALSE(fenster.Form_Load(pfad));
    EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList{QStringLiteral("atv.txt.lock")});
}

// Children and months the boxes do not offer, from a file written elsewhere: the panel shows
// 0 for them and the record keeps its bytes until the user transfers the year.
TEST(FremdeWerte, PanelZeigtUnmöglicheAnzahlenAlsNull)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    Datensatz d = Datensatz::musterfall();
    const int i = 6; // 2007, row 10
    d.kinder1[i] = 9;
    d.monate1[i] = -3;
    d.kinder2[i] = 3;
    d.monate2[i] = 32767;
    QByteArray bytes = Falldatei::neuesAbbild();
    bytes.replace(0, Datensatz::Länge, d.alsBytes());
    lege(pfad, bytes);

    erwarteMeldungen(1);
    Prueffenster fenster;
    ASSERT_TRUE(fenster.Form_Load(pfad));
    EXPECT_TRUE(gezeigt().contains(QStringLiteral("bei Fall 1 Kinder- oder Monatszahlen")))
        << gezeigt().toStdString();
    Sozialpanel& panel = *fenster.sozialpanel();
    panel.öffnen(Jahreszeile::von(2007));
    ASSERT_TRUE(panel.offen());
    EXPECT_EQ(elemente(panel).kinderanzahl1()->currentIndex(), 0);
    EXPECT_EQ(elemente(panel).monateanzahl1()->currentIndex(), 0);
    EXPECT_EQ(elemente(panel).kinderanzahl2()->currentIndex(), 3);
    EXPECT_EQ(elemente(panel).monateanzahl2()->currentIndex(), 0);
    panel.Abbrechen_Click();
    EXPECT_EQ(lies(pfad), bytes);
}

// As an ordinary user in a folder that cannot be written: the cases can be looked at.
TEST(FensterOhneRechte, SchreibgeschützterOrdnerZeigtDieFälle)
{
    const auto prüfen = [](const QString& ordner) {
        erwarteMeldungen(1);
        Prueffenster fenster;
        EXPECT_TRUE(fenster.Form_Load(ordner + QStringLiteral("/atv.txt")));
        EXPECT_TRUE(gezeigt().contains(QStringLiteral("Der Ordner"))) << gezeigt().toStdString();
        EXPECT_EQ(fenster.bediensteter()->text(), QStringLiteral("  Hedwig Wendler"));
    };
    const auto vorbereiten = [](const QString& ordner) {
        ASSERT_NO_FATAL_FAILURE(lege(ordner + QStringLiteral("/atv.txt"), Falldatei::neuesAbbild()));
        ASSERT_NO_FATAL_FAILURE(Nutzerwechsel::setzeRechte(ordner + QStringLiteral("/atv.txt"), 0666));
        Nutzerwechsel::setzeRechte(ordner, 0555);
    };
    Nutzerwechsel::ohneRechte(vorbereiten, prüfen);
}

} // namespace
