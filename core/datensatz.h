#pragma once

#include "core/festkomma.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

// Per-year values of a case record: 50 elements for the years 2002..2051, addressed with
// the year index i = 1..50 (year 2001 + i), as everywhere else in the program.
template <typename T> class Jahreswerte
{
public:
    static constexpr int Anzahl = 50;
    T& operator[](int i) { return m_werte[std::size_t(index(i))]; }
    const T& operator[](int i) const { return m_werte[std::size_t(index(i))]; }
    void füllen(T wert) { m_werte.fill(wert); }
    friend bool operator==(const Jahreswerte&, const Jahreswerte&) = default;

private:
    static int index(int i)
    {
        Q_ASSERT(i >= 1 && i <= Anzahl);
        return i < 1 ? 0 : (i > Anzahl ? Anzahl - 1 : i - 1);
    }
    std::array<T, Anzahl> m_werte{};
};

// One case: the 1753-byte record of the case file "atv.txt".
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

    QString& text(Textfeld feld);
    const QString& text(Textfeld feld) const;

    // The blank record: nine blank texts, every number 0.
    static Datensatz grundstellung();
    // The sample case written as record 1 of a new case file.
    static Datensatz musterfall();

    // The record codec. Texts are Windows-1252, cut to their width or blank-filled;
    // numbers little-endian. ausBytes reads a missing tail as the blank record's bytes.
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
