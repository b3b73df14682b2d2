#pragma once

#include "core/ergebnis.h"

#include <QString>

// The program keeps its files in the folder it works in. Started from a shell that is the
// current folder; the desktop menu starts it with `menüschalter`, and then it is the folder
// "Zuvora" in the user's home, made on first use, rather than wherever the desktop happens
// to start programs.
namespace Startordner {

inline constexpr char menüschalter[] = "--menue";

// Makes `heim`/Zuvora when it is missing and changes into it. When that cannot be done, the
// result says why and the current folder is unchanged.
Ergebnis menüordnerBetreten(const QString& heim);

} // namespace Startordner
