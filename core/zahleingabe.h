#pragma once

#include "core/festkomma.h"

#include <QString>
#include <QStringView>
#include <optional>

// What a user types or pastes into a pay, bonus or start-credit cell, read as Germans write
// numbers: "4500", "4500,50", "41.250,00", "1.234.567,89", and "4500.50" from elsewhere. A
// point followed by exactly three digits (then the end, a comma or another such point)
// groups thousands; any other point is the decimal separator. A "€" before or after the
// number and blanks around it are allowed. Nothing is cut off: a text that is not exactly
// one number, a negative value, a value above the limit of its kind and more than two
// decimals (other than zeros) are refused with a German message that names what is taken.
namespace Zahleingabe {

enum class Art { Entgelt, Bonus, Startgutschrift };

// The largest value each kind takes: 10.000.000,00 € of annual pay, 100 bonus points a
// year, 10.000 points of start credit. Far above any real case, far below any overflow.
Festkomma höchstwert(Art art);

struct Gelesen {
    std::optional<Festkomma> wert; // the value when the text is accepted
    bool leer = false;             // nothing but blanks (and a "€"): no value typed at all
    QString meldung;               // why it is refused, in German
    bool ok() const { return wert.has_value(); }
};

Gelesen lesen(QStringView text, Art art);

// What each kind of cell takes, for the message of a refused text.
QString vorschrift(Art art);

} // namespace Zahleingabe
