#pragma once

#include "print/druckflaeche.h"

#include <QList>

// A Druckfläche that keeps what was printed instead of printing it: per line the page and
// the pieces of text with their position and font. Widths follow a fixed rule (half the
// font size per character) so that positions after a text are predictable.
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
    int m_orientierung;
    QList<Zeile> m_zeilen;
    Zeile m_aktuell;
    bool m_beendet = false;
};
