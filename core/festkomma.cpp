#include "core/festkomma.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace {

std::int64_t summeBegrenzt(std::int64_t a, std::int64_t b)
{
    std::int64_t s;
    if (__builtin_add_overflow(a, b, &s))
        return a > 0 ? Festkomma::Größter : Festkomma::Kleinster;
    return s;
}

std::int64_t produktBegrenzt(std::int64_t a, std::int64_t b)
{
    std::int64_t p;
    if (__builtin_mul_overflow(a, b, &p))
        return ((a < 0) != (b < 0)) ? Festkomma::Kleinster : Festkomma::Größter;
    return p;
}

// `wert` x 10,000 computed in double and rounded to a whole number, a tie going to the even
// one: the way a check by hand reads a double to four decimals. 682,75 / 1000 is 0,68275 to
// every clerk, though its double lies 3e-17 below; the product in double lands on the tie.
std::int64_t zehntausendstelGerundet(double wert)
{
    if (std::isnan(wert))
        return 0;
    // nearbyint honours the rounding mode, which the program never changes: to nearest, ties to even.
    const double skaliert = std::nearbyint(wert * double(Festkomma::Skala));
    constexpr double grenze = 9223372036854775808.0; // 2^63
    if (skaliert >= grenze)
        return Festkomma::Größter;
    if (skaliert <= -grenze)
        return Festkomma::Kleinster;
    return static_cast<std::int64_t>(skaliert);
}

// The double nearest to the decimal value: one correctly rounded division of two exact doubles
// for every value below 2^53 / 10,000 (about 900 billion).
double alsDouble(std::int64_t roh)
{
    return double(roh) / double(Festkomma::Skala);
}

// Divides by a power of ten, rounding half away from zero; works on the integer digits.
std::int64_t geteiltGerundet(std::int64_t wert, std::int64_t teiler)
{
    std::int64_t q = wert / teiler;
    std::int64_t r = wert % teiler;
    // r may be negative; compare magnitudes without negating INT64_MIN's remainder.
    std::int64_t betrag = r < 0 ? -r : r;
    if (betrag * 2 >= teiler)
        q += (wert < 0) ? -1 : 1;
    return q;
}

} // namespace

Festkomma Festkomma::ausGanzzahl(std::int64_t ganz)
{
    return Festkomma(produktBegrenzt(ganz, Skala));
}

Festkomma Festkomma::ausDouble(double wert)
{
    return Festkomma(zehntausendstelGerundet(wert));
}

Festkomma Festkomma::ausText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negativ = text[i] == u'-';
        ++i;
    }
    // Collect the digits exactly; stop adding once the value is far beyond any sensible
    // amount, so that a long run of digits saturates instead of overflowing.
    constexpr std::int64_t obergrenze = Größter / 100;
    std::int64_t ganz = 0;
    bool übergelaufen = false;
    bool ziffern = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ziffern = true;
        if (ganz < obergrenze)
            ganz = ganz * 10 + (text[i].unicode() - u'0');
        else
            übergelaufen = true;
        ++i;
    }
    std::int64_t bruch = 0; // the first five decimals
    int stellen = 0;
    bool restNichtNull = false;
    if (i < n && (text[i] == u',' || text[i] == u'.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ziffern = true;
            int ziffer = text[i].unicode() - u'0';
            if (stellen < 5) {
                bruch = bruch * 10 + ziffer;
                ++stellen;
            } else if (ziffer != 0) {
                restNichtNull = true;
            }
            ++i;
        }
    }
    if (!ziffern)
        return {};
    while (stellen < 5) {
        bruch *= 10;
        ++stellen;
    }
    // bruch holds five decimals; round the fifth away, ties to even.
    std::int64_t vier = bruch / 10;
    int letzte = int(bruch % 10);
    if (letzte > 5 || (letzte == 5 && (restNichtNull || (vier % 2) == 1)))
        ++vier;
    std::int64_t roh = übergelaufen ? Größter : summeBegrenzt(produktBegrenzt(ganz, Skala), vier);
    if (negativ)
        roh = (roh == Größter && übergelaufen) ? Kleinster : -roh;
    return Festkomma(roh);
}

Festkomma Festkomma::operator+(Festkomma b) const
{
    return Festkomma(summeBegrenzt(m_roh, b.m_roh));
}

Festkomma Festkomma::operator-(Festkomma b) const
{
    if (b.m_roh == Kleinster)
        return Festkomma(summeBegrenzt(summeBegrenzt(m_roh, Größter), 1));
    return Festkomma(summeBegrenzt(m_roh, -b.m_roh));
}

Festkomma Festkomma::mal(std::int64_t ganz) const
{
    return Festkomma(produktBegrenzt(m_roh, ganz));
}

Festkomma Festkomma::geteiltDurch(std::int64_t teiler) const
{
    if (teiler == 0)
        return {};
    return ausDouble(alsDouble(m_roh) / double(teiler));
}

Festkomma Festkomma::mal(Festkomma faktor) const
{
    return ausDouble(alsDouble(m_roh) * alsDouble(faktor.m_roh));
}

Festkomma Festkomma::punkteGerundet() const
{
    // x cut to three decimals, as a whole number of thousandths.
    std::int64_t t = m_roh / 10;
    std::int64_t hundertstel = t / 10;
    if (t % 10 > 4)
        ++hundertstel;
    return Festkomma(hundertstel * 100);
}

QString Festkomma::alsText(int dezimalen) const
{
    return alsText(dezimalen, u',');
}

QString Festkomma::alsText(int dezimalen, QChar trenner) const
{
    // Up to four decimals the value is rounded on its own digits; more decimals are zeros.
    const int gerundet = dezimalen < 4 ? dezimalen : 4;
    std::int64_t teiler = 1;
    for (int k = gerundet; k < 4; ++k)
        teiler *= 10;
    std::int64_t wert = geteiltGerundet(m_roh, teiler);
    const bool negativ = wert < 0;
    // Work on the magnitude as unsigned so INT64_MIN has a magnitude too.
    std::uint64_t betrag = negativ ? std::uint64_t(0) - std::uint64_t(wert) : std::uint64_t(wert);
    std::uint64_t einheit = 1;
    for (int k = 0; k < gerundet; ++k)
        einheit *= 10;
    // A recomputed table formats hundreds of numbers: the digits go from the right into a
    // buffer on the stack, and the text is made once.
    char16_t puffer[32];
    char16_t* const ende = std::end(puffer);
    char16_t* p = ende;
    if (dezimalen > 0) {
        std::uint64_t nachkomma = betrag % einheit;
        for (int k = 0; k < gerundet; ++k, nachkomma /= 10)
            *--p = char16_t(u'0' + nachkomma % 10);
        *--p = trenner.unicode();
    }
    std::uint64_t ganz = betrag / einheit;
    do {
        *--p = char16_t(u'0' + ganz % 10);
        ganz /= 10;
    } while (ganz != 0);
    if (negativ)
        *--p = u'-';
    QString text(reinterpret_cast<const QChar*>(p), ende - p);
    if (dezimalen > gerundet)
        text.append(QString(dezimalen - gerundet, u'0'));
    return text;
}

Festkomma Festkomma::wieAngezeigt(int dezimalen) const
{
    std::int64_t teiler = 1;
    for (int k = dezimalen; k < 4; ++k)
        teiler *= 10;
    const std::int64_t q = geteiltGerundet(m_roh, teiler);
    // At the ends of the range the text reads back clamped; the text itself decides there.
    if (q >= Größter / teiler || q <= Kleinster / teiler)
        return ausText(alsText(dezimalen));
    return Festkomma(q * teiler);
}

QString Festkomma::alsSchlichtText() const
{
    QString text = alsText(4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u','))
        text.chop(1);
    return text;
}
