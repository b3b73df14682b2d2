#pragma once

#include "core/festkomma.h"
#include "ui/eingabeseite.h"

#include <QPoint>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class Rechentabelle;
struct Seitenumgebung;

// The page that computes the parental-leave points of one year from the numbers of
// children and months, in the table's place. Its controls keep their places in the window:
// `ursprungTwips` is where the page lies in it. They are made when first needed: most
// sessions never open the panel.
class Sozialpanel : public Eingabeseite
{
    Q_OBJECT
public:
    static constexpr int AnzahlSchrift = 24;

    Sozialpanel(QWidget* parent, Rechentabelle& tabelle, QPoint ursprungTwips = {});
    // In the window: the table's input opens it from the parental-leave column, and the
    // explanation line explains the page around its controls.
    explicit Sozialpanel(const Seitenumgebung& umgebung);

    // The entries of the four boxes, each with the first entry selected (once the boxes exist).
    void listenFüllen();

    // Shows the choice stored for the year of table row `zeile` and asks to be shown.
    void öffnen(int zeile);
    void yKomponente();
    void Übertragen_Click();
    void Abbrechen_Click();
    // Ends the panel without a transfer; the window shows another page.
    void schließen();

    bool offen() const { return m_offen; }
    int zeile() const { return m_zeile; }
    void bereitstellen() override;
    void verlassen() override { schließen(); }
    bool zurückInDieTabelle() const override { return true; }

protected:
    void eingabeÜbernehmen() override { Übertragen_Click(); }
    void eingabeVerwerfen() override { Abbrechen_Click(); }

private:
    void anlegen();
    void boxenFüllen();
    void auswahlGeändert();
    void zugangEinrichten();
    void platzieren(QWidget* w, int links, int oben, int breite, int höhe) const;
    QComboBox* auswahl(const char* name, int links, int oben);

    Rechentabelle& m_rechentabelle;
    QPoint m_ursprung; // twips
    bool m_listenGefüllt = false;
    bool m_offen = false;
    std::array<QLabel*, AnzahlSchrift> m_schrift{};
    // The labels the panel writes.
    QLabel* m_jahr = nullptr;
    QLabel* m_altersfaktor = nullptr;
    QLabel* m_betrag1 = nullptr;
    QLabel* m_betrag2 = nullptr;
    QLabel* m_gesamtbetrag = nullptr;
    QLabel* m_monatsdurchschnitt = nullptr;
    QLabel* m_wertziffer = nullptr;
    QLabel* m_punkte = nullptr;
    QLabel* m_warnung = nullptr;
    QComboBox* m_kinderanzahl1 = nullptr;
    QComboBox* m_kinderanzahl2 = nullptr;
    QComboBox* m_monateanzahl1 = nullptr;
    QComboBox* m_monateanzahl2 = nullptr;
    QPushButton* m_übertragen = nullptr;
    QPushButton* m_abbrechen = nullptr;
    QWidget* m_line1 = nullptr;

    int m_zeile = 0;
    Festkomma m_faktor;     // the age factor of the year
    Festkomma m_punkteWert; // the points last computed, for the transfer
};
