#pragma once

#include "cases/namensliste.h"
#include "core/arbeitsstand.h"
#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "core/sperre.h"
#include "print/drucksachen.h"
#include "table/rechentabelle.h"
#include "table/tabelleneingabe.h"
#include "ui/kopfzeile.h"
#include "ui/nachrichten.h"
#include "ui/seitenstapel.h"
#include "ui/textfenster.h"
#include "ui/werkzeugleiste.h"

#include <QWidget>
#include <memory>

class Druckbefehle;
class Erlaeuterungszeile;
class Fallliste;
class Hilfebefehle;
class Fenstermasse;
class Programmende;
class QLabel;
class Seitenwechsel;
class Tabellenansicht;

// The main window: it owns the working set, the case file and the calculation table, and
// wires the views, the pages and the commands to them. Measures and layouts, the explanation
// line, the pages and the end of the program are parts of their own. Tests find the widgets
// by their object names and the other parts through `teile()`.
class ZVK : public QWidget
{
    Q_OBJECT
public:
    explicit ZVK(QWidget* parent = nullptr);
    ~ZVK() override;

    // Prepares the window and loads case 1 from "atv.txt" in the current folder.
    // False when the program cannot go on (the message has been shown).
    bool Form_Load(const QString& falldateipfad = QStringLiteral("atv.txt"));

    // The commands of the toolbar.
    void Verlängern_Click();
    void Schließen_Click();
    void SchließenBild_Click();
    // The program info, the help's chapter on the rules, and the help from its start.
    void Info_Click();
    void ATV_Click();
    void Hilfe_Click();
    void Berechnung_Click() { (void)m_drucksachen.berechnungdrucken(); }
    void Bescheid_Click() { (void)m_drucksachen.Bescheiddrucken(); }
    void Blatt_Click() { m_textbearbeitung.infoladen(); }

    // Opens the case list in the table's place, freshly read from the case file.
    void Bediensteter_Click();
    // Shows the table again without storing the list (its edits stay until the next fill).
    void tabelleZeigen();
    bool tabelleSichtbar() const;

    // The parts that are not widgets, for tests, benchmarks and the fuzzer.
    struct Teile {
        Rechentabelle& tabelle;
        Arbeitsstand& stand;
        Falldatei& datei;
        Namensliste& namensliste;
        Tabelleneingabe& eingabe;
        Textbearbeitung& textbearbeitung;
        Drucksachen& drucksachen;
        Hilfebefehle& hilfe;
        Fenstermasse& masse;
        Programmende& ende;
    };
    Teile teile();

signals:
    // Schließen was clicked: this window has closed, and every other window of the program
    // closes with it (the letter-text window without saving).
    void alleFensterZu();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void steuerelementeAnlegen();
    void seitenEinbinden(Druckbefehle& druckbefehle);
    void erläuterungenAnmelden();
    void befehleVerbinden();
    void bedienungEinrichten();
    // Help, rules and program info, and the help's section of each part for F1.
    void hilfeEinrichten();

    Nachrichten m_nachrichten;
    Sperre m_sperre;
    Dateiablage m_ablage;
    Arbeitsstand m_stand;
    Falldatei m_datei;
    Rechentabelle m_tabelle;
    Namensliste m_namensliste;
    Tabelleneingabe m_eingabe{m_tabelle};
    Drucksachen m_drucksachen;
    Textbearbeitung m_textbearbeitung;
    Seitenstapel m_seiten;
    Werkzeugleiste m_leiste;

    Kopfzeile m_kopf;
    Tabellenansicht* m_grid = nullptr;
    Erlaeuterungszeile* m_erläuterungen = nullptr;
    std::unique_ptr<Fenstermasse> m_masse;
    std::unique_ptr<Fallliste> m_fallliste;
    Programmende* m_ende = nullptr;
    Hilfebefehle* m_hilfebefehle = nullptr;
    Seitenwechsel* m_seitenwechsel = nullptr;
};
