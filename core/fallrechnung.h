#pragma once

#include "core/datensatz.h"
#include "core/rentenbeginn.h"
#include "core/rentenberechnung.h"

#include <QList>
#include <QString>
#include <array>

// Per-year values indexed like the case record: index i stands for the year 2001 + i; index
// 0 (2001) carries nothing, the start credit stands on its own. The last index is 2100, the
// latest year a table can reach.
using Jahresreihe = std::array<Festkomma, Jahreswerte<int>::Höchstens + 1>;

// What the calculation of a case starts from: its stored values, and the year the program
// runs in, which decides the latest birth year it calculates.
struct Fallwerte {
    int geburtsjahr = 0;  // 0 when the case names none: calculated as 1985
    int geburtsmonat = 0; // 1..12, 0 when unknown
    Festkomma startgutschrift;
    Jahresreihe entgelt{}, elternzeit{}, bonus{};
    int laufendesJahr = 0;
    // The case's own start and the reduction months its statutory pension information names
    // for it (below 0: none): another start moves them by the months it lies apart.
    int rentenbeginn = 0;
    int abschlagsmonate = -1;

    // The values of a case record as they are stored.
    static Fallwerte aus(const Datensatz& satz, int laufendesJahr);
};

// A case calculated to one pension start: every year with its figures, the pension at the
// start, its reduction and the headline. The calculation table, the headline, the printouts
// and the letter show this and compute nothing themselves.
struct Fallrechnung {
    struct Jahr : Rentenberechnung::Eingabe, Rentenberechnung::Jahr {
        int kalenderjahr = 0;
        int alter = 0;
        // 17 or older: only such a year has an age factor, takes input and earns points.
        bool versichert = false;
    };

    int geburtsjahr = 0;      // 1985 for a blank birth year
    bool darstellbar = false; // a birth year the program calculates; else no year is calculated
    Rentenbeginn::Beginn beginn;
    Festkomma startgutschrift;
    Festkomma startrente; // the start credit's pension, in the row of 2001
    // The years after 2001 up to the year of the pension start: year index i at jahre[i - 1].
    QList<Jahr> jahre;
    Festkomma rente;         // at the end of the last year; the start credit's without one
    Festkomma renteAbBeginn; // after the reduction for an early start
    // The months of the last year whose pay counts: those before the pension is paid.
    int letzteMonate = 12;
    bool geburtsmonatAngenommen = false; // the case names no month: January is assumed

    // The headline: the caption ("       Voraussichtliche Zuvora:", the start age for a case
    // that starts elsewhere, the reduction as an equation when there is one) and the amount.
    QString rentenbeschriftung;
    QString rentenkopf;

    // How the last year counts its pay when it is not the whole year: "Im letzten Jahr 2057
    // zählt das Entgelt von 3 Monaten, bis zum Monat des Rentenbeginns." with the assumed
    // month of birth when the case names none; empty for a whole year.
    QString letztesJahrText() const;

    int jahreszeilen() const { return int(jahre.size()); }
    // Whether year index i (1..jahreszeilen) is insured.
    bool versichert(int i) const { return i >= 1 && i <= jahreszeilen() && jahre[i - 1].versichert; }

    static QString standardBeschriftung() { return QStringLiteral("       Voraussichtliche Zuvora:"); }
};

// The birth year a case is calculated with: the number of its text, 1985 when it has none.
int rechengeburtsjahr(const Datensatz& satz);

// Calculates a case to the pension start `rentenbeginn` (a Rentenbeginn choice). Pure: a
// comparison of several starts calls it once for each.
Fallrechnung fallrechnung(const Fallwerte& werte, int rentenbeginn);
