#pragma once

#include <QString>

// The program keeps its files in the folder it works in. Started from a shell that is the
// current folder; the desktop menu starts it with `menüschalter`, and then it is the folder
// "Zuvora" in the user's home, made on first use, rather than wherever the desktop happens
// to start programs.
namespace Startordner {

inline constexpr char menüschalter[] = "--menue";

// Makes `heim`/Zuvora when it is missing and changes into it. False, with a German message
// in `fehler`, when that cannot be done; the current folder is then unchanged.
bool menüordnerBetreten(const QString& heim, QString& fehler);

} // namespace Startordner
