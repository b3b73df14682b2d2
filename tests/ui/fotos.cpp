// Opens the real main window in its states one after another and photographs the whole
// screen after each: fotos <folder>. Meant for a virtual X server (tools/bildschirmfotos);
// the case file is a fresh one in a temporary folder.
#include "ansicht/namensgrid.h"
#include "ansicht/tabellenansicht.h"
#include "hilfen/dunklepalette.h"
#include "hilfen/prueffenster.h"
#include "table/tabellenaufbau.h"
#include "ui/hilfebefehle.h"
#include "ui/seiten/rentenbeginnseite.h"
#include "ui/seiten/sozialpanel.h"
#include "ui/seiten/vergleichsseite.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

void warten(int ms)
{
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec();
}

void zeigerBewegen(QWidget* w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // ZUVORA_FOTOS_DUNKEL=1: a desktop with a dark palette, light text on dark ground.
    if (qEnvironmentVariableIntValue("ZUVORA_FOTOS_DUNKEL"))
        QApplication::setPalette(dunklePalette());
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: fotos <Ordner>\n");
        return 2;
    }
    const QDir ziel(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QTemporaryDir arbeitsordner;
    QDir::setCurrent(arbeitsordner.path());

    Prueffenster fenster;
    if (!fenster.Form_Load())
        return 1;
    fenster.show();

    int fehler = 0;
    const auto foto = [&](const char* name) {
        warten(500);
        const QString datei = ziel.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        // The whole screen, as the X server shows it, window frame included.
        if (!QGuiApplication::primaryScreen()->grabWindow(0).save(datei))
            ++fehler;
        std::printf("%s\n", qPrintable(datei));
    };

    // The pointer over the start-credit column: the explanation line shows its text.
    zeigerBewegen(fenster.grid()->viewport(), QPoint(20, 200));
    foto("normal");
    fenster.kurzesLayout();
    foto("kurz");
    fenster.normalesLayout();
    fenster.werkzeugleiste().verlängern->click();
    foto("lang");
    fenster.werkzeugleiste().verlängern->click();
    // Scrolled to the last year: the heading and the year column stay.
    fenster.grid()->verticalScrollBar()->setValue(fenster.grid()->verticalScrollBar()->maximum());
    foto("geblaettert");
    fenster.grid()->verticalScrollBar()->setValue(0);
    // The case list in the short window, the pointer over its name column.
    fenster.Bediensteter_Click();
    zeigerBewegen(fenster.namensgrid()->viewport(), QPoint(150, 60));
    foto("liste");
    fenster.tabelleZeigen();
    fenster.normalesLayout();
    // The parental-leave panel for the year 2005, the pointer over the background.
    fenster.sozialpanel()->öffnen(Jahreszeile::von(2005));
    zeigerBewegen(&fenster, QPoint(5, 400));
    foto("panel");
    fenster.sozialpanel()->Abbrechen_Click();
    fenster.rentenbeginnseite()->öffnen();
    zeigerBewegen(&fenster, QPoint(5, 400));
    foto("rentenbeginn");
    fenster.tabelleZeigen();
    // The comparison, its chart and its answers.
    if (auto* vergleich = fenster.findChild<Vergleichsseite*>()) {
        vergleich->öffnen();
        zeigerBewegen(vergleich->findChild<QWidget*>(QStringLiteral("Übersicht drucken")), QPoint(5, 5));
        foto("vergleich");
        auto* reiter = vergleich->findChild<QTabWidget*>(QStringLiteral("Reiter"));
        reiter->setCurrentIndex(1);
        foto("vergleich_diagramm");
        reiter->setCurrentIndex(3);
        foto("vergleich_angaben");
        // The overview's print preview beside the window.
        vergleich->übersichtVorschau();
        foto("vergleich_vorschau");
        if (QWidget* vorschau = QApplication::activeModalWidget())
            vorschau->close();
        vergleich->Abbrechen_Click();
    }
    // The focus frame on a toolbar button, on the name label and on a green cell.
    fenster.activateWindow();
    fenster.werkzeugleiste().bescheid->setFocus(Qt::TabFocusReason);
    foto("fokus_knopf");
    fenster.bediensteter()->setFocus(Qt::TabFocusReason);
    foto("fokus_name");
    fenster.grid()->setFocus(Qt::TabFocusReason);
    fenster.rechentabelle().setzeAktuelleZelle(Jahreszeile::von(2005), nr(Spalte::Elternzeit));
    foto("fokus_zelle");
    // F1 on that cell: the help at the column's section, beside the main window.
    fenster.hilfebefehle()->f1();
    fenster.hilfebefehle()->hilfefenster()->move(500, 80);
    foto("hilfe");
    fenster.hilfebefehle()->hilfefenster()->close();
    fenster.Info_Click();
    foto("programminfo");
    if (QWidget* info = QApplication::activeModalWidget())
        info->close();
    // The letter-text editor.
    fenster.Blatt_Click();
    foto("anschreibentext");
    return fehler == 0 ? 0 : 1;
}
