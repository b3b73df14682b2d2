#include "table/tabelleneingabe.h"

#include "core/falldatei.h"
#include "core/meldungen.h"
#include "core/rentenberechnung.h"
#include "table/rechentabelle.h"
#include "table/tasten.h"

QString Tabelleneingabe::formatVorschrift()
{
    return QStringLiteral("Format-Vorschrift: ######,##\n(mit Komma und 2 Dezimalen)");
}

Tabelleneingabe::Tabelleneingabe(Rechentabelle& tabelle, QObject* parent)
    : QObject(parent), m_tabelle(tabelle)
{
    connect(&tabelle.modell(), &Zellenmodell::neuGeschrieben, this, [this] {
        m_begonneneZeile = -1;
        m_begonneneSpalte = -1;
    });
}

Tabelleneingabe::Eingabe Tabelleneingabe::eingabezelle() const
{
    const int zeile = m_tabelle.aktuelleZeile();
    const int spalte = m_tabelle.aktuelleSpalte();
    if (zeile > m_tabelle.letzteZeile())
        return Eingabe::Keine;
    // A year before the 17th year of life takes no input: the insurance has not begun.
    if (m_tabelle.eingabezeile(zeile) && spalte == nr(Spalte::Entgelt))
        return Eingabe::Entgelt;
    if (m_tabelle.eingabezeile(zeile) && spalte == nr(Spalte::Bonus))
        return Eingabe::Bonus;
    if (zeile == Jahreszeile::Erste && spalte == nr(Spalte::Gesamtpunkte))
        return Eingabe::Startgutschrift;
    return Eingabe::Keine;
}

void Tabelleneingabe::Grid_Click()
{
    if (eingabezelle() != Eingabe::Keine) {
        beginnen();
        return;
    }
    elternzeitÖffnen();
}

void Tabelleneingabe::beginnen()
{
    m_tabelle.setzeAktuellenText(QStringLiteral(" "));
    m_begonneneZeile = m_tabelle.aktuelleZeile();
    m_begonneneSpalte = m_tabelle.aktuelleSpalte();
}

bool Tabelleneingabe::begonnen() const
{
    return m_begonneneZeile == m_tabelle.aktuelleZeile() && m_begonneneSpalte == m_tabelle.aktuelleSpalte();
}

void Tabelleneingabe::Grid_KeyDown(int taste)
{
    if (taste == Qt::Key_F2 && eingabezelle() == Eingabe::Keine)
        elternzeitÖffnen();
}

void Tabelleneingabe::elternzeitÖffnen()
{
    // The panel has values only for the years from 2002 on; the 2001 row and the heading
    // have no parental leave to compute.
    const int zeile = m_tabelle.aktuelleZeile();
    if (m_tabelle.aktuelleSpalte() == nr(Spalte::Elternzeit) && m_tabelle.eingabezeile(zeile))
        emit sozialpanelAngefordert(zeile);
}

void Tabelleneingabe::Grid_KeyPress(char16_t& code)
{
    const Eingabe art = eingabezelle();
    if (art == Eingabe::Keine) {
        if (code == Taste::Eingabe || code == Taste::Leertaste)
            elternzeitÖffnen();
        return;
    }
    // Appending to the value shown would turn 30000,00 into 30000,004.
    const bool tippt = code == Taste::Rückschritt || code == Taste::Komma || (code >= u'0' && code <= u'9');
    if (tippt && !begonnen())
        beginnen();
    const QString text = m_tabelle.aktuellerText();

    if (code == Taste::Rückschritt) {
        if (!text.isEmpty())
            m_tabelle.setzeAktuellenText(text.chopped(1));
    } else if (code >= u'0' && code <= u'9') {
        zifferAnfügen(art, QChar(code));
    } else if (code == Taste::Komma) {
        // The decimal separator is held as a point while typing; a second one starts over.
        code = Taste::Punkt;
        m_tabelle.setzeAktuellenText(text.contains(u'.') ? QString() : text + u'.');
    } else if (code == Taste::Punkt) {
        m_tabelle.meldungen().hinweis(formatVorschrift(), QString());
    } else if (code == Taste::Eingabe) {
        if (!text.contains(u'.')) {
            m_tabelle.meldungen().hinweis(formatVorschrift(), QString());
            m_tabelle.setzeAktuellenText(QString());
        } else if (art == Eingabe::Entgelt) {
            entgeltFestschreiben();
        } else if (art == Eingabe::Bonus) {
            bonusFestschreiben();
        } else {
            startgutschriftFestschreiben();
        }
    }
}

void Tabelleneingabe::zifferAnfügen(Eingabe art, QChar ziffer)
{
    const QString text = m_tabelle.aktuellerText();
    switch (art) {
    case Eingabe::Entgelt:
        // Blanks count here: the click leaves one, so eight typed characters fill the cell.
        if (text.size() <= 8)
            m_tabelle.setzeAktuellenText(text + ziffer);
        break;
    case Eingabe::Bonus:
        m_tabelle.setzeAktuellenText(text.trimmed().size() <= 3 ? text + ziffer : QString());
        break;
    case Eingabe::Startgutschrift:
        if (text.trimmed().size() <= 8)
            m_tabelle.setzeAktuellenText(text + ziffer);
        break;
    case Eingabe::Keine: break;
    }
}

void Tabelleneingabe::entgeltFestschreiben()
{
    Zellenmodell& t = m_tabelle.modell();
    const int zeile = m_tabelle.aktuelleZeile();
    fettZeigen(zeile, Spalte::Entgelt, 12);
    const QString anzeige = Festkomma::ausText(m_tabelle.aktuellerText()).alsText(2);
    m_tabelle.setzeAktuellenText(anzeige);
    // The record holds what the cell shows: the value rounded to two decimals.
    const Festkomma wert = Festkomma::ausText(anzeige);

    // A case with a yearly increase names it in the question; without one the question is
    // the one it always was.
    const Festkomma steigerung = m_tabelle.aktuellenSatzNeuLesen().steigerung;
    QString frage = vortragenFrage();
    if (steigerung != Festkomma())
        frage += QStringLiteral("\n(mit einer Steigerung um %1 % je Jahr)").arg(steigerung.alsText(2));
    const bool vortragen = m_tabelle.meldungen().frage(frage, QStringLiteral("Vortragen?"));
    Sammlung sammlung(t);
    Datensatz& satz = m_tabelle.aktuellenSatzNeuLesen();
    const int bis = vortragen ? m_tabelle.letzteZeile() : zeile;
    const QList<Festkomma> werte = Rentenberechnung::fortschreiben(wert, steigerung, bis - zeile + 1);
    for (int r = zeile; r <= bis; ++r) {
        const Festkomma jahreswert = werte[r - zeile];
        t.setzeText(r, nr(Spalte::Entgelt), jahreswert.alsText(2));
        satz.jahresentgelt[Jahreszeile::index(r)] = jahreswert;
        m_tabelle.stand().entgelt[std::size_t(Jahreszeile::index(r))] = jahreswert;
    }
    speichernUndRechnen();
}

void Tabelleneingabe::bonusFestschreiben()
{
    Zellenmodell& t = m_tabelle.modell();
    const int zeile = m_tabelle.aktuelleZeile();
    fettZeigen(zeile, Spalte::Bonus, 12);
    Sammlung sammlung(t);
    // The cell keeps the text as typed, and the calculation uses what it shows.
    const Festkomma bonus = Festkomma::ausText(m_tabelle.aktuellerText());
    m_tabelle.aktuellenSatzNeuLesen().bonuspunkte[Jahreszeile::index(zeile)] = bonus;
    m_tabelle.stand().bonus[std::size_t(Jahreszeile::index(zeile))] = bonus;
    speichernUndRechnen();
}

void Tabelleneingabe::startgutschriftFestschreiben()
{
    Zellenmodell& t = m_tabelle.modell();
    Arbeitsstand& stand = m_tabelle.stand();
    fettZeigen(Jahreszeile::Erste, Spalte::Gesamtpunkte, 11);
    const Festkomma start = Festkomma::ausText(m_tabelle.aktuellerText());
    Sammlung sammlung(t);
    m_tabelle.aktuellenSatzNeuLesen().startgutschrift = start;
    stand.startgutschrift = start;
    speichernUndRechnen();
}

void Tabelleneingabe::fettZeigen(int zeile, Spalte spalte, qreal punkte)
{
    // Only the cell that took the Enter key shows the committed look.
    m_tabelle.modell().setzeSchriftgröße(zeile, nr(spalte), punkte);
    m_tabelle.modell().setzeFett(zeile, nr(spalte), true);
}

void Tabelleneingabe::speichernUndRechnen()
{
    // Nothing may look saved that is not: after a refused write the case is shown again as
    // the file holds it.
    if (!m_tabelle.aktuellenSatzSpeichern().ok)
        m_tabelle.datensatzholen();
    m_tabelle.atvberechnen();
}
