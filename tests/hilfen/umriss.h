#pragma once

#include "print/druckaufzeichnung.h"

#include <QRegularExpression>
#include <QStringList>

// Each recorded line as "page|x:text|x:text", bold pieces marked "*x", a rule of n
// underscores written "_n"; compact enough to compare whole stretches of a printout.
inline QStringList umriss(const Druckaufzeichnung& f)
{
    QStringList zeilen;
    for (const auto& z : f.zeilen()) {
        QString s = QString::number(z.seite);
        for (const auto& st : z.stücke) {
            const bool linie = !st.text.isEmpty() && st.text.count(u'_') == st.text.size();
            s += QStringLiteral("|%1%2:%3")
                     .arg(st.fett ? "*" : "")
                     .arg(st.x)
                     .arg(linie ? QStringLiteral("_%1").arg(st.text.size()) : st.text);
        }
        zeilen.append(s);
    }
    return zeilen;
}
