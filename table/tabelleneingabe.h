#pragma once

#include "table/tabellenaufbau.h"

#include <QObject>
#include <QString>

class Rechentabelle;

// Typing into the calculation table. The table has no edit mode: a click blanks an input
// cell, every key builds its text one character at a time, and Enter stores the value in
// the case record, writes the record and recomputes. Nothing is stored by leaving a cell.
class Tabelleneingabe : public QObject
{
    Q_OBJECT
public:
    static QString formatVorschrift();
    static QString vortragenFrage() { return QStringLiteral("In alle Folgemonate vortragen?"); }

    explicit Tabelleneingabe(Rechentabelle& tabelle, QObject* parent = nullptr);

    // Acts on the table's current cell, which the click has just made current.
    void Grid_Click();
    // One key as its character code; the code may be changed (a comma becomes a point).
    // A pay, bonus or start-credit cell reached by the keyboard starts a new value with the
    // first digit, comma or Backspace, as if it had been clicked; Enter or Space on a
    // parental-leave cell opens the panel, as the click does.
    void Grid_KeyPress(char16_t& code);
    // Keys without a character, as Qt's key code: F2 opens the panel as Enter does.
    void Grid_KeyDown(int taste);

signals:
    // A click on the parental-leave column of a year row: the window opens its panel.
    void sozialpanelAngefordert(int zeile);

private:
    enum class Eingabe { Keine, Entgelt, Bonus, Startgutschrift };
    Eingabe eingabezelle() const;
    void elternzeitÖffnen();
    void beginnen();
    bool begonnen() const;
    void zifferAnfügen(Eingabe art, QChar ziffer);

    void fettZeigen(int zeile, Spalte spalte, qreal punkte);
    void entgeltFestschreiben();
    void bonusFestschreiben();
    void startgutschriftFestschreiben();
    // Writes the record of the current case and computes the table again. When the file
    // refuses it, the user is told why and the record and the table go back to what the
    // file holds.
    void speichernUndRechnen();

    Rechentabelle& m_tabelle;
    // The input cell the user started typing into (a click, or the first key); -1 for none.
    // Any rewrite of the table forgets it.
    int m_begonneneZeile = -1;
    int m_begonneneSpalte = -1;
};
