#pragma once

#include "arbeitsstand.h"
#include "dateiablage.h"
#include "falldatei.h"
#include "nachrichten.h"
#include "rechentabelle.h"

#include <QLabel>
#include <QWidget>

class Tabellenansicht;

// The main window: it owns the working set, the case file and the calculation table, and
// wires the views to them.
class ZVK : public QWidget
{
    Q_OBJECT
public:
    explicit ZVK(QWidget* parent = nullptr);

    // Prepares the window and loads case 1 from "atv.txt" in the current folder.
    // False when the program cannot go on (the message has been shown).
    bool Form_Load(const QString& falldateipfad = QStringLiteral("atv.txt"));

    Rechentabelle& rechentabelle() { return m_tabelle; }
    Arbeitsstand& stand() { return m_stand; }
    Falldatei& falldatei() { return m_datei; }
    Tabellenansicht* grid() const { return m_grid; }
    QLabel* bediensteter() const { return m_bediensteter; }
    QLabel* label2() const { return m_label2; }
    QLabel* erläuterungen() const { return m_erläuterungen; }

    // The window layouts: window height and table height in twips; the explanation line
    // moves directly under the table unless told otherwise (the long layout leaves it).
    void layoutSetzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben = true);
    void normalesLayout();
    void kurzesLayout();

private:
    void steuerelementeAnlegen();

    Nachrichten m_nachrichten;
    Dateiablage m_ablage;
    Arbeitsstand m_stand;
    Falldatei m_datei;
    Rechentabelle m_tabelle;

    QLabel* m_bediensteter = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    Tabellenansicht* m_grid = nullptr;
    QLabel* m_erläuterungen = nullptr;
};
