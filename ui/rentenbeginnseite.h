#pragma once

#include "ui/eingabeseite.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class Rechentabelle;

// The page where a case gets its pension start and the yearly increase of carried-forward
// pay. It takes the table's place, as the case list and the parental-leave panel do, and
// opens from the headline (a click on it) or with Alt+R. Übernehmen (Enter) stores both in
// the case and computes it again; Abbrechen (Esc) leaves the case as it is. Its controls are
// made when first needed: most sessions never open the page.
class Rentenbeginnseite : public Eingabeseite
{
    Q_OBJECT
public:
    Rentenbeginnseite(QWidget* fenster, Rechentabelle& rechentabelle);

    void öffnen();
    void Übernehmen_Click();
    void Abbrechen_Click();

    void bereitstellen() override;

    // The explanation texts of the page's two settings.
    static QString rentenbeginnErläuterung();
    static QString steigerungErläuterung();

signals:
    // The pointer is over a control with an explanation text.
    void erlaeutern(const QString& text);

protected:
    void eingabeÜbernehmen() override { Übernehmen_Click(); }
    void eingabeVerwerfen() override { Abbrechen_Click(); }
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void rechnungZeigen();
    int gewählt() const;

    Rechentabelle& m_tabelle;
    QLabel* m_überschrift = nullptr;
    QComboBox* m_rentenbeginn = nullptr;
    QDoubleSpinBox* m_steigerung = nullptr;
    QLabel* m_rechnung = nullptr;
    QPushButton* m_übernehmen = nullptr;
    QPushButton* m_abbrechen = nullptr;
};
