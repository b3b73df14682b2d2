#pragma once

#include "core/ergebnis.h"

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

    using Ergebnis = ::Ergebnis;

    explicit Brieftext(Dateiablage& ablage, const QString& pfad = QStringLiteral("atvi.txt"));

    const QString& pfad() const { return m_pfad; }

    // The default wording, without the filling blanks.
    static QStringList standardtext();
    static QByteArray abbild(const QStringList& zeilen);

    // Gives a missing or empty file the default wording; a file with content stays as it is.
    Ergebnis checken();
    // The 33 lines, each 95 characters wide; lines the file does not hold are blank.
    Ergebnis lesen(QStringList& zeilen) const;
    // checken, then lesen: the text as the file holds it, the default wording first when it is missing.
    Ergebnis holen(QStringList& zeilen);
    // Stores the lines, each cut or filled to 95 characters, as the whole file.
    Ergebnis speichern(const QStringList& zeilen);

private:
    Dateiablage& m_ablage;
    QString m_pfad;
};
