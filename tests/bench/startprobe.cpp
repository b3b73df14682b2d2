// Starts like the program (or as a blank Qt window) and quits as soon as the window has
// been shown and painted once; the launcher times the whole process.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#ifdef ZUVORA_PROBE_PROGRAMM
#include "zvk.h"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#ifdef ZUVORA_PROBE_PROGRAMM
    ZVK fenster;
    if (!fenster.Form_Load())
        return 1;
#else
    QWidget fenster;
    fenster.resize(946, 576);
#endif
    fenster.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
