#pragma once

#include "core/festkomma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The table as text for other programs and back: what the clipboard carries between this
// program and a spreadsheet, and the CSV files that LibreOffice Calc and Excel open with
// every column in place. No I/O here; the callers read and save the bytes.
namespace Tabellentext {

// Rows of cells as the clipboard carries them: cells separated by tabs, rows by line breaks.
QString alsZwischenablage(const QList<QStringList>& zeilen);
// A pasted text as rows of cells: lines at any line break (a last one ending the text adds
// no row), cells at tabs. A column copied from a spreadsheet is one cell per row.
QList<QStringList> ausZwischenablage(const QString& text);

// A CSV file for German spreadsheets: UTF-8 with a byte order mark (Excel takes the umlauts
// for Windows-1252 otherwise), semicolons between cells, CRLF after every row. A cell holding
// a semicolon, a quote or a line break is quoted.
QByteArray alsCsv(const QList<QStringList>& zeilen);

// One year of a pay file.
struct Jahreswert {
    int zeile = 0; // line number in the file, from 1
    int jahr = 0;
    Festkomma entgelt;
    std::optional<Festkomma> bonus;
};

struct Entgeltdatei {
    QList<Jahreswert> werte;
    QStringList probleme; // "Zeile 4: ...", in the order of the lines
};

// Reads "Jahr;Entgelt[;Bonuspunkte]" lines (semicolon or tab, German or point decimals,
// "€" allowed), UTF-8 with or without a byte order mark, or Windows-1252. A first line that
// is no year is a heading; when it names the columns "Jahr", "...entgelt..." and
// "Bonus...", those columns are read, so that a file written by alsCsv comes back. Years
// outside erstesJahr..letztesJahr, a year named twice and values that cannot be read are
// listed with their line numbers and left out.
Entgeltdatei entgelteLesen(const QByteArray& daten, int erstesJahr, int letztesJahr);

} // namespace Tabellentext
