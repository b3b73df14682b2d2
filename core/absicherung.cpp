#include "core/absicherung.h"

#include "core/rentenbeginn.h"
#include "core/rentenzahlung.h"

#include <algorithm>

namespace Hinterbliebene {

std::array<Rente, 4> berechnen(Festkomma rente, bool altesRecht)
{
    std::array<Rente, 4> renten{{{"Große Witwen-/Witwerrente", altesRecht ? 60 : 55, {}},
                                 {"Kleine Witwen-/Witwerrente", 25, {}},
                                 {"Halbwaisenrente", 10, {}},
                                 {"Vollwaisenrente", 20, {}}}};
    for (Rente& r : renten)
        r.betrag = rente.mal(r.prozent).geteiltDurch(100);
    return renten;
}

} // namespace Hinterbliebene

namespace Erwerbsminderung {

namespace {

constexpr int Zurechnungsalter = 60;
constexpr int HöchsteAbschlagMonate = 36;

} // namespace

int referenzalterMonate(int beginnJahr, int beginnMonat)
{
    if (beginnJahr >= 2024)
        return 65 * 12;
    if (beginnJahr < 2012)
        return 63 * 12;
    if (beginnJahr == 2012)
        return 63 * 12 + std::min(beginnMonat, 6);
    // 2013: 63 years and 7 months, then a month more each year up to 64 in 2018, and from
    // 2019 two months more each year.
    if (beginnJahr <= 2018)
        return 63 * 12 + 7 + (beginnJahr - 2013);
    return 64 * 12 + 2 * (beginnJahr - 2018);
}

Ergebnis berechnen(const Eingabe& e)
{
    using Rentenzahlung::laufenderMonat;
    Ergebnis r;
    r.punkteBisBeginn = e.punkteBisBeginn;
    const int geburt = laufenderMonat(e.geburtsjahr, e.geburtsmonat);
    const int beginn = laufenderMonat(e.beginnJahr, e.beginnMonat);
    // Each full twelve months missing up to the 60th birthday adds the points that the average
    // monthly pay of the three calendar years before gives, without an age factor.
    r.zurechnungsjahre = std::max(0, geburt + Zurechnungsalter * 12 - beginn) / 12;
    if (r.zurechnungsjahre > 0) {
        Festkomma summe;
        for (Festkomma entgelt : e.entgeltVorjahre)
            summe += entgelt;
        const Festkomma wertziffer = summe.geteiltDurch(36).geteiltDurch(Rentenberechnung::Referenzentgelt);
        r.punkteJeJahr = wertziffer.punkteGerundet();
        r.zurechnungspunkte = r.punkteJeJahr.mal(r.zurechnungsjahre);
    }
    r.punkte = r.punkteBisBeginn + r.zurechnungspunkte;
    r.rente = r.punkte.mal(Rentenberechnung::Meßbetrag);
    // Every month from the start to the end of the month in which the reference age is reached
    // costs 0,3 %; a start before the reference age less three years counts as three years.
    r.abschlagMonate = std::clamp(geburt + referenzalterMonate(e.beginnJahr, e.beginnMonat) - beginn + 1, 0,
                                  HöchsteAbschlagMonate);
    r.abschlagProzent = Rentenbeginn::abschlagProzent(r.abschlagMonate);
    const Festkomma nachAbschlag = Rentenbeginn::nachAbschlag(r.rente, r.abschlagProzent);
    r.betrag = e.voll ? nachAbschlag : nachAbschlag.geteiltDurch(2);
    return r;
}

Festkomma punkteBis(Festkomma startgutschrift, const QList<Rentenberechnung::Eingabe>& jahre, int beginnJahr,
                    int beginnMonat)
{
    QList<Rentenberechnung::Eingabe> bisher;
    for (qsizetype k = 0; k < jahre.size() && 2002 + k <= beginnJahr; ++k) {
        Rentenberechnung::Eingabe e = jahre[k];
        if (2002 + k == beginnJahr)
            e.entgelt = Rentenberechnung::anteiligesEntgelt(e.entgelt, beginnMonat - 1);
        bisher.append(e);
    }
    const QList<Rentenberechnung::Jahr> ergebnis = Rentenberechnung::berechnen(startgutschrift, bisher);
    return ergebnis.isEmpty() ? startgutschrift : ergebnis.last().gesamtpunkte;
}

} // namespace Erwerbsminderung
