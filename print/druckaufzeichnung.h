#pragma once

#include "print/druckflaeche.h"

#include <QList>

// A Druckfläche that keeps what was printed instead of printing it: per line the page and
// the pieces of text with their position and font. Widths follow a fixed rule (half the
// font size per character) so that positions after a text are predictable. Pages are those
// of A4 within an office printer's margins, a line 1.15 times the font size high: 40 lines
// of 12 points in landscape, 58 in portrait; text below the last line begins a new page.
class Druckaufzeichnung : public Druckfläche
{
public:
    struct Stück {
        double x = 0;
        QString schrift;
        qreal größe = 0;
        bool fett = false;
        QString text;
    };
    struct Zeile {
        int seite = 1;
        QList<Stück> stücke;
        // The pieces joined, for tests that read a line as a whole.
        QString text() const;
    };

    explicit Druckaufzeichnung(int orientierung = Hochformat) : m_orientierung(orientierung) {}

    int orientierung() const override { return m_orientierung; }
    void setzeOrientierung(int orientierung) override { m_orientierung = orientierung; }
    Ergebnis dokumentBeenden() override;
    int zeilenFrei() const override;

    const QList<Zeile>& zeilen() const { return m_zeilen; }
    int seiten() const { return m_aktuell.seite; }
    bool beendet() const { return m_beendet; }

protected:
    double textbreite(const QString& text) const override { return text.size() * zeichenbreite(); }
    double zeichenbreite() const override { return schrift().pointSizeF() * 10; }
    void textAusgeben(const QString& text) override;
    void zeilenvorschub() override;
    void seitenvorschub() override;

private:
    double zeilenhöhe() const { return schrift().pointSizeF() * 23; } // twips
    double seitenhöhe() const { return m_orientierung == Querformat ? 11185 : 16117; }

    int m_orientierung;
    QList<Zeile> m_zeilen;
    Zeile m_aktuell;
    bool m_beendet = false;
    double m_y = 0; // twips below the top of the page
};
