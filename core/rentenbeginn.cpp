#include "core/rentenbeginn.h"

#include <algorithm>
#include <array>

namespace Rentenbeginn {

namespace {

constexpr int Abschlagszehntel = 3;   // 0,3 % per month
constexpr int HöchsterAbschlag = 108; // 10,8 % in tenths
constexpr int LetztesJahrDerTabelle = 2100;

} // namespace

int größtesGeburtsjahr(int laufendesJahr)
{
    return std::min(laufendesJahr - 17, LetztesJahrDerTabelle - SpätestesAlter);
}

bool gültig(int wahl)
{
    return wahl == Standard || wahl == Mit65 || wahl == Regelaltersgrenze ||
           (wahl >= FrühestesAlter && wahl <= SpätestesAlter);
}

int wirksam(int wahl, int geburtsjahr)
{
    if (wahl == Standard || !gültig(wahl))
        return geburtsjahr <= LetztesJahrMit65 ? Mit65 : Regelaltersgrenze;
    return wahl;
}

int speicherform(int wahl, int geburtsjahr)
{
    return wirksam(wahl, geburtsjahr) == wirksam(Standard, geburtsjahr) ? Standard
                                                                        : wirksam(wahl, geburtsjahr);
}

Alter regelaltersgrenze(int geburtsjahr)
{
    if (geburtsjahr <= 1946)
        return {65, 0};
    if (geburtsjahr < 1958)
        return {65, geburtsjahr - 1946}; // a month more for each year
    if (geburtsjahr == 1958)
        return {66, 0};
    if (geburtsjahr <= 1963)
        return {66, 2 * (geburtsjahr - 1958)}; // two months more for each year
    return {67, 0};
}

Beginn bestimmen(int wahl, int geburtsjahr, int geburtsmonat)
{
    Beginn b;
    b.wahl = wirksam(wahl, geburtsjahr);
    b.regelalter = regelaltersgrenze(geburtsjahr);
    if (b.wahl == Mit65)
        b.alter = {65, 0};
    else if (b.wahl == Regelaltersgrenze)
        b.alter = b.regelalter;
    else
        b.alter = {b.wahl, 0};
    // The regular age with months is reached in the year after its whole-year birthday when
    // the months run past December.
    const int monat = geburtsmonatOderJanuar(geburtsmonat);
    b.letztesJahr = geburtsjahr + b.alter.jahre + (monat + b.alter.monate > 12 ? 1 : 0);
    if (b.wahl != Mit65)
        b.abschlagMonate = std::max(0, b.regelalter.inMonaten() - b.alter.inMonaten());
    b.abschlagOhneGrenze = abschlagProzent(b.abschlagMonate, false);
    b.abschlagProzent = abschlagProzent(b.abschlagMonate);
    return b;
}

Festkomma abschlagProzent(int monate, bool begrenzt)
{
    const int zehntel = monate * Abschlagszehntel;
    return Festkomma::ausRoh((begrenzt ? std::min(zehntel, HöchsterAbschlag) : zehntel) *
                             (Festkomma::Skala / 10));
}

int geburtsmonatOderJanuar(int geburtsmonat)
{
    return geburtsmonat >= 1 && geburtsmonat <= 12 ? geburtsmonat : 1;
}

Beginn mitAbschlagsmonaten(Beginn beginn, int abschlagsmonate, Alter gewählt)
{
    if (abschlagsmonate < 0 || beginn.wahl == Mit65)
        return beginn;
    beginn.abschlagMonate = std::max(0, abschlagsmonate + gewählt.inMonaten() - beginn.alter.inMonaten());
    beginn.lautAuskunft = true;
    beginn.abschlagOhneGrenze = abschlagProzent(beginn.abschlagMonate, false);
    beginn.abschlagProzent = abschlagProzent(beginn.abschlagMonate);
    return beginn;
}

int monatAusText(QStringView text)
{
    const QString t = text.trimmed().toString().toLower();
    if (t.isEmpty())
        return 0;
    if (t[0].isDigit()) {
        bool ok = false;
        const int zahl = t.toInt(&ok);
        return ok && zahl >= 1 && zahl <= 12 ? zahl : 0;
    }
    static const std::array<const char16_t*, 12> namen{u"jan", u"feb", u"mar", u"apr", u"mai", u"jun",
                                                       u"jul", u"aug", u"sep", u"okt", u"nov", u"dez"};
    QString kurz = t.left(3);
    if (kurz == u"mae" || kurz == u"mär" || kurz == u"mrz")
        kurz = QStringLiteral("mar");
    for (std::size_t m = 0; m < namen.size(); ++m)
        if (kurz == QStringView(namen[m]))
            return int(m) + 1;
    return 0;
}

Festkomma nachAbschlag(Festkomma rente, Festkomma abschlagProzent)
{
    if (abschlagProzent == Festkomma())
        return rente;
    // 100 % less the reduction, as a factor with at most three decimals: 10,8 % gives 0,892.
    const Festkomma faktor =
        Festkomma::ausRoh(100 * Festkomma::Skala - abschlagProzent.roh()).geteiltDurch(100);
    return rente.mal(faktor);
}

QString bezeichnung(int wahl)
{
    if (wahl == Mit65 || wahl == Standard)
        return QStringLiteral("mit 65");
    if (wahl == Regelaltersgrenze)
        return QStringLiteral("mit der Regelaltersgrenze");
    return QStringLiteral("mit %1").arg(wahl);
}

QString alterText(Alter alter)
{
    QString text = QStringLiteral("%1 Jahre").arg(alter.jahre);
    if (alter.monate == 1)
        text += QStringLiteral(" und 1 Monat");
    else if (alter.monate > 1)
        text += QStringLiteral(" und %1 Monate").arg(alter.monate);
    return text;
}

QString bisText(Alter alter)
{
    if (alter.monate == 0)
        return QStringLiteral("bis zum %1. Lebensjahr").arg(alter.jahre);
    return QStringLiteral("bis zum Alter von %1 Jahren und %2 %3")
        .arg(alter.jahre)
        .arg(alter.monate)
        .arg(alter.monate == 1 ? QStringLiteral("Monat") : QStringLiteral("Monaten"));
}

} // namespace Rentenbeginn
