#pragma once

#include "core/ergebnis.h"
#include "core/fallrechnung.h"
#include "table/tabellenaufbau.h"

#include <QString>
#include <QStringList>
#include <array>

class Druckfläche;
class Zellenmodell;
struct Datensatz;

// The calculation table of the current case on paper, landscape, Arial 12: title, date,
// what the figures rest on, the heading rows and every year row, numbers right-aligned as
// on screen. Page 1 ends before the row of 2024; a later page ends
// where the next row and the page's closing lines would no longer fit, so that every page
// carries rows and the page numbers count the sheets. The heading is repeated on each page.
// It prints the cell texts as they stand.
class Berechnungsdruck
{
public:
    // The left edge of each table column on paper, in twips.
    static constexpr std::array<int, 24> Spaltenx{0,     600,   1200,  2400,  3000,  4400,  4700,  5800,
                                                  6100,  7300,  7500,  8300,  8500,  9300,  9500,  10400,
                                                  10600, 11500, 11700, 12700, 13700, 13900, 14700, 14900};
    static constexpr int Umbruchzeile = Jahreszeile::von(2024);
    // Where a right-aligned number of column n ends: a little before column n + 1 begins.
    static double rechterRand(int spalte);

    Berechnungsdruck(Druckfläche& fläche, const Zellenmodell& tabelle, const Datensatz& satz,
                     const QString& datum);

    // Prints the whole document and ends it; the result says why when it did not come out.
    Ergebnis berechnungdrucken();
    void yzeilendrucken(int zeile);
    void seitenwechsel(int seite);
    // "Grundlagen: geboren am 12.03.1985, Rentenbeginn mit 65 (ohne Abschlag), ..."
    QString grundlagen() const;

    // The calculation the table shows. A case that starts elsewhere than at 65: the title
    // names its age, and a reduction for an early start is worked out under the table.
    void setzeRechnung(const Fallrechnung& rechnung);

private:
    void linie(int länge);
    // The lines under the table's closing rule, counted to keep them on the table's page:
    // the reduction worked out and the months of the last year; an empty one is blank.
    QStringList nachsatzzeilen() const;

    Druckfläche& m_fläche;
    const Zellenmodell& m_tabelle;
    const Datensatz& m_satz;
    QString m_datum;
    Fallrechnung m_rechnung;
};
