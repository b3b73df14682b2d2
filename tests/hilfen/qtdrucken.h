#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* aus)
{
    *aus << "QByteArray(" << bytes.size() << ") "
         << bytes.first(std::min<qsizetype>(bytes.size(), 64)).toHex(' ').toStdString();
}
