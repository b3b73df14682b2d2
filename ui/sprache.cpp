#include "ui/sprache.h"

#include "core/deutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Sprache {

bool deutschEinrichten(QCoreApplication& anwendung)
{
    QLocale::setDefault(Deutsch::gebietsschema());
    auto* übersetzung = new QTranslator(&anwendung);
    if (!übersetzung->load(Deutsch::gebietsschema(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete übersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(übersetzung);
}

} // namespace Sprache
