#pragma once

#include "core/absicherung.h"
#include "core/beratungsangaben.h"
#include "core/krankenversicherung.h"
#include "core/rentenbeginn.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The pension starts side by side, for the adviser's questions: what if I stop at 63, what
// does my wife get, what if I can no longer work, what is left. Every figure comes from the
// one calculation of the case, run once for each start; this only puts them together.

// What the calculation of the case gives for one start.
struct Startergebnis {
    Rentenbeginn::Beginn beginn;
    Festkomma punkte;        // at the start
    Festkomma rente;         // before the reduction
    Festkomma renteAbBeginn; // after it
};
using Startrechnung = std::function<Startergebnis(int wahl)>;

struct Vergleich {
    struct Spalte {
        Startergebnis start;
        bool regelalter = false;             // the start at the regular age of the birth year
        int ersterMonat = 0;                 // the first month of payment (Rentenzahlung's count)
        std::array<Festkomma, 3> nachJahren; // after 5, 10 and 20 years of payment
        Festkomma summe;                     // every payment up to the age `bisAlter`
        Krankenversicherung::Abzüge abzüge;
    };
    // From which age the later of two neighbouring starts has paid more in total.
    struct Überholung {
        int früher = 0, später = 0; // columns
        std::optional<int> alterMonate;
    };

    int geburtsjahr = 0;
    int geburtsmonat = 1;
    bool monatAngenommen = false; // the case names no month of birth: January is assumed
    int bisAlter = 85;
    int abschlagsmonate = -1; // named by the statutory pension information for the chosen start
    QList<Spalte> spalten;
    QList<Überholung> überholungen;
};

// The starts compared: 63 to 67 and the regular age of the birth year when it is none of them,
// in the order of their ages.
QList<int> vergleichsstarts(int geburtsjahr);

Vergleich vergleichen(int geburtsjahr, int geburtsmonat, const Startrechnung& rechnung,
                      const Beratungsangaben& angaben, const Krankenversicherung::Werte& werte);

// The same texts for the page, the printout and a screen reader.
namespace Vergleichstexte {

struct Zeile {
    QString bezeichnung;
    QStringList werte; // one per column
};
// "mit 63", "mit 66 J. 4 M."; the regular age's column adds " (Regelalter)" where it is named.
QString spaltenkopf(const Vergleich::Spalte& spalte, bool regelalterNennen = true);
QList<Zeile> tabelle(const Vergleich& vergleich);
// "Ab 81 J. 4 M. liegt der Beginn mit 67 vorn (gegenüber mit 66)."
QStringList überholungen(const Vergleich& vergleich);
// What the figures assume: the month of birth, the increase, and that tax is not calculated.
QStringList annahmen(const Vergleich& vergleich);
QString euro(Festkomma betrag);

} // namespace Vergleichstexte
