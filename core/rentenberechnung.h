#pragma once

#include "core/festkomma.h"

#include <QList>

// The points model, year by year: pay / 12 = monthly average; / 1000 = Wertziffer;
// x age factor = contribution points; + parental-leave and bonus points = the year's
// pension points; accumulated from the start credit; x 4 Euro = monthly pension.
namespace Rentenberechnung {

constexpr std::int64_t Referenzentgelt = 1000;
constexpr std::int64_t Meßbetrag = 4;

struct Eingabe {
    Festkomma entgelt, altersfaktor, elternzeit, bonus;
};

struct Jahr {
    Festkomma monatsdurchschnitt, wertziffer, beitragspunkte, versorgungspunkte, gesamtpunkte, rente;
};

// Contribution points from a Wertziffer and the age factor.
Festkomma beitragspunkte(Festkomma wertziffer, Festkomma altersfaktor);

// Every year from the start credit on; element k belongs to the year index k + 1.
QList<Jahr> berechnen(Festkomma startgutschrift, const QList<Eingabe>& jahre);

// Pay carried forward into `jahre` years, the first being `wert` itself: each year is the
// one before increased by `prozent` and rounded to the cent, half away from zero, as the
// pay cell shows it. 0 % repeats the value.
QList<Festkomma> fortschreiben(Festkomma wert, Festkomma prozent, int jahre);

// The pay of a year of which only `monate` months count, before a pension starts: one
// division, so that 30000 for three months is exactly 7500.
Festkomma anteiligesEntgelt(Festkomma entgelt, int monate);

// The index of the last value not carried forward from the one before it at `prozent`: the
// last pay typed, from which the years after it were carried forward. The last index when
// the last value stands on its own.
qsizetype letzteEigeneZahl(const QList<Festkomma>& werte, Festkomma prozent);

} // namespace Rentenberechnung
