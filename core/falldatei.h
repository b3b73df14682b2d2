#pragma once

#include "core/beratungsangaben.h"
#include "core/datensatz.h"
#include "core/ergebnis.h"
#include "core/erweiterung.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

class Dateiablage;
class Meldungen;
class Sperre;

// The case file "atv.txt": seven records of 1753 bytes, followed by the extension block
// (erweiterung.h) when a case needs more than its record holds. The file image is held in
// memory; every write replaces the whole file, records and block, with one save through the
// file layer, and the image changes only once the file on disk has.
class Falldatei
{
public:
    static constexpr int AnzahlFälle = 7;
    static constexpr qint64 Solllänge = qint64(AnzahlFälle) * Datensatz::Länge;

    explicit Falldatei(Dateiablage& ablage);

    // Every result's `meldung` holds a warning when ok. A save finds the file changed by
    // someone else (`geändertVonAnderen`): the cases have been read again.

    // Opens the file, creating it with the sample case as record 1 and six blank records
    // when it is missing or empty. A file of any other length is used unchanged; an odd
    // length or impossible values are reported in `meldung`, and the file is copied before
    // its first change. A file that cannot be written opens for reading only.
    Ergebnis öffnen(const QString& pfad);

    // Case n (1..7) with its extension; a record the file does not hold reads as the blank record.
    Datensatz lesen(int n) const;
    Ergebnis schreiben(int n, const Datensatz& satz);
    // Writes several records with a single save, all or nothing.
    Ergebnis schreiben(const QList<std::pair<int, Datensatz>>& sätze);

    // The health and care insurance figures the file's cases are calculated with; the
    // program's own until the user changes them. Saving them rewrites the file as any change does.
    const Krankenversicherung::Werte& beitragswerte() const { return m_beitragswerte; }
    Ergebnis beitragswerteSchreiben(const Krankenversicherung::Werte& werte);
    // A record and the figures with one save.
    Ergebnis schreiben(int n, const Datensatz& satz, const Krankenversicherung::Werte& werte);

    // The lock is checked before every save: a deleted lock file could let a second copy in.
    void setzeSperre(Sperre* sperre) { m_sperre = sperre; }
    // Asks before the program's cases replace a file that was emptied, cut short or deleted
    // behind its back. Without anyone to ask, nothing is replaced.
    void setzeMeldungen(Meldungen* meldungen) { m_meldungen = meldungen; }

    const QByteArray& abbild() const { return m_abbild; }
    const QString& pfad() const { return m_pfad; }
    bool schreibgeschützt() const { return m_schreibgeschützt; }

    // Where the copy of an unexpected file went before its first change; empty until then.
    const QString& sicherung() const { return m_sicherung; }

    static QByteArray neuesAbbild();
    // Temporary files a save killed before its rename may have left beside `pfad`.
    static QStringList liegengebliebeneZwischendateien(const QString& pfad);
    // Cases whose children or months lie outside the positions the panel offers, and cases
    // with a pay or point value beyond the largest a record holds.
    static QList<int> fälleMitUnmöglichenWerten(QByteArrayView abbild);
    static QList<int> fälleMitÜbergroßenBeträgen(QByteArrayView abbild);

private:
    static QList<int> fälleMit(QByteArrayView abbild, bool (*auffällig)(const Datensatz&));
    struct Befund;
    QString wortlaut(const Befund& befund) const;
    Ergebnis worte(const QList<Befund>& befunde) const;
    Ergebnis sichernVorÄnderung();
    // The file no longer holds cases: the user decides whether the program's own replace it
    // or are kept beside it.
    Ergebnis eigeneFälleRetten(const Befund& befund, const QByteArray& jetzt);
    // The file image without the extension block: the records and any bytes after them.
    QByteArrayView satzteil() const;
    // Finds both blocks at the end of the image.
    void blöckeLesen();
    bool angabenAnwenden(int n, QByteArrayView satzbytes, Datensatz& satz) const;
    // Before a save: the file must still hold what was last read or written, or someone else
    // has changed it; then it is read again and nothing is written.
    Ergebnis fremdeÄnderungPrüfen();

    Dateiablage& m_ablage;
    Sperre* m_sperre = nullptr;
    Meldungen* m_meldungen = nullptr;
    QString m_pfad;
    QByteArray m_abbild;
    Erweiterung::Befund m_erweiterung;
    Beratungsblock::Befund m_beratung;
    Krankenversicherung::Werte m_beitragswerte = Krankenversicherung::standardwerte();
    bool m_schreibgeschützt = false;
    bool m_unerwartet = false; // bytes we did not write ourselves: copy them before changing them
    QString m_sicherung;
    QString m_gerettet; // where the program's cases were last kept beside a file that lost them
};
