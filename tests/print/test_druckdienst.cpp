#include "hilfen/fall.h"
#include "print/drucksachen.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// Prints through the real printer path into a cups-pdf queue, which CI sets up as the
// default printer. Elsewhere the test skips, so that nobody's real printer gets paper.
namespace {

QString ausführen(const QString& programm, const QStringList& argumente, bool fehlerausgabe = false)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(fehlerausgabe ? p.readAllStandardError() : p.readAllStandardOutput());
}

// cups-pdf names its files after the document ("Berechnung Vorname Nachname, Datum" becomes
// "Berechnung_Vorname_Nachname__Datum_..."), so a file of a kind may be replaced. Only the
// program's documents count: other jobs may land in the same folder.
QMap<QString, QDateTime> pdfDateien(const QString& ordner)
{
    QMap<QString, QDateTime> s;
    for (const QFileInfo& info :
         QDir(ordner).entryInfoList({"Berechnung_*.pdf", "Anschreiben_*.pdf"}, QDir::Files))
        s.insert(info.filePath(), info.lastModified());
    return s;
}

// Waits until cups-pdf has finished a new or newer file of the document `titel`; returns what
// pdfinfo says of it.
QString neueDatei(const QString& ordner, const QMap<QString, QDateTime>& vorher, const QString& titel,
                  QString& pfad)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 60000) {
        const auto jetzt = pdfDateien(ordner);
        for (auto it = jetzt.begin(); it != jetzt.end(); ++it) {
            if (!QFileInfo(it.key()).fileName().startsWith(titel))
                continue;
            const QString info =
                vorher.value(it.key()) == it.value() ? QString() : ausführen("pdfinfo", {it.key()});
            if (info.contains("Pages:")) {
                pfad = it.key();
                return info;
            }
        }
        QThread::msleep(200);
    }
    return {};
}

TEST(Druckdienst, BerechnungUndAnschreibenKommenAlsPdfAn)
{
    const QString drucker = QPrinterInfo::defaultPrinterName();
    if (drucker.isEmpty())
        GTEST_SKIP() << "Kein Standarddrucker eingerichtet: der Druck über CUPS wird nicht geprüft.";
    if (!ausführen("lpstat", {"-v", drucker}).contains("cups-pdf:/"))
        GTEST_SKIP() << "Der Standarddrucker ist keine cups-pdf-Warteschlange: es wird nichts gedruckt.";
    const QString ausgabe = qEnvironmentVariable("ZUVORA_CUPS_PDF_ORDNER", QDir::homePath() + "/PDF");
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));

    for (const auto& [geburtsjahr, seiten] :
         {std::pair{Rechenfall::geburtsjahrFürLetzteZeile(26), 1}, {1985, 2}}) {
        SCOPED_TRACE(geburtsjahr);
        Rechenfall fall(geburtsjahr);
        Drucksachen drucksachen(fall.tabelle.modell(), fall.stand, fall.ablage, fall.meldungen);
        QString pfad;
        auto stand = pdfDateien(ausgabe);
        (void)drucksachen.berechnungdrucken();
        const QString info = neueDatei(ausgabe, stand, "Berechnung_", pfad);
        ASSERT_FALSE(info.isEmpty()) << "Keine PDF-Datei in " << ausgabe.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(seiten))))
            << info.toStdString();
        // cups-pdf turns a landscape page onto a portrait sheet: the ink is then taller than wide.
        const auto box =
            QRegularExpression("%%BoundingBox: (\\d+) (\\d+) (\\d+) (\\d+)")
                .match(ausführen("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dLastPage=1", "-sDEVICE=bbox", pfad},
                                 true));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_GT(box.captured(4).toInt() - box.captured(2).toInt(),
                  box.captured(3).toInt() - box.captured(1).toInt());

        // The letter after the calculation: one portrait page with every word on the paper.
        stand = pdfDateien(ausgabe);
        (void)drucksachen.Bescheiddrucken();
        const QString brief = neueDatei(ausgabe, stand, "Anschreiben_", pfad);
        EXPECT_TRUE(brief.contains(QRegularExpression("Pages:\\s+1\\n"))) << brief.toStdString();
        EXPECT_TRUE(brief.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12]")))
            << brief.toStdString();
        const QRegularExpression wort("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                      "yMax=\"([\\d.]+)\">");
        int wörter = 0;
        for (const auto& m : wort.globalMatch(ausführen("pdftotext", {"-bbox", pfad, "-"}))) {
            ++wörter;
            EXPECT_LE(m.captured(3).toDouble(), 595.3) << "Wort endet rechts vom Papier";
            EXPECT_LE(m.captured(4).toDouble(), 841.9) << "Wort endet unter dem Papier";
        }
        EXPECT_GT(wörter, 100);
        EXPECT_TRUE(fall.meldungen.protokoll.isEmpty());
    }
    QDir::setCurrent(vorher);
}

} // namespace
