#pragma once

#include <QString>
#include <utility>

// The outcome of an operation that can fail with a message for the user, in German. A
// result must be looked at: a failure that nobody reads would pass for success.
struct [[nodiscard]] Ergebnis {
    bool ok = true;
    QString meldung; // for the user: a note (or nothing) when ok, the reason when not
    // The file had been changed by someone else since the program read it: nothing was
    // written, and the file has been read again for the caller to show as it is now.
    bool geändertVonAnderen = false;

    static Ergebnis fehler(QString meldung) { return {false, std::move(meldung)}; }
    static Ergebnis hinweis(QString meldung) { return {true, std::move(meldung)}; }
};
