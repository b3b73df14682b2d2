#pragma once

#include <QCursor>
#include <QPushButton>

class Erlaeuterungszeile;
class Symbolbild;

// The seven command buttons across the top of the main window with the pictures laid over
// them, and the button that lengthens the table. The window owns the widgets; this only
// builds them in their places and hands out the pointers.
struct Werkzeugleiste {
    QPushButton* info = nullptr;
    QPushButton* atv = nullptr;
    QPushButton* bescheid = nullptr;
    QPushButton* blatt = nullptr;
    QPushButton* berechnung = nullptr;
    QPushButton* hilfe = nullptr;
    QPushButton* schließen = nullptr;
    QPushButton* verlängern = nullptr;

    // The pictures laid over the buttons (Picture1..7 as designed, in this order).
    Symbolbild* schließenBild = nullptr;
    Symbolbild* hilfeBild = nullptr;
    Symbolbild* atvBild = nullptr;
    Symbolbild* infoBild = nullptr;
    Symbolbild* bescheidBild = nullptr;
    Symbolbild* berechnungBild = nullptr;
    Symbolbild* blattBild = nullptr;

    // zeiger: the pointer over the buttons and pictures.
    static Werkzeugleiste anlegen(QWidget* fenster, const QCursor& zeiger);
    // A caption with its Alt key marked by '&'; screen readers hear it without the blanks
    // that make room for the picture.
    static void beschriften(QPushButton* knopf, const QString& text);
    // A picture does what its button does, with one exception left to the window: the one
    // on Schließen closes only the main window.
    void bilderVerbinden() const;
    // Every button and the picture on Blatt explain themselves in the explanation line.
    void erläuterungenAnmelden(Erlaeuterungszeile& zeile) const;
    // The section of the help F1 opens on each button.
    void hilfezieleSetzen() const;
};
