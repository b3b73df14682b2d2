#pragma once

#include "core/ergebnis.h"
#include "core/rentenbeginn.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Dateiablage;

// The wording of the cover letter: "atvi.txt", 33 lines of 95 characters in Windows-1252,
// blank-filled, without line breaks. One wording serves every case.
class Brieftext
{
public:
    static constexpr int Zeilen = 33;
    static constexpr int Satzlänge = 95;
    static constexpr qint64 Solllänge = qint64(Zeilen) * Satzlänge;

    // A letter-text file larger than this is no file of this program; it is not read.
    static constexpr qint64 GrößteLänge = 16 * 1024 * 1024;

    explicit Brieftext(Dateiablage& ablage, const QString& pfad = QStringLiteral("atvi.txt"));

    const QString& pfad() const { return m_pfad; }

    // The default wording, without the filling blanks.
    static QStringList standardtext();
    // The wording speaks of the 65th year of life ("ab dem 65. Lebensjahr"); for a pension that
    // starts at another age the printed line names that age instead ("ab dem 67. Lebensjahr",
    // "ab dem Alter von 66 Jahren und 4 Monaten"). The file keeps its own words.
    static QString mitRentenalter(const QString& zeile, Rentenbeginn::Alter alter);
    static QByteArray abbild(const QStringList& zeilen);

    // Gives a missing or empty file the default wording; a file with content stays as it is.
    Ergebnis checken();
    // The 33 lines, each 95 characters wide; lines the file does not hold are blank.
    // `stand` receives the file's bytes, to tell a later change by someone else.
    Ergebnis lesen(QStringList& zeilen, QByteArray* stand = nullptr) const;
    // checken, then lesen: the text as the file holds it, the default wording first when it is missing.
    Ergebnis holen(QStringList& zeilen, QByteArray* stand = nullptr);
    // The lines holen would give, without writing the file: the default wording while it is
    // missing or empty.
    Ergebnis ansehen(QStringList& zeilen) const;
    // Stores the lines, each cut or filled to 95 characters, as the whole file. With `stand`,
    // only when the file still holds those bytes; afterwards it holds the new ones.
    Ergebnis speichern(const QStringList& zeilen, QByteArray* stand = nullptr);

private:
    // No file, or an empty one: the text that holds is the default wording.
    bool ohneText() const;
    // The lines of a file's bytes, each as wide as a line of the file.
    static QStringList zeilenAus(QByteArray bytes);
    // The whole file, up to the size limit, without waiting on a pipe put in its place.
    Ergebnis alleBytes(const QString& pfad, QByteArray& bytes) const;

    Dateiablage& m_ablage;
    QString m_pfad;
};
