#pragma once

// The character codes the table and the case list react to besides printable characters;
// the views turn Qt's keys into them.
namespace Taste {
constexpr char16_t Rückschritt = 8;
constexpr char16_t Eingabe = 13;
constexpr char16_t Leertaste = u' ';
constexpr char16_t Komma = u',';
constexpr char16_t Punkt = u'.';
} // namespace Taste
