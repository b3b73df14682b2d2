#include "print/druckflaeche.h"

#include <algorithm>
#include <cmath>

Druckfläche::Druckfläche()
{
    // Font sizes are points on paper; a pixel size would depend on the device.
    m_schrift.setPointSizeF(12);
}

void Druckfläche::tab(int spalte)
{
    m_x = (spalte - 1) * zeichenbreite();
}

void Druckfläche::drucken(const QString& text)
{
    if (text.isEmpty())
        return;
    textAusgeben(text);
    m_x += textbreite(text);
}

void Druckfläche::druckenBis(const QString& text, double rechts)
{
    m_x = rechts - textbreite(text);
    drucken(text);
}

void Druckfläche::zeileDrucken(const QString& text)
{
    drucken(text);
    zeilenvorschub();
    m_x = 0;
}

void Druckfläche::neueSeite()
{
    seitenvorschub();
    m_x = 0;
}

void Druckfläche::bildDrucken(double, const QString& beschreibung, const Zeichnung&)
{
    zeileDrucken(QStringLiteral("[%1]").arg(beschreibung));
}

int Druckfläche::passen(QChar zeichen, int anzahl) const
{
    const double breite = textbreite(QString(zeichen));
    if (breite <= 0)
        return anzahl;
    return int(std::clamp(std::floor((flächenbreite() - m_x) / breite), 0.0, double(anzahl)));
}
