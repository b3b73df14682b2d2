#include "core/fallrechnung.h"

#include "core/arbeitsstand.h"
#include "core/rentenzahlung.h"

#include <algorithm>

namespace {

constexpr int ErstesJahr = 2001;
constexpr int Ersatzgeburtsjahr = 1985; // for a case without a birth year

// The months of the last year, the year of the pension start, whose pay counts: those up to
// and including the month in which the age is reached, the pension being paid from the next;
// "mit 65" counts the whole year, as the table has always done. An unknown month of birth
// counts as January.
int monateImLetztenJahr(const Rentenbeginn::Beginn& beginn, int geburtsjahr, int geburtsmonat)
{
    if (beginn.wieBisher())
        return 12;
    return Rentenzahlung::monatVon(Rentenzahlung::monatDesAlters(geburtsjahr, geburtsmonat, beginn.alter));
}

// The age factor as a number with two decimals.
Festkomma faktorwert(int alter)
{
    return Festkomma::ausRoh(altersfaktorBisRentenbeginn(alter) * (Festkomma::Skala / 10));
}

// The headline's caption: as always for a case calculated "mit 65", else with the start age,
// and with a reduction as an equation that the amount completes.
QString beschriftung(const Rentenbeginn::Beginn& beginn, Festkomma rente)
{
    if (beginn.wieBisher())
        return Fallrechnung::standardBeschriftung();
    const QString alter =
        beginn.alter.monate == 0
            ? QString::number(beginn.alter.jahre)
            : QStringLiteral("%1 J. %2 M.").arg(beginn.alter.jahre).arg(beginn.alter.monate);
    if (beginn.abschlagMonate > 0)
        return QStringLiteral(" Mit %1: %2 € − %3 % =")
            .arg(alter, rente.alsText(2), beginn.abschlagProzent.alsText(1));
    return QStringLiteral("  Voraussichtliche Zuvora mit %1:").arg(alter);
}

} // namespace

Fallwerte Fallwerte::aus(const Datensatz& gelesen, int laufendesJahr)
{
    // What no sum could hold counts as 0, as the table shows it.
    Datensatz satz = gelesen;
    satz.übergroßeBeträgeNullen();
    Fallwerte w;
    w.geburtsjahr = führendeZahl(satz.geburtsjahr);
    w.geburtsmonat = Rentenbeginn::monatAusText(satz.geburtsmonat);
    w.startgutschrift = satz.startgutschrift;
    for (int i = 1; i <= Jahreswerte<int>::Höchstens; ++i) {
        const auto k = std::size_t(i);
        w.entgelt[k] = satz.jahresentgelt[i];
        w.elternzeit[k] = satz.elternzeitpunkte[i];
        w.bonus[k] = satz.bonuspunkte[i];
    }
    w.laufendesJahr = laufendesJahr;
    w.rentenbeginn = satz.rentenbeginn;
    w.abschlagsmonate = satz.beratung.abschlagsmonate;
    return w;
}

QString Fallrechnung::letztesJahrText() const
{
    if (letzteMonate >= 12 || !darstellbar)
        return {};
    QString text =
        QStringLiteral("Im letzten Jahr %1 zählt das Entgelt von %2 %3, bis zum Monat des Rentenbeginns")
            .arg(beginn.letztesJahr)
            .arg(letzteMonate)
            .arg(letzteMonate == 1 ? QStringLiteral("Monat") : QStringLiteral("Monaten"));
    if (geburtsmonatAngenommen)
        text += QStringLiteral(" (Geburtsmonat fehlt in der Fallliste: Januar angenommen)");
    return text + u'.';
}

int rechengeburtsjahr(const Datensatz& satz)
{
    const int jahr = führendeZahl(satz.geburtsjahr);
    return jahr == 0 ? Ersatzgeburtsjahr : jahr;
}

Fallrechnung fallrechnung(const Fallwerte& werte, int rentenbeginn)
{
    Fallrechnung r;
    r.geburtsjahr = werte.geburtsjahr == 0 ? Ersatzgeburtsjahr : werte.geburtsjahr;
    r.darstellbar = r.geburtsjahr >= Rentenbeginn::KleinstesGeburtsjahr &&
                    r.geburtsjahr <= Rentenbeginn::größtesGeburtsjahr(werte.laufendesJahr);
    r.startgutschrift = werte.startgutschrift;
    r.startrente = werte.startgutschrift.mal(Rentenberechnung::Meßbetrag);

    // Outside the birth years the program calculates, only 2001 is shown; a start before
    // 2002 leaves only that row too.
    int jahreszeilen = 0;
    if (r.darstellbar) {
        r.beginn = Rentenbeginn::mitAbschlagsmonaten(
            Rentenbeginn::bestimmen(rentenbeginn, r.geburtsjahr, werte.geburtsmonat), werte.abschlagsmonate,
            Rentenbeginn::bestimmen(werte.rentenbeginn, r.geburtsjahr, werte.geburtsmonat).alter);
        r.letzteMonate = monateImLetztenJahr(r.beginn, r.geburtsjahr, werte.geburtsmonat);
        r.geburtsmonatAngenommen =
            Rentenbeginn::geburtsmonatOderJanuar(werte.geburtsmonat) != werte.geburtsmonat;
        jahreszeilen = std::clamp(r.beginn.letztesJahr - ErstesJahr, 0, Jahreswerte<int>::Höchstens);
    }

    QList<Rentenberechnung::Eingabe> eingaben;
    eingaben.reserve(jahreszeilen);
    r.jahre.reserve(jahreszeilen);
    for (int i = 1; i <= jahreszeilen; ++i) {
        const auto k = std::size_t(i);
        Fallrechnung::Jahr j;
        j.kalenderjahr = ErstesJahr + i;
        j.alter = j.kalenderjahr - r.geburtsjahr;
        // The insurance begins with the 17th year of life: earlier years earn nothing,
        // whatever the case holds for them.
        j.versichert = j.alter >= 17;
        if (j.versichert) {
            j.altersfaktor = faktorwert(j.alter);
            j.entgelt = werte.entgelt[k];
            if (i == jahreszeilen)
                j.entgelt = Rentenberechnung::anteiligesEntgelt(j.entgelt, r.letzteMonate);
            j.elternzeit = werte.elternzeit[k];
            j.bonus = werte.bonus[k];
        }
        eingaben.append(j);
        r.jahre.append(j);
    }
    const QList<Rentenberechnung::Jahr> ergebnisse = Rentenberechnung::berechnen(r.startgutschrift, eingaben);
    for (int i = 0; i < jahreszeilen; ++i)
        static_cast<Rentenberechnung::Jahr&>(r.jahre[i]) = ergebnisse[i];

    r.rente = r.jahre.isEmpty() ? r.startrente : r.jahre.last().rente;
    r.renteAbBeginn = Rentenbeginn::nachAbschlag(r.rente, r.beginn.abschlagProzent);
    r.rentenbeschriftung = beschriftung(r.beginn, r.rente);
    r.rentenkopf = r.renteAbBeginn.alsText(2) + QStringLiteral(" €");
    return r;
}
