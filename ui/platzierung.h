#pragma once

#include "core/twips.h"

#include <QFont>
#include <QLabel>
#include <QWidget>

// Places and fonts of the window's controls, given as designed: twips and points.
namespace Platzierung {

inline void platzieren(QWidget* w, int links, int oben, int breite, int höhe)
{
    w->setGeometry(Twips::zuPixel(links), Twips::zuPixel(oben), Twips::zuPixel(breite), Twips::zuPixel(höhe));
}

inline void platzieren(QWidget* w, const QRect& twips)
{
    platzieren(w, twips.x(), twips.y(), twips.width(), twips.height());
}

inline QFont arial(qreal punkte, bool fett = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

// A framed label of plain black text on `hintergrund`, found by its object name `name`.
template <class Label = QLabel>
Label* umrandetesLabel(QWidget* eltern, const char* name, const QColor& hintergrund)
{
    auto* label = new Label(eltern);
    label->setObjectName(QString::fromUtf8(name));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    return label;
}

} // namespace Platzierung
