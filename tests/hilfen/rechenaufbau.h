#pragma once

#include "hilfen/dateihilfen.h"
#include "hilfen/skriptmeldungen.h"
#include "table/rechentabelle.h"

// A calculation table on its own case file in a temporary folder, with scripted messages;
// `ablage.voll` makes every later save fail.
class Rechenaufbau : protected Fallordner
{
protected:
    VolleAblage ablage{false};
    Falldatei datei{ablage};
    Arbeitsstand stand;
    Skriptmeldungen meldungen;
    Rechentabelle tabelle{stand, datei, meldungen};

    void dateiÖffnen() { ASSERT_TRUE(datei.öffnen(pfad()).ok); }
};
