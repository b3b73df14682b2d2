#pragma once

#include "core/datensatz.h"
#include "ui/eingabeseite.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class Erlaeuterungszeile;
class QPushButton;
class QShortcut;
class Rechentabelle;
struct Seitenumgebung;

// The page where a case gets its pension start and the yearly increase of carried-forward
// pay. It takes the table's place, as the case list and the parental-leave panel do, and
// opens from the headline (a click on it) or with Alt+R. Übernehmen (Enter) stores both in
// the case and computes it again; Abbrechen (Esc) leaves the case as it is. Its controls are
// made when first needed: most sessions never open the page.
class Rentenbeginnseite : public Eingabeseite
{
    Q_OBJECT
public:
    explicit Rentenbeginnseite(const Seitenumgebung& umgebung);

    void öffnen();
    void Übernehmen_Click();
    void Abbrechen_Click();

    void bereitstellen() override;

    // The explanation texts of the page's two settings.
    static QString rentenbeginnErläuterung();
    static QString steigerungErläuterung();

protected:
    void eingabeÜbernehmen() override { Übernehmen_Click(); }
    void eingabeVerwerfen() override { Abbrechen_Click(); }
    // While the page is in view Alt+R is its own pension-start box: one meaning per view.
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    void rechnungZeigen();
    int gewählt() const;

    Rechentabelle& m_tabelle;
    Datensatz m_satz; // the case as read when the page opened
    Erlaeuterungszeile& m_erläuterungen;
    QShortcut* m_taste = nullptr; // Alt+R of the window, which opens the page
    QLabel* m_überschrift = nullptr;
    QComboBox* m_rentenbeginn = nullptr;
    QDoubleSpinBox* m_steigerung = nullptr;
    QLabel* m_rechnung = nullptr;
    QPushButton* m_übernehmen = nullptr;
    QPushButton* m_abbrechen = nullptr;
};
