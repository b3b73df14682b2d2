#pragma once

#include "core/datensatz.h"
#include "core/festkomma.h"
#include "core/rentenbeginn.h"

#include <array>

// The per-year values of the current case. Index i stands for the year 2001 + i and the
// table row 4 + i; index 0 is 2001, which carries only the start credit. The last index is
// 2100, the latest year a table can reach.
using Jahresreihe = std::array<Festkomma, Jahreswerte<int>::Höchstens + 1>;

// The in-memory state of the current case that loading, table, calculation, editing and
// printing share.
struct Arbeitsstand {
    int datensatznummer = 1;
    int geburtsjahr = 0;
    Datensatz datensatz = Datensatz::grundstellung();

    // The inputs of the years as the table shows them, and the running total and pension it
    // computes from them.
    Jahresreihe entgelt{}, elternzeit{}, bonus{}, gesamtpunkte{}, rente{};
    // When the pension starts, and the pension then: the last row's, less the reduction for
    // a start before the regular age.
    Rentenbeginn::Beginn beginn;
    Festkomma renteAbBeginn;

    // Copies a record into the working set: birth year, start credit and every year of
    // pay, parental-leave and bonus points.
    void übernehmen(const Datensatz& satz);
};

// The age factor of the points model x 10 for the ages 17..65; 0 for any other age.
int altersfaktor(int alter);
// The same for every age a pension can start at: the table's last factor, 0,8 for
// "64 und älter", holds for 66 and 67 too. 0 below 17, where no points arise.
int altersfaktorBisRentenbeginn(int alter);

// The number at the start of a text (blanks skipped), or 0 when it has no digits.
int führendeZahl(QStringView text);
