#pragma once

#include "core/festkomma.h"
#include "core/rentenberechnung.h"

#include <QList>
#include <array>

// What the supplementary pension pays when the insured person dies or can no longer work.
// Both follow the statutory pension, as the agreement has it.

// Survivors' pensions: a share of the pension the insured person had, or would have had at
// the chosen start, after its reduction (§ 10 ATV / ATV-K with §§ 46, 48, 67 SGB VI). The
// survivor's own income may be counted against them; that is not calculated.
namespace Hinterbliebene {

struct Rente {
    const char* bezeichnung; // "Große Witwen-/Witwerrente"
    int prozent;
    Festkomma betrag;
};

// The large widow's pension is 60 % instead of 55 % under the old law: a marriage before
// 2002 with one spouse born before 2 January 1962.
std::array<Rente, 4> berechnen(Festkomma rente, bool altesRecht);

} // namespace Hinterbliebene

// A pension for reduced earning capacity (§ 9 Abs. 2 ATV / ATV-K for the added points, § 77
// Abs. 2 Nr. 3 and § 264d SGB VI for the reduction).
namespace Erwerbsminderung {

// The earliest age from which an early start costs nothing: 65, for starts before 2024 the
// transitional age of the start's month (63 years and 1 month in January 2012 up to 64 years
// and 10 months in 2023). Returned in months.
int referenzalterMonate(int beginnJahr, int beginnMonat);

struct Eingabe {
    int geburtsjahr = 0, geburtsmonat = 1;    // month 1..12
    int beginnJahr = 0, beginnMonat = 1;      // the month the reduced earning capacity starts
    bool voll = true;                         // full, or partial: half the amount
    Festkomma punkteBisBeginn;                // points reached before the start
    std::array<Festkomma, 3> entgeltVorjahre; // the pay of the three calendar years before it
};

struct Ergebnis {
    Festkomma punkteBisBeginn;
    int zurechnungsjahre = 0;    // full years from the start up to the 60th birthday
    Festkomma punkteJeJahr;      // the average pay of the three years before, per 1000 Euro
    Festkomma zurechnungspunkte; // punkteJeJahr x zurechnungsjahre
    Festkomma punkte;            // both together
    Festkomma rente;             // x 4 Euro
    int abschlagMonate = 0;
    Festkomma abschlagProzent;
    Festkomma betrag; // after the reduction; half of it for a partial reduction
};

Ergebnis berechnen(const Eingabe& e);

// The points reached before the start month: the start credit and every year before the
// start year in full, the start year with its pay for the months before the start only (its
// parental-leave and bonus points in full). `jahre[k]` belongs to the year 2002 + k.
Festkomma punkteBis(Festkomma startgutschrift, const QList<Rentenberechnung::Eingabe>& jahre, int beginnJahr,
                    int beginnMonat);

} // namespace Erwerbsminderung
