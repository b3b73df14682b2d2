#include "print/druckaufzeichnung.h"

QString Druckaufzeichnung::Zeile::text() const
{
    QString t;
    for (const Stück& s : stücke)
        t += s.text;
    return t;
}

void Druckaufzeichnung::textAusgeben(const QString& text)
{
    m_aktuell.stücke.append({x(), schrift().family(), schrift().pointSizeF(), schrift().bold(), text});
}

void Druckaufzeichnung::zeilenvorschub()
{
    m_zeilen.append(m_aktuell);
    m_aktuell.stücke.clear();
}

void Druckaufzeichnung::seitenvorschub()
{
    if (!m_aktuell.stücke.isEmpty())
        zeilenvorschub();
    ++m_aktuell.seite;
}

Ergebnis Druckaufzeichnung::dokumentBeenden()
{
    if (!m_aktuell.stücke.isEmpty())
        zeilenvorschub();
    m_beendet = true;
    return {};
}
