#pragma once

#include <QWidget>
#include <memory>

// The program's main window as a straightforward Qt program would build it, for comparison:
// stock widgets only, everything made at start-up. Reads "atv.txt" in the current folder;
// null when that fails.
std::unique_ptr<QWidget> gewöhnlichesFenster();
