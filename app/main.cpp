#include "core/dateiablage.h"
#include "core/startordner.h"
#include "ui/nachrichten.h"
#include "ui/sprache.h"
#include "ui/zvk.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    // Under "ulimit -f" a save then fails with a message instead of killing the program.
    dateigrenzeAlsFehler();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuvora"));
    // Without Qt's translation the message boxes still say "Ja" and "Nein" (ui/nachrichten).
    Sprache::deutschEinrichten(app);
    if (QApplication::arguments().contains(QLatin1String(Startordner::menüschalter))) {
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
