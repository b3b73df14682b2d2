#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The three pages of the program's web site that the toolbar opens in the browser. The
// opener is the desktop's; tests put their own in its place.
class Webseiten
{
public:
    using Öffner = std::function<void(const QUrl&)>;

    static QString infoPfad() { return QStringLiteral("/Zuvora/Index.htm"); }
    static QString atvPfad() { return QStringLiteral("/Tarifvertrag/ATV/Index.htm"); }
    static QString hilfePfad() { return QStringLiteral("/Zuvora/Beschreibung.htm"); }

    Webseiten();

    void setzeÖffner(Öffner öffner) { m_öffner = std::move(öffner); }
    // A page that cannot be opened (no browser, no desktop) is let go without a word:
    // the window stays as it is and the user may simply try again.
    void öffnen(const QString& pfad) const;

private:
    Öffner m_öffner;
};
