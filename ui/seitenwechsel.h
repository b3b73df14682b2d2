#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>

class Eingabeseite;
class Rechentabelle;
class Seitenstapel;
class Tabelleneingabe;
class Tabellenansicht;

// Table, case list and the input pages take turns in one place. A page that gives up its
// place to another ends without taking its input over, and a text being typed in the table
// never stands beside another page: it is cancelled, as by Esc. When a page ends from the
// keyboard, the focus goes back where it was when the page opened.
class Seitenwechsel : public QObject
{
public:
    // `listeHatFokus` says whether the case list has the focus, which then goes to the table.
    Seitenwechsel(Seitenstapel& seiten, Tabellenansicht* grid, Rechentabelle& tabelle,
                  Tabelleneingabe& eingabe, std::function<bool()> listeHatFokus);

    void einbinden(Eingabeseite* seite);
    // Shows the table again; a case chosen or a page ended from the keyboard leaves the focus
    // in it, so that typing goes on there.
    void tabelleZeigen();

private:
    void seiteBeendet();

    Seitenstapel& m_seiten;
    Tabellenansicht* m_grid;
    Rechentabelle& m_tabelle;
    Tabelleneingabe& m_eingabe;
    std::function<bool()> m_listeHatFokus;
    QPointer<QWidget> m_fokusVorSeite;         // where the focus was when an input page opened
    std::pair<int, int> m_zelleVorSeite{0, 0}; // and the table's current cell
};
