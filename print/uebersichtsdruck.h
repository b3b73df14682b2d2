#pragma once

#include "core/beratung.h"
#include "core/ergebnis.h"
#include "print/diagramm.h"

#include <QString>

class Druckfläche;
struct Datensatz;

// The overview on paper, portrait, one page, Arial: name and date of birth, the starts side
// by side, from which age a later start has paid more, survivors, a disability pension if
// one is asked for, what is left after health and care insurance, the chart, what the
// figures assume, and the date.
class Übersichtsdruck
{
public:
    Übersichtsdruck(Druckfläche& fläche, const Datensatz& satz, const Beratung& beratung,
                    const Diagrammdaten& diagramm, const QString& datum);

    // Prints the page and ends the document; the result says why when it did not come out.
    Ergebnis drucken();

    // The left edge of the label column and of each start's column, in twips.
    static constexpr int Bezeichnungsbreite = 2500;
    static constexpr int Spaltenbreite = 1420;

private:
    void tabelle();
    void absicherung();

    Druckfläche& m_fläche;
    const Datensatz& m_satz;
    const Beratung& m_beratung;
    const Diagrammdaten& m_diagramm;
    QString m_datum;
};
