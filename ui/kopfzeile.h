#pragma once

#include <functional>

struct Arbeitsstand;
class Erlaeuterungszeile;
class Namensfeld;
class QCursor;
class QLabel;
class QWidget;
class Rechentabelle;

// The row under the toolbar: the current person's name, which opens the case list, and the
// headline with the expected pension, which opens the pension-start page. The window owns
// the widgets; this builds them in their places, keeps them showing what the table says,
// and registers their explanations.
struct Kopfzeile {
    Namensfeld* bediensteter = nullptr;
    QLabel* rentenbeschriftung = nullptr; // Label1 as designed
    QLabel* rentenkopf = nullptr;         // Label2 as designed

    static Kopfzeile anlegen(QWidget* fenster, Rechentabelle& tabelle, const QCursor& zeiger);
    // The name label explains the case list or how to choose a case, as `tabelleSichtbar`
    // says; the headline names the age the case's table runs to.
    void erläuterungenAnmelden(Erlaeuterungszeile& zeile, const Rechentabelle& tabelle,
                               const Arbeitsstand& stand, std::function<bool()> tabelleSichtbar) const;
    // The sections of the help F1 opens on the name and the headline.
    void hilfezieleSetzen() const;
};
