#include "core/sozialekomponente.h"

#include "core/rentenberechnung.h"

#include <algorithm>
#include <climits>

namespace SozialeKomponente {

int zweiteMonate(int monate1, int monate2)
{
    // In 64 bits, so that no pair of values can overflow.
    if (std::int64_t(monate1) + monate2 <= MaxMonate)
        return monate2;
    return int(std::clamp<std::int64_t>(MaxMonate - std::int64_t(monate1), INT_MIN, INT_MAX));
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
