#pragma once

#include <QColor>

// The colours both grids and the window share.
namespace Farben {
inline const QColor HellGelb{255, 255, 192};
inline const QColor DunkelGrün{0, 128, 0};
inline const QColor Grün{128, 255, 128};
inline const QColor HellGrün{192, 255, 192};
inline const QColor Weiß{255, 255, 255};
inline const QColor Rot{255, 0, 0};
} // namespace Farben
