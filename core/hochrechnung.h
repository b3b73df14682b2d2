#pragma once

#include "core/datensatz.h"
#include "core/rentenbeginn.h"
#include "core/rentenberechnung.h"

#include <QList>

// The projection of one case to its pension start: which years the table shows, what each
// year's inputs are, and the pension at the start with its reduction. The calculation table
// shows exactly these rows; the tests hold it against an independent reading of the rules.
struct Hochrechnung {
    int geburtsjahr = 0;      // 1985 for a blank birth year
    bool darstellbar = false; // a birth year the program calculates
    Rentenbeginn::Beginn beginn;
    int jahreszeilen = 0; // year rows after 2001; 0 when the table shows only 2001
    QList<Rentenberechnung::Eingabe> eingaben;
    QList<Rentenberechnung::Jahr> jahre;
    Festkomma rente;         // at the end of the last year row; the start credit's without one
    Festkomma renteAbBeginn; // after the reduction for an early start

    // The table's rows: four heading rows, 2001 and the year rows.
    int zeilenzahl() const { return 5 + jahreszeilen; }
    // Whether year index i has an age of at least 17: only such a year has an age factor,
    // takes input and earns points.
    bool versichert(int i) const { return 2001 + i - geburtsjahr >= 17; }
};

// The birth year a case is calculated with: the number of its text, 1985 when it has none.
int rechengeburtsjahr(const Datensatz& satz);

// The rows and the pension start for a birth year, without the amounts.
Hochrechnung tabellenrahmen(int geburtsjahr, int wahl, int geburtsmonat, int laufendesJahr);

// The whole projection from a case record.
Hochrechnung hochrechnen(const Datensatz& satz, int laufendesJahr);
