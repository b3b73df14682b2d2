#include "drucksachen.h"
#include "fall.h"

#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// Prints through the real printer path into a cups-pdf queue, which CI sets up as the
// default printer. Elsewhere the tests skip, so that nobody's real printer gets paper.
namespace {

QString ausführen(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class DruckdienstTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    QString ausgabe;

    void SetUp() override
    {
        const QString drucker = QPrinterInfo::defaultPrinterName();
        if (drucker.isEmpty())
            GTEST_SKIP() << "Kein Standarddrucker eingerichtet: der Druck über CUPS wird nicht geprüft.";
        if (!ausführen("lpstat", {"-v", drucker}).contains("cups-pdf:/"))
            GTEST_SKIP() << "Der Standarddrucker " << drucker.toStdString()
                         << " ist keine cups-pdf-Warteschlange: es wird nichts gedruckt.";
        ausgabe = qEnvironmentVariable("ZUVORA_CUPS_PDF_ORDNER", QDir::homePath() + QStringLiteral("/PDF"));
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    }
    void TearDown() override { QDir::setCurrent(vorher); }

    // Name and time of every PDF file there; cups-pdf names its files after the document,
    // so a second printout of a kind replaces the file of the first.
    QMap<QString, QDateTime> stand() const
    {
        QMap<QString, QDateTime> s;
        for (const QFileInfo& info : QDir(ausgabe).entryInfoList({"*.pdf"}, QDir::Files))
            s.insert(info.fileName(), info.lastModified());
        return s;
    }

    // Waits until cups-pdf has written a new or newer file and returns its path.
    QString neueDatei(const QMap<QString, QDateTime>& vorher) const
    {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < 60000) {
            const auto jetzt = stand();
            for (auto it = jetzt.begin(); it != jetzt.end(); ++it) {
                if (vorher.value(it.key()) == it.value())
                    continue;
                const QString pfad = QDir(ausgabe).filePath(it.key());
                if (ausführen("pdfinfo", {pfad}).contains("Pages:"))
                    return pfad;
            }
            QThread::msleep(200);
        }
        return {};
    }
    // Whether the printed lines run along the long side of the sheet: cups-pdf puts a
    // landscape page turned onto a portrait sheet, so the ink is taller than wide.
    static bool querAufDemBlatt(const QString& pfad)
    {
        QProcess gs;
        gs.start("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dFirstPage=1", "-dLastPage=1", "-sDEVICE=bbox", pfad});
        gs.waitForFinished(30000);
        const auto m = QRegularExpression("%%BoundingBox: (\\d+) (\\d+) (\\d+) (\\d+)")
                           .match(QString::fromUtf8(gs.readAllStandardError()));
        if (!m.hasMatch())
            return false;
        const int breite = m.captured(3).toInt() - m.captured(1).toInt();
        const int höhe = m.captured(4).toInt() - m.captured(2).toInt();
        return höhe > breite;
    }
    static int seiten(const QString& info)
    {
        const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
};

// One test, so that the printouts follow each other and each file is known by its order.
TEST_F(DruckdienstTest, BerechnungUndAnschreibenKommenAlsPdfAn)
{
    struct Druckfall {
        int geburtsjahr;
        int seiten;
    };
    for (const Druckfall d : {Druckfall{Rechenfall::geburtsjahrFürLetzteZeile(26), 1}, Druckfall{1985, 2}}) {
        SCOPED_TRACE(d.geburtsjahr);
        Rechenfall fall(d.geburtsjahr);
        Drucksachen drucksachen(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen, nullptr);

        auto vorher = stand();
        drucksachen.berechnungdrucken();
        EXPECT_TRUE(fall.meldungen.protokoll.isEmpty());
        const QString berechnung = neueDatei(vorher);
        ASSERT_FALSE(berechnung.isEmpty()) << "Keine PDF-Datei in " << ausgabe.toStdString();
        const QString info = ausführen("pdfinfo", {berechnung});
        EXPECT_EQ(seiten(info), d.seiten) << info.toStdString();
        EXPECT_TRUE(querAufDemBlatt(berechnung));

        vorher = stand();
        drucksachen.Bescheiddrucken();
        EXPECT_TRUE(fall.meldungen.protokoll.isEmpty());
        EXPECT_FALSE(neueDatei(vorher).isEmpty());
    }
}

} // namespace
