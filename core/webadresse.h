#pragma once

#include <QString>

// The program's web site. Its host name stands in the letter's default wording, in three
// explanation texts and in the links of the main window; they all take it from here.
namespace Webadresse {

inline QString host()
{
    return QStringLiteral("zuvora.example.org");
}

// "https://" + host + path, the path beginning with "/".
inline QString url(const QString& pfad)
{
    return QStringLiteral("https://") + host() + pfad;
}

} // namespace Webadresse
