#pragma once

#include "core/ergebnis.h"

#include <QString>
#include <sys/types.h>

// Keeps a second copy of the program away from the same case file: a lock file beside it,
// held from before the case file is opened until the program ends. Both copies would hold
// the file image in memory, and each save would undo the other's changes.
//
// The lock file holds the process number, the program and the computer, one a line; the
// holder keeps an flock() on it, so a lock file nobody holds any more (its process was
// killed, the computer lost power, the file is empty or garbled) is taken over. Only a lock
// written on another computer is left alone, since its process cannot be asked here. Of a
// lock file only a few hundred bytes are read, and something that is no file (a pipe, a
// device, a link to one) is never opened: the user is told which name to delete.
class Sperre
{
public:
    using Ergebnis = ::Ergebnis;

    Sperre() = default;
    ~Sperre();
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

    Ergebnis nehmen(const QString& falldateipfad);
    bool gehalten() const { return m_fd >= 0; }

    // Before a save: is the lock file still ours? Deleted or replaced while the program ran,
    // a second copy could have started; a deleted one is taken again if nobody else has.
    Ergebnis bestätigen();

    static QString sperrpfad(const QString& falldateipfad) { return falldateipfad + QStringLiteral(".lock"); }

private:
    enum class Befund { Genommen, Besetzt, Wiederholen, Kaputt, KeinRecht };
    Befund versuchen(QString& meldung);
    Befund fremdeSperrePrüfen(QString& meldung);
    void freigeben();

    QString m_pfad;
    int m_fd = -1;
    dev_t m_gerät = 0;
    ino_t m_knoten = 0;
};
