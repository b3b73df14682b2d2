#include "core/hochrechnung.h"

#include "core/arbeitsstand.h"

int rechengeburtsjahr(const Datensatz& satz)
{
    const int jahr = führendeZahl(satz.geburtsjahr);
    return jahr == 0 ? 1985 : jahr;
}

Hochrechnung tabellenrahmen(int geburtsjahr, int wahl, int geburtsmonat, int laufendesJahr)
{
    Hochrechnung h;
    h.geburtsjahr = geburtsjahr;
    h.darstellbar = geburtsjahr >= Rentenbeginn::KleinstesGeburtsjahr &&
                    geburtsjahr <= Rentenbeginn::größtesGeburtsjahr(laufendesJahr);
    if (!h.darstellbar)
        return h;
    h.beginn = Rentenbeginn::bestimmen(wahl, geburtsjahr, geburtsmonat);
    // A start before 2002 leaves only the start-credit row.
    h.jahreszeilen = std::clamp(h.beginn.letztesJahr - 2001, 0, Jahreswerte<int>::Höchstens);
    return h;
}

Hochrechnung hochrechnen(const Datensatz& satz, int laufendesJahr)
{
    Hochrechnung h = tabellenrahmen(rechengeburtsjahr(satz), satz.rentenbeginn,
                                    Rentenbeginn::monatAusText(satz.geburtsmonat), laufendesJahr);
    for (int i = 1; i <= h.jahreszeilen; ++i) {
        if (!h.versichert(i)) {
            h.eingaben.append(Rentenberechnung::Eingabe{});
            continue;
        }
        const int faktor = altersfaktorBisRentenbeginn(2001 + i - h.geburtsjahr);
        h.eingaben.append({satz.jahresentgelt[i], Festkomma::ausRoh(faktor * (Festkomma::Skala / 10)),
                           satz.elternzeitpunkte[i], satz.bonuspunkte[i]});
    }
    h.jahre = Rentenberechnung::berechnen(satz.startgutschrift, h.eingaben);
    h.rente =
        h.jahre.isEmpty() ? satz.startgutschrift.mal(Rentenberechnung::Meßbetrag) : h.jahre.last().rente;
    h.renteAbBeginn = Rentenbeginn::nachAbschlag(h.rente, h.beginn.abschlagProzent);
    return h;
}
