#pragma once

#include "core/fallrechnung.h"
#include "core/vergleich.h"

#include <optional>

// The adviser's figures of a case: its starts side by side, and for the chosen start the
// survivors' pensions, a disability pension if asked for, and what is left after health and
// care insurance. Pure: every figure comes from the one calculation of the case.
struct Beratung {
    Vergleich vergleich;
    Fallrechnung rechnung; // to the chosen start
    Startergebnis gewählt;
    std::array<Hinterbliebene::Rente, 4> hinterbliebene;
    std::optional<Erwerbsminderung::Ergebnis> erwerbsminderung;
    Krankenversicherung::Abzüge abzüge;
};

Startergebnis startergebnis(const Fallrechnung& rechnung);

// `wahl` is the case's chosen start; the answers are the case's, the figures the file's.
Beratung beraten(const Fallwerte& werte, int wahl, const Beratungsangaben& angaben,
                 const Krankenversicherung::Werte& beitragswerte);
