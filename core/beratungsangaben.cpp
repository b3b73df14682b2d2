#include "core/beratungsangaben.h"

#include "core/datensatz.h"
#include "core/erweiterung.h"
#include "core/fussblock.h"
#include "core/rentenzahlung.h"

#include <QtEndian>

bool Beratungsangaben::gültig() const
{
    return abschlagsmonate >= KeineAbschlagsmonate && abschlagsmonate <= HöchsteAbschlagsmonate &&
           int(versicherung) >= 0 && int(versicherung) < Krankenversicherung::AnzahlArten &&
           kinderUnter25 >= 0 && kinderUnter25 <= GrößteKinderzahl && erwerbsminderung >= Keine &&
           erwerbsminderung <= Teilweise &&
           (erwerbsminderungJahr == 0 || (erwerbsminderungJahr >= 2002 && erwerbsminderungJahr <= 2100)) &&
           erwerbsminderungMonat >= 1 && erwerbsminderungMonat <= 12 && bisAlter >= KleinstesBisAlter &&
           bisAlter <= GrößtesBisAlter;
}

Krankenversicherung::Person Beratungsangaben::person(int geburtsjahr) const
{
    return {versicherung, kinder, kinderUnter25, geburtsjahr};
}

Krankenversicherung::Abzüge Beratungsangaben::abzüge(Festkomma rente, int geburtsjahr,
                                                     const Krankenversicherung::Werte& werte) const
{
    return Krankenversicherung::berechnen(Rentenzahlung::aufCent(rente), person(geburtsjahr), werte);
}

namespace Beratungsblock {

namespace {

constexpr QByteArrayView Kennung("ZUVORAX2");
constexpr int Fallfelder = 11;

using Fussblock::anhängen;

// The answers as the block's eleven numbers, and back.
std::array<qint16, Fallfelder> zahlen(const Beratungsangaben& a)
{
    return {a.abschlagsmonate,
            qint16(a.versicherung),
            qint16(a.kinder),
            a.kinderUnter25,
            qint16(a.altesRecht),
            a.erwerbsminderung,
            a.erwerbsminderungJahr,
            a.erwerbsminderungMonat,
            a.bisAlter,
            qint16(a.briefzeile),
            0};
}

std::optional<Beratungsangaben> angaben(const std::array<qint16, Fallfelder>& z)
{
    const auto schalter = [](qint16 wert) { return wert == 0 || wert == 1; };
    if (!schalter(z[2]) || !schalter(z[4]) || !schalter(z[9]) || z[10] != 0)
        return std::nullopt;
    Beratungsangaben a;
    a.abschlagsmonate = z[0];
    a.versicherung = Krankenversicherung::Art(z[1]);
    a.kinder = z[2] == 1;
    a.kinderUnter25 = z[3];
    a.altesRecht = z[4] == 1;
    a.erwerbsminderung = z[5];
    a.erwerbsminderungJahr = z[6];
    a.erwerbsminderungMonat = z[7];
    a.bisAlter = z[8];
    a.briefzeile = z[9] == 1;
    if (!a.gültig() || zahlen(a) != z)
        return std::nullopt;
    return a;
}

} // namespace

Befund lesen(QByteArrayView abbild)
{
    Befund befund;
    std::optional<Fussblock::Leser> leser = Fussblock::leser(abbild, Kennung);
    if (!leser)
        return befund;
    Fussblock::Leser& l = *leser;
    const qint16 mitWerten = l.lies<qint16>();
    if (mitWerten == 1) {
        Krankenversicherung::Werte w;
        w.jahr = l.lies<qint16>();
        for (const auto& b : Krankenversicherung::felder())
            Krankenversicherung::wert(w, b.feld) = Festkomma::ausRoh(l.lies<qint64>());
        if (!Krankenversicherung::gültig(w))
            return {};
        befund.werte = w;
    } else if (mitWerten != 0) {
        return {};
    }
    const qint16 anzahl = l.lies<qint16>();
    if (anzahl < 0 || anzahl > 7)
        return {};
    for (int k = 0; k < anzahl; ++k) {
        const qint16 fall = l.lies<qint16>();
        const quint32 person = l.lies<quint32>();
        std::array<qint16, Fallfelder> z{};
        for (qint16& zahl : z)
            zahl = l.lies<qint16>();
        if (l.kurz() || fall < 1 || fall > 7 || befund.fälle[std::size_t(fall - 1)])
            return {};
        const std::optional<Beratungsangaben> a = angaben(z);
        if (!a)
            return {};
        befund.fälle[std::size_t(fall - 1)] = std::pair{person, *a};
    }
    if (!l.ende() || (anzahl == 0 && !befund.werte))
        return {};
    befund.länge = l.blocklänge();
    return befund;
}

QByteArray block(const std::array<Datensatz, 7>& sätze, const Krankenversicherung::Werte& werte)
{
    QByteArray nutzlast;
    const bool mitWerten = werte != Krankenversicherung::standardwerte();
    anhängen<qint16>(nutzlast, mitWerten ? 1 : 0);
    if (mitWerten) {
        anhängen<qint16>(nutzlast, qint16(werte.jahr));
        for (const auto& b : Krankenversicherung::felder())
            anhängen<qint64>(nutzlast, Krankenversicherung::wert(werte, b.feld).roh());
    }
    const qsizetype anzahlStelle = nutzlast.size();
    anhängen<qint16>(nutzlast, 0);
    qint16 anzahl = 0;
    for (std::size_t n = 0; n < sätze.size(); ++n) {
        const Beratungsangaben& angaben = sätze[n].beratung;
        if (angaben.standard())
            continue;
        ++anzahl;
        anhängen<qint16>(nutzlast, qint16(n + 1));
        anhängen<quint32>(nutzlast, Erweiterung::person(sätze[n].alsBytes()));
        for (qint16 zahl : zahlen(angaben))
            anhängen<qint16>(nutzlast, zahl);
    }
    if (anzahl == 0 && !mitWerten)
        return {};
    qToLittleEndian<qint16>(anzahl, nutzlast.data() + anzahlStelle);
    return Fussblock::abschließen(nutzlast, Kennung);
}

} // namespace Beratungsblock
