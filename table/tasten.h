#pragma once

#include <Qt>

// The character codes the table and the case list react to besides printable characters;
// the views turn Qt's keys into them.
namespace Taste {
constexpr char16_t Rückschritt = 8;
constexpr char16_t Eingabe = 13;
constexpr char16_t Leertaste = u' ';
constexpr char16_t Komma = u',';
constexpr char16_t Punkt = u'.';

// The keys that move the current cell: they commit a value being typed first.
constexpr bool bewegt(int taste)
{
    switch (taste) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}
} // namespace Taste
