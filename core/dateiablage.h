#pragma once

#include "core/ergebnis.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

// The one way the program replaces a file on disk. A save writes the whole file image to
// a temporary file beside the target and renames it over the target only when every step
// succeeded, so that a failed save leaves the previous bytes in place. Tests derive from
// it to make single steps fail.
class Dateiablage
{
public:
    virtual ~Dateiablage() = default;

    // Replaces the file at `pfad` by `inhalt`. On failure the file keeps its previous bytes
    // and the result holds the reason.
    virtual Ergebnis ersetzen(const QString& pfad, const QByteArray& inhalt);

protected:
    // The steps of a save, each replaceable on its own.
    virtual bool öffnen(QFileDevice& datei);
    virtual qint64 schreiben(QFileDevice& datei, const char* daten, qint64 länge);
    virtual bool leeren(QFileDevice& datei);
    virtual bool festschreiben(QFileDevice& datei);
    // Why the last step failed, for the message; the system's own reason by default.
    virtual QString grund(const QFileDevice& datei) const;

private:
    // The C library's reason for the last failed step: Qt forgets it when a flush fails.
    int m_systemfehler = 0;
};

// A name for a copy of `pfad` kept before a change: "<pfad>.bak", or one with the time
// when that is taken. An earlier copy is never overwritten: it may be the only one of other bytes.
QString freierSicherungsname(const QString& pfad);

// The system's reason for the last failure on `datei`, in German where it is a known one.
QString systemgrund(const QFileDevice& datei);
// The same for a reason as the C library words it ("No space left on device").
QString systemgrund(const QString& englisch);
