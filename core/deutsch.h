#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Every number and date the program shows or prints is German, whatever locale the system
// has: a pension information goes to a German client, and a letter saying "843.00 Euro" or
// "7 Dec 2026" is no use to them.
namespace Deutsch {

inline QLocale gebietsschema()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

inline QChar dezimaltrenner()
{
    return u',';
}

// The short date of the printouts: 07.12.26.
inline QString kurzdatum(QDate datum)
{
    return gebietsschema().toString(datum, QStringLiteral("dd.MM.yy"));
}

} // namespace Deutsch
