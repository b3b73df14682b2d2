#pragma once

#include "table/tabellenaufbau.h"

// Rows of the sample case's table (born 1985): 2010, and 2050, the year it turns 65.
constexpr int Zeile2010 = Jahreszeile::von(2010);
constexpr int Letzte = Jahreszeile::von(2050);
