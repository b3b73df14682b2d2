#pragma once

#include <QString>

class QTextStream;

// One printout of one case written as a PDF file without a window, for an office that prints
// a folder's cases in one go (zuvora --pdf ..., see Befehlszeile). The case file of the
// current folder is locked and read as the window does; the PDF file is the only file written
// besides the lock. A missing letter text is not created: the letter then takes the default
// wording.
namespace Stapeldruck {

// `art`: "berechnung", "anschreiben" or "uebersicht"; `fall` 1..7. Returns 0 when the file
// was written, otherwise 1 with the reason in German on `fehler`.
int ausführen(const QString& art, int fall, const QString& pdfDatei, QTextStream& fehler,
              const QString& falldatei = QStringLiteral("atv.txt"));

} // namespace Stapeldruck
