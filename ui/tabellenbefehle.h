#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class Dateiablage;
class Erlaeuterungszeile;
class Nachrichten;
class QAction;
class QWidget;
class Rechentabelle;
class Tabellenansicht;
class Tabelleneingabe;

// The table's commands beyond typing, from the keyboard while the table has the focus and
// from its context menu: copy and paste of cell ranges, marking every year, undo and redo of
// the case's stored changes, the table saved as a CSV file and pay taken over from one.
class Tabellenbefehle : public QObject
{
public:
    Tabellenbefehle(Tabellenansicht* grid, Rechentabelle& tabelle, Tabelleneingabe& eingabe,
                    Nachrichten& nachrichten, Dateiablage& ablage, Erlaeuterungszeile& erläuterungen);

    // A command of a grid: its shortcuts act while the grid has the focus, its text names it
    // in the context menu and for screen readers, and its explanation shows in the
    // explanation line while the pointer rests on it in the menu.
    static QAction* befehl(QWidget* grid, Erlaeuterungszeile& erläuterungen, const QString& text,
                           const QList<QKeySequence>& tasten, const QString& erklärung);

    void rückgängig();
    void wiederholen();
    // "Tabelle als CSV speichern ...": the whole table in a file the user names.
    void alsCsvSpeichern();
    // "Entgelte aus CSV übernehmen ...": shows what a pay file changes and takes it on request.
    void entgelteÜbernehmen();

private:
    Rechentabelle& m_tabelle;
    Tabelleneingabe& m_eingabe;
    Nachrichten& m_nachrichten;
    Dateiablage& m_ablage;
};
