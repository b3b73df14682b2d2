#include "core/erweiterung.h"

#include "core/fussblock.h"
#include "core/rentenbeginn.h"

#include <QtEndian>

namespace Erweiterung {

namespace {

constexpr QByteArrayView Kennung("ZUVORAX1");
constexpr int Personanfang = 5;
constexpr int Personlänge = 50;
// The layout of one year and of the header, for the reader of this file.
[[maybe_unused]] constexpr int Jahrlänge = 3 * 8 + 4 * 2;
[[maybe_unused]] constexpr int Kopflänge = 2 + 4 + 2 + 8 + 2;
constexpr int Erstes = Jahreswerte<int>::Anzahl + 1;
constexpr int Folgejahre = Jahreswerte<int>::Höchstens - Jahreswerte<int>::Anzahl;

using Fussblock::anhängen;

// Whether every value of an entry is one this program writes; a block holding anything else
// is not ours. A new field of the entry adds its check here.
bool wieGeschrieben(const Eintrag& e)
{
    const std::int64_t steigerung = e.steigerung.roh();
    if (!Rentenbeginn::gültig(e.rentenbeginn) || steigerung < 0 ||
        steigerung > Datensatz::GrößteSteigerung * Festkomma::Skala ||
        steigerung % (Festkomma::Skala / 100) != 0)
        return false;
    return !e.jahre.hatÜbergroßeBeträge() &&
           !e.jahre.hatUnmöglicheAnzahlen(Erstes, Jahreswerte<int>::Höchstens);
}

} // namespace

quint32 person(QByteArrayView satzbytes)
{
    return Fussblock::crc32(satzbytes.sliced(Personanfang, Personlänge));
}

Befund lesen(QByteArrayView abbild)
{
    Befund befund;
    std::optional<Fussblock::Leser> leser = Fussblock::leser(abbild, Kennung);
    if (!leser)
        return befund;
    Fussblock::Leser& l = *leser;
    const int anzahl = l.lies<qint16>();
    if (anzahl < 1 || anzahl > AnzahlSätze)
        return befund;
    for (int k = 0; k < anzahl; ++k) {
        const int fall = l.lies<qint16>();
        Eintrag e;
        e.person = l.lies<quint32>();
        e.rentenbeginn = l.lies<qint16>();
        e.steigerung = Festkomma::ausRoh(l.lies<qint64>());
        const int jahre = l.lies<qint16>();
        if (l.kurz() || fall < 1 || fall > AnzahlSätze || befund.einträge[std::size_t(fall - 1)] ||
            jahre < 0 || jahre > Folgejahre)
            return {};
        for (int i = Erstes; i < Erstes + jahre; ++i) {
            e.jahre.jahresentgelt[i] = Festkomma::ausRoh(l.lies<qint64>());
            e.jahre.elternzeitpunkte[i] = Festkomma::ausRoh(l.lies<qint64>());
            e.jahre.bonuspunkte[i] = Festkomma::ausRoh(l.lies<qint64>());
            e.jahre.kinder1[i] = l.lies<qint16>();
            e.jahre.kinder2[i] = l.lies<qint16>();
            e.jahre.monate1[i] = l.lies<qint16>();
            e.jahre.monate2[i] = l.lies<qint16>();
        }
        if (l.kurz() || !wieGeschrieben(e))
            return {};
        befund.einträge[std::size_t(fall - 1)] = e;
    }
    if (!l.ende())
        return {};
    befund.länge = l.blocklänge();
    return befund;
}

QByteArray block(const std::array<Datensatz, 7>& sätze)
{
    QByteArray nutzlast;
    qint16 anzahl = 0;
    anhängen<qint16>(nutzlast, 0);
    for (std::size_t n = 0; n < sätze.size(); ++n) {
        const Datensatz& d = sätze[n];
        if (!d.erweitert())
            continue;
        ++anzahl;
        const int letztes = d.letztesBelegtesJahr();
        anhängen<qint16>(nutzlast, qint16(n + 1));
        anhängen<quint32>(nutzlast, person(d.alsBytes()));
        anhängen<qint16>(nutzlast, d.rentenbeginn);
        anhängen<qint64>(nutzlast, d.steigerung.roh());
        anhängen<qint16>(nutzlast, qint16(letztes - Jahreswerte<int>::Anzahl));
        for (int i = Erstes; i <= letztes; ++i) {
            anhängen<qint64>(nutzlast, d.jahresentgelt[i].roh());
            anhängen<qint64>(nutzlast, d.elternzeitpunkte[i].roh());
            anhängen<qint64>(nutzlast, d.bonuspunkte[i].roh());
            anhängen<qint16>(nutzlast, d.kinder1[i]);
            anhängen<qint16>(nutzlast, d.kinder2[i]);
            anhängen<qint16>(nutzlast, d.monate1[i]);
            anhängen<qint16>(nutzlast, d.monate2[i]);
        }
    }
    if (anzahl == 0)
        return {};
    qToLittleEndian<qint16>(anzahl, nutzlast.data());
    return Fussblock::abschließen(nutzlast, Kennung);
}

bool gehörtZu(quint32 person, QByteArrayView satzbytes)
{
    return satzbytes.size() >= Datensatz::Länge && Erweiterung::person(satzbytes) == person;
}

bool anwenden(const Eintrag& eintrag, QByteArrayView satzbytes, Datensatz& satz)
{
    if (!gehörtZu(eintrag.person, satzbytes))
        return false;
    satz.rentenbeginn = eintrag.rentenbeginn;
    satz.steigerung = eintrag.steigerung;
    for (int i = Erstes; i <= Jahreswerte<int>::Höchstens; ++i) {
        satz.jahresentgelt[i] = eintrag.jahre.jahresentgelt[i];
        satz.elternzeitpunkte[i] = eintrag.jahre.elternzeitpunkte[i];
        satz.bonuspunkte[i] = eintrag.jahre.bonuspunkte[i];
        satz.kinder1[i] = eintrag.jahre.kinder1[i];
        satz.kinder2[i] = eintrag.jahre.kinder2[i];
        satz.monate1[i] = eintrag.jahre.monate1[i];
        satz.monate2[i] = eintrag.jahre.monate2[i];
    }
    return true;
}

} // namespace Erweiterung
