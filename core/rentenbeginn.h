#pragma once

#include "core/festkomma.h"

#include <QString>
#include <QStringView>

// When the pension of a case starts, and what an early start costs. The supplementary
// pension follows the regular retirement age of the statutory pension (Regelaltersgrenze);
// each month before it reduces the pension by 0,3 %, at most by 10,8 %.
//
// A case stores its choice as one number (Datensatz::rentenbeginn): Standard, Mit65,
// Regelaltersgrenze, or the chosen age 63..67 itself. Standard means "mit 65" up to the
// birth year 1985 and the regular age after it, so that every case written before the
// choice existed keeps its table and its file.
namespace Rentenbeginn {

constexpr int Standard = 0;
constexpr int Mit65 = 1; // to the year of the 65th birthday, without a reduction, as always
constexpr int Regelaltersgrenze = 2;
constexpr int FrühestesAlter = 63;
constexpr int SpätestesAlter = 67;
constexpr int LetztesJahrMit65 = 1985; // the last birth year whose default is "mit 65"

// Birth years the program calculates: from 1936 up to the year in which a person turns 17,
// and never so late that the regular age would fall after 2100.
constexpr int KleinstesGeburtsjahr = 1936;
int größtesGeburtsjahr(int laufendesJahr);

bool gültig(int wahl);
// Standard resolved for the birth year; any other valid choice as it is.
int wirksam(int wahl, int geburtsjahr);
// What a case stores for a choice: the default of the birth year is stored as Standard.
int speicherform(int wahl, int geburtsjahr);

struct Alter {
    int jahre = 0;
    int monate = 0;
    int inMonaten() const { return jahre * 12 + monate; }
    friend bool operator==(const Alter&, const Alter&) = default;
};
Alter regelaltersgrenze(int geburtsjahr);

struct Beginn {
    int wahl = Mit65;    // resolved: Mit65, Regelaltersgrenze or an age 63..67
    Alter alter;         // the age at which the pension starts
    Alter regelalter;    // the regular age of the birth year
    int letztesJahr = 0; // the calendar year of the table's last row
    int abschlagMonate = 0;
    Festkomma abschlagProzent;    // 0,3 % a month, at most 10,8 %
    Festkomma abschlagOhneGrenze; // 0,3 % a month without the limit, for the explanations
    bool lautAuskunft = false;    // the months are the statutory pension information's
    // The calculation as the program has always made it: nothing new to show.
    bool wieBisher() const { return wahl == Mit65; }
};

// `geburtsmonat` 1..12, or 0 when unknown: then the regular age is taken as reached in the
// year of its whole-year birthday.
Beginn bestimmen(int wahl, int geburtsjahr, int geburtsmonat);

// The reduction months named by the statutory pension information for the case's chosen
// start (`abschlagsmonate` 0..36; below 0: none named) instead of those counted from the
// regular age, for people whose statutory pension has no reduction or another one. They hold
// for the chosen start, whose age is `gewählt`; another start moves them by the months it
// lies earlier or later. "mit 65" stays without a reduction.
Beginn mitAbschlagsmonaten(Beginn beginn, int abschlagsmonate, Alter gewählt);

// The month of birth as the case list holds it: a number, or a German month name, written
// out or cut to three letters (umlauts cannot be typed there: "Maerz", "Marz"). 0 otherwise.
int monatAusText(QStringView text);

// The pension after the reduction, rounded to four decimals once.
Festkomma nachAbschlag(Festkomma rente, Festkomma abschlagProzent);
// 0,3 % for each month; `begrenzt` at most 10,8 %.
Festkomma abschlagProzent(int monate, bool begrenzt = true);

// The month of birth as the calculation counts it: an unknown month (0) counts as January,
// as everywhere in the program; the caller says so where the figures are shown.
int geburtsmonatOderJanuar(int geburtsmonat);

// Texts for the user: "mit 65", "mit der Regelaltersgrenze", "mit 63"; "67 Jahre",
// "66 Jahre und 4 Monate".
QString bezeichnung(int wahl);
QString alterText(Alter alter);
// How far the table reaches, for titles and explanations: "bis zum 67. Lebensjahr",
// "bis zum Alter von 66 Jahren und 4 Monaten".
QString bisText(Alter alter);

} // namespace Rentenbeginn
