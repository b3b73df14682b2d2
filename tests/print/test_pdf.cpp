#include "hilfen/dateihilfen.h"
#include "hilfen/fall.h"
#include "print/drucksachen.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The print path with a default printer of our choosing: none, or one that is not there.
class Drucksachenprobe : public Drucksachen
{
public:
    using Drucksachen::Drucksachen;
    QString drucker;

protected:
    QString standarddrucker() const override { return drucker; }
};

QString ausführen(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PdfTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    Rechenfall fall;

    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        // Whatever the locale, the printouts are German.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        QDir::setCurrent(vorher);
    }
    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(PdfTest, OhneDruckerEntstehenBeidePdfDateien)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) fehlen";
    Drucksachenprobe d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    fall.stand.datensatznummer = 3;
    (void)d.berechnungdrucken();
    (void)d.Bescheiddrucken();
    (void)d.berechnungdrucken(); // replaces the first one
    EXPECT_EQ(dateien(), QStringList({"Anschreiben-Fall3.pdf", "Berechnung-Fall3.pdf", "atvi.txt"}));
    const QString berechnung = ordner.filePath("Berechnung-Fall3.pdf");
    const QString anschreiben = ordner.filePath("Anschreiben-Fall3.pdf");
    ASSERT_EQ(fall.meldungen.protokoll.size(), 3);
    EXPECT_EQ(fall.meldungen.protokoll[0].art, "hinweis");
    EXPECT_TRUE(fall.meldungen.protokoll[0].text.endsWith(berechnung));
    EXPECT_TRUE(fall.meldungen.protokoll[1].text.endsWith(anschreiben));
    EXPECT_FALSE(fall.meldungen.protokoll[0].text.contains("ersetzt"));
    EXPECT_TRUE(fall.meldungen.protokoll[2].text.contains("ersetzt die frühere Datei dieses Falls"))
        << fall.meldungen.protokoll[2].text.toStdString();

    const QString tabelle = ausführen("pdftotext", {"-layout", berechnung, "-"});
    for (const char* text :
         {"Zuvoranversicherung für Hedwig Wendler", "Forts. Seite 2", "30000,00", "793,00"})
        EXPECT_TRUE(tabelle.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(tabelle.contains(QDate::currentDate().toString(QStringLiteral("dd.MM.yy"))));
    const QString info = ausführen("pdfinfo", {berechnung});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    // Title and author as a PDF reader lists them; the document stays readable after the
    // author is added.
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Berechnung Hedwig Wendler, ") +
                                                 QDate::currentDate().toString(QStringLiteral("dd.MM.yy")))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Author:\\s+Zuvora\\n"))) << info.toStdString();
    EXPECT_TRUE(ausführen("pdfinfo", {anschreiben})
                    .contains(QRegularExpression(QStringLiteral("Title:\\s+Anschreiben Hedwig"))));
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595")))
        << info.toStdString();

    const QString brief = ausführen("pdftotext", {anschreiben, "-"});
    for (const char* text : {"793,00 Euro", "Sehr geehrte Frau Wendler,", "Mit freundlichen Grüßen"})
        EXPECT_TRUE(brief.contains(QString::fromUtf8(text))) << text;
}

// Word boxes in points, as pdftotext -bbox reads them from the page.
struct Wort {
    double links, rechts;
    QString text;
};

QList<Wort> wörter(const QString& pdf)
{
    QList<Wort> liste;
    const QRegularExpression muster(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (const auto& m : muster.globalMatch(ausführen("pdftotext", {"-bbox", pdf, "-"})))
        liste.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    return liste;
}

TEST_F(PdfTest, AnschreibenNachBerechnungIstEineHochformatseiteMitDemDatumAufDemPapier)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) fehlen";
    Drucksachenprobe d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    (void)d.berechnungdrucken();
    (void)d.Bescheiddrucken();
    const QString berechnung = ausführen("pdfinfo", {ordner.filePath("Berechnung-Fall1.pdf")});
    EXPECT_TRUE(berechnung.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595")));
    const QString brief = ordner.filePath("Anschreiben-Fall1.pdf");
    const QString info = ausführen("pdfinfo", {brief});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12]")))
        << info.toStdString();

    const QList<Wort> w = wörter(brief);
    const QString datum = QDate::currentDate().toString(QStringLiteral("dd.MM.yy"));
    const auto finden = [&](const QString& text) {
        const auto it = std::find_if(w.cbegin(), w.cend(), [&](const Wort& x) { return x.text == text; });
        return it == w.cend() ? Wort{-1, -1, {}} : *it;
    };
    const double rand = 6.35 / 25.4 * 72; // the PDF's printable area starts 18 pt in
    const Wort d1 = finden(datum);
    ASSERT_GE(d1.links, 0) << datum.toStdString();
    EXPECT_LE(d1.rechts, 595.3 - rand) << "Datum endet bei " << d1.rechts;
    // The bold heading at 1050 twips stands within a character of the body's column 12.
    const Wort überschrift = finden("Ihre");
    const Wort anrede = finden("Sehr");
    ASSERT_GE(überschrift.links, 0);
    ASSERT_GE(anrede.links, 0);
    EXPECT_NEAR(überschrift.links, anrede.links, 5.0);
    for (const Wort& x : w)
        EXPECT_LE(x.rechts, 595.3 - rand) << x.text.toStdString();
    for (const Wort& x : wörter(ordner.filePath("Berechnung-Fall1.pdf")))
        EXPECT_LE(x.rechts, 841.9 - rand) << x.text.toStdString();
}

TEST_F(PdfTest, EinFehlenderDruckerOderEineVollePlatteSagenEsUndÄndernNichts)
{
    Drucksachenprobe d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    d.drucker = "Zuvora-Testdrucker-den-es-nicht-gibt";
    (void)d.berechnungdrucken();
    VolleAblage voll;
    Drucksachenprobe ohnePlatz(fall.tabelle.modell(), fall.stand, voll, fall.meldungen);
    (void)ohnePlatz.berechnungdrucken();
    (void)ohnePlatz.Bescheiddrucken();

    const auto& p = fall.meldungen.protokoll;
    ASSERT_EQ(p.size(), 3);
    for (const auto& m : p)
        EXPECT_EQ(m.art, "fehler");
    EXPECT_TRUE(p[0].text.contains("„Zuvora-Testdrucker-den-es-nicht-gibt“ ist nicht erreichbar"))
        << p[0].text.toStdString();
    EXPECT_TRUE(p[1].text.contains("PDF-Datei konnte nicht")) << p[1].text.toStdString();
    EXPECT_TRUE(p[2].text.contains("atvi.txt")) << p[2].text.toStdString();
    EXPECT_TRUE(dateien().isEmpty());
}

// A PDF the user asks for comes whether or not a printer is there, at the place the user
// chose, with its text selectable and every font embedded, so that it reads the same on the
// client's computer.
TEST_F(PdfTest, AufWunschAlsPdfMitEingebettetenSchriften)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdffonts").isEmpty())
        GTEST_SKIP() << "pdftotext/pdffonts (poppler-utils) fehlen";
    Drucksachenprobe d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    d.drucker = "Zuvora-Testdrucker-den-es-nicht-gibt";
    const QString berechnung = ordner.filePath(d.pdfVorschlagBerechnung());
    const QString anschreiben = ordner.filePath("Unterordner-gibt-es-nicht/" + d.pdfVorschlagAnschreiben());
    const QString brief = ordner.filePath(d.pdfVorschlagAnschreiben());
    EXPECT_TRUE(d.berechnungdrucken(berechnung).ok);
    EXPECT_FALSE(d.Bescheiddrucken(anschreiben).ok);
    EXPECT_TRUE(d.Bescheiddrucken(brief).ok);
    const auto& p = fall.meldungen.protokoll;
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[0].art, "hinweis");
    EXPECT_TRUE(p[0].text.endsWith(berechnung)) << p[0].text.toStdString();
    EXPECT_EQ(p[1].art, "fehler");
    EXPECT_TRUE(p[1].text.startsWith("Die PDF-Datei konnte nicht gespeichert werden: "));
    EXPECT_TRUE(p[2].text.endsWith(brief));

    for (const auto& [pdf, text] :
         {std::pair{berechnung, "Hedwig Wendler"}, {brief, "Sehr geehrte Frau Wendler"}}) {
        SCOPED_TRACE(pdf.toStdString());
        EXPECT_TRUE(ausführen("pdftotext", {pdf, "-"}).contains(QString::fromUtf8(text)));
        // pdffonts: two header lines, then one line a font with "emb" in the fourth column
        // from the right.
        const QStringList zeilen = ausführen("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_GT(zeilen.size(), 2);
        for (const QString& zeile : zeilen.mid(2)) {
            const QStringList spalten = zeile.split(u' ', Qt::SkipEmptyParts);
            ASSERT_GE(spalten.size(), 7) << zeile.toStdString();
            EXPECT_EQ(spalten[spalten.size() - 5], "yes") << zeile.toStdString();
        }
    }
}

// The offered file names carry the surname as a file system of an office takes it.
TEST(PdfVorschlag, NachnameAlsDateiname)
{
    const QString jahr = QString::number(QDate::currentDate().year());
    const std::pair<const char*, const char*> fälle[] = {
        {"Wendler", "Wendler"},
        {"  von  Bülow ", "von Bülow"},
        {"Meier/Schulz", "Meier_Schulz"},
        {"A:B*C?\"<>|\\", "A_B_C______"},
        {"..\\x", "_x"},
        {"", "Fall3"},
        {"\t", "Fall3"},
        {"A\x7f"
         "B\u0080C\u009f",
         "A_B_C_"},
    };
    for (const auto& [nachname, name] : fälle) {
        Rechenfall fall;
        fall.stand.datensatz.nachname = QString::fromUtf8(nachname);
        fall.stand.datensatznummer = 3;
        const Drucksachen d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
        EXPECT_EQ(d.pdfVorschlagBerechnung(),
                  QStringLiteral("Berechnung-%1-%2.pdf").arg(QString::fromUtf8(name), jahr));
        EXPECT_EQ(d.pdfVorschlagAnschreiben(),
                  QStringLiteral("Anschreiben-%1.pdf").arg(QString::fromUtf8(name)));
    }
}

} // namespace
