#include "core/rentenzahlung.h"

namespace Rentenzahlung {

int monatDesAlters(int geburtsjahr, int geburtsmonat, Rentenbeginn::Alter alter)
{
    return laufenderMonat(geburtsjahr, Rentenbeginn::geburtsmonatOderJanuar(geburtsmonat)) +
           alter.inMonaten();
}

int ersterMonat(int geburtsjahr, int geburtsmonat, Rentenbeginn::Alter alter)
{
    return monatDesAlters(geburtsjahr, geburtsmonat, alter) + 1;
}

Festkomma aufCent(Festkomma betrag)
{
    return betrag.wieAngezeigt(2);
}

Festkomma erhöht(Festkomma betrag)
{
    static const Festkomma faktor = Festkomma::ausGanzzahl(100 + AnpassungProzent).geteiltDurch(100);
    return aufCent(betrag.mal(faktor));
}

Verlauf::Verlauf(Festkomma betrag, int erster)
    : m_erster(erster), m_monat(erster - 1), m_betrag(aufCent(betrag))
{}

void Verlauf::bis(int monat)
{
    while (m_monat < monat) {
        ++m_monat;
        if (m_monat > m_erster && monatVon(m_monat) == Anpassungsmonat)
            m_betrag = erhöht(m_betrag);
        m_summe += m_betrag;
    }
}

Festkomma Verlauf::betragIm(int monat)
{
    if (monat < m_erster)
        return {};
    bis(monat);
    return m_betrag;
}

Festkomma Verlauf::summeBis(int monat)
{
    bis(monat);
    return m_summe;
}

Festkomma nachJahren(Festkomma betrag, int erster, int jahre)
{
    return Verlauf(betrag, erster).betragIm(erster + 12 * jahre);
}

std::optional<int> überholt(Festkomma früherBetrag, int früherErster, Festkomma späterBetrag,
                            int späterErster, int grenze)
{
    Verlauf früher(früherBetrag, früherErster), später(späterBetrag, späterErster);
    for (int monat = späterErster; monat <= grenze; ++monat)
        if (später.summeBis(monat) > früher.summeBis(monat))
            return monat;
    return std::nullopt;
}

QString alterKurz(int monate)
{
    const QString jahre = QStringLiteral("%1 J.").arg(monate / 12);
    return monate % 12 == 0 ? jahre : jahre + QStringLiteral(" %1 M.").arg(monate % 12);
}

} // namespace Rentenzahlung
