#include "core/krankenversicherung.h"

#include <algorithm>

namespace Krankenversicherung {

namespace {

Festkomma prozent(const char* text)
{
    return Festkomma::ausText(QString::fromLatin1(text));
}

// betrag x satz %, rounded to the cent from the exact product, half up.
Festkomma anteil(Festkomma betrag, Festkomma satz)
{
    if (betrag.roh() <= 0 || satz.roh() <= 0)
        return {};
    // roh x roh is betrag x satz x 10^8, and betrag x satz is the contribution in cents.
    const __int128 produkt = static_cast<__int128>(betrag.roh()) * satz.roh();
    constexpr __int128 jeCent = 100'000'000;
    const __int128 cent = (produkt + jeCent / 2) / jeCent;
    return Festkomma::ausRoh(std::int64_t(std::min<__int128>(cent, INT64_MAX / 100)) * 100);
}

} // namespace

QString bezeichnung(Art art)
{
    switch (art) {
    case Art::Freiwillig: return QStringLiteral("freiwillig gesetzlich versichert");
    case Art::Privat: return QStringLiteral("privat versichert");
    case Art::Pflichtversichert: break;
    }
    return QStringLiteral("gesetzlich pflichtversichert (KVdR)");
}

Werte standardwerte()
{
    Werte w;
    w.jahr = 2026;
    w.allgemeinerSatz = prozent("14.6");
    w.zusatzbeitrag = prozent("2.9");
    w.freiwilligerSatz = prozent("14.6");
    w.freibetrag = prozent("197.75");
    w.pflegeSatz = prozent("3.6");
    w.kinderlosenzuschlag = prozent("0.6");
    w.abschlagJeKind = prozent("0.25");
    return w;
}

const std::array<Beschreibung, AnzahlFelder>& felder()
{
    static const std::array<Beschreibung, AnzahlFelder> liste{{
        {Feld::AllgemeinerSatz, "Allgemeiner Beitragssatz (%)", "§ 241 SGB V"},
        {Feld::Zusatzbeitrag, "Zusatzbeitrag (%)",
         "§ 242a SGB V, durchschnittlicher Satz laut Bekanntmachung des Bundesministeriums für Gesundheit; "
         "es gilt der Satz der eigenen Krankenkasse"},
        {Feld::FreiwilligerSatz, "Satz freiwillig Versicherter (%)",
         "§ 240 Abs. 2 SGB V mit § 248 Satz 1 SGB V: der allgemeine Beitragssatz auf Versorgungsbezüge, "
         "ohne Freibetrag"},
        {Feld::Freibetrag, "Freibetrag / Freigrenze (€ im Monat)",
         "§ 226 Abs. 2 SGB V: ein Zwanzigstel der monatlichen Bezugsgröße (§ 18 SGB IV, "
         "Sozialversicherungs-Rechengrößenverordnung)"},
        {Feld::PflegeSatz, "Pflegeversicherung (%)", "§ 55 Abs. 1 SGB XI"},
        {Feld::Kinderlosenzuschlag, "Zuschlag für Kinderlose (%)", "§ 55 Abs. 3 SGB XI"},
        {Feld::AbschlagJeKind, "Abschlag je Kind unter 25 (%)",
         "§ 55 Abs. 3 SGB XI: für das zweite bis fünfte Kind unter 25 Jahren"},
    }};
    return liste;
}

Festkomma& wert(Werte& werte, Feld feld)
{
    switch (feld) {
    case Feld::AllgemeinerSatz: return werte.allgemeinerSatz;
    case Feld::Zusatzbeitrag: return werte.zusatzbeitrag;
    case Feld::FreiwilligerSatz: return werte.freiwilligerSatz;
    case Feld::Freibetrag: return werte.freibetrag;
    case Feld::PflegeSatz: return werte.pflegeSatz;
    case Feld::Kinderlosenzuschlag: return werte.kinderlosenzuschlag;
    case Feld::AbschlagJeKind: break;
    }
    return werte.abschlagJeKind;
}

Festkomma wert(const Werte& werte, Feld feld)
{
    return wert(const_cast<Werte&>(werte), feld);
}

bool gültig(const Werte& werte)
{
    if (werte.jahr < 2000 || werte.jahr > 2100)
        return false;
    for (const Beschreibung& b : felder()) {
        const Festkomma w = wert(werte, b.feld);
        const int grenze = b.feld == Feld::Freibetrag ? 10000 : 100;
        if (w < Festkomma() || w > Festkomma::ausGanzzahl(grenze))
            return false;
    }
    return true;
}

Abzüge berechnen(Festkomma brutto, const Person& person, const Werte& werte)
{
    Abzüge a;
    a.brutto = brutto;
    a.netto = brutto;
    if (person.art == Art::Privat)
        return a;
    const bool pflicht = person.art == Art::Pflichtversichert;
    a.krankenSatz = (pflicht ? werte.allgemeinerSatz : werte.freiwilligerSatz) + werte.zusatzbeitrag;
    a.pflegeSatz = werte.pflegeSatz;
    if (!person.kinder && person.geburtsjahr >= 1940)
        a.pflegeSatz += werte.kinderlosenzuschlag;
    if (person.kinder)
        a.pflegeSatz = a.pflegeSatz - werte.abschlagJeKind.mal(std::clamp(person.kinderUnter25 - 1, 0, 4));
    // A compulsorily insured pensioner pays health insurance on the part above the allowance,
    // and care insurance on the whole amount once it exceeds the same sum; a voluntary member
    // pays both on the whole amount.
    if (pflicht) {
        a.krankenGrundlage = std::max(Festkomma(), brutto - werte.freibetrag);
        a.pflegeGrundlage = brutto > werte.freibetrag ? brutto : Festkomma();
    } else {
        a.krankenGrundlage = brutto;
        a.pflegeGrundlage = brutto;
    }
    a.kranken = anteil(a.krankenGrundlage, a.krankenSatz);
    a.pflege = anteil(a.pflegeGrundlage, a.pflegeSatz);
    a.netto = brutto - a.kranken - a.pflege;
    return a;
}

} // namespace Krankenversicherung
