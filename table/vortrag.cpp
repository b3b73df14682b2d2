#include "table/vortrag.h"

#include "core/fallrechnung.h"
#include "core/meldungen.h"
#include "core/rentenberechnung.h"
#include "table/tabellenaufbau.h"

namespace Vortrag {

void neuVortragen(Datensatz& satz, Festkomma steigerung, int laufendesJahr, Meldungen& meldungen)
{
    const Fallrechnung rahmen = fallrechnung(Fallwerte::aus(satz, laufendesJahr), satz.rentenbeginn);
    QList<Festkomma> werte;
    int erstes = 0;
    for (int i = 1; i <= rahmen.jahreszeilen(); ++i) {
        if (!rahmen.versichert(i))
            continue;
        erstes = erstes == 0 ? i : erstes;
        werte.append(satz.jahresentgelt[i]);
    }
    const qsizetype k = Rentenberechnung::letzteEigeneZahl(werte, satz.steigerung);
    if (k + 1 >= werte.size() || werte[k] == Festkomma())
        return;
    const int ab = Jahreszeile::ErstesJahr + erstes + int(k) + 1;
    const QString satztext = steigerung.alsText(2);
    if (!meldungen.frage(QStringLiteral("Ab %1 mit %2 % neu vortragen?").arg(ab).arg(satztext),
                         QStringLiteral("Vortragen?"))) {
        meldungen.hinweis(QStringLiteral("Die Entgelte ab %1 bleiben, wie sie sind. Die Steigerung um %2 % "
                                         "gilt beim nächsten Vortragen eines Entgelts.")
                              .arg(ab)
                              .arg(satztext),
                          QStringLiteral("Entgeltsteigerung"));
        return;
    }
    const QList<Festkomma> neu = Rentenberechnung::fortschreiben(werte[k], steigerung, int(werte.size() - k));
    for (qsizetype j = k + 1; j < werte.size(); ++j)
        satz.jahresentgelt[erstes + int(j)] = neu[j - k];
}

} // namespace Vortrag
