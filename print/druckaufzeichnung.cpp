#include "print/druckaufzeichnung.h"

#include <algorithm>

QString Druckaufzeichnung::Zeile::text() const
{
    QString t;
    for (const Stück& s : stücke)
        t += s.text;
    return t;
}

int Druckaufzeichnung::zeilenFrei() const
{
    return std::max(0, int((seitenhöhe() - m_y) / zeilenhöhe()));
}

void Druckaufzeichnung::textAusgeben(const QString& text)
{
    if (m_aktuell.stücke.isEmpty() && m_y + zeilenhöhe() > seitenhöhe()) {
        ++m_aktuell.seite;
        m_y = 0;
    }
    m_aktuell.stücke.append({x(), schrift().family(), schrift().pointSizeF(), schrift().bold(), text});
}

void Druckaufzeichnung::zeilenvorschub()
{
    m_zeilen.append(m_aktuell);
    m_aktuell.stücke.clear();
    m_y += zeilenhöhe();
}

void Druckaufzeichnung::seitenvorschub()
{
    if (!m_aktuell.stücke.isEmpty())
        zeilenvorschub();
    ++m_aktuell.seite;
    m_y = 0;
}

Ergebnis Druckaufzeichnung::dokumentBeenden()
{
    if (!m_aktuell.stücke.isEmpty())
        zeilenvorschub();
    m_beendet = true;
    return {};
}
