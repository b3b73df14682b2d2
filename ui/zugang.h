#pragma once

#include <QString>

class QWidget;

// What screen readers learn about the window through Qt's accessibility interfaces, beyond
// what the widgets tell by themselves.
namespace Zugang {

// Installs the program's own interfaces; once per process, before the first window.
void einrichten();

// A widget that only decorates another control (a picture on a button, a rule): it is
// left out of the accessible tree, so that nobody hears an empty "filler".
void alsSchmuck(QWidget* widget);
bool istSchmuck(const QWidget* widget);

// A frame in the text colour round whatever has the focus in `fenster`: the style's own
// focus marks are faint on the coloured controls.
void fokusrahmen(QWidget* fenster);

// The accessible name from a caption: without the blanks that make room for a picture
// and without the '&' that marks the Alt key.
QString nameAusBeschriftung(const QString& beschriftung);

} // namespace Zugang
