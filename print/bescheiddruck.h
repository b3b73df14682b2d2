#pragma once

#include "core/ergebnis.h"
#include "core/festkomma.h"
#include "core/rentenbeginn.h"

#include <QString>
#include <QStringList>
#include <optional>

class Druckfläche;
struct Datensatz;

// The cover letter, Times New Roman 12: address, date, heading, insurance number,
// salutation, the wording of the letter text and the projected pension in bold, on a
// portrait page whatever the printer's orientation was.
class Bescheiddruck
{
public:
    static constexpr int Rand = 12; // column of the address and the body
    static constexpr int Betragsspalte = 50;
    static constexpr int Datumsspalte = 80;
    static constexpr int Überschriftx = 1050; // twips

    // `zeilen`: the 33 lines of the letter text; `trenner`: the decimal separator of the
    // amount.
    Bescheiddruck(Druckfläche& fläche, const Datensatz& satz, const QStringList& zeilen, Festkomma rente,
                  QChar trenner, const QString& datum);

    // A line under the amount that works out a reduction; none when empty.
    void setzeAbschlagszeile(const QString& zeile) { m_abschlag = zeile; }
    // A pension that starts at another age than 65: the wording's "65. Lebensjahr" names it.
    void setzeRentenalter(Rentenbeginn::Alter alter) { m_alter = alter; }
    // A line after it with the amount left after health and care insurance; none when empty.
    void setzeAuszahlungszeile(const QString& zeile) { m_auszahlung = zeile; }

    // Prints the letter and ends the document; the result says why when it did not come out.
    Ergebnis Bescheiddrucken();

    // "Sehr geehrte Frau Wendler," or "Sehr geehrter Herr Wendler,".
    static QString anrede(const Datensatz& satz);

private:
    QString satz(int n) const;
    void amRand(const QString& text);

    Druckfläche& m_fläche;
    const Datensatz& m_satz;
    QStringList m_zeilen;
    Festkomma m_rente;
    QChar m_trenner;
    QString m_datum;
    QString m_abschlag;
    std::optional<Rentenbeginn::Alter> m_alter;
    QString m_auszahlung;
};
