#pragma once

#include "core/ergebnis.h"

#include <QByteArray>
#include <QString>
#include <sys/stat.h>

class QFileDevice;

// The one way the program replaces a file on disk. A save writes the whole file image to
// a temporary file beside the target, syncs it to the disk and renames it over the target
// only when every step succeeded, then syncs the folder; a failed save leaves the previous
// bytes in place, and a save reported as done survives a power cut.
//
// What stands at the name is looked at without following links: a folder, pipe, device or
// socket is never replaced, nor a symbolic link unless the caller allows the user's own
// (see Verknüpfung). The new file keeps owner, group and mode of the one it replaces; where
// that cannot be done (another user's file), nothing is saved. Tests derive from it to make
// single steps fail.
class Dateiablage
{
public:
    enum class Verknüpfung {
        Ablehnen,    // any link at the name is refused (printouts)
        EigeneFolgen // a link and target that both belong to the user: the target is replaced
    };

    // What a save of a name would replace.
    struct Ziel {
        QString pfad;      // the file to replace: the name itself or the target of an own link
        QString hindernis; // why nothing may be written there, in German; empty when it may
        bool vorhanden = false;
        struct stat status {}; // of the file to replace, when vorhanden
    };

    virtual ~Dateiablage() = default;

    // Replaces the file at `pfad` by `inhalt`. On failure the file keeps its previous bytes
    // and the result holds the reason. A save whose rename was done is one: when only the
    // folder could not be synced afterwards, the result is ok with a warning in `meldung`.
    Ergebnis ersetzen(const QString& pfad, const QByteArray& inhalt,
                      Verknüpfung verknüpfung = Verknüpfung::Ablehnen);

    // Looks at the name without writing anything.
    static Ziel zielPrüfen(const QString& pfad, Verknüpfung verknüpfung);

protected:
    // The steps of a save, each replaceable on its own. `datei` is a QFile named after the
    // temporary file; `öffnen` creates it.
    virtual bool öffnen(QFileDevice& datei);
    virtual qint64 schreiben(QFileDevice& datei, const char* daten, qint64 länge);
    virtual bool leeren(QFileDevice& datei);
    // Writes the data through to the disk; its result counts, unlike QSaveFile's.
    virtual bool synchronisieren(QFileDevice& datei);
    // Puts the temporary file in the place of `ziel`.
    virtual bool festschreiben(QFileDevice& datei, const QString& ziel);
    // Writes the folder's new entry through to the disk, after the rename; 0 or the error number.
    virtual int ordnerSynchronisieren(const QString& ordner);
    // Why the last step failed, for the message; the system's own reason by default.
    virtual QString grund(const QFileDevice& datei) const;

private:
    Ergebnis metadatenÜbernehmen(int fd, const Ziel& ziel);
    // The C library's reason for the last failed step: Qt forgets it when a flush fails.
    int m_systemfehler = 0;
    QString m_zwischendatei; // the temporary file of the save at hand
    mode_t m_anlegemodus = 0600;
};

// The whole content of a file, read by dateiLesen.
struct Dateiinhalt {
    enum class Befund {
        Gelesen,
        Fehler,     // it could not be opened or read: `grund` says why, in German
        KeineDatei, // a folder, pipe, device or socket stands at the name
        ZuGroß      // more than the reader takes: `größe` bytes at least; nothing is kept
    };
    Befund befund = Befund::Fehler;
    QByteArray bytes;
    qint64 größe = 0;
    QString grund;
};

// Reads the whole file at `pfad`, but never more than `höchstens` bytes, and never waits on a
// pipe or device that stands at the name or is put there meanwhile. With `verknüpfungFolgen`
// false a link at the name is not opened.
Dateiinhalt dateiLesen(const QString& pfad, qint64 höchstens, bool verknüpfungFolgen = true);

// A name for a copy of `pfad` kept before a change: "<pfad>.bak", or one with the time
// when that is taken. An earlier copy is never overwritten: it may be the only one of other bytes.
QString freierSicherungsname(const QString& pfad, const QString& endung = QStringLiteral("bak"));

// The system's reason for the last failure on `datei`, in German.
QString systemgrund(const QFileDevice& datei);
// The same for a reason as the C library or Qt words it ("No space left on device").
QString systemgrund(const QString& englisch);
// The same for an error number of the C library (errno).
QString systemgrund(int fehlernummer);

// Ignores the signal that ends a process writing beyond `ulimit -f`: the write then fails
// with "Die Datei ist zu groß." and the user is told, instead of the program vanishing.
void dateigrenzeAlsFehler();
