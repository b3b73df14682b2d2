#pragma once

#include "core/tabellentext.h"
#include "core/zahleingabe.h"
#include "table/tabellenaufbau.h"

#include <QObject>
#include <QString>
#include <optional>

class Rechentabelle;

// Typing into the calculation table, as in a spreadsheet. The first character typed on a
// pay, bonus or start-credit cell begins an edit: the cell shows the text in italics, and
// nothing else sees it. Enter and the arrow keys (and Tab, as it leaves the table) commit
// it: the text is read as a German number, stored in the case record, written to the file
// and the table is computed again; after Enter the current cell moves one year down.
// Esc, a click on another cell, another case and an opened page cancel it, and the cell
// shows the stored value again. A text that is no number is refused with a message naming
// what is taken, and the cell shows the stored value.
class Tabelleneingabe : public QObject
{
    Q_OBJECT
public:
    static QString vortragenFrage() { return QStringLiteral("In alle Folgejahre vortragen?"); }

    explicit Tabelleneingabe(Rechentabelle& tabelle, QObject* parent = nullptr);

    // Acts on the table's current cell, which the click has just made current: a click on
    // the parental-leave column opens the panel.
    void Grid_Click();
    // One key as its character code (Enter and Backspace as in Taste). Enter or Space on a
    // parental-leave cell opens the panel, as the click does.
    void Grid_KeyPress(char16_t& code);
    // Keys without a character, as Qt's key code: F2 opens the panel as Enter does; Tab and
    // the arrow keys commit the edit before the grid moves. (Esc is the window's: it cancels
    // the edit, and closes the window when there is none.)
    void Grid_KeyDown(int taste);

    // Whether an edit is in progress, and its text.
    bool bearbeitet() const { return m_bearbeitung.has_value(); }
    QString bearbeitungstext() const { return m_bearbeitung ? m_bearbeitung->text : QString(); }
    // Commits the edit in progress. False when its text was refused (the user has been
    // told, the cell shows the stored value again) or the file refused it.
    bool festschreiben();
    // Cancels the edit in progress; the cell shows the stored value. False when there was none.
    bool abbrechen();

    // Pastes rows of tab-separated values from the current cell on, to the right and down.
    // Every value is read first; a bad one, a row past the last year or a column that takes
    // no input refuses the whole paste with a message. Several values are one save, one
    // recalculation and one undo step, without the carry-forward question; a single value
    // is stored as if typed. False when nothing was stored.
    bool einfügen(const QString& text);
    // The selected cells (or the current one) as tab-separated text with German numbers.
    QString kopieren() const;
    // Selects every year row.
    void alleJahreWählen();

    // The whole table for a CSV file: a heading, then the row of 2001 and every year, the
    // columns of values without the operators between them.
    QList<QStringList> alsTabellentext() const;
    // What a pay file would change, line by line ("2010: Entgelt 30000,00 → 41250,00"),
    // followed by the lines it cannot use. `ändert` tells whether any year changes.
    QString übernahmeVorschau(const Tabellentext::Entgeltdatei& datei, bool& ändert) const;
    // Takes the pay file's values as one change: one save, one recalculation, one undo step.
    bool übernehmen(const Tabellentext::Entgeltdatei& datei);
    // The years a pay file may name: the first year of insurance to the last row.
    std::pair<int, int> eingabejahre() const;

signals:
    // A click on the parental-leave column of a year row: the window opens its panel.
    void sozialpanelAngefordert(int zeile);

private:
    using Art = Zahleingabe::Art;
    std::optional<Art> eingabeart(int zeile, int spalte) const;
    void elternzeitÖffnen();
    void beginnen(int zeile, int spalte, const QString& text);
    void zeigen(const QString& text);
    void nachFestschreibenWeiter();

    struct Wert {
        int zeile;
        Spalte spalte;
        Festkomma wert;
    };
    // Stores the values in the case record, writes it once and computes once; the cells
    // that took a value show it in the committed look (of a carried-forward pay only the first).
    bool eintragen(const QList<Wert>& werte, const QString& änderung, bool nurErstesFett = false);
    // The pay typed into one year, carried forward on request.
    bool entgeltEintragen(int zeile, Festkomma wert);

    struct Bearbeitung {
        int zeile, spalte;
        QString text;
    };
    Rechentabelle& m_tabelle;
    std::optional<Bearbeitung> m_bearbeitung;
    bool m_festschreiben = false; // while a commit asks and saves, moves cancel nothing
};
