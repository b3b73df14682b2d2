// Saves that fail at any step, are killed half-way or run out of room.
#include "hilfen/dateihilfen.h"
#include "hilfen/stoerablage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Schritt = Störablage::Schritt;
using Art = Störablage::Art;

struct Störung {
    Schritt schritt;
    Art art;
    qint64 nachBytes;
};

void PrintTo(const Störung& s, std::ostream* os)
{
    *os << "Schritt " << int(s.schritt) << ", Art " << int(s.art) << ", nach " << s.nachBytes << " Bytes";
}

// Every step with every kind of fault that step can meet; writes fail at the start, after
// one byte, at a record boundary and one byte before the end.
std::vector<Störung> alleStörungen()
{
    std::vector<Störung> liste;
    for (Art art : {Art::EAFehler, Art::PlatteVoll}) {
        for (Schritt s : {Schritt::Öffnen, Schritt::Leeren, Schritt::Synchronisieren, Schritt::Festschreiben})
            liste.push_back({s, art, 0});
    }
    for (Art art : {Art::KurzesSchreiben, Art::EAFehler, Art::PlatteVoll}) {
        for (qint64 n : {0, 1, 1753, 12270})
            liste.push_back({Schritt::Schreiben, art, n});
    }
    return liste;
}

class GestörtesSpeichern : public ::testing::TestWithParam<Störung>, protected Fallordner
{};

TEST_P(GestörtesSpeichern, MeldetFehlerUndLässtDieDateiStehen)
{
    const Störung s = GetParam();
    Dateiablage gut;
    {
        Falldatei anlegen(gut);
        ASSERT_TRUE(anlegen.öffnen(pfad()).ok);
    }
    const QByteArray vorher = lies(pfad());

    Störablage störung(s.schritt, s.art, s.nachBytes);
    Falldatei datei(störung);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    Datensatz d = datei.lesen(2);
    d.nachname = QStringLiteral("Neu");
    const auto e = datei.schreiben(2, d);
    ASSERT_TRUE(störung.ausgelöst());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("„atv.txt“ kann nicht gespeichert werden")))
        << e.meldung.toStdString();
    EXPECT_TRUE(e.meldung.contains(Störablage::erwarteterGrund(s.art))) << e.meldung.toStdString();
    EXPECT_EQ(lies(pfad()), vorher);
    EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList{QStringLiteral("atv.txt")});
    EXPECT_EQ(datei.abbild(), vorher);

    // The disk recovers: the same change goes through and nothing of the failure remains.
    const auto wieder = datei.schreiben(2, d);
    ASSERT_TRUE(wieder.ok) << wieder.meldung.toStdString();
    QByteArray erwartet = vorher;
    erwartet.replace(Datensatz::Länge, Datensatz::Länge, d.alsBytes());
    EXPECT_EQ(lies(pfad()), erwartet);
    EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList{QStringLiteral("atv.txt")});
}

TEST_P(GestörtesSpeichern, NeueDateiEntstehtNichtHalb)
{
    const Störung s = GetParam();
    Störablage störung(s.schritt, s.art, s.nachBytes);
    Falldatei datei(störung);
    const auto e = datei.öffnen(pfad());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(Störablage::erwarteterGrund(s.art))) << e.meldung.toStdString();
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("beendet")));
    EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Falldatei, GestörtesSpeichern, ::testing::ValuesIn(alleStörungen()),
                         [](const auto& info) {
                             const Störung& s = info.param;
                             return "Schritt" + std::to_string(int(s.schritt)) + "_Art" +
                                    std::to_string(int(s.art)) + "_nach" + std::to_string(s.nachBytes) +
                                    "Bytes";
                         });

// The copy made before the first change of an odd file fails the same way: then the file
// itself must not change either.
TEST(GestörteSicherung, OhneKopieKeineÄnderung)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    const QByteArray kurz = Falldatei::neuesAbbild().first(1000);
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kurz);
    }
    Störablage störung(Schritt::Schreiben, Art::PlatteVoll, 10);
    Falldatei datei(störung);
    ASSERT_TRUE(datei.öffnen(pfad).ok);
    const auto e = datei.schreiben(1, Datensatz::musterfall());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("atv.txt.bak"))) << e.meldung.toStdString();
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("kein Platz mehr frei"))) << e.meldung.toStdString();
    EXPECT_EQ(lies(pfad), kurz);
    EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList{QStringLiteral("atv.txt")});
    // Once the copy can be written, the change follows it.
    ASSERT_TRUE(datei.schreiben(1, Datensatz::musterfall()).ok);
    EXPECT_EQ(lies(pfad + QStringLiteral(".bak")), kurz);
}

// ---- a process killed while it saves ----

TEST(AbgebrochenesSpeichern, DateiIstImmerDasAlteOderDasNeueAbbild)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    const QByteArray alt = Falldatei::neuesAbbild();
    QByteArray neu = alt;
    neu.replace(3 * Datensatz::Länge, Datensatz::Länge, Datensatz::musterfall().alsBytes());
    Dateiablage ablage;
    ASSERT_TRUE(ablage.ersetzen(pfad, alt).ok);

    QRandomGenerator zufall(20020301);
    int abbrüche = 0, mittendrin = 0;
    QElapsedTimer uhr;
    uhr.start();
    while (abbrüche < 300 && uhr.elapsed() < 12000) {
        int rohr[2];
        ASSERT_EQ(::pipe(rohr), 0);
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            ::close(rohr[0]);
            Dateiablage a;
            for (unsigned runde = 0;; ++runde) {
                (void)a.ersetzen(pfad, runde % 2 ? alt : neu);
                if (runde == 0)
                    (void)!::write(rohr[1], "1", 1);
            }
        }
        ::close(rohr[1]);
        char zeichen;
        const bool gespeichert = ::read(rohr[0], &zeichen, 1) == 1; // the first save went through
        ::close(rohr[0]);
        ::usleep(zufall.bounded(4000u));
        ::kill(kind, SIGKILL);
        int status = 0;
        ::waitpid(kind, &status, 0);
        ++abbrüche;
        mittendrin += gespeichert && WIFSIGNALED(status);

        const QByteArray jetzt = lies(pfad);
        ASSERT_EQ(jetzt.size(), 12271) << "nach Abbruch " << abbrüche;
        ASSERT_TRUE(jetzt == alt || jetzt == neu) << "nach Abbruch " << abbrüche;
    }
    // Temporary files of killed saves may remain beside it; they never replace the file.
    const QStringList rest = ordnerinhalt(ordner.path());
    std::cout << "[ Zahlen  ] Abbrüche beim Speichern: " << abbrüche
              << ", mitten im Speichern: " << mittendrin
              << ", liegengebliebene Zwischendateien: " << rest.size() - 1 << std::endl;
    EXPECT_GE(abbrüche, 100);
}

// ---- a disk that is really full: the process may write only a few bytes ----

TEST(VolleFestplatte, UlimitLässtDieAlteDateiStehen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    Dateiablage ablage;
    const QByteArray alt = Falldatei::neuesAbbild();
    ASSERT_TRUE(ablage.ersetzen(pfad, alt).ok);

    for (const bool neuanlegen : {false, true}) {
        if (neuanlegen) {
            ASSERT_TRUE(QFile::remove(pfad));
        }
        int rohr[2];
        ASSERT_EQ(::pipe(rohr), 0);
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            ::close(rohr[0]);
            const rlimit grenze{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
            dateigrenzeAlsFehler(); // what the program does at its start
            Dateiablage a;
            Falldatei datei(a);
            Ergebnis e = datei.öffnen(pfad);
            if (e.ok) {
                Datensatz d = datei.lesen(1);
                d.vorname = QStringLiteral("Anna");
                e = datei.schreiben(1, d);
            }
            const QByteArray bericht = QByteArray(e.ok ? "1" : "0") + e.meldung.toUtf8();
            (void)!::write(rohr[1], bericht.constData(), size_t(bericht.size()));
            ::_exit(0);
        }
        ::close(rohr[1]);
        QByteArray bericht;
        char puffer[512];
        for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
            bericht.append(puffer, n);
        ::close(rohr[0]);
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "Kind durch Signal beendet: " << WTERMSIG(status);
        ASSERT_FALSE(bericht.isEmpty());
        EXPECT_EQ(bericht[0], '0') << "Speichern als gelungen gemeldet";
        const QString meldung = QString::fromUtf8(bericht.mid(1));
        EXPECT_TRUE(meldung.contains(QStringLiteral("Die Datei ist zu groß."))) << meldung.toStdString();
        if (neuanlegen) {
            EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList());
        } else {
            EXPECT_EQ(lies(pfad), alt);
            EXPECT_EQ(ordnerinhalt(ordner.path()), QStringList{QStringLiteral("atv.txt")});
        }
    }
}

} // namespace

// Whatever number or wording the system gives, the user reads a German sentence: every
// error number and every English text of the C library and of Qt comes out translated,
// ending with a full stop.
TEST(Systemgrund, JederGrundIstEinDeutscherSatz)
{
    QStringList englisch{"Filename refers to a directory", "No file engine available", "Unknown error", ""};
    for (int nummer = 1; nummer < 134; ++nummer)
        englisch << QString::fromLocal8Bit(std::strerror(nummer));
    for (int nummer = 1; nummer < 134; ++nummer) {
        const QString grund = systemgrund(nummer);
        EXPECT_TRUE(grund.endsWith(u'.') && !englisch.contains(grund))
            << nummer << ' ' << grund.toStdString();
    }
    for (const QString& text : englisch) {
        const QString grund = systemgrund(text + QStringLiteral(" (Datei atv.txt)"));
        EXPECT_TRUE(grund.endsWith(u'.') && !grund.contains(text.isEmpty() ? QStringLiteral("error") : text))
            << text.toStdString() << " -> " << grund.toStdString();
    }
}
