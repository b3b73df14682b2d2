#pragma once

#include "core/datensatz.h"
#include "core/fallrechnung.h"
#include "core/festkomma.h"
#include "core/krankenversicherung.h"

// The in-memory state of the current case that loading, table, calculation, editing and
// printing share.
struct Arbeitsstand {
    int datensatznummer = 1;
    int geburtsjahr = 0;
    Datensatz datensatz = Datensatz::grundstellung();

    // The inputs as the table shows them; a year's index i stands for the table row 4 + i.
    Festkomma startgutschrift;
    Jahresreihe entgelt{}, elternzeit{}, bonus{};
    // The case calculated from these inputs to its pension start: what table, headline,
    // printouts and letter show.
    Fallrechnung rechnung;
    int laufendesJahr = 0; // the year `rechnung` was made in
    // The case file's health and care insurance figures, for what is left of the pension.
    Krankenversicherung::Werte beitragswerte = Krankenversicherung::standardwerte();

    // Copies a record into the working set: birth year, start credit and every year of
    // pay, parental-leave and bonus points.
    void übernehmen(const Datensatz& satz);
    // The inputs for the calculation.
    Fallwerte fallwerte(int laufendesJahr) const;
    // The surname as the name of a file the case is saved to may carry it, or "Fall<n>"
    // where there is none.
    QString nameFürDatei() const;
};

// The age factor of the points model x 10 for the ages 17..65; 0 for any other age.
int altersfaktor(int alter);
// The same for every age a pension can start at: the table's last factor, 0,8 for
// "64 und älter", holds for 66 and 67 too. 0 below 17, where no points arise.
int altersfaktorBisRentenbeginn(int alter);

// The number at the start of a text (blanks skipped), or 0 when it has no digits.
int führendeZahl(QStringView text);
