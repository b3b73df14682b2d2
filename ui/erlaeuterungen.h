#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The one-line explanations the window shows while the pointer moves over its controls.
// Kept apart from the widgets so that every text and every column range can be checked
// without a display.
namespace Erlaeuterungen {

// The controls with a fixed explanation; `Form` is the window's own background.
enum class Element : int {
    ATV,
    Berechnung,
    Bescheid,
    Blatt,
    Form,
    Hilfe,
    Info,
    Rentenbeschriftung, // Label1 as designed
    Rentenkopf,         // Label2 as designed
    Schließen,
    Verlängern
};

QString text(Element element);

// The name label explains the case list while the table is in view, and how to choose a
// case while the list (or the parental-leave panel) stands in its place.
QString bediensteter(bool tabelleSichtbar);

// x in twips from the grid's left edge; both bounds of a range belong to it. Nothing for a
// position right of the last range or in the fraction of a twip between two ranges: the
// line then keeps what it shows.
std::optional<QString> rechentabelle(double xTwips);
std::optional<QString> namensgrid(double xTwips);

// Each column's explanation, as the pointer over the column's middle would show it.
QStringList spaltenbeschreibungen(const QVector<int>& breitenTwips,
                                  std::optional<QString> (*erläuterung)(double xTwips));

} // namespace Erlaeuterungen
