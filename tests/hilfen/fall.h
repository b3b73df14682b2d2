#pragma once

#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "hilfen/skriptmeldungen.h"
#include "table/rechentabelle.h"

// The sample case with a chosen birth year, loaded and computed, without a case file.
struct Rechenfall {
    Dateiablage ablage;
    Falldatei datei{ablage};
    Arbeitsstand stand;
    Skriptmeldungen meldungen;
    Rechentabelle tabelle{stand, datei, meldungen};

    explicit Rechenfall(int geburtsjahr = 1985, Datensatz satz = Datensatz::musterfall())
    {
        satz.geburtsjahr = QString::number(geburtsjahr);
        stand.übernehmen(satz);
        tabelle.gridfüllen();
        tabelle.atvberechnen();
    }
    // The table ends at row geburtsjahr - 1932.
    static int geburtsjahrFürLetzteZeile(int zeile) { return zeile + 1932; }
};
