#pragma once

#include "print/druckflaeche.h"

#include <QPagedPaintDevice>
#include <QPainter>

// A Druckfläche on paper: a printer or a PDF writer. The painter is begun with the first
// output, so that the orientation can still be chosen before it. Lines follow each other
// at the height of the current font on the device; text on a line that no longer fits
// begins a new page, as a printer does at the bottom of the sheet.
class Druckerfläche : public Druckfläche
{
public:
    // `name` names the device in messages.
    Druckerfläche(QPagedPaintDevice& gerät, const QString& name);
    ~Druckerfläche() override;

    int orientierung() const override;
    void setzeOrientierung(int orientierung) override;
    Ergebnis dokumentBeenden() override;
    int zeilenFrei() const override;
    void bildDrucken(double höheTwips, const QString& beschreibung, const Zeichnung& zeichnung) override;

protected:
    double textbreite(const QString& text) const override;
    double zeichenbreite() const override;
    double flächenbreite() const override { return inTwips(m_gerät.width()); }
    void textAusgeben(const QString& text) override;
    void zeilenvorschub() override;
    void seitenvorschub() override;

private:
    bool bereit();
    QFont geräteschrift() const;
    double zeilenhöhe() const;
    double inTwips(double punkte) const { return punkte * 1440.0 / m_gerät.logicalDpiX(); }
    double ausTwips(double twips) const { return twips * m_gerät.logicalDpiX() / 1440.0; }

    QPagedPaintDevice& m_gerät;
    QString m_name;
    QPainter m_maler;
    QString m_fehler; // the first failure, reported when the document ends
    bool m_begonnen = false;
    double m_y = 0; // device units below the top of the printable area
};
