#include "dateihilfen.h"
#include "fall.h"
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
    d.berechnungdrucken();
    d.Bescheiddrucken();
    d.berechnungdrucken(); // replaces the first one
    EXPECT_EQ(dateien(), QStringList({"Anschreiben-Fall3.pdf", "Berechnung-Fall3.pdf", "atvi.txt"}));
    const QString berechnung = ordner.filePath("Berechnung-Fall3.pdf");
    const QString anschreiben = ordner.filePath("Anschreiben-Fall3.pdf");
    ASSERT_EQ(fall.meldungen.protokoll.size(), 3);
    EXPECT_EQ(fall.meldungen.protokoll[0].art, "hinweis");
    EXPECT_TRUE(fall.meldungen.protokoll[0].text.endsWith(berechnung));
    EXPECT_TRUE(fall.meldungen.protokoll[1].text.endsWith(anschreiben));

    const QString tabelle = ausführen("pdftotext", {"-layout", berechnung, "-"});
    for (const char* text :
         {"Zuvoranversicherung für Hedwig Wendler", "Forts. Seite 2", "30000,00", "793,00"})
        EXPECT_TRUE(tabelle.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(tabelle.contains(QDate::currentDate().toString(QStringLiteral("dd.MM.yy"))));
    const QString info = ausführen("pdfinfo", {berechnung});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595")))
        << info.toStdString();

    const QString brief = ausführen("pdftotext", {anschreiben, "-"});
    for (const char* text : {"793,00 Euro", "Sehr geehrte Frau Wendler,", "Mit freundlichen Grüßen"})
        EXPECT_TRUE(brief.contains(QString::fromUtf8(text))) << text;
}

TEST_F(PdfTest, EinFehlenderDruckerOderEineVollePlatteSagenEsUndÄndernNichts)
{
    Drucksachenprobe d(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
    d.drucker = "Zuvora-Testdrucker-den-es-nicht-gibt";
    d.berechnungdrucken();
    VolleAblage voll;
    Drucksachenprobe ohnePlatz(fall.tabelle.modell(), fall.stand, voll, fall.meldungen);
    ohnePlatz.berechnungdrucken();
    ohnePlatz.Bescheiddrucken();

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

} // namespace
