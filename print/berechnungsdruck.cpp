#include "print/berechnungsdruck.h"

#include "core/datensatz.h"
#include "print/druckflaeche.h"
#include "table/zellenmodell.h"

Berechnungsdruck::Berechnungsdruck(Druckfläche& fläche, const Zellenmodell& tabelle, const Datensatz& satz,
                                   const QString& datum)
    : m_fläche(fläche), m_tabelle(tabelle), m_satz(satz), m_datum(datum)
{}

void Berechnungsdruck::setzeRechnung(const Fallrechnung& rechnung)
{
    m_rechnung = rechnung;
}

void Berechnungsdruck::linie(int länge)
{
    // A rule stops at the edge of the printable area instead of running off the paper.
    m_fläche.zeileDrucken(QString(m_fläche.passen(u'_', länge), u'_'));
}

Ergebnis Berechnungsdruck::berechnungdrucken()
{
    Druckfläche& f = m_fläche;
    if (f.orientierung() == Druckfläche::Hochformat)
        f.setzeOrientierung(Druckfläche::Querformat);
    f.setzeSchriftname(QStringLiteral("Arial"));
    f.setzeSchriftgröße(12);
    f.setzeFett(true);
    for (int i = 0; i < 4; ++i)
        f.zeileDrucken();
    f.setzeX(5500);
    f.zeileDrucken(QStringLiteral("Zuvoranversicherung für ") + m_satz.vorname.trimmed() + u' ' +
                   m_satz.nachname.trimmed());
    f.setzeX(5500);
    const Rentenbeginn::Beginn& beginn = m_rechnung.beginn;
    f.drucken(beginn.wieBisher() ? QStringLiteral("Hochrechnung bis zum 65. Lebensjahr")
                                 : QStringLiteral("Hochrechnung ") + Rentenbeginn::bisText(beginn.alter));
    f.setzeFett(false);
    f.setzeX(14000);
    f.zeileDrucken(m_datum);
    f.zeileDrucken();
    linie(120);
    f.zeileDrucken();

    const int letzte = m_tabelle.rowCount() - 1;
    for (int zeile = 1; zeile <= letzte; ++zeile) {
        if (zeile == Jahreszeile::Erste) {
            linie(150);
            f.zeileDrucken();
        }
        if (zeile >= Umbruchzeile && (zeile - Umbruchzeile) % ZeilenJeSeite == 0)
            seitenwechsel(2 + (zeile - Umbruchzeile) / ZeilenJeSeite);
        yzeilendrucken(zeile);
    }
    linie(120);
    if (beginn.abschlagMonate > 0) {
        f.zeileDrucken();
        f.zeileDrucken(
            QStringLiteral("Rentenbeginn mit %1 Jahren, %2 Monate vor der Regelaltersgrenze (%3): "
                           "Abschlag %2 x 0,3 % = %4 %, höchstens 10,8 %")
                .arg(beginn.alter.jahre)
                .arg(beginn.abschlagMonate)
                .arg(Rentenbeginn::alterText(beginn.regelalter), beginn.abschlagOhneGrenze.alsText(1)));
        f.zeileDrucken(QStringLiteral("Zuvora ab Rentenbeginn: %1 Euro - %2 % = %3 Euro")
                           .arg(m_rechnung.rente.alsText(2), beginn.abschlagProzent.alsText(1),
                                m_rechnung.renteAbBeginn.alsText(2)));
    }
    return f.dokumentBeenden();
}

void Berechnungsdruck::yzeilendrucken(int zeile)
{
    const int spalten = int(Spaltenx.size());
    for (int spalte = 0; spalte < spalten; ++spalte) {
        QString text = m_tabelle.gültig(zeile, spalte) ? m_tabelle.text(zeile, spalte) : QString();
        // Age and monthly average of the years stand two blanks in from their column.
        if (zeile > Jahreszeile::Erste &&
            (spalte == nr(Spalte::Alter) || spalte == nr(Spalte::Monatsdurchschnitt)))
            text = QStringLiteral("  ") + text;
        m_fläche.setzeX(Spaltenx[std::size_t(spalte)]);
        if (spalte < spalten - 1)
            m_fläche.drucken(text);
        else
            m_fläche.zeileDrucken(text);
    }
}

void Berechnungsdruck::seitenwechsel(int seite)
{
    Druckfläche& f = m_fläche;
    linie(120);
    f.zeileDrucken();
    f.setzeX(7000);
    f.zeileDrucken(QStringLiteral("Forts. Seite %1").arg(seite));
    f.neueSeite();
    for (int i = 0; i < 3; ++i)
        f.zeileDrucken();
    f.setzeX(7000);
    f.zeileDrucken(QStringLiteral("Seite %1").arg(seite));
    f.zeileDrucken();
    linie(150);
    f.zeileDrucken();
    for (int zeile = 1; zeile <= 3; ++zeile)
        yzeilendrucken(zeile);
    linie(150);
    f.zeileDrucken();
}
