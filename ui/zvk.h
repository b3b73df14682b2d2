#pragma once

#include "arbeitsstand.h"
#include "dateiablage.h"
#include "drucksachen.h"
#include "falldatei.h"
#include "nachrichten.h"
#include "namensliste.h"
#include "rechentabelle.h"
#include "tabelleneingabe.h"

#include <QLabel>
#include <QWidget>

class Namensgrid;
class Sozialpanel;
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
    Tabelleneingabe& eingabe() { return m_eingabe; }
    Sozialpanel* sozialpanel() const { return m_sozialpanel; }
    Tabellenansicht* grid() const { return m_grid; }
    QLabel* bediensteter() const { return m_bediensteter; }
    QLabel* label2() const { return m_label2; }
    QLabel* erläuterungen() const { return m_erläuterungen; }

    // The window layouts: window height and table height in twips; the explanation line
    // moves directly under the table unless told otherwise (the long layout leaves it).
    void layoutSetzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben = true);
    void normalesLayout();
    void kurzesLayout();

    // --- Case list ---
    Namensliste& namensliste() { return m_namensliste; }
    Namensgrid* namensgrid() const { return m_namensgrid; }
    bool tabelleSichtbar() const;
    bool listeSichtbar() const;
    // Opens the case list in the table's place, freshly read from the case file.
    void Bediensteter_Click();
    void namensgridfüllen();
    // Shows the table again without storing the list (its edits stay until the next fill).
    void tabelleZeigen();
    // --- end case list ---

    // --- Printouts and letter text ---
    void Berechnung_Click() { m_drucksachen.berechnungdrucken(); }
    void Bescheid_Click() { m_drucksachen.Bescheiddrucken(); }
    void Blatt_Click() { m_drucksachen.infoladen(); }
    // Closes the letter-text editor without saving, as its own close button does.
    void textfensterSchließen() { m_drucksachen.textSchließen(); }
    Drucksachen& drucksachen() { return m_drucksachen; }
    // --- end printouts ---

private:
    void steuerelementeAnlegen();
    void kombinationsfelderFüllen();
    void gridVerbinden();

    Nachrichten m_nachrichten;
    Dateiablage m_ablage;
    Arbeitsstand m_stand;
    Falldatei m_datei;
    Rechentabelle m_tabelle;
    Namensliste m_namensliste;
    Tabelleneingabe m_eingabe{m_tabelle};
    Drucksachen m_drucksachen;

    QLabel* m_bediensteter = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    Tabellenansicht* m_grid = nullptr;
    Namensgrid* m_namensgrid = nullptr;
    QLabel* m_erläuterungen = nullptr;
    Sozialpanel* m_sozialpanel = nullptr;
};
