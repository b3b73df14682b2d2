#pragma once

#include "core/twips.h"

#include <QFont>
#include <QWidget>

// Places and fonts of the window's controls, given as designed: twips and points.
namespace Platzierung {

inline void platzieren(QWidget* w, int links, int oben, int breite, int höhe)
{
    w->setGeometry(Twips::zuPixel(links), Twips::zuPixel(oben), Twips::zuPixel(breite), Twips::zuPixel(höhe));
}

inline QFont arial(qreal punkte, bool fett = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

} // namespace Platzierung
