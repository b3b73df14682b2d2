#pragma once

#include "core/festkomma.h"

// Parental leave: for every child and full month of leave, the points that a pay of
// 500 Euro in that month would give.
namespace SozialeKomponente {

constexpr std::int64_t BetragJeKindUndMonat = 500;
constexpr int MaxKinder = 6;
constexpr int MaxMonate = 12;

// The panel's choice for one year: two lines of children and months.
struct Auswahl {
    int kinder1 = 0, monate1 = 0, kinder2 = 0, monate2 = 0;
};

struct Rechnung {
    Festkomma betrag1, betrag2, gesamtbetrag, monatsdurchschnitt, wertziffer, punkte;
};

// A number of children or months as stored in a case record: a position the panel does not
// offer (the file may come from elsewhere) counts as 0.
constexpr int gültigeAnzahl(int gespeichert, int größte)
{
    return gespeichert >= 0 && gespeichert <= größte ? gespeichert : 0;
}

// The months of the second line after the check: together with the first line at most 12.
int zweiteMonate(int monate1, int monate2);

Rechnung berechnen(int kinder1, int monate1, int kinder2, int monate2, Festkomma altersfaktor);

} // namespace SozialeKomponente
