#include "core/beratung.h"

Startergebnis startergebnis(const Fallrechnung& r)
{
    const Festkomma punkte = r.jahre.isEmpty() ? r.startgutschrift : r.jahre.last().gesamtpunkte;
    return {r.beginn, punkte, r.rente, r.renteAbBeginn};
}

namespace {

// The years a disability may start in: from 2002 to the year before the regular age.
std::pair<int, int> erwerbsminderungsjahre(int geburtsjahr, int geburtsmonat)
{
    const int regel =
        Rentenbeginn::bestimmen(Rentenbeginn::Regelaltersgrenze, geburtsjahr, geburtsmonat).letztesJahr;
    return {2002, std::max(2002, regel - 1)};
}

} // namespace

Beratung beraten(const Fallwerte& werte, int wahl, const Beratungsangaben& angaben,
                 const Krankenversicherung::Werte& beitragswerte)
{
    Beratung b;
    b.rechnung = fallrechnung(werte, wahl);
    const Fallrechnung& gewählt = b.rechnung;
    b.gewählt = startergebnis(gewählt);
    b.vergleich = vergleichen(
        gewählt.geburtsjahr, werte.geburtsmonat,
        [&werte](int start) { return startergebnis(fallrechnung(werte, start)); }, angaben, beitragswerte);
    b.hinterbliebene = Hinterbliebene::berechnen(b.gewählt.renteAbBeginn, angaben.altesRecht);
    b.abzüge = angaben.abzüge(b.gewählt.renteAbBeginn, gewählt.geburtsjahr, beitragswerte);

    if (angaben.erwerbsminderung != Beratungsangaben::Keine && gewählt.darstellbar) {
        const auto [erstes, letztes] = erwerbsminderungsjahre(gewählt.geburtsjahr, werte.geburtsmonat);
        Erwerbsminderung::Eingabe e;
        e.geburtsjahr = gewählt.geburtsjahr;
        e.geburtsmonat = Rentenbeginn::geburtsmonatOderJanuar(werte.geburtsmonat);
        e.beginnJahr = std::clamp(int(angaben.erwerbsminderungJahr), erstes, letztes);
        e.beginnMonat = angaben.erwerbsminderungMonat;
        e.voll = angaben.erwerbsminderung == Beratungsangaben::Voll;
        // Every year up to the latest start, each with its age factor; only the years before
        // the disability's start count.
        const Fallrechnung alle = fallrechnung(werte, Rentenbeginn::SpätestesAlter);
        QList<Rentenberechnung::Eingabe> eingaben;
        for (const Fallrechnung::Jahr& j : alle.jahre)
            eingaben.append(j);
        e.punkteBisBeginn =
            Erwerbsminderung::punkteBis(werte.startgutschrift, eingaben, e.beginnJahr, e.beginnMonat);
        for (int k = 0; k < 3; ++k) {
            const int jahr = e.beginnJahr - 3 + k;
            if (jahr >= 2002 && jahr - 2001 <= Jahreswerte<int>::Höchstens && jahr - e.geburtsjahr >= 17)
                e.entgeltVorjahre[std::size_t(k)] = werte.entgelt[std::size_t(jahr - 2001)];
        }
        b.erwerbsminderung = Erwerbsminderung::berechnen(e);
    }
    return b;
}
