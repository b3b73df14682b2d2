#pragma once

#include "core/ergebnis.h"

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program away from the same case file: a lock file beside it,
// held from before the case file is opened until the program ends. Both copies would hold
// the file image in memory, and each save would undo the other's changes.
class Sperre
{
public:
    using Ergebnis = ::Ergebnis;

    Sperre();
    ~Sperre();

    Ergebnis nehmen(const QString& falldateipfad);
    bool gehalten() const;

    static QString sperrpfad(const QString& falldateipfad) { return falldateipfad + QStringLiteral(".lock"); }

private:
    std::unique_ptr<QLockFile> m_datei;
};
