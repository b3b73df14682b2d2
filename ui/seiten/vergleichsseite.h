#pragma once

#include "core/beratungsangaben.h"
#include "core/datensatz.h"
#include "ui/eingabeseite.h"

class Diagrammflaeche;
class Druckbefehle;
class Drucksachen;
class Erlaeuterungszeile;
class QLabel;
class QScrollArea;
class QTabWidget;
class QTableView;
class Rechentabelle;
class Vergleichsangaben;
struct Beratung;
struct Seitenumgebung;

// The page "Vergleich": the pension starts of the current case side by side, the chart,
// survivors, disability and what is left after health and care insurance, and the answers
// and the year's figures these depend on. It takes the table's place like the pension-start
// page, opens with Alt+L, and makes its controls when first opened. Every change of an answer
// shows its effect at once; Übernehmen (Enter) stores the answers in the case and the
// figures in the file, Abbrechen (Esc) leaves both as they were. "Übersicht drucken" prints
// the case's overview (Alt+U), its context menu saves it as PDF (Strg+U) or previews it
// (Strg+Umschalt+U).
class Vergleichsseite : public Eingabeseite
{
    Q_OBJECT
public:
    explicit Vergleichsseite(const Seitenumgebung& umgebung);

    void öffnen();
    void Übernehmen_Click();
    void Abbrechen_Click();
    void übersichtDrucken();
    void übersichtSpeichern();
    void übersichtVorschau();

    void bereitstellen() override;

    static QString erläuterung();

protected:
    void eingabeÜbernehmen() override { Übernehmen_Click(); }
    void eingabeVerwerfen() override { Abbrechen_Click(); }

private:
    void angabenBereitstellen();
    void neuRechnen();
    void tabelleFüllen(const Beratung& b);
    void absicherungZeigen(const Beratung& b);

    Rechentabelle& m_tabelle;
    Drucksachen& m_drucksachen;
    Druckbefehle& m_druckbefehle;
    Erlaeuterungszeile& m_erläuterungen;
    QLabel* m_überschrift = nullptr;
    QTabWidget* m_reiter = nullptr;
    QTableView* m_vergleich = nullptr;
    QLabel* m_überholungen = nullptr;
    Diagrammflaeche* m_diagramm = nullptr;
    QLabel* m_absicherung = nullptr;
    QScrollArea* m_angabenfläche = nullptr;
    Vergleichsangaben* m_angaben = nullptr;
    Datensatz m_satz; // the case as read when the page opened
    // What the page shows: the case's answers and the file's figures, as changed on the page.
    Beratungsangaben m_antworten;
    Krankenversicherung::Werte m_beitragswerte;
};
