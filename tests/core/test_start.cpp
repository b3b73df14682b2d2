// Opening "atv.txt" whatever lies in the folder under that name.
#include "hilfen/dateihilfen.h"
#include "hilfen/nutzerwechsel.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr int L = Datensatz::Länge;

enum class Art { Bytes, Fehlt, Ordner, Fifo, Riesig };

struct Startfall {
    const char* name;
    Art art;
    QByteArray bytes;
    bool geht;           // the program goes on
    QStringList meldung; // words the user must read; empty: no message at all
};

void PrintTo(const Startfall& f, std::ostream* os)
{
    *os << f.name;
}

// Record n as the file holds it: a short or missing tail reads as the blank record's.
QByteArray satzAus(const QByteArray& datei, int n)
{
    QByteArray satz = Datensatz::grundstellung().alsBytes();
    const qsizetype anfang = qsizetype(n - 1) * L;
    if (anfang < datei.size()) {
        const QByteArray teil = datei.mid(anfang, L);
        satz.replace(0, teil.size(), teil);
    }
    return satz;
}

QStringList inhaltOhne(const QString& ordner, const QString& außer = {})
{
    QStringList namen = ordnerinhalt(ordner);
    namen.removeAll(außer);
    return namen;
}

void erwarteMeldung(const Ergebnis& e, const QStringList& wörter)
{
    if (wörter.isEmpty()) {
        EXPECT_TRUE(e.meldung.isEmpty()) << e.meldung.toStdString();
    }
    EXPECT_TRUE(nenntAlle(e.meldung, wörter));
}

const QByteArray Voll = Falldatei::neuesAbbild();

const Startfall Fälle[] = {
    {"fehlt", Art::Fehlt, {}, true, {}},
    {"leer", Art::Bytes, {}, true, {}},
    {"vollstaendig", Art::Bytes, Voll, true, {}},
    {"dreiGanzeFaelle",
     Art::Bytes,
     Voll.first(3 * L),
     true,
     {"5259 Bytes", "nur 3 vollständige Fälle", "Kopie"}},
    {"krummeLaenge", Art::Bytes, Voll.first(3 * L + 100), true, {"5359 Bytes", "nur 3 vollständige Fälle"}},
    {"einByte", Art::Bytes, "F", true, {"1 Byte lang", "keinen vollständigen Fall"}},
    {"laenger",
     Art::Bytes,
     Voll + QByteArray("Anhang eines anderen Programms"),
     true,
     {"12301 Bytes", "nach dem siebten Fall", "unverändert erhalten", "Kopie"}},
    {"zufaellig",
     Art::Bytes,
     zufallsbytes(12271, 7),
     true,
     {"Kinder- oder Monatszahlen", "als 0 gelesen", "Kopie"}},
    {"zufaelligeLaenge",
     Art::Bytes,
     zufallsbytes(5000, 8),
     true,
     {"5000 Bytes", "Kinder- oder Monatszahlen"}},
    {"alles0xFF", Art::Bytes, QByteArray(12271, '\xff'), true, {"bei Fall 1, 2, 3, 4, 5, 6, 7 Kinder"}},
    {"ordner", Art::Ordner, {}, false, {"ist ein Ordner", "beendet"}},
    {"fifo", Art::Fifo, {}, false, {"keine gewöhnliche Datei", "beendet"}},
    {"riesig", Art::Riesig, {}, false, {"keine Falldatei dieses Programms", "beendet"}},
};

class Start : public ::testing::TestWithParam<Startfall>
{
protected:
    QTemporaryDir ordner;
    Dateiablage ablage;
    QString pfad() const { return ordner.filePath(QStringLiteral("atv.txt")); }
};

TEST_P(Start, DefinierterAusgangUndKeinByteVerloren)
{
    const Startfall& fall = GetParam();
    switch (fall.art) {
    case Art::Bytes: lege(pfad(), fall.bytes); break;
    case Art::Fehlt: break;
    case Art::Ordner: ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("atv.txt"))); break;
    case Art::Fifo: ASSERT_EQ(::mkfifo(QFile::encodeName(pfad()).constData(), 0600), 0); break;
    case Art::Riesig: {
        QFile f(pfad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(16 * 1024 * 1024 + 1)); // sparse: costs no disk
        break;
    }
    }
    const QStringList vorher = inhaltOhne(ordner.path());

    Falldatei datei(ablage);
    const Ergebnis e = datei.öffnen(pfad());
    ASSERT_EQ(e.ok, fall.geht) << e.meldung.toStdString();
    erwarteMeldung(e, fall.meldung);
    EXPECT_EQ(inhaltOhne(ordner.path(), QStringLiteral("atv.txt")), QStringList());
    if (!fall.geht) {
        EXPECT_EQ(inhaltOhne(ordner.path()), vorher);
        return;
    }

    // Opening writes only a file that had nothing in it.
    const QByteArray alt = fall.bytes.isEmpty() ? Voll : fall.bytes;
    ASSERT_EQ(lies(pfad()), alt);
    for (int n = 1; n <= Falldatei::AnzahlFälle; ++n)
        EXPECT_EQ(datei.lesen(n).alsBytes(), satzAus(alt, n)) << "Fall " << n;

    // The first change copies unexpected bytes first; the other cases and any extra bytes stay.
    Datensatz d = datei.lesen(3);
    d.nachname = QStringLiteral("Geändert");
    const auto geschrieben = datei.schreiben(3, d);
    ASSERT_TRUE(geschrieben.ok) << geschrieben.meldung.toStdString();
    const QByteArray neu = lies(pfad());
    ASSERT_EQ(neu.size(), std::max<qsizetype>(alt.size(), 3 * L));
    EXPECT_EQ(neu.mid(2 * L, L), d.alsBytes());
    for (int n : {1, 2, 4, 5, 6, 7})
        EXPECT_EQ(satzAus(neu, n), satzAus(alt, n)) << "Fall " << n;
    EXPECT_EQ(neu.mid(7 * L), alt.mid(7 * L));
    if (fall.meldung.isEmpty()) {
        EXPECT_TRUE(datei.sicherung().isEmpty());
    } else {
        ASSERT_FALSE(datei.sicherung().isEmpty());
        EXPECT_EQ(lies(datei.sicherung()), alt);
    }
    // One copy is enough: the next change writes no further one.
    EXPECT_TRUE(datei.schreiben(1, datei.lesen(1)).ok);
    EXPECT_EQ(inhaltOhne(ordner.path()).size(), fall.meldung.isEmpty() ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Falldatei, Start, ::testing::ValuesIn(Fälle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartSicherung, ÜberschreibtKeineFrühereKopie)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    Dateiablage ablage;
    const QByteArray früher("eine Kopie von gestern");
    lege(pfad + QStringLiteral(".bak"), früher);
    for (int runde = 1; runde <= 3; ++runde) {
        const QByteArray kurz = Voll.first(runde * 100);
        lege(pfad, kurz);
        Falldatei datei(ablage);
        ASSERT_TRUE(datei.öffnen(pfad).ok);
        ASSERT_TRUE(datei.schreiben(2, Datensatz::musterfall()).ok);
        EXPECT_EQ(lies(datei.sicherung()), kurz);
    }
    // Three saves within the same second each keep their own copy.
    EXPECT_EQ(lies(pfad + QStringLiteral(".bak")), früher);
    EXPECT_EQ(inhaltOhne(ordner.path()).size(), 5);
}

// ---- without the rights to read or write ----

struct Rechtefall {
    const char* name;
    std::optional<QByteArray> bytes; // none: no file
    int dateirechte, ordnerrechte;
    bool geht;
    QStringList meldung;
};

const Rechtefall Rechtefälle[] = {
    {"unlesbar", Voll, 0000, 0777, false, {"kann nicht gelesen werden", "Keine Berechtigung", "beendet"}},
    {"schreibgeschuetzteDatei", Voll, 0444, 0777, true, {"„atv.txt“ ist schreibgeschützt", "ansehen"}},
    {"schreibgeschuetzterOrdner", Voll, 0666, 0555, true, {"Der Ordner", "schreibgeschützt", "ansehen"}},
    {"fehltImSchreibgeschuetztenOrdner",
     std::nullopt,
     0,
     0555,
     false,
     {"fehlt oder ist leer", "Keine Berechtigung", "beendet"}},
    {"leerUndSchreibgeschuetzt", QByteArray(), 0444, 0777, false, {"fehlt oder ist leer", "beendet"}},
    {"kurzImSchreibgeschuetztenOrdner", Voll.first(2 * L), 0666, 0555, true, {"3506 Bytes", "Der Ordner"}},
};

void PrintTo(const Rechtefall& f, std::ostream* os)
{
    *os << f.name;
}

class StartOhneRechte : public ::testing::TestWithParam<Rechtefall>
{};

void prüfeOhneRechte(const QString& ordner, const Rechtefall& fall)
{
    const QString pfad = ordner + QStringLiteral("/atv.txt");
    const QStringList vorher = inhaltOhne(ordner);
    Dateiablage ablage;
    Falldatei datei(ablage);
    const auto e = datei.öffnen(pfad);
    ASSERT_EQ(e.ok, fall.geht) << e.meldung.toStdString();
    erwarteMeldung(e, fall.meldung);
    if (fall.geht) {
        EXPECT_TRUE(datei.schreibgeschützt());
        EXPECT_EQ(datei.lesen(1).alsBytes(), satzAus(*fall.bytes, 1));
        const auto s = datei.schreiben(1, Datensatz::grundstellung());
        EXPECT_FALSE(s.ok);
        EXPECT_TRUE(s.meldung.contains(QStringLiteral("nicht gespeichert"))) << s.meldung.toStdString();
        EXPECT_EQ(datei.lesen(1).alsBytes(), satzAus(*fall.bytes, 1));
    }
    EXPECT_EQ(inhaltOhne(ordner), vorher);
    if (fall.bytes && fall.dateirechte & 0444) {
        EXPECT_EQ(lies(pfad), *fall.bytes);
    }
}

TEST_P(StartOhneRechte, DefinierterAusgang)
{
    const Rechtefall& fall = GetParam();
    Nutzerwechsel::ohneRechte(
        [&](const QString& ordner) {
            const QString pfad = ordner + QStringLiteral("/atv.txt");
            if (fall.bytes) {
                ASSERT_NO_FATAL_FAILURE(lege(pfad, *fall.bytes));
                ASSERT_NO_FATAL_FAILURE(Nutzerwechsel::setzeRechte(pfad, fall.dateirechte));
            }
            Nutzerwechsel::setzeRechte(ordner, fall.ordnerrechte);
        },
        [&](const QString& ordner) { prüfeOhneRechte(ordner, fall); });
}

INSTANTIATE_TEST_SUITE_P(Falldatei, StartOhneRechte, ::testing::ValuesIn(Rechtefälle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
