#include "drucksachen.h"
#include "fall.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The print path as on a machine without printers, or with one that is not there.
class OhneDrucker : public Drucksachen
{
public:
    using Drucksachen::Drucksachen;
    QString drucker;

protected:
    QString standarddrucker() const override { return drucker; }
};

class VolleAblage : public Dateiablage
{
protected:
    qint64 schreiben(QFileDevice&, const char*, qint64) override { return -1; }
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
    Skriptmeldungen meldungen;

    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        // The program takes the regional settings from QLocale(); German ones are set here.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
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
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) fehlen";
    OhneDrucker d(fall.tabelle.modell(), fall.stand, fall.ablage, meldungen, nullptr);
    fall.stand.datensatznummer = 3;
    d.berechnungdrucken();
    d.Bescheiddrucken();
    d.berechnungdrucken(); // replaces the first one
    EXPECT_EQ(dateien(), QStringList({"Anschreiben-Fall3.pdf", "Berechnung-Fall3.pdf", "atvi.txt"}));
    ASSERT_EQ(meldungen.protokoll.size(), 3);
    const QString pfad = ordner.filePath("Berechnung-Fall3.pdf");
    EXPECT_EQ(meldungen.protokoll[0].art, "hinweis");
    EXPECT_TRUE(meldungen.protokoll[0].text.contains(pfad)) << meldungen.protokoll[0].text.toStdString();
    EXPECT_TRUE(meldungen.protokoll[1].text.contains(ordner.filePath("Anschreiben-Fall3.pdf")));

    const QString tabelle = ausführen("pdftotext", {"-layout", pfad, "-"});
    EXPECT_TRUE(tabelle.contains("Zuvoranversicherung für Hedwig Wendler")) << tabelle.toStdString();
    EXPECT_TRUE(tabelle.contains("Forts. Seite 2"));
    EXPECT_TRUE(tabelle.contains("30000,00"));
    EXPECT_TRUE(tabelle.contains("793,00"));
    EXPECT_TRUE(tabelle.contains(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
    const QString info = ausführen("pdfinfo", {pfad});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595"))) << info.toStdString();

    const QString brief = ausführen("pdftotext", {ordner.filePath("Anschreiben-Fall3.pdf"), "-"});
    EXPECT_TRUE(brief.contains("793,00 Euro")) << brief.toStdString();
    EXPECT_TRUE(brief.contains("Sehr geehrte Frau Wendler,"));
    EXPECT_TRUE(brief.contains("Mit freundlichen Grüßen"));
}

TEST_F(PdfTest, EinFehlenderDruckerOderEineVollePlatteSagenEsUndÄndernNichts)
{
    OhneDrucker d(fall.tabelle.modell(), fall.stand, fall.ablage, meldungen, nullptr);
    d.drucker = "Zuvora-Testdrucker-den-es-nicht-gibt";
    d.berechnungdrucken();
    ASSERT_EQ(meldungen.protokoll.size(), 1);
    EXPECT_EQ(meldungen.protokoll[0].art, "fehler");
    EXPECT_TRUE(meldungen.protokoll[0].text.contains("nicht erreichbar")) << meldungen.protokoll[0].text.toStdString();
    EXPECT_TRUE(dateien().isEmpty());

    VolleAblage voll;
    OhneDrucker ohnePlatz(fall.tabelle.modell(), fall.stand, voll, meldungen, nullptr);
    ohnePlatz.berechnungdrucken();
    ohnePlatz.Bescheiddrucken();
    ASSERT_EQ(meldungen.protokoll.size(), 3);
    EXPECT_EQ(meldungen.protokoll[1].art, "fehler");
    EXPECT_TRUE(meldungen.protokoll[1].text.contains("PDF-Datei konnte nicht")) << meldungen.protokoll[1].text.toStdString();
    EXPECT_TRUE(meldungen.protokoll[2].text.contains("atvi.txt")) << meldungen.protokoll[2].text.toStdString();
    EXPECT_TRUE(dateien().isEmpty());
}

} // namespace
