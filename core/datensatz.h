#pragma once

#include "core/beratungsangaben.h"
#include "core/festkomma.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>

// Per-year values of a case, addressed with the year index i (year 2001 + i), as everywhere
// else in the program. The 1753-byte record holds the 50 years 2002..2051; the years after
// them, up to 2100, live in the case file's extension block.
template <typename T> class Jahreswerte
{
public:
    static constexpr int Anzahl = 50;    // in the record
    static constexpr int Höchstens = 99; // up to 2100
    T& operator[](int i) { return m_werte[std::size_t(index(i))]; }
    const T& operator[](int i) const { return m_werte[std::size_t(index(i))]; }
    // Sets the years the record holds, 2002..2051.
    void füllen(T wert) { std::fill_n(m_werte.begin(), Anzahl, wert); }
    friend bool operator==(const Jahreswerte&, const Jahreswerte&) = default;

private:
    static int index(int i)
    {
        Q_ASSERT(i >= 1 && i <= Höchstens);
        return i < 1 ? 0 : (i > Höchstens ? Höchstens - 1 : i - 1);
    }
    std::array<T, Höchstens> m_werte{};
};

// One case: the 1753-byte record of the case file "atv.txt", and what the record has no
// room for (the settings below and the years after 2051), which the case file keeps in
// its extension block.
struct Datensatz {
    static constexpr int Länge = 1753;

    // The nine master-data texts, in file order; the case list shows them in this order.
    enum Textfeld {
        Anrede,
        Vorname,
        Nachname,
        Geburtstag,
        Geburtsmonat,
        Geburtsjahr,
        Versicherungsnummer,
        Strasse,
        Wohnort,
        AnzahlTextfelder
    };
    static constexpr std::array<int, AnzahlTextfelder> Textbreite{5, 15, 20, 2, 9, 4, 30, 30, 30};

    QString anrede, vorname, nachname, geburtstag, geburtsmonat, geburtsjahr, versicherungsnummer, strasse,
        wohnort;
    Festkomma startgutschrift;
    Jahreswerte<Festkomma> jahresentgelt, elternzeitpunkte, bonuspunkte;
    Jahreswerte<std::int16_t> kinder1, kinder2, monate1, monate2;
    // When the pension starts (a Rentenbeginn choice; 0 is the default for the birth year)
    // and the yearly increase in percent applied when pay is carried forward.
    std::int16_t rentenbeginn = 0;
    Festkomma steigerung;
    // The adviser's answers, kept in a block of their own beside the extension.
    Beratungsangaben beratung;

    // The largest values the program stores, far above anything typed or carried forward.
    // Every sum and product of them stays inside Festkomma's range (99 years at the largest
    // earn below 10^12 points, x 4 Euro); a file may hold anything, so what lies beyond them
    // is not used.
    static constexpr std::int64_t GrößtesEntgelt = 10'000'000'000'000; // Euro a year
    static constexpr std::int64_t GrößtePunkte = 1'000'000'000;        // start credit, points of a year
    static constexpr std::int64_t GrößteSteigerung = 10;               // percent, two decimals

    // Whether the case uses anything the 1753-byte record cannot hold.
    bool erweitert() const;
    // Whether a pay or point value lies beyond the largest; setting every such value to 0.
    bool hatÜbergroßeBeträge() const;
    bool übergroßeBeträgeNullen();
    // Whether a year from `von` to `bis` holds children or months the panel cannot offer.
    bool hatUnmöglicheAnzahlen(int von, int bis) const;
    // The last year index after 2051 that holds a value; Anzahl when there is none.
    int letztesBelegtesJahr() const;

    QString& text(Textfeld feld);
    const QString& text(Textfeld feld) const;

    // The blank record: nine blank texts, every number 0.
    static Datensatz grundstellung();
    // The sample case written as record 1 of a new case file.
    static Datensatz musterfall();

    // The record codec. Texts are Windows-1252, cut to their width or blank-filled;
    // numbers little-endian. ausBytes reads a missing tail as the blank record's bytes.
    // Only the record's own fields take part; the extension is the case file's.
    QByteArray alsBytes() const;
    static Datensatz ausBytes(QByteArrayView bytes);

    friend bool operator==(const Datensatz&, const Datensatz&) = default;
};

// Texts of the case file and the letter file are one byte per character in Windows-1252.
namespace Zeichensatz {
QByteArray kodieren(QStringView text);
QString dekodieren(QByteArrayView bytes);
// Whether the character has a place in Windows-1252, so that it can be stored.
bool speicherbar(QChar zeichen);
// The text cut to `breite` bytes or filled with blanks up to it.
QByteArray festeBreite(QStringView text, int breite);
} // namespace Zeichensatz
