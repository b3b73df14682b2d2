#pragma once

#include "cases/namensliste.h"
#include "core/arbeitsstand.h"
#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "core/sperre.h"
#include "print/drucksachen.h"
#include "table/rechentabelle.h"
#include "table/tabelleneingabe.h"
#include "ui/nachrichten.h"
#include "ui/namensfeld.h"
#include "ui/seiten.h"
#include "ui/textfenster.h"
#include "ui/webseiten.h"
#include "ui/werkzeugleiste.h"

#include <QHash>
#include <QLabel>
#include <QWidget>
#include <functional>

class Namensgrid;
class QAction;
class QFocusFrame;
class Rentenbeginnseite;
class Sozialpanel;
class Tabellenansicht;

namespace Erlaeuterungen {
enum class Element : int;
}

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
    Rentenbeginnseite* rentenbeginnseite() const { return m_rentenbeginnseite; }
    Tabellenansicht* grid() const { return m_grid; }
    Namensfeld* bediensteter() const { return m_bediensteter; }
    QLabel* rentenkopf() const { return m_rentenkopf; }
    QLabel* erläuterungen() const { return m_erläuterungen; }
    QLabel* rentenbeschriftung() const { return m_rentenbeschriftung; }
    const Werkzeugleiste& werkzeugleiste() const { return m_leiste; }
    Webseiten& webseiten() { return m_webseiten; }

    // The window layouts: window height and table height in twips; the explanation line
    // moves directly under the table unless told otherwise (the long layout leaves it).
    void layoutSetzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben = true);
    // Normal and short layouts leave the caption of `Verlängern` at "Verlängern", the long
    // layout sets it to "Verkürzen": the caption tells which layout a click will give.
    void normalesLayout();
    void kurzesLayout();
    void langesLayout();
    int fensterhöheTwips() const { return m_fensterhöhe; }
    // The screen's height in twips; tests give the window a screen of their own.
    void setzeBildschirmhöhe(std::function<int()> twips) { m_bildschirmhöhe = std::move(twips); }

    // The commands of the toolbar.
    void Verlängern_Click();
    void Schließen_Click();
    void SchließenBild_Click();
    void Info_Click() { m_webseiten.öffnen(Webseiten::infoPfad()); }
    void ATV_Click() { m_webseiten.öffnen(Webseiten::atvPfad()); }
    void Hilfe_Click() { m_webseiten.öffnen(Webseiten::hilfePfad()); }

    // What happens when no window of the program is left; tests watch it.
    void setzeProgrammende(std::function<void()> ende) { m_programmende = std::move(ende); }

    // --- Case list ---
    Namensliste& namensliste() { return m_namensliste; }
    // The list's view, made when first needed: most starts never open it.
    Namensgrid* namensgrid();
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
    void Blatt_Click() { m_textbearbeitung.infoladen(); }
    // "Als PDF speichern ...": asks for a file, offering the printout's name in the documents
    // folder (zvk_pdf.cpp).
    void BerechnungAlsPdf_Click();
    void BescheidAlsPdf_Click();
    QAction* berechnungAlsPdf() const { return m_berechnungAlsPdf; }
    QAction* bescheidAlsPdf() const { return m_bescheidAlsPdf; }
    // Closes the letter-text editor without saving, as its own close button does.
    void textfensterSchließen() { m_textbearbeitung.textSchließen(); }
    Drucksachen& drucksachen() { return m_drucksachen; }
    Textbearbeitung& textbearbeitung() { return m_textbearbeitung; }
    // --- end printouts ---

signals:
    // Schließen was clicked: this window has closed, and every other window of the program
    // closes with it (the letter-text window without saving).
    void alleFensterZu();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    void steuerelementeAnlegen();
    // Keys, tab order, focus frame and what screen readers hear (zvk_bedienung.cpp).
    void bedienungEinrichten();
    void pdfBefehleEinrichten();
    // Asks where the PDF goes, offering `vorschlag` in the documents folder, and saves it there.
    void alsPdfSpeichern(const QString& titel, const QString& vorschlag,
                         bool (Drucksachen::*drucken)(const QString&));
    void fallistenZugang();
    void kombinationsfelderFüllen();
    void gridVerbinden();
    void befehleVerbinden();
    void seitenVerbinden();
    void erklärbarMachen(QWidget* steuerelement);
    void erläutern(const QString& text);
    bool erläuterungFürMausbewegung(QObject* objekt, const QPointF& position);
    void endeWennKeinFensterMehr();

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
    Seiten m_seiten;

    Namensfeld* m_bediensteter = nullptr;
    QLabel* m_rentenbeschriftung = nullptr; // Label1 as designed
    QLabel* m_rentenkopf = nullptr;         // Label2 as designed
    Tabellenansicht* m_grid = nullptr;
    Namensgrid* m_namensgrid = nullptr;
    QLabel* m_erläuterungen = nullptr;
    Sozialpanel* m_sozialpanel = nullptr;
    Rentenbeginnseite* m_rentenbeginnseite = nullptr;
    QAction* m_berechnungAlsPdf = nullptr;
    QAction* m_bescheidAlsPdf = nullptr;
    QHash<QObject*, Erlaeuterungen::Element> m_festeErläuterungen;

    Werkzeugleiste m_leiste;
    Webseiten m_webseiten;
    std::function<int()> m_bildschirmhöhe;
    int m_fensterhöhe = 0;
    std::function<void()> m_programmende;
    bool m_endePrüfen = false;
};
