#pragma once

#include <algorithm>
#include <array>
#include <utility>

// The columns of the calculation table. A year row writes its calculation out as one
// equation: pay /12 = monthly average / reference pay = value figure x age factor =
// contribution points + parental-leave points + bonus points = pension points; the running
// total x the base amount = the monthly pension.
enum class Spalte : int {
    Jahr,
    Alter,
    Entgelt,
    DurchZwölf,
    Monatsdurchschnitt,
    Durch,
    Referenzentgelt,
    GleichWertziffer,
    Wertziffer,
    MalAltersfaktor,
    Altersfaktor,
    GleichBeitragspunkte,
    Beitragspunkte,
    PlusElternzeit,
    Elternzeit,
    PlusBonus,
    Bonus,
    GleichVersorgungspunkte,
    Versorgungspunkte,
    Gesamtpunkte,
    MalMeßbetrag,
    Meßbetrag,
    GleichRente,
    Rente,
};

// The model's column number.
constexpr int nr(Spalte spalte)
{
    return int(spalte);
}

// The operators and signs between the values of a year row, with their texts.
constexpr std::array<std::pair<Spalte, const char*>, 10> Zeichenspalten{{
    {Spalte::DurchZwölf, "/12 ="},
    {Spalte::Durch, "/"},
    {Spalte::GleichWertziffer, "="},
    {Spalte::MalAltersfaktor, "x"},
    {Spalte::GleichBeitragspunkte, "="},
    {Spalte::PlusElternzeit, "+"},
    {Spalte::PlusBonus, "+"},
    {Spalte::GleichVersorgungspunkte, "="},
    {Spalte::MalMeßbetrag, "x"},
    {Spalte::GleichRente, "="},
}};

constexpr bool zeichenspalte(int spalte)
{
    for (const auto& [s, text] : Zeichenspalten)
        if (nr(s) == spalte)
            return true;
    return false;
}

// The rows of the calculation table: four heading rows, then one row per calendar year from
// 2001 on. The working set and the case record hold a year at the index its row has here.
namespace Jahreszeile {
constexpr int ErstesJahr = 2001;
constexpr int Erste = 4; // the row of 2001
constexpr int von(int jahr)
{
    return Erste + jahr - ErstesJahr;
}
constexpr int jahr(int zeile)
{
    return zeile - Erste + ErstesJahr;
}
// The year's index in the working set and the record (0 = 2001).
constexpr int index(int zeile)
{
    return zeile - Erste;
}
// The number of year rows after 2001 in a table of `zeilenzahl` rows.
constexpr int folgejahre(int zeilenzahl)
{
    return std::max(0, zeilenzahl - Erste - 1);
}
} // namespace Jahreszeile
