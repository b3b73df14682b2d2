#include "core/erweiterung.h"
#include "core/fussblock.h"
#include "core/rentenbeginn.h"
#include "hilfen/dateihilfen.h"

#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ErweiterungTest : public ::testing::Test, protected Fallordner
{
protected:
    Dateiablage ablage;

    // A case born 1995 at the regular age, with pay up to 2062 and a 2 % increase.
    static Datensatz jung()
    {
        Datensatz d = Datensatz::musterfall();
        d.geburtsjahr = QStringLiteral("1995");
        d.steigerung = Festkomma::ausGanzzahl(2);
        d.rentenbeginn = 63;
        for (int i = 1; i <= 61; ++i)
            d.jahresentgelt[i] = Festkomma::ausGanzzahl(30000 + i);
        d.elternzeitpunkte[55] = Festkomma::ausText(u"1,3");
        d.kinder1[55] = 2;
        d.monate2[60] = 12;
        return d;
    }
    // The seven records as a program that knows only them reads them.
    static QList<QByteArray> sätze(const QByteArray& bild)
    {
        QList<QByteArray> s;
        for (int n = 0; n < 7; ++n)
            s.append(bild.sliced(n * 1753, 1753));
        return s;
    }
};

TEST_F(ErweiterungTest, RundreiseUndDieSiebenSätzeBleibenWoSieSind)
{
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    const QByteArray vorher = lies(pfad());
    const Datensatz d = jung();
    ASSERT_TRUE(datei.schreiben(4, d).ok);

    const QByteArray bild = lies(pfad());
    ASSERT_GT(bild.size(), 12271);
    QList<QByteArray> erwartet = sätze(vorher);
    erwartet[3] = d.alsBytes();
    EXPECT_EQ(sätze(bild), erwartet);
    EXPECT_EQ(bild.last(8), QByteArray("ZUVORAX1"));

    Falldatei wieder(ablage);
    const auto e = wieder.öffnen(pfad());
    ASSERT_TRUE(e.ok);
    EXPECT_TRUE(e.meldung.isEmpty()) << e.meldung.toStdString();
    EXPECT_EQ(wieder.lesen(4), d);
    EXPECT_EQ(wieder.lesen(1), Datensatz::musterfall());

    // Writing another case keeps the extension of this one; going back to the default
    // settings and years leaves exactly the old 12,271 bytes.
    Datensatz eins = wieder.lesen(1);
    eins.vorname = QStringLiteral("Hedda");
    ASSERT_TRUE(wieder.schreiben(1, eins).ok);
    EXPECT_EQ(wieder.lesen(4), d);
    Datensatz zurück = d;
    zurück.rentenbeginn = 0;
    zurück.steigerung = Festkomma();
    for (int i = 51; i <= Jahreswerte<int>::Höchstens; ++i) {
        zurück.jahresentgelt[i] = zurück.elternzeitpunkte[i] = Festkomma();
        zurück.kinder1[i] = zurück.monate2[i] = 0;
    }
    ASSERT_TRUE(wieder.schreiben(4, zurück).ok);
    QByteArray ohne = Falldatei::neuesAbbild();
    ohne.replace(0, 1753, eins.alsBytes());
    ohne.replace(3 * 1753, 1753, d.alsBytes());
    EXPECT_EQ(lies(pfad()), ohne);
}

TEST_F(ErweiterungTest, FremdeOderBeschädigteEndenGeltenNicht)
{
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    ASSERT_TRUE(datei.schreiben(2, jung()).ok);
    const QByteArray gut = lies(pfad());

    struct Fall {
        const char* name;
        QByteArray bild;
        const char* meldung;
    };
    QByteArray gekippt = gut;
    gekippt[12271 + 9] = char(gekippt[12271 + 9] ^ 1);
    QByteArray andererName = gut;
    andererName.replace(1753 + 5, 6, "Ottoxx");
    // An intact block for case 2 with a value the program never writes, after `sätze` bytes of records.
    const auto gefälscht = [&](const std::function<void(Datensatz&)>& ändern, qsizetype sätze = 12271) {
        std::array<Datensatz, 7> fälle;
        fälle[1] = jung();
        ändern(fälle[1]);
        return gut.first(sätze) + Erweiterung::block(fälle);
    };
    QByteArray riesigImSatz = gut.first(12271);
    riesigImSatz.replace(1753 + 1145, 8, QByteArray(8, '\x7f'));
    const auto steigerung = [](const char16_t* text) {
        return [text](Datensatz& d) { d.steigerung = Festkomma::ausText(text); };
    };
    const Fall fälle[] = {
        {"ein Bit im Block", gekippt, "Bytes nach dem siebten Fall"},
        {"nur der Fuß", Falldatei::neuesAbbild() + gut.last(16), "Bytes nach dem siebten Fall"},
        {"Name von anderem Programm geändert", andererName, "Zusatzangaben zu Fall 2"},
        {"Steigerung 11 %", gefälscht(steigerung(u"11")), "Bytes nach dem siebten Fall"},
        {"Steigerung 2,505 %", gefälscht(steigerung(u"2,505")), "Bytes nach dem siebten Fall"},
        {"Entgelt 2060 über dem Größten", gefälscht([](Datensatz& d) {
             d.jahresentgelt[59] = Festkomma::ausGanzzahl(Datensatz::GrößtesEntgelt + 1);
         }),
         "Bytes nach dem siebten Fall"},
        {"Block beginnt in Satz 7", gefälscht([](Datensatz&) {}, 12271 - 20), "Bytes nach dem siebten Fall"},
        {"Betrag im Satz über dem Größten", riesigImSatz, "Punktzahlen über 1.000.000.000"},
    };
    for (const Fall& f : fälle) {
        lege(pfad(), f.bild);
        QFile::remove(pfad() + QStringLiteral(".bak"));
        Falldatei fremd(ablage);
        const auto e = fremd.öffnen(pfad());
        ASSERT_TRUE(e.ok) << f.name;
        EXPECT_TRUE(e.meldung.contains(QString::fromUtf8(f.meldung))) << f.name << e.meldung.toStdString();
        const Datensatz zwei = fremd.lesen(2);
        EXPECT_EQ(zwei.rentenbeginn, 0) << f.name;
        EXPECT_EQ(zwei.jahresentgelt[55], Festkomma()) << f.name;
        // The first change keeps a byte-identical copy.
        ASSERT_TRUE(fremd.schreiben(3, Datensatz::grundstellung()).ok) << f.name;
        EXPECT_EQ(lies(pfad() + QStringLiteral(".bak")), f.bild) << f.name;
    }
}

TEST_F(ErweiterungTest, KurzeDateiUndFremdeBytesVorDemBlock)
{
    const QByteArray kurz = Datensatz::musterfall().alsBytes();
    lege(pfad(), kurz);
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    ASSERT_TRUE(datei.schreiben(1, jung()).ok);
    QByteArray bild = lies(pfad());
    EXPECT_EQ(sätze(bild)[6], Datensatz::grundstellung().alsBytes());
    EXPECT_EQ(Erweiterung::lesen(bild).länge, bild.size() - 12271);

    const QByteArray fremd("fremde Bytes");
    lege(pfad(), Falldatei::neuesAbbild() + fremd);
    Falldatei mitRest(ablage);
    ASSERT_TRUE(mitRest.öffnen(pfad()).ok);
    ASSERT_TRUE(mitRest.schreiben(5, jung()).ok);
    bild = lies(pfad());
    EXPECT_EQ(bild.sliced(12271, fremd.size()), fremd);
    Falldatei wieder(ablage);
    ASSERT_TRUE(wieder.öffnen(pfad()).ok);
    EXPECT_EQ(wieder.lesen(5), jung());
}

TEST_F(ErweiterungTest, AngabenZumVergleichStehenVorDerErweiterung)
{
    Falldatei datei(ablage);
    ASSERT_TRUE(datei.öffnen(pfad()).ok);
    Datensatz d = jung();
    d.beratung.abschlagsmonate = 0;
    d.beratung.versicherung = Krankenversicherung::Art::Freiwillig;
    d.beratung.kinderUnter25 = 2;
    d.beratung.erwerbsminderung = Beratungsangaben::Teilweise;
    d.beratung.erwerbsminderungJahr = 2030;
    d.beratung.bisAlter = 90;
    d.beratung.briefzeile = true;
    ASSERT_TRUE(datei.schreiben(3, d).ok);
    Krankenversicherung::Werte werte = Krankenversicherung::standardwerte();
    werte.jahr = 2027;
    werte.zusatzbeitrag = Festkomma::ausText(u"3,1");
    ASSERT_TRUE(datei.beitragswerteSchreiben(werte).ok);

    // A program that knows only the extension finds it at the end and sees the answers as
    // bytes of its own that it keeps.
    const QByteArray bild = lies(pfad());
    const Erweiterung::Befund erweiterung = Erweiterung::lesen(bild);
    ASSERT_TRUE(erweiterung.einträge[2].has_value());
    const QByteArrayView davor = QByteArrayView(bild).first(bild.size() - erweiterung.länge);
    EXPECT_EQ(davor.last(8), QByteArrayView("ZUVORAX2"));
    EXPECT_EQ(Beratungsblock::lesen(davor).länge, davor.size() - 12271);

    Falldatei wieder(ablage);
    const auto e = wieder.öffnen(pfad());
    ASSERT_TRUE(e.ok && e.meldung.isEmpty()) << e.meldung.toStdString();
    EXPECT_EQ(wieder.lesen(3), d);
    EXPECT_EQ(wieder.beitragswerte(), werte);

    // Values no program writes make the block foreign bytes; a changed name keeps it from its case.
    struct Fall {
        const char* name;
        QByteArray bild;
        const char* meldung;
    };
    QByteArray zuVieleMonate = davor.toByteArray();
    const qsizetype eintrag = 12271 + 2 + 2 + 8 * 7 + 2 + 2 + 4; // the first answer of the case
    zuVieleMonate[eintrag] = char(37);
    const QByteArrayView nutzlast =
        QByteArrayView(zuVieleMonate).sliced(12271, zuVieleMonate.size() - 12271 - 16);
    qToLittleEndian<quint32>(Fussblock::crc32(nutzlast), zuVieleMonate.data() + zuVieleMonate.size() - 12);
    QByteArray andererName = davor.toByteArray();
    andererName.replace(2 * 1753 + 5, 4, "Olga");
    const Fall fälle[] = {{"37 Abschlagsmonate", zuVieleMonate, "Bytes nach dem siebten Fall"},
                          {"anderer Name", andererName, "Zusatzangaben zu Fall 3"}};
    for (const Fall& f : fälle) {
        lege(pfad(), f.bild);
        Falldatei fremd(ablage);
        const auto befund = fremd.öffnen(pfad());
        ASSERT_TRUE(befund.ok) << f.name;
        EXPECT_TRUE(befund.meldung.contains(QString::fromUtf8(f.meldung)))
            << f.name << befund.meldung.toStdString();
        EXPECT_TRUE(fremd.lesen(3).beratung.standard()) << f.name;
    }

    // Back to the defaults: exactly the 12,271 bytes again.
    lege(pfad(), bild);
    Falldatei zurück(ablage);
    ASSERT_TRUE(zurück.öffnen(pfad()).ok);
    ASSERT_TRUE(zurück.beitragswerteSchreiben(Krankenversicherung::standardwerte()).ok);
    const Datensatz ohne = Datensatz::musterfall();
    ASSERT_TRUE(zurück.schreiben(3, ohne).ok);
    QByteArray erwartet = Falldatei::neuesAbbild();
    erwartet.replace(2 * 1753, 1753, ohne.alsBytes());
    EXPECT_EQ(lies(pfad()), erwartet);
}

} // namespace
