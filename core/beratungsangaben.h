#pragma once

#include "core/krankenversicherung.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>

// What an adviser asks about a case beyond its pay: the reduction months the statutory
// pension information names, health insurance, survivors, a disability pension and how far
// payments are added up. The defaults are what the program assumes without an answer; a case
// that keeps them all stores nothing, and its file stays as it was.
struct Datensatz;

struct Beratungsangaben {
    static constexpr std::int16_t KeineAbschlagsmonate = -1; // counted from the regular age
    static constexpr int HöchsteAbschlagsmonate = 36;
    enum Erwerbsminderung : std::int16_t { Keine = 0, Voll = 1, Teilweise = 2 };

    // "Abschlagsmonate laut Rentenauskunft" for the chosen start, 0..36.
    std::int16_t abschlagsmonate = KeineAbschlagsmonate;
    Krankenversicherung::Art versicherung = Krankenversicherung::Art::Pflichtversichert;
    bool kinder = true;
    std::int16_t kinderUnter25 = 0;
    // A marriage before 2002 with one spouse born before 2 January 1962: 60 % instead of 55 %.
    bool altesRecht = false;
    std::int16_t erwerbsminderung = Keine;
    std::int16_t erwerbsminderungJahr = 0; // the start of the reduced earning capacity
    std::int16_t erwerbsminderungMonat = 1;
    std::int16_t bisAlter = 85; // payments are added up to this age
    bool briefzeile = false;    // the letter names the amount after health and care insurance

    static constexpr int KleinstesBisAlter = 70, GrößtesBisAlter = 110;
    static constexpr int GrößteKinderzahl = 20;

    bool standard() const { return *this == Beratungsangaben{}; }
    // Every value one the program can have written.
    bool gültig() const;
    Krankenversicherung::Person person(int geburtsjahr) const;
    // Health and care insurance on the monthly pension `rente` as it is paid, to the cent.
    Krankenversicherung::Abzüge abzüge(Festkomma rente, int geburtsjahr,
                                       const Krankenversicherung::Werte& werte) const;

    friend bool operator==(const Beratungsangaben&, const Beratungsangaben&) = default;
};

// The block of the case file that holds these answers and the year's health-insurance
// figures. It stands before the extension block of the pension start (or at the very end of
// the file when there is none), so that a program that knows only that block keeps reading
// it and keeps these bytes as bytes it does not know.
//
// Layout, all numbers little-endian:
//   payload  int16 1 when the figures follow, else 0; then int16 year and seven int64 values
//              x 10,000 in the order of Krankenversicherung::felder();
//            int16 number of cases (0..7), then per case:
//              int16 case number 1..7, uint32 CRC-32 of the record's bytes 5..54,
//              int16 x 11: abschlagsmonate, versicherung, kinder, kinderUnter25, altesRecht,
//                          erwerbsminderung, its year and month, bisAlter, briefzeile, 0
//   footer   uint32 payload length, uint32 CRC-32 of the payload, 8 bytes "ZUVORAX2"
namespace Beratungsblock {

struct Befund {
    qsizetype länge = 0; // bytes of the block at the end of the image, footer included; 0: none
    std::optional<Krankenversicherung::Werte> werte;
    std::array<std::optional<std::pair<quint32, Beratungsangaben>>, 7> fälle; // person and answers
};

// The block at the end of `abbild`; anything that is not a complete block of valid values
// counts as none.
Befund lesen(QByteArrayView abbild);

// The block for seven cases' answers (each tied to its record's person) and the figures;
// empty when all of them are the defaults.
QByteArray block(const std::array<Datensatz, 7>& sätze, const Krankenversicherung::Werte& werte);

} // namespace Beratungsblock
