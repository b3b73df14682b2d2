#pragma once

#include <QList>

class Druckbefehle;
class Drucksachen;
class Eingabeseite;
class Erlaeuterungszeile;
class Rechentabelle;
class Tabelleneingabe;
class QWidget;

// What a page that takes the table's place gets from the window: the window it lies in, the
// case it works on, the table's input (which may ask for a page), the explanation line its
// controls register their texts with, and the headline (a click on it may open a page).
struct Seitenumgebung {
    QWidget* fenster;
    Rechentabelle& tabelle;
    Tabelleneingabe& eingabe;
    Erlaeuterungszeile& erläuterungen;
    QList<QWidget*> kopf;
    Drucksachen& drucksachen;   // a page may print the case
    Druckbefehle& druckbefehle; // and preview it with the window's printer
};

// Every input page of the window, made in the order Tab reaches them. A page brings its
// caption, keys, explanation texts and triggers along; the window places it where the short
// table lies, shows it when it asks, and shows the table again when it ends. A new page
// is one line here.
namespace Seitenliste {
QList<Eingabeseite*> anlegen(const Seitenumgebung& umgebung);
}
