#pragma once

#include "core/ergebnis.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QPalette;

// A page that is written line by line, as a line printer would: the text goes to a
// horizontal position given in twips from the left edge of the printable area, and the
// vertical position only ever moves on by one line of the current font. Both printouts
// are written against this, so that they can be read back in tests without paper.
class Druckfläche
{
public:
    static constexpr int Hochformat = 1;
    static constexpr int Querformat = 2;

    virtual ~Druckfläche() = default;

    virtual int orientierung() const = 0;
    // Takes effect for the pages that follow; set it before the first line.
    virtual void setzeOrientierung(int orientierung) = 0;

    void setzeSchriftname(const QString& name) { m_schrift.setFamily(name); }
    void setzeSchriftgröße(qreal punkte) { m_schrift.setPointSizeF(punkte); }
    void setzeFett(bool fett) { m_schrift.setBold(fett); }
    const QFont& schrift() const { return m_schrift; }

    void setzeX(double twips) { m_x = twips; }
    double x() const { return m_x; }
    // Column n of the current font, the page divided into columns of its average
    // character width; column 1 is the left edge.
    void tab(int spalte);

    // Prints at the current position and moves it to the end of the text.
    void drucken(const QString& text);
    // Prints `text` so that it ends at `rechts` twips: numbers stand right-aligned.
    void druckenBis(const QString& text, double rechts);
    // Prints (if anything) and goes on at the left edge of the next line; with no text at
    // the start of a line this leaves a blank line.
    void zeileDrucken(const QString& text = {});
    // How many of `zeichen`, up to `anzahl`, fit between the current position and the right
    // edge of the printable area.
    int passen(QChar zeichen, int anzahl) const;
    void neueSeite();
    // Lines of the current font that still fit on the current page, the current one
    // included; 0 when the next text would begin a new page by itself.
    virtual int zeilenFrei() const = 0;
    // A drawing `höheTwips` high across the printable width, starting a line below the
    // current one; printing goes on below it. `zeichnung` gets the painter, the area, the
    // colours of paper and the size of a typographic point in the painter's units. A surface
    // without a painter prints `beschreibung` as a line instead.
    using Zeichnung = std::function<void(QPainter&, const QRectF&, const QPalette&, qreal)>;
    virtual void bildDrucken(double höheTwips, const QString& beschreibung, const Zeichnung& zeichnung);
    // Ends the last page and hands the document over; when the document did not come out,
    // the result says why.
    virtual Ergebnis dokumentBeenden() = 0;

protected:
    Druckfläche();

    virtual double textbreite(const QString& text) const = 0; // in twips, current font
    virtual double zeichenbreite() const = 0;                 // average, in twips
    virtual double flächenbreite() const { return 1e12; }     // printable width, in twips
    virtual void textAusgeben(const QString& text) = 0;       // at x(), current line
    virtual void zeilenvorschub() = 0;
    virtual void seitenvorschub() = 0;

private:
    QFont m_schrift;
    double m_x = 0;
};
