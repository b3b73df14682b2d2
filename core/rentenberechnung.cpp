#include "core/rentenberechnung.h"

namespace Rentenberechnung {

Festkomma beitragspunkte(Festkomma wertziffer, Festkomma altersfaktor)
{
    return wertziffer.mal(altersfaktor).punkteGerundet();
}

QList<Jahr> berechnen(Festkomma startgutschrift, const QList<Eingabe>& jahre)
{
    QList<Jahr> ergebnis;
    ergebnis.reserve(jahre.size());
    Festkomma gesamt = startgutschrift;
    for (const Eingabe& e : jahre) {
        Jahr j;
        j.monatsdurchschnitt = e.entgelt.geteiltDurch(12);
        j.wertziffer = j.monatsdurchschnitt.geteiltDurch(Referenzentgelt);
        j.beitragspunkte = beitragspunkte(j.wertziffer, e.altersfaktor);
        j.versorgungspunkte = j.beitragspunkte + e.elternzeit + e.bonus;
        gesamt += j.versorgungspunkte;
        j.gesamtpunkte = gesamt;
        j.rente = gesamt.mal(Meßbetrag);
        ergebnis.append(j);
    }
    return ergebnis;
}

QList<Festkomma> fortschreiben(Festkomma wert, Festkomma prozent, int jahre)
{
    QList<Festkomma> werte;
    werte.reserve(jahre);
    const Festkomma faktor = (Festkomma::ausGanzzahl(100) + prozent).geteiltDurch(100);
    for (int k = 0; k < jahre; ++k) {
        werte.append(wert);
        if (prozent != Festkomma())
            wert = Festkomma::ausText(wert.mal(faktor).alsText(2));
    }
    return werte;
}

Festkomma anteiligesEntgelt(Festkomma entgelt, int monate)
{
    return monate >= 12 ? entgelt : entgelt.mal(monate).geteiltDurch(12);
}

qsizetype letzteEigeneZahl(const QList<Festkomma>& werte, Festkomma prozent)
{
    qsizetype k = werte.size() - 1;
    while (k > 0 && fortschreiben(werte[k - 1], prozent, 2).constLast() == werte[k])
        --k;
    return k;
}

} // namespace Rentenberechnung
