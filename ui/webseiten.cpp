#include "ui/webseiten.h"

#include "core/webadresse.h"

#include <QDesktopServices>

Webseiten::Webseiten() : m_öffner([](const QUrl& adresse) { QDesktopServices::openUrl(adresse); }) {}

void Webseiten::öffnen(const QString& pfad) const
{
    if (m_öffner)
        m_öffner(QUrl(Webadresse::url(pfad)));
}
