#include "sozialekomponente.h"

#include "rentenberechnung.h"

namespace SozialeKomponente {

int zweiteMonate(int monate1, int monate2)
{
    return monate1 + monate2 > MaxMonate ? MaxMonate - monate1 : monate2;
}

Rechnung berechnen(int kinder1, int monate1, int kinder2, int monate2, Festkomma altersfaktor)
{
    Rechnung r;
    r.betrag1 = Festkomma::ausGanzzahl(BetragJeKindUndMonat).mal(std::int64_t(kinder1) * monate1);
    r.betrag2 = Festkomma::ausGanzzahl(BetragJeKindUndMonat).mal(std::int64_t(kinder2) * monate2);
    r.gesamtbetrag = r.betrag1 + r.betrag2;
    r.monatsdurchschnitt = r.gesamtbetrag.geteiltDurch(12);
    r.wertziffer = r.monatsdurchschnitt.geteiltDurch(Rentenberechnung::Referenzentgelt);
    r.punkte = Rentenberechnung::beitragspunkte(r.wertziffer, altersfaktor);
    return r;
}

} // namespace SozialeKomponente
