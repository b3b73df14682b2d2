#include "core/startordner.h"

#include <QDir>
#include <QFileInfo>

namespace Startordner {

bool menüordnerBetreten(const QString& heim, QString& fehler)
{
    const QString ordner = QDir(heim).filePath(QStringLiteral("Zuvora"));
    if (!QDir().mkpath(ordner) || !QFileInfo(ordner).isDir()) {
        fehler = QStringLiteral("Der Ordner „%1“ für die Dateien des Programms kann nicht angelegt werden.")
                     .arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    if (!QDir::setCurrent(ordner)) {
        fehler = QStringLiteral("In den Ordner „%1“ kann nicht gewechselt werden.")
                     .arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    return true;
}

} // namespace Startordner
