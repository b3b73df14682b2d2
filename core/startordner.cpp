#include "core/startordner.h"

#include <QDir>
#include <QFileInfo>

namespace Startordner {

Ergebnis menüordnerBetreten(const QString& heim)
{
    const QString ordner = QDir(heim).filePath(QStringLiteral("Zuvora"));
    if (!QDir().mkpath(ordner) || !QFileInfo(ordner).isDir())
        return Ergebnis::fehler(
            QStringLiteral("Der Ordner „%1“ für die Dateien des Programms kann nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(ordner)));
    if (!QDir::setCurrent(ordner))
        return Ergebnis::fehler(QStringLiteral("In den Ordner „%1“ kann nicht gewechselt werden.")
                                    .arg(QDir::toNativeSeparators(ordner)));
    return {};
}

} // namespace Startordner
