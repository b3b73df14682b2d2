#include "table/tabelleneingabe.h"

#include "core/meldungen.h"
#include "core/rentenberechnung.h"
#include "core/tabellentext.h"
#include "table/rechentabelle.h"
#include "table/tasten.h"

#include <QRegularExpression>
#include <QScopedValueRollback>

Tabelleneingabe::Tabelleneingabe(Rechentabelle& tabelle, QObject* parent)
    : QObject(parent), m_tabelle(tabelle)
{
    // A click on another cell, another case or a page opened: the edit is over, unsaved.
    connect(&tabelle.auswahl(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& neu) {
        if (m_bearbeitung && !m_festschreiben &&
            (neu.row() != m_bearbeitung->zeile || neu.column() != m_bearbeitung->spalte))
            abbrechen();
    });
    connect(&tabelle.modell(), &Zellenmodell::neuGeschrieben, this, [this] {
        if (!m_festschreiben)
            abbrechen();
    });
}

std::optional<Zahleingabe::Art> Tabelleneingabe::eingabeart(int zeile, int spalte) const
{
    // A year before the 17th year of life takes no input: the insurance has not begun.
    if (m_tabelle.eingabezeile(zeile) && spalte == nr(Spalte::Entgelt))
        return Art::Entgelt;
    if (m_tabelle.eingabezeile(zeile) && spalte == nr(Spalte::Bonus))
        return Art::Bonus;
    if (zeile == Jahreszeile::Erste && spalte == nr(Spalte::Gesamtpunkte) && zeile <= m_tabelle.letzteZeile())
        return Art::Startgutschrift;
    return std::nullopt;
}

void Tabelleneingabe::Grid_Click()
{
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

void Tabelleneingabe::Grid_KeyDown(int taste)
{
    if (taste == Qt::Key_F2) {
        if (!eingabeart(m_tabelle.aktuelleZeile(), m_tabelle.aktuelleSpalte()))
            elternzeitÖffnen();
    } else if (Taste::bewegt(taste)) {
        // The grid moves on after the commit, refused or not: the cell shows what is stored.
        festschreiben();
    }
}

void Tabelleneingabe::Grid_KeyPress(char16_t& code)
{
    const int zeile = m_tabelle.aktuelleZeile();
    const int spalte = m_tabelle.aktuelleSpalte();
    if (!eingabeart(zeile, spalte)) {
        if (code == Taste::Eingabe || code == Taste::Leertaste)
            elternzeitÖffnen();
        return;
    }
    if (code == Taste::Eingabe) {
        if (!bearbeitet() || festschreiben())
            nachFestschreibenWeiter();
    } else if (code == Taste::Rückschritt) {
        if (bearbeitet())
            zeigen(m_bearbeitung->text.chopped(std::min<qsizetype>(1, m_bearbeitung->text.size())));
        else
            beginnen(zeile, spalte, QString());
    } else if (QChar(code).isPrint()) {
        // Every character stays until the commit reads the whole text: none is dropped
        // unseen, and a text that is no number is named then.
        if (bearbeitet())
            zeigen(m_bearbeitung->text + QChar(code));
        else
            beginnen(zeile, spalte, QString(QChar(code)));
    }
}

void Tabelleneingabe::beginnen(int zeile, int spalte, const QString& text)
{
    m_bearbeitung = Bearbeitung{zeile, spalte, {}};
    m_tabelle.modell().setzeKursiv(zeile, spalte, true);
    zeigen(text);
}

void Tabelleneingabe::zeigen(const QString& text)
{
    m_bearbeitung->text = text;
    m_tabelle.modell().setzeText(m_bearbeitung->zeile, m_bearbeitung->spalte, text);
}

bool Tabelleneingabe::abbrechen()
{
    if (!m_bearbeitung)
        return false;
    const Bearbeitung b = *std::exchange(m_bearbeitung, std::nullopt);
    Zellenmodell& t = m_tabelle.modell();
    t.setzeKursiv(b.zeile, b.spalte, false);
    t.setzeText(b.zeile, b.spalte, m_tabelle.gespeicherterText(b.zeile, b.spalte));
    return true;
}

void Tabelleneingabe::nachFestschreibenWeiter()
{
    // The next year's cell of the same column, brought into sight.
    const int zeile = m_tabelle.aktuelleZeile() + 1;
    if (zeile <= m_tabelle.letzteZeile())
        m_tabelle.auswahl().setzen(zeile, m_tabelle.aktuelleSpalte());
}

bool Tabelleneingabe::festschreiben()
{
    if (!m_bearbeitung)
        return true;
    const Bearbeitung b = *m_bearbeitung;
    const Art art = *eingabeart(b.zeile, b.spalte);
    const Zahleingabe::Gelesen gelesen = Zahleingabe::lesen(b.text, art);
    if (!gelesen.ok()) {
        // The stored value is back in the cell before the message names what is taken.
        abbrechen();
        if (!gelesen.leer)
            m_tabelle.meldungen().hinweis(gelesen.meldung, QStringLiteral("Eingabe"));
        return gelesen.leer;
    }
    const QScopedValueRollback sperre(m_festschreiben, true);
    bool ok;
    if (art == Art::Entgelt)
        ok = entgeltEintragen(b.zeile, *gelesen.wert);
    else
        ok = eintragen({{b.zeile, art == Art::Bonus ? Spalte::Bonus : Spalte::Gesamtpunkte, *gelesen.wert}},
                       art == Art::Bonus ? QStringLiteral("Bonuspunkte %1").arg(Jahreszeile::jahr(b.zeile))
                                         : QStringLiteral("Startgutschrift"));
    m_bearbeitung.reset();
    m_tabelle.modell().setzeKursiv(b.zeile, b.spalte, false);
    if (!ok)
        m_tabelle.modell().setzeText(b.zeile, b.spalte, m_tabelle.gespeicherterText(b.zeile, b.spalte));
    return ok;
}

bool Tabelleneingabe::entgeltEintragen(int zeile, Festkomma wert)
{
    // A case with a yearly increase names it in the question; without one the question is
    // the one it always was.
    const Festkomma steigerung = m_tabelle.aktuellenSatzNeuLesen().steigerung;
    QString frage = vortragenFrage();
    if (steigerung != Festkomma())
        frage += QStringLiteral("\n(mit einer Steigerung um %1 % je Jahr)").arg(steigerung.alsText(2));
    const bool vortragen =
        zeile < m_tabelle.letzteZeile() && m_tabelle.meldungen().frage(frage, QStringLiteral("Vortragen?"));
    const int bis = vortragen ? m_tabelle.letzteZeile() : zeile;
    const QList<Festkomma> jahreswerte = Rentenberechnung::fortschreiben(wert, steigerung, bis - zeile + 1);
    QList<Wert> werte;
    for (int r = zeile; r <= bis; ++r)
        werte.append({r, Spalte::Entgelt, jahreswerte[r - zeile]});
    return eintragen(werte,
                     vortragen ? QStringLiteral("Jahresentgelt ab %1").arg(Jahreszeile::jahr(zeile))
                               : QStringLiteral("Jahresentgelt %1").arg(Jahreszeile::jahr(zeile)),
                     true);
}

bool Tabelleneingabe::eintragen(const QList<Wert>& werte, const QString& änderung, bool nurErstesFett)
{
    Datensatz& satz = m_tabelle.aktuellenSatzNeuLesen();
    for (const Wert& w : werte) {
        const int i = Jahreszeile::index(w.zeile);
        if (w.spalte == Spalte::Entgelt)
            satz.jahresentgelt[i] = w.wert;
        else if (w.spalte == Spalte::Bonus)
            satz.bonuspunkte[i] = w.wert;
        else
            satz.startgutschrift = w.wert;
    }
    // Nothing may look saved that is not: after a refused write the case is shown again as
    // the file holds it.
    if (!m_tabelle.aktuellenSatzSpeichern(änderung).ok) {
        m_tabelle.datensatzholen();
        m_tabelle.atvberechnen();
        return false;
    }
    Zellenmodell& t = m_tabelle.modell();
    Arbeitsstand& stand = m_tabelle.stand();
    Sammlung sammlung(t);
    for (const Wert& w : werte) {
        const auto i = std::size_t(Jahreszeile::index(w.zeile));
        qreal punkte = 12;
        if (w.spalte == Spalte::Entgelt) {
            stand.entgelt[i] = w.wert;
        } else if (w.spalte == Spalte::Bonus) {
            stand.bonus[i] = w.wert;
        } else {
            punkte = 11;
            stand.startgutschrift = w.wert;
        }
        t.setzeText(w.zeile, nr(w.spalte), w.wert.alsText(2));
        // The cells that took a value show the committed look, the carried-forward ones not.
        if (!nurErstesFett || &w == &werte.front()) {
            t.setzeSchriftgröße(w.zeile, nr(w.spalte), punkte);
            t.setzeFett(w.zeile, nr(w.spalte), true);
        }
    }
    m_tabelle.atvberechnen();
    return true;
}

bool Tabelleneingabe::einfügen(const QString& text)
{
    abbrechen();
    const QList<QStringList> zeilen = Tabellentext::ausZwischenablage(text);
    if (zeilen.isEmpty())
        return false;
    const int oben = m_tabelle.aktuelleZeile();
    const int links = m_tabelle.aktuelleSpalte();
    const auto nein = [this](const QString& grund) {
        m_tabelle.meldungen().hinweis(grund + QStringLiteral("\nEs wurde nichts eingefügt."),
                                      QStringLiteral("Einfügen"));
        return false;
    };
    if (oben + zeilen.size() - 1 > m_tabelle.letzteZeile())
        return nein(QStringLiteral("Die %1 Zeilen reichen über das letzte Jahr der Tabelle (%2) hinaus.")
                        .arg(zeilen.size())
                        .arg(Jahreszeile::jahr(m_tabelle.letzteZeile())));
    QList<Wert> werte;
    for (qsizetype r = 0; r < zeilen.size(); ++r) {
        for (qsizetype s = 0; s < zeilen[r].size(); ++s) {
            const int zeile = oben + int(r);
            const int spalte = links + int(s);
            const auto art = eingabeart(zeile, spalte);
            if (!art)
                return nein(
                    QStringLiteral("Zeile %1 der eingefügten Werte träfe in Spalte %2 des Jahres %3, "
                                   "die keine Eingabe nimmt. Eingaben nehmen Spalte 3 (Jahresentgelt) "
                                   "und 17 (Bonuspunkte) ab 2002 und Spalte 20 im Jahr 2001.")
                        .arg(r + 1)
                        .arg(spalte + 1)
                        .arg(Jahreszeile::jahr(zeile)));
            const Zahleingabe::Gelesen gelesen = Zahleingabe::lesen(zeilen[r][s], *art);
            if (gelesen.leer)
                continue; // an empty cell leaves the value as it is
            if (!gelesen.ok())
                return nein(QStringLiteral("Zeile %1 der eingefügten Werte: ").arg(r + 1) + gelesen.meldung);
            werte.append({zeile, Spalte(spalte), *gelesen.wert});
        }
    }
    if (werte.isEmpty())
        return false;
    const QScopedValueRollback sperre(m_festschreiben, true);
    // A single value is what typing it would be, carry-forward question included.
    if (werte.size() == 1 && werte[0].spalte == Spalte::Entgelt)
        return entgeltEintragen(werte[0].zeile, werte[0].wert);
    return eintragen(werte, QStringLiteral("Einfügen"));
}

QString Tabelleneingabe::kopieren() const
{
    const Zellenauswahl& auswahl = m_tabelle.auswahl();
    int oben = auswahl.zeile(), unten = oben, links = auswahl.spalte(), rechts = links;
    for (const QItemSelectionRange& bereich : auswahl.selection()) {
        oben = std::min(oben, bereich.top());
        unten = std::max(unten, bereich.bottom());
        links = std::min(links, bereich.left());
        rechts = std::max(rechts, bereich.right());
    }
    if (oben < 0 || links < 0)
        return {};
    // A number being typed with a point ("12.5") goes out with the comma a German spreadsheet reads.
    static const QRegularExpression punktzahl(QStringLiteral("^-?\\d+\\.\\d+$"));
    QList<QStringList> zeilen;
    for (int zeile = oben; zeile <= unten; ++zeile) {
        QStringList zellen;
        for (int spalte = links; spalte <= rechts; ++spalte) {
            QString text = m_tabelle.modell().text(zeile, spalte).trimmed();
            if (punktzahl.match(text).hasMatch())
                text.replace(u'.', u',');
            zellen.append(text);
        }
        zeilen.append(zellen);
    }
    return Tabellentext::alsZwischenablage(zeilen);
}

void Tabelleneingabe::alleJahreWählen()
{
    const QAbstractItemModel& modell = m_tabelle.modell();
    const int erste = Jahreszeile::Erste + 1;
    if (m_tabelle.letzteZeile() < erste)
        return;
    m_tabelle.auswahl().select(QItemSelection(modell.index(erste, 0), modell.index(m_tabelle.letzteZeile(),
                                                                                   modell.columnCount() - 1)),
                               QItemSelectionModel::ClearAndSelect);
}

QList<QStringList> Tabelleneingabe::alsTabellentext() const
{
    const Zellenmodell& t = m_tabelle.modell();
    QList<QStringList> zeilen;
    QStringList kopf;
    for (int spalte = 0; spalte < t.columnCount(); ++spalte)
        // The operators and signs between the values: a spreadsheet has its own.
        if (!zeichenspalte(spalte))
            kopf.append(t.headerData(spalte, Qt::Horizontal).toString());
    zeilen.append(kopf);
    for (int zeile = Jahreszeile::Erste; zeile <= m_tabelle.letzteZeile(); ++zeile) {
        QStringList zellen;
        for (int spalte = 0; spalte < t.columnCount(); ++spalte) {
            if (zeichenspalte(spalte))
                continue;
            // An edit in progress is not part of the table: its cell counts as stored.
            const bool eingabe = eingabeart(zeile, spalte).has_value();
            QString text =
                (eingabe ? m_tabelle.gespeicherterText(zeile, spalte) : t.text(zeile, spalte)).trimmed();
            zellen.append(text);
        }
        zeilen.append(zellen);
    }
    return zeilen;
}

std::pair<int, int> Tabelleneingabe::eingabejahre() const
{
    int erste = Jahreszeile::Erste + 1;
    while (erste <= m_tabelle.letzteZeile() && !m_tabelle.eingabezeile(erste))
        ++erste;
    return {Jahreszeile::jahr(erste), Jahreszeile::jahr(m_tabelle.letzteZeile())};
}

QString Tabelleneingabe::übernahmeVorschau(const Tabellentext::Entgeltdatei& datei, bool& ändert) const
{
    QStringList zeilen;
    for (const Tabellentext::Jahreswert& w : datei.werte) {
        const int zeile = Jahreszeile::von(w.jahr);
        const QString entgelt = m_tabelle.gespeicherterText(zeile, nr(Spalte::Entgelt));
        const QString bonus = m_tabelle.gespeicherterText(zeile, nr(Spalte::Bonus));
        QStringList änderungen;
        if (entgelt != w.entgelt.alsText(2))
            änderungen.append(QStringLiteral("Entgelt %1 → %2").arg(entgelt, w.entgelt.alsText(2)));
        if (w.bonus && bonus != w.bonus->alsText(2))
            änderungen.append(QStringLiteral("Bonuspunkte %1 → %2").arg(bonus, w.bonus->alsText(2)));
        if (!änderungen.isEmpty())
            zeilen.append(QStringLiteral("%1: %2").arg(w.jahr).arg(änderungen.join(QStringLiteral(", "))));
    }
    ändert = !zeilen.isEmpty();
    QString text = zeilen.isEmpty() ? QStringLiteral("Die Datei ändert kein Jahr.")
                                    : QStringLiteral("Diese Jahre ändern sich:\n") + zeilen.join(u'\n');
    if (!datei.probleme.isEmpty())
        text += QStringLiteral("\n\nNicht übernommen werden:\n") + datei.probleme.join(u'\n');
    return text;
}

bool Tabelleneingabe::übernehmen(const Tabellentext::Entgeltdatei& datei)
{
    abbrechen();
    QList<Wert> werte;
    for (const Tabellentext::Jahreswert& w : datei.werte) {
        const int zeile = Jahreszeile::von(w.jahr);
        if (!m_tabelle.eingabezeile(zeile))
            continue;
        werte.append({zeile, Spalte::Entgelt, w.entgelt});
        if (w.bonus)
            werte.append({zeile, Spalte::Bonus, *w.bonus});
    }
    if (werte.isEmpty())
        return false;
    const QScopedValueRollback sperre(m_festschreiben, true);
    return eintragen(werte, QStringLiteral("Entgelte aus CSV"));
}
