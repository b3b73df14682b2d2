#include "ui/zvk.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuvora"));
    ZVK fenster;
    if (!fenster.Form_Load())
        return 1;
    fenster.show();
    return app.exec();
}
