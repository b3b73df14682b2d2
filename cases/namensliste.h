#pragma once

#include "table/zellenauswahl.h"
#include "table/zellenmodell.h"

#include <QObject>
#include <QVector>
#include <array>

class Rechentabelle;

// The columns of the case list: the case number to choose, then the record's text fields
// in their order.
enum class Listenspalte : int {
    Fall,
    Anrede,
    Vorname,
    Nachname,
    Tag,
    Monat,
    Jahr,
    Versicherungsnummer,
    Straße,
    Wohnort,
};

// The model's column number.
constexpr int nr(Listenspalte spalte)
{
    return int(spalte);
}

// The list of the seven cases with their master data. It is an edit buffer of its own:
// typing changes only its cells, and only choosing a case writes them to the case file.
// It reads the records into cells, never into the working set's record, so the current
// case's record can never pick up another case's data through it.
class Namensliste : public QObject
{
    Q_OBJECT
public:
    static constexpr int Zeilen = 11;
    static constexpr int Spalten = nr(Listenspalte::Wohnort) + 1;
    static constexpr int ErsteFallzeile = 3;  // case 1
    static constexpr int LetzteFallzeile = 9; // case 7
    static constexpr int Zählerzeile = 10;
    static constexpr int fallzeile(int fall) { return ErsteFallzeile + fall - 1; }
    static constexpr int fallAusZeile(int zeile) { return zeile - ErsteFallzeile + 1; }
    static constexpr int Listenbreite = 14085;     // twips
    static constexpr int Spaltennummernhöhe = 180; // row 2, twips
    static constexpr int Zählerzeilenhöhe = 270;   // row 10, twips
    // Shares of the list's width per column; they add up to 0.995.
    static constexpr std::array<double, Spalten> Spaltenanteile{0.09, 0.06, 0.08, 0.115, 0.05,
                                                                0.07, 0.05, 0.16, 0.16,  0.16};

    explicit Namensliste(Rechentabelle& tabelle, QObject* parent = nullptr);

    Zellenmodell& modell() { return m_modell; }
    const Zellenmodell& modell() const { return m_modell; }
    static QVector<int> spaltenbreiten(int listenbreite = Listenbreite);

    // Headings, column numbers, case numbers, fonts and colours; the case rows stay empty.
    void formatieren();
    // Rows of cases 1..7 from the case file; edits not yet stored are discarded.
    void namensgridfüllen();
    // Chooses the case whose number is the current cell: stores all seven rows in one save,
    // then loads and computes the chosen case. False when nothing was chosen, or the save
    // failed (the user has been told, the list keeps its edits).
    bool Namensgrid_Click();
    // Whether the list holds typed changes not yet stored.
    bool geändert() const;
    // Stores the list's changes as choosing a case does. False when the file refused them
    // (the user has been told).
    bool speichern();
    // The seven case rows as tab-separated text, with the headings.
    QString alsText() const;
    void Namensgrid_KeyPress(char16_t zeichen);
    // Qt's key code; only Delete does something here.
    void Namensgrid_KeyDown(int taste);

    // The current cell, shared with the grid that shows the list.
    Zellenauswahl& auswahl() { return m_auswahl; }
    int aktuelleZeile() const { return m_auswahl.zeile(); }
    int aktuelleSpalte() const { return m_auswahl.spalte(); }
    // Header rows cannot become the current cell; the cell is kept inside the list.
    void setzeAktuelleZelle(int zeile, int spalte);
    void bewegen(int zeilen, int spalten)
    {
        setzeAktuelleZelle(aktuelleZeile() + zeilen, aktuelleSpalte() + spalten);
    }

private:
    // Whether the user has changed the field since the list was filled or saved.
    bool feldGeändert(int fall, int spalte) const;
    bool inFallzeile() const
    {
        return aktuelleZeile() >= ErsteFallzeile && aktuelleZeile() <= LetzteFallzeile;
    }
    void zählerSetzen(int rest) { m_modell.setzeText(Zählerzeile, aktuelleSpalte(), QString::number(rest)); }
    void textzeichen(char16_t zeichen, int breite);
    void zifferfeld(char16_t zeichen, int breite, int kleinster, int größter);

    Rechentabelle& m_tabelle;
    Zellenmodell m_modell;
    // The texts as filled from the file: a cell that still shows its text was not changed.
    std::array<std::array<QString, Spalten>, 7> m_gefüllt;
    Zellenauswahl m_auswahl{&m_modell};
};
