#include "ui/seitenwechsel.h"

#include "ansicht/tabellenansicht.h"
#include "table/rechentabelle.h"
#include "table/tabelleneingabe.h"
#include "ui/eingabeseite.h"
#include "ui/seitenstapel.h"

#include <QApplication>

Seitenwechsel::Seitenwechsel(Seitenstapel& seiten, Tabellenansicht* grid, Rechentabelle& tabelle,
                             Tabelleneingabe& eingabe, std::function<bool()> listeHatFokus)
    : QObject(grid), m_seiten(seiten), m_grid(grid), m_tabelle(tabelle), m_eingabe(eingabe),
      m_listeHatFokus(std::move(listeHatFokus))
{
    connect(&m_seiten, &Seitenstapel::gewechselt, this, [this](QWidget*, QWidget* vorher) {
        m_eingabe.abbrechen();
        if (auto* seite = qobject_cast<Eingabeseite*>(vorher))
            seite->verlassen();
    });
}

void Seitenwechsel::einbinden(Eingabeseite* seite)
{
    m_seiten.hinzufügen(seite);
    connect(seite, &Eingabeseite::aufgerufen, this, [this, seite] {
        if (!Eingabeseite::enthält(QApplication::focusWidget())) {
            m_fokusVorSeite = QApplication::focusWidget();
            m_zelleVorSeite = {m_tabelle.aktuelleZeile(), m_tabelle.aktuelleSpalte()};
        }
        m_seiten.zeigen(seite);
    });
    connect(seite, &Eingabeseite::beendet, this, &Seitenwechsel::seiteBeendet);
}

void Seitenwechsel::tabelleZeigen()
{
    const auto* seite = qobject_cast<const Eingabeseite*>(m_seiten.aktuelle());
    const bool fokus = m_listeHatFokus() || (seite && seite->zurückInDieTabelle() &&
                                             seite->isAncestorOf(QApplication::focusWidget()));
    m_seiten.zeigen(m_grid);
    if (fokus)
        m_grid->setFocus();
}

// Taken over or cancelled from the keyboard: the focus goes back where it was when the page
// opened, as a rule the table's cell, which the new calculation may have moved.
void Seitenwechsel::seiteBeendet()
{
    const bool fokusAufSeite = Eingabeseite::enthält(QApplication::focusWidget());
    tabelleZeigen();
    if (!fokusAufSeite)
        return;
    QWidget* ziel = m_fokusVorSeite && m_fokusVorSeite->isVisible() ? m_fokusVorSeite.data() : m_grid;
    // A table that has become shorter keeps its last row.
    if (ziel == m_grid)
        m_tabelle.setzeAktuelleZelle(std::min(m_zelleVorSeite.first, m_tabelle.modell().rowCount() - 1),
                                     m_zelleVorSeite.second);
    ziel->setFocus(Qt::OtherFocusReason);
}
