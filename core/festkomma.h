#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// A decimal with four places, held as value x 10,000 in 64 bits. All money and point
// values of the program use it, in memory and in the case file. Sums and whole-number
// products are exact; a result that would leave 64 bits is clamped to the largest or
// smallest value instead of wrapping, because values read from a file can be anything.
class Festkomma
{
public:
    static constexpr std::int64_t Skala = 10000;
    static constexpr std::int64_t Größter = INT64_MAX;
    static constexpr std::int64_t Kleinster = INT64_MIN;

    constexpr Festkomma() = default;
    static constexpr Festkomma ausRoh(std::int64_t roh) { return Festkomma(roh); }
    static Festkomma ausGanzzahl(std::int64_t ganz);
    // Four decimals: the value x 10,000 in double, rounded to a whole number, a tie going to
    // the even one (0,68275 gives 0,6828, although its double lies just below the tie).
    static Festkomma ausDouble(double wert);
    // The reading rule for a cell text: blanks before the number are skipped, a comma or
    // a point is the decimal separator, the number ends at the first character that cannot
    // continue it; no digits reads as 0. More than four decimals round to nearest, ties to even.
    static Festkomma ausText(QStringView text);

    constexpr std::int64_t roh() const { return m_roh; }

    Festkomma operator+(Festkomma b) const;
    Festkomma operator-(Festkomma b) const;
    Festkomma& operator+=(Festkomma b) { return *this = *this + b; }
    // Exact product with a whole number.
    Festkomma mal(std::int64_t ganz) const;
    // Division and non-whole multiplication: the operands as the doubles nearest their
    // decimal values, the result computed in double, then rounded by ausDouble. So
    // 682,75 / 1000 is 0,6828, and 1,0833 x 1,5 is 1,6249 (the double product times 10,000
    // lies below 16249,5 even in double).
    Festkomma geteiltDurch(std::int64_t teiler) const;
    Festkomma mal(Festkomma faktor) const;
    // The points rule: cut to three decimals, a third decimal of 5..9 adds 0.01.
    Festkomma punkteGerundet() const;

    // Display patterns ("#####0.00", "##0.00000", ...): at least one integer digit,
    // exactly `dezimalen` decimals rounded half away from zero, decimal comma, no grouping.
    QString alsText(int dezimalen) const;
    QString alsText(int dezimalen, QChar trenner) const;
    // Plain decimal form: no trailing zeros, no separator for a whole number (6000, 0,0417, 1,3).
    QString alsSchlichtText() const;
    // The value as alsText(dezimalen) shows it and ausText reads that text back, computed
    // without the text: what a table cell of this value means.
    Festkomma wieAngezeigt(int dezimalen) const;

    friend constexpr bool operator==(Festkomma a, Festkomma b) { return a.m_roh == b.m_roh; }
    friend constexpr auto operator<=>(Festkomma a, Festkomma b) { return a.m_roh <=> b.m_roh; }

private:
    constexpr explicit Festkomma(std::int64_t roh) : m_roh(roh) {}
    std::int64_t m_roh = 0;
};
