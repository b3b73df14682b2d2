#pragma once

#include "core/festkomma.h"

#include <QString>
#include <array>
#include <cstdint>

// What is left of the supplementary pension after health and care insurance. It is a
// "Versorgungsbezug" (§ 229 Abs. 1 Satz 1 Nr. 5 SGB V), and the pensioner pays the whole
// contribution on it alone (§ 250 Abs. 1 Nr. 1 SGB V, § 59 Abs. 1 SGB XI). Income tax is not
// calculated: it depends on the whole household's income.
namespace Krankenversicherung {

enum class Art : std::int16_t {
    Pflichtversichert = 0, // in the statutory insurance of pensioners (KVdR), the default
    Freiwillig = 1,        // a voluntary member of a statutory health insurance
    Privat = 2,            // privately insured: nothing is deducted from the pension
};
constexpr int AnzahlArten = 3;
QString bezeichnung(Art art);

// The figures of one year; a new year is a new set of them. Rates in percent.
struct Werte {
    int jahr = 0;
    Festkomma allgemeinerSatz;     // general rate of the statutory health insurance
    Festkomma zusatzbeitrag;       // the average additional rate of the year
    Festkomma freiwilligerSatz;    // the rate on a voluntary member's pension-fund income
    Festkomma freibetrag;          // allowance for health, threshold for care insurance, a month
    Festkomma pflegeSatz;          // care insurance with children
    Festkomma kinderlosenzuschlag; // added without children
    Festkomma abschlagJeKind;      // less for the 2nd to 5th child under 25

    friend bool operator==(const Werte&, const Werte&) = default;
};

// The figures of the year the program was made in.
Werte standardwerte();

// The figures one by one, for the page that shows and edits them and for the help: a label,
// the law that sets the figure, and where the year's value is published.
enum class Feld {
    AllgemeinerSatz,
    Zusatzbeitrag,
    FreiwilligerSatz,
    Freibetrag,
    PflegeSatz,
    Kinderlosenzuschlag,
    AbschlagJeKind
};
constexpr int AnzahlFelder = 7;
struct Beschreibung {
    Feld feld;
    const char* bezeichnung; // "Allgemeiner Beitragssatz (%)"
    const char* quelle;      // "§ 241 SGB V"
};
const std::array<Beschreibung, AnzahlFelder>& felder();
Festkomma& wert(Werte& werte, Feld feld);
Festkomma wert(const Werte& werte, Feld feld);
// Whether a set of figures is one the program can calculate with: rates from 0 to 100 %,
// an allowance from 0 to 10,000 Euro, a year from 2000 to 2100.
bool gültig(const Werte& werte);

struct Person {
    Art art = Art::Pflichtversichert;
    bool kinder = true;    // has or had children: no surcharge in care insurance
    int kinderUnter25 = 0; // children under 25 now: from the second on, less care rate
    int geburtsjahr = 0;   // born before 1940: no surcharge either
};

struct Abzüge {
    Festkomma brutto;
    Festkomma krankenSatz, pflegeSatz;           // in percent
    Festkomma krankenGrundlage, pflegeGrundlage; // the amounts the rates are applied to
    Festkomma kranken, pflege;
    Festkomma netto;
};

// Each contribution is rounded to the cent from its exact value, half up.
Abzüge berechnen(Festkomma brutto, const Person& person, const Werte& werte);

} // namespace Krankenversicherung
