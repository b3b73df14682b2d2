#include "core/befehlszeile.h"
#include "core/dateiablage.h"
#include "core/startordner.h"
#include "print/stapeldruck.h"
#include "ui/nachrichten.h"
#include "ui/sprache.h"
#include "ui/zvk.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Under "ulimit -f" a save then fails with a message instead of killing the program.
    dateigrenzeAlsFehler();
    // Help and version need no window system: a terminal without a display gets them too.
    if (Befehlszeile::nurTerminal(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        return Befehlszeile(QCoreApplication::arguments()).antworten();
    }
    // A printout needs fonts but no display: the PDF is drawn off screen.
    if (Befehlszeile::druckauftrag(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication terminal(argc, argv);
        const Befehlszeile befehl(QGuiApplication::arguments());
        if (befehl.auftrag() != Befehlszeile::Auftrag::Pdf)
            return befehl.antworten();
        QTextStream fehler(stderr);
        return Stapeldruck::ausführen(befehl.pdfArt(), befehl.fall(), befehl.pdfDatei(), fehler);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuvora"));
    const Befehlszeile befehl(QApplication::arguments());
    if (befehl.auftrag() == Befehlszeile::Auftrag::Pdf) {
        QTextStream fehler(stderr);
        return Stapeldruck::ausführen(befehl.pdfArt(), befehl.fall(), befehl.pdfDatei(), fehler);
    }
    if (befehl.auftrag() != Befehlszeile::Auftrag::Starten)
        return befehl.antworten();
    // Without Qt's translation the message boxes still say "Ja" and "Nein" (ui/nachrichten).
    Sprache::deutschEinrichten(app);
    if (befehl.menü()) {
        if (const Ergebnis e = Startordner::menüordnerBetreten(QDir::homePath()); !e.ok) {
            Nachrichten().fehler(e.meldung);
            return 1;
        }
    }
    ZVK fenster;
    if (!fenster.Form_Load())
        return 1;
    fenster.show();
    return app.exec();
}
