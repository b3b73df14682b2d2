#include "hilfen/fenster.h"
#include "ui/symbolbild.h"
#include "ui/werkzeugleiste.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>

namespace {

class PdfSpeichernTest : public FensterTest
{
protected:
    QTemporaryDir ziel;
    QString vorher = QDir::currentPath();

    void SetUp() override
    {
        // The letter's text file is read from, or first written to, the current folder.
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        FensterTest::SetUp();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
    void TearDown() override { QDir::setCurrent(vorher); }
    void strg(Qt::Key taste)
    {
        // The offscreen platform leaves no window active after a popup.
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        QWidget* fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : &fenster, taste, Qt::ControlModifier);
    }
    // Opens the context menu of `w` from the keyboard's menu key and chooses its first entry;
    // returns the entries the menu showed.
    QStringList ausDemKontextmenü(QWidget* w)
    {
        QStringList einträge;
        QTimer::singleShot(0, [&einträge] {
            auto* menü = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menü)
                return;
            for (const QAction* a : menü->actions())
                einträge << a->text() + u'\t' + a->shortcut().toString(QKeySequence::NativeText);
            QTest::keyClick(menü, Qt::Key_Down);
            QTest::keyClick(menü, Qt::Key_Return);
        });
        QContextMenuEvent ereignis(QContextMenuEvent::Keyboard, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &ereignis);
        return einträge;
    }
};

// Either printout, by its key, from its button's menu and from its picture's: the dialog
// offers the printout's name in the documents folder, the PDF lands where the user chose,
// and a cancelled dialog writes nothing and says nothing.
TEST_F(PdfSpeichernTest, TasteUndKontextmenüSpeichernDortWoDerNutzerWill)
{
    const Werkzeugleiste& l = fenster.werkzeugleiste();
    const QString name = fenster.stand().datensatz.nachname.trimmed();
    ASSERT_FALSE(name.isEmpty());
    const QString jahr = QString::number(QDate::currentDate().year());
    enum Weg { Taste, Knopfmenü, Bildmenü };
    struct Fall {
        QPushButton* knopf;
        QWidget* bild;
        Qt::Key taste;
        QString vorschlag, kürzel;
    };
    const Fall fälle[] = {
        {l.berechnung, l.berechnungBild, Qt::Key_B, "Berechnung-" + name + '-' + jahr + ".pdf", "Strg+B"},
        {l.bescheid, l.bescheidBild, Qt::Key_N, "Anschreiben-" + name + ".pdf", "Strg+N"},
    };
    for (const Fall& f : fälle) {
        for (const Weg weg : {Taste, Knopfmenü, Bildmenü}) {
            SCOPED_TRACE(f.vorschlag.toStdString() + " Weg " + std::to_string(weg));
            Nachrichten::gezeigte().clear();
            const QString pfad = ziel.filePath(QString::number(weg) + f.vorschlag);
            Nachrichten::setzeNächstenSpeicherort(pfad);
            Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
            if (weg == Taste)
                strg(f.taste);
            else
                EXPECT_EQ(
                    ausDemKontextmenü(weg == Knopfmenü ? f.knopf : f.bild),
                    (QStringList{"Als PDF speichern ...\t" +
                                     QKeySequence(Qt::CTRL | f.taste).toString(QKeySequence::NativeText),
                                 "Druckvorschau ...\t" + QKeySequence(Qt::CTRL | Qt::SHIFT | f.taste)
                                                             .toString(QKeySequence::NativeText)}));
            const auto& gezeigt = Nachrichten::gezeigte();
            ASSERT_EQ(gezeigt.size(), 2);
            const QFileInfo angeboten(gezeigt[0].text);
            EXPECT_EQ(angeboten.fileName(), f.vorschlag);
            const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            EXPECT_EQ(angeboten.absolutePath(), QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath());
            QFile pdf(pfad);
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_TRUE(pdf.read(5) == "%PDF-");
            EXPECT_TRUE(gezeigt[1].text.endsWith(QDir::toNativeSeparators(pfad)));
        }
        // Abbrechen in the dialog.
        Nachrichten::gezeigte().clear();
        const QStringList vorher = QDir(ziel.path()).entryList(QDir::Files);
        Nachrichten::setzeNächstenSpeicherort(QString());
        strg(f.taste);
        EXPECT_EQ(Nachrichten::gezeigte().size(), 1);
        EXPECT_EQ(QDir(ziel.path()).entryList(QDir::Files), vorher);
        // The explanation line and the tooltip name the key; the line is as wide as the window.
        EXPECT_TRUE(f.knopf->toolTip().contains("Als PDF: " + f.kürzel));
        const QLabel* zeile = fenster.erläuterungen();
        EXPECT_LE(zeile->fontMetrics().horizontalAdvance(u' ' + f.knopf->toolTip()),
                  zeile->contentsRect().width());
    }
}

// Beside the buttons' direct printing: a preview of either printout from its keys, whose
// context-menu entry explains itself in the line, and Strg+P through the print dialog.
TEST_F(PdfSpeichernTest, VorschauUndDruckdialog)
{
    const Werkzeugleiste& l = fenster.werkzeugleiste();
    const struct {
        QPushButton* knopf;
        Qt::Key taste;
        const char* titel;
        int seiten;
        const char* kürzel;
    } fälle[] = {
        {l.berechnung, Qt::Key_B, "Druckvorschau der Berechnung", 2,
         "(Strg+Umschalt+B). Mit dem Druckdialog drucken: Strg+P."},
        {l.bescheid, Qt::Key_N, "Druckvorschau des Anschreibens", 1, "(Strg+Umschalt+N)."},
    };
    for (const auto& f : fälle) {
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        QTest::keyClick(QApplication::focusWidget(), f.taste, Qt::ControlModifier | Qt::ShiftModifier);
        auto* vorschau = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(vorschau, nullptr) << f.titel;
        EXPECT_EQ(vorschau->windowTitle(), f.titel);
        EXPECT_EQ(vorschau->findChild<QPrintPreviewWidget*>()->pageCount(), f.seiten) << f.titel;
        vorschau->reject();
        QAction* eintrag = f.knopf->actions().last();
        eintrag->showStatusText(f.knopf);
        EXPECT_TRUE(fenster.erläuterungen()->text().startsWith(QStringLiteral("Druckvorschau d")));
        EXPECT_TRUE(fenster.erläuterungen()->text().endsWith(QString::fromUtf8(f.kürzel)));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Berechnung drucken");
    dialog->reject();
    EXPECT_TRUE(Nachrichten::gezeigte().isEmpty());

    // What the dialog hands over is printed there: here a PDF file.
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ziel.filePath("gewählt.pdf"));
    EXPECT_TRUE(fenster.drucksachen().berechnungAuf(drucker).ok);
    EXPECT_GT(QFileInfo(drucker.outputFileName()).size(), 1000);
}

} // namespace
