#pragma once

#include "core/festkomma.h"

#include <QObject>
#include <QPointer>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class Rechentabelle;

// The panel that computes the parental-leave points of one year from the numbers of
// children and months. Its controls sit on the main window itself, in the area of the
// table, which is hidden while the panel is open. They are made when first needed: most
// sessions never open the panel.
class Sozialpanel : public QObject
{
    Q_OBJECT
public:
    static constexpr int AnzahlSchrift = 24;

    Sozialpanel(QWidget* fenster, Rechentabelle& tabelle);

    // The widgets hidden while the panel is open; einblenden shows only the table again.
    // Whoever shows one of them while the panel is open closes the panel without a transfer,
    // so that the panel's controls never stand over the table or the list.
    void setzeTabelle(QWidget* tabelle);
    void setzeFallliste(QWidget* liste);

    // The entries of the four boxes, each with the first entry selected (once the boxes exist).
    void listenFüllen();

    void öffnen(int zeile);
    void yKomponente();
    void Übertragen_Click();
    void Abbrechen_Click();
    void einblenden();
    // Hides the panel's controls and leaves the rest of the window as it is.
    void schließen();

    bool offen() const;
    int zeile() const { return m_zeile; }
    // The controls, made if they are not yet.
    QLabel* schrift(int i) { return bereitstellen(), m_schrift[std::size_t(i)]; }
    QComboBox* kinderanzahl1() { return bereitstellen(), m_kinderanzahl1; }
    QComboBox* kinderanzahl2() { return bereitstellen(), m_kinderanzahl2; }
    QComboBox* monateanzahl1() { return bereitstellen(), m_monateanzahl1; }
    QComboBox* monateanzahl2() { return bereitstellen(), m_monateanzahl2; }
    QPushButton* übertragen() { return bereitstellen(), m_übertragen; }
    QPushButton* abbrechen() { return bereitstellen(), m_abbrechen; }
    QWidget* line1() { return bereitstellen(), m_line1; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void bereitstellen();
    void anlegen();
    void boxenFüllen();
    void auswahlGeändert();
    void steuerelementeZeigen(bool sichtbar);

    QWidget* m_fenster;
    Rechentabelle& m_rechentabelle;
    bool m_listenGefüllt = false;
    std::array<QLabel*, AnzahlSchrift> m_schrift{};
    QComboBox* m_kinderanzahl1 = nullptr;
    QComboBox* m_kinderanzahl2 = nullptr;
    QComboBox* m_monateanzahl1 = nullptr;
    QComboBox* m_monateanzahl2 = nullptr;
    QPushButton* m_übertragen = nullptr;
    QPushButton* m_abbrechen = nullptr;
    QWidget* m_line1 = nullptr;
    QPointer<QWidget> m_tabellenansicht;
    QPointer<QWidget> m_fallliste;

    int m_zeile = 0;
    Festkomma m_punkte; // the points last computed, for the transfer
};
