#pragma once

#include "core/datensatz.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

// The extension block of the case file: what the seven 1753-byte records have no room for
// (a case's pension start, its yearly pay increase and its years after 2051). It stands at
// the very end of the file, after the seven records, which keep their places and meanings,
// so that a program that knows only the records still reads every case as before. A file
// whose cases need none of it has no block and stays exactly 7 x 1753 bytes.
//
// Layout, all numbers little-endian:
//   payload  int16 number of entries, then per entry:
//              int16  case number 1..7
//              uint32 CRC-32 of the case record's bytes 5..54 (names and date of birth)
//              int16  pension start (Rentenbeginn), int64 yearly increase in percent x 10,000
//              int16  number of years after 2051 (0..49), then per year 2052, 2053, ...:
//                     int64 pay, int64 parental-leave points, int64 bonus points,
//                     int16 children 1, children 2, months 1, months 2
//   footer   uint32 payload length, uint32 CRC-32 of the payload, 8 bytes "ZUVORAX1"
// The CRC of names and date of birth ties an entry to its person: when another program
// has put someone else into the record, the entry no longer applies.
namespace Erweiterung {

constexpr int AnzahlSätze = 7;

struct Eintrag {
    quint32 person = 0;
    std::int16_t rentenbeginn = 0;
    Festkomma steigerung;
    Datensatz jahre; // only the years after 2051 are used
};

struct Befund {
    qsizetype länge = 0; // the block's bytes at the end of the file, footer included; 0: none
    std::array<std::optional<Eintrag>, 7> einträge;
};

// Finds and checks the block at the end of a file image. Anything that is not a complete,
// intact block of valid values counts as no block.
Befund lesen(QByteArrayView abbild);

// The block for seven cases; empty when none of them needs one.
QByteArray block(const std::array<Datensatz, 7>& sätze);

// The identity an entry is tied to, from a record's bytes.
quint32 person(QByteArrayView satzbytes);
// Whether what is tied to `person` belongs to the whole record `satzbytes`.
bool gehörtZu(quint32 person, QByteArrayView satzbytes);
// Whether the entry belongs to the record, and then its values put into `satz`.
bool anwenden(const Eintrag& eintrag, QByteArrayView satzbytes, Datensatz& satz);

} // namespace Erweiterung
