#pragma once

#include <QCursor>
#include <QPushButton>

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

    Symbolbild* picture1 = nullptr; // on Schließen
    Symbolbild* picture2 = nullptr; // on Hilfe
    Symbolbild* picture3 = nullptr; // on ATV
    Symbolbild* picture4 = nullptr; // on Info
    Symbolbild* picture5 = nullptr; // on Bescheid
    Symbolbild* picture6 = nullptr; // on Berechnung
    Symbolbild* picture7 = nullptr; // on Blatt

    // zeiger: the pointer over the buttons and pictures.
    static Werkzeugleiste anlegen(QWidget* fenster, const QCursor& zeiger);
    // A caption with its Alt key marked by '&'; screen readers hear it without the blanks
    // that make room for the picture.
    static void beschriften(QPushButton* knopf, const QString& text);
};
