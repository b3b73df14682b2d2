#pragma once

#include "core/arbeitsstand.h"
#include "core/ergebnis.h"
#include "core/sozialekomponente.h"
#include "table/tabellenaufbau.h"
#include "table/zellenauswahl.h"
#include "table/zellenmodell.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <array>

class Falldatei;
class Meldungen;

// The calculation table of the current case: one row per year from 2001 to the 65th
// birthday, 24 columns writing each year's calculation out as an equation. The working set
// holds the values; the cells show them, and typing goes into a cell until Enter stores it.
class Rechentabelle : public QObject
{
    Q_OBJECT
public:
    static constexpr int Spalten = nr(Spalte::Rente) + 1;
    static constexpr int Kopfzeilen = 4;
    // Shares of the table's width per column; they add up to 0.98.
    static constexpr std::array<double, Spalten> Spaltenanteile{
        0.036, 0.03,  0.091, 0.038, 0.085, 0.016, 0.065, 0.016, 0.059, 0.016, 0.046, 0.016,
        0.06,  0.016, 0.053, 0.016, 0.05,  0.016, 0.053, 0.06,  0.016, 0.045, 0.016, 0.065};
    static constexpr double KopfzeilenHöhe = 0.8; // row 0 against row 4

    Rechentabelle(Arbeitsstand& stand, Falldatei& datei, Meldungen& meldungen, QObject* parent = nullptr);

    Zellenmodell& modell() { return m_modell; }
    const Zellenmodell& modell() const { return m_modell; }
    Arbeitsstand& stand() { return m_stand; }
    Falldatei& datei() { return m_datei; }
    Meldungen& meldungen() { return m_meldungen; }

    // Loads case `datensatznummer` from the case file and rebuilds the table.
    void datensatzholen();
    // Every change of the current case starts from the record as the file holds it, so that
    // nothing of another case can ride along in the record in memory.
    Datensatz& aktuellenSatzNeuLesen();
    // Writes the record in memory as the current case. When the file refuses it, the user is
    // told why and the record in memory goes back to what the file holds. The result is the
    // file's, its message already shown. A stored change becomes one step of the case's
    // history, named `änderung`.
    Ergebnis aktuellenSatzSpeichern(const QString& änderung = QStringLiteral("Änderung"));

    // Every stored change of the current case, to be undone and redone. Each step is saved
    // as a change is, with the same check for changes by others; another case, a file
    // changed by someone else or a step the file refused start a new history.
    QUndoStack& verlauf() { return m_verlauf; }
    // Stores the record's values (not its master data, which the case list keeps) and shows
    // the case again. False when the file refused it.
    bool werteWiederherstellen(const Datensatz& werte);
    // Stores the adviser's answers in the current case and the figures in the file, with one
    // save, and recalculates: the reduction months change the headline. Nothing is written
    // when neither changed. Fails when the file refused it (the user has been told).
    Ergebnis beratungSpeichern(const Beratungsangaben& angaben, const Krankenversicherung::Werte& werte);
    // Stores the parental-leave choice and points of the year in row `zeile` in the current
    // case's record, shows the points and computes again. Fails when the file refused it (the
    // user has been told; table and record are as before).
    Ergebnis elternzeitEintragen(int zeile, const SozialeKomponente::Auswahl& wahl, Festkomma punkte);
    void gridfüllen();
    void tabellenkopf();
    // Calculates the case from the working set, writes the result into the cells and shows
    // the pension at its start in the headline.
    void atvberechnen();

    // Stores the case's pension start and yearly pay increase, then loads and computes it
    // again. A new increase while the years after the last typed pay hold carried-forward
    // pay asks whether to carry that pay forward anew with it, in the same save. Fails when
    // the file refused it (the user has been told).
    Ergebnis einstellungenSpeichern(int wahl, Festkomma steigerung);
    // The year the program runs in decides the latest birth year; tests set their own.
    void setzeLaufendesJahr(int jahr) { m_laufendesJahr = jahr; }
    int laufendesJahr() const { return m_laufendesJahr; }
    // The calculation of the case on show: its rows, figures and pension start.
    const Fallrechnung& rechnung() const { return m_stand.rechnung; }
    // Whether a row is a year in which the person is insured (17 or older): only such a row
    // has an age factor and takes input.
    bool eingabezeile(int zeile) const;

    static QVector<int> spaltenbreiten(int tabellenbreite);
    // The age factor of the year in row `zeile`, as its cell shows it.
    Festkomma altersfaktorIn(int zeile) const;
    int letzteZeile() const { return m_modell.rowCount() - 1; }
    // The number of year rows after 2001.
    int jahreszeilen() const { return Jahreszeile::folgejahre(m_modell.rowCount()); }

    // The current cell, shared with the grid that shows the table.
    Zellenauswahl& auswahl() { return m_auswahl; }
    int aktuelleZeile() const { return m_auswahl.zeile(); }
    int aktuelleSpalte() const { return m_auswahl.spalte(); }
    // The program's moves leave the grid where the user is working.
    void setzeAktuelleZelle(int zeile, int spalte)
    {
        m_auswahl.setzen(zeile, spalte, Zellenauswahl::Ansicht::Bleibt);
    }
    // What an input cell shows for its stored value.
    QString gespeicherterText(int zeile, int spalte) const;

    QString bediensteter() const { return m_bediensteter; }
    QString rentenkopf() const { return m_rentenkopf; }
    // The caption beside the headline amount: "       Voraussichtliche Zuvora:" as always,
    // the start age for a case that starts elsewhere, and the reduction when there is one.
    QString rentenbeschriftung() const { return m_rentenbeschriftung; }
    static QString standardBeschriftung() { return Fallrechnung::standardBeschriftung(); }

signals:
    void bediensteterGesetzt(const QString& text);
    void rentenkopfGesetzt(const QString& text);
    void rentenbeschriftungGesetzt(const QString& text);

private:
    void jahreszeileFüllen(int zeile);
    void rechnen();

    Arbeitsstand& m_stand;
    Falldatei& m_datei;
    Meldungen& m_meldungen;
    Zellenmodell m_modell;
    Zellenauswahl m_auswahl{&m_modell};
    QString m_bediensteter;
    QString m_rentenkopf;
    QString m_rentenbeschriftung = standardBeschriftung();
    int m_laufendesJahr;
    QUndoStack m_verlauf;
    int m_verlaufFall = 0;
    bool m_verlaufWirkt = false;
    Datensatz m_gelesen; // the current case as last read, before a change
    void verlaufVergessen();
};
