#pragma once

#include "core/festkomma.h"
#include "core/rentenbeginn.h"

#include <optional>

// A pension once it is paid: from which month, how it grows and what it adds up to.
//
// A pension starts with the month after the one in which its age is reached (born in March,
// 67 in March 2057: paid from April 2057), and a running pension rises by 1 % on every
// 1 July (§ 11 ATV / ATV-K), each new amount rounded to the cent. A pension that starts in
// July is raised for the first time a year later. Months are counted as one running number,
// year x 12 + month - 1, so that spans and ages are plain differences.
namespace Rentenzahlung {

constexpr int AnpassungProzent = 1;
constexpr int Anpassungsmonat = 7;

constexpr int laufenderMonat(int jahr, int monat)
{
    return jahr * 12 + monat - 1;
}
constexpr int jahrVon(int laufend)
{
    return laufend / 12;
}
constexpr int monatVon(int laufend)
{
    return laufend % 12 + 1;
}

// The month in which the age is reached, and the first month of payment after it.
int monatDesAlters(int geburtsjahr, int geburtsmonat, Rentenbeginn::Alter alter);
int ersterMonat(int geburtsjahr, int geburtsmonat, Rentenbeginn::Alter alter);

// The monthly amount as it is paid: rounded to the cent, half away from zero.
Festkomma aufCent(Festkomma betrag);
// One yearly increase: 1 % more, rounded to the cent.
Festkomma erhöht(Festkomma betrag);

// A pension of `betrag` paid from month `erster` on, followed month by month.
class Verlauf
{
public:
    Verlauf(Festkomma betrag, int erster);
    // The amount paid in month `monat` (from `erster` on) and the sum of all payments up to
    // and including it. Months must be asked for in rising order.
    Festkomma betragIm(int monat);
    Festkomma summeBis(int monat);
    int ersterMonat() const { return m_erster; }

private:
    void bis(int monat);
    int m_erster;
    int m_monat;        // the last month added up; m_erster - 1 before the first
    Festkomma m_betrag; // the amount paid in m_monat (before the first: the starting amount)
    Festkomma m_summe;
};

// The amount after `jahre` full years of payment, that is in the month 12 x jahre after the first.
Festkomma nachJahren(Festkomma betrag, int erster, int jahre);

// The first month in which a pension starting later with a higher amount has paid more in
// total than one starting earlier; none if that does not happen up to `grenze`.
std::optional<int> überholt(Festkomma früherBetrag, int früherErster, Festkomma späterBetrag,
                            int späterErster, int grenze);

// An age as it is written in a short table cell: "81 J. 4 M.", "67 J.".
QString alterKurz(int monate);

} // namespace Rentenzahlung
