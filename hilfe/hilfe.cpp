#include "hilfe/hilfe.h"

#include <QDir>
#include <QFile>
#include <QVariant>
#include <QWidget>

// A static library's resources are linked only when something asks for them.
static void hilfeEinbinden()
{
    static const bool eingebunden = [] {
        Q_INIT_RESOURCE(hilfe);
        return true;
    }();
    (void)eingebunden;
}

namespace Hilfe {

namespace {
constexpr char ZielEigenschaft[] = "zuvoraHilfe";
}

QUrl adresse(const QString& ziel)
{
    hilfeEinbinden();
    return QUrl(QStringLiteral("qrc:/hilfe/") + ziel);
}

QStringList seiten()
{
    hilfeEinbinden();
    return QDir(QStringLiteral(":/hilfe")).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

void setzeZiel(QWidget* steuerelement, const QString& ziel)
{
    steuerelement->setProperty(ZielEigenschaft, ziel);
}

QString ziel(const QWidget* steuerelement)
{
    for (const QWidget* w = steuerelement; w; w = w->parentWidget()) {
        const QString z = w->property(ZielEigenschaft).toString();
        if (!z.isEmpty())
            return z;
    }
    return Start;
}

QString spalte(int spalte)
{
    return QStringLiteral("spalten.html#spalte-%1").arg(spalte + 1);
}

QString lizenztext()
{
    hilfeEinbinden();
    QFile datei(QStringLiteral(":/lizenz/LICENSE"));
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
}

} // namespace Hilfe
