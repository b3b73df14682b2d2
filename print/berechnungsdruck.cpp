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
    // What the figures rest on, where the blank line under the title was: page 1 keeps its
    // rows.
    f.zeileDrucken(grundlagen());
    linie(120);
    f.zeileDrucken();

    const QStringList nachsatz = nachsatzzeilen();
    const int letzte = m_tabelle.rowCount() - 1;
    int seite = 1;
    for (int zeile = 1; zeile <= letzte; ++zeile) {
        if (zeile == Jahreszeile::Erste) {
            linie(150);
            f.zeileDrucken();
        }
        // A row stays on the page when the rest of the table, its closing rule and the lines
        // under it fit there, or when a break after the row still does: it takes three lines
        // (rule, blank, "Forts.").
        const int frei = f.zeilenFrei();
        const bool passt =
            frei >= letzte - zeile + 1 + 1 + nachsatz.size() || (zeile < letzte && frei >= 1 + 3);
        if (zeile > Jahreszeile::Erste && ((zeile == Umbruchzeile && seite == 1) || !passt))
            seitenwechsel(++seite);
        yzeilendrucken(zeile);
    }
    linie(120);
    for (const QString& text : nachsatz)
        f.zeileDrucken(text);
    return f.dokumentBeenden();
}

QStringList Berechnungsdruck::nachsatzzeilen() const
{
    QStringList zeilen;
    const Rentenbeginn::Beginn& beginn = m_rechnung.beginn;
    if (beginn.abschlagMonate > 0) {
        zeilen << QString()
               << (beginn.lautAuskunft
                       ? QStringLiteral("Rentenbeginn mit %1 Jahren, %2 Abschlagsmonate laut Rentenauskunft: "
                                        "Abschlag %2 x 0,3 % = %4 %, höchstens 10,8 %")
                       : QStringLiteral(
                             "Rentenbeginn mit %1 Jahren, %2 Monate vor der Regelaltersgrenze (%3): "
                             "Abschlag %2 x 0,3 % = %4 %, höchstens 10,8 %"))
                      .arg(beginn.alter.jahre)
                      .arg(beginn.abschlagMonate)
                      .arg(Rentenbeginn::alterText(beginn.regelalter), beginn.abschlagOhneGrenze.alsText(1))
               << QStringLiteral("Zuvora ab Rentenbeginn: %1 Euro - %2 % = %3 Euro")
                      .arg(m_rechnung.rente.alsText(2), beginn.abschlagProzent.alsText(1),
                           m_rechnung.renteAbBeginn.alsText(2));
    }
    if (const QString monate = m_rechnung.letztesJahrText(); !monate.isEmpty())
        zeilen << QString() << monate;
    return zeilen;
}

double Berechnungsdruck::rechterRand(int spalte)
{
    // The last column ends where a pension of five digits would, at the same distance.
    const double nächste = spalte + 1 < int(Spaltenx.size()) ? Spaltenx[std::size_t(spalte + 1)] : 16000;
    return nächste - 80;
}

void Berechnungsdruck::yzeilendrucken(int zeile)
{
    const int spalten = int(Spaltenx.size());
    for (int spalte = 0; spalte < spalten; ++spalte) {
        QString text = m_tabelle.gültig(zeile, spalte) ? m_tabelle.text(zeile, spalte) : QString();
        const auto ausrichtung = Qt::Alignment::fromInt(
            m_tabelle.gültig(zeile, spalte)
                ? m_tabelle.data(m_tabelle.index(zeile, spalte), Qt::TextAlignmentRole).toInt()
                : 0);
        // Numbers of the year rows stand right-aligned, as on screen; the heading keeps its
        // places, and age and monthly average of the years stand two blanks in from their
        // column where they are not numbers to align.
        if (zeile >= Jahreszeile::Erste && (ausrichtung & Qt::AlignRight)) {
            m_fläche.druckenBis(text.trimmed(), rechterRand(spalte));
        } else {
            if (zeile > Jahreszeile::Erste &&
                (spalte == nr(Spalte::Alter) || spalte == nr(Spalte::Monatsdurchschnitt)))
                text = QStringLiteral("  ") + text;
            m_fläche.setzeX(Spaltenx[std::size_t(spalte)]);
            m_fläche.drucken(text);
        }
    }
    m_fläche.zeileDrucken();
}

QString Berechnungsdruck::grundlagen() const
{
    const Datensatz& s = m_satz;
    bool zahl = false;
    const int tag = s.geburtstag.trimmed().toInt(&zahl);
    const int monat = Rentenbeginn::monatAusText(s.geburtsmonat);
    QString text = zahl && tag >= 1 && tag <= 31 && monat > 0
                       ? QStringLiteral("Grundlagen: geboren am %1.%2.%3")
                             .arg(tag, 2, 10, QChar(u'0'))
                             .arg(monat, 2, 10, QChar(u'0'))
                             .arg(s.geburtsjahr.trimmed())
                       : QStringLiteral("Grundlagen: Geburtsjahr %1").arg(s.geburtsjahr.trimmed());
    if (m_rechnung.beginn.wieBisher())
        text += QStringLiteral(", Rentenbeginn mit 65 (ohne Abschlag)");
    else
        text +=
            QStringLiteral(", Rentenbeginn mit %1 (Regelaltersgrenze %2), %3")
                .arg(Rentenbeginn::alterText(m_rechnung.beginn.alter),
                     Rentenbeginn::alterText(m_rechnung.beginn.regelalter),
                     m_rechnung.beginn.abschlagMonate > 0
                         ? QStringLiteral("Abschlag %1 %").arg(m_rechnung.beginn.abschlagProzent.alsText(1))
                         : QStringLiteral("ohne Abschlag"));
    if (s.steigerung != Festkomma())
        text +=
            QStringLiteral(", vorgetragene Entgelte steigen um %1 % je Jahr").arg(s.steigerung.alsText(2));
    return text + QStringLiteral(", berechnet am %1.").arg(m_datum);
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
