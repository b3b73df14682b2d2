#include "core/vergleich.h"

#include "core/rentenzahlung.h"

QList<int> vergleichsstarts(int geburtsjahr)
{
    using namespace Rentenbeginn;
    QList<int> starts;
    const Alter regel = regelaltersgrenze(geburtsjahr);
    for (int alter = FrühestesAlter; alter <= SpätestesAlter; ++alter) {
        if (regel.monate != 0 && regel.jahre == alter - 1)
            starts.append(Regelaltersgrenze);
        starts.append(alter);
    }
    return starts;
}

Vergleich vergleichen(int geburtsjahr, int geburtsmonat, const Startrechnung& rechnung,
                      const Beratungsangaben& angaben, const Krankenversicherung::Werte& werte)
{
    Vergleich v;
    v.geburtsjahr = geburtsjahr;
    v.geburtsmonat = Rentenbeginn::geburtsmonatOderJanuar(geburtsmonat);
    v.monatAngenommen = v.geburtsmonat != geburtsmonat;
    v.bisAlter = angaben.bisAlter;
    v.abschlagsmonate = angaben.abschlagsmonate;
    const int bisMonat = Rentenzahlung::monatDesAlters(geburtsjahr, v.geburtsmonat, {v.bisAlter, 0});
    const Rentenbeginn::Alter regel = Rentenbeginn::regelaltersgrenze(geburtsjahr);
    for (int wahl : vergleichsstarts(geburtsjahr)) {
        Vergleich::Spalte s;
        s.start = rechnung(wahl);
        s.regelalter = s.start.beginn.alter == regel;
        s.ersterMonat = Rentenzahlung::ersterMonat(geburtsjahr, v.geburtsmonat, s.start.beginn.alter);
        const Festkomma betrag = s.start.renteAbBeginn;
        const int jahre[] = {5, 10, 20};
        for (std::size_t k = 0; k < 3; ++k)
            s.nachJahren[k] = Rentenzahlung::nachJahren(betrag, s.ersterMonat, jahre[k]);
        s.summe = Rentenzahlung::Verlauf(betrag, s.ersterMonat).summeBis(bisMonat);
        s.abzüge = angaben.abzüge(betrag, geburtsjahr, werte);
        v.spalten.append(s);
    }
    // Up to the age of 110: a later start that has not caught up by then never will in practice.
    const int grenze = Rentenzahlung::monatDesAlters(geburtsjahr, v.geburtsmonat, {110, 0});
    const int geburt = Rentenzahlung::monatDesAlters(geburtsjahr, v.geburtsmonat, {0, 0});
    for (int k = 0; k + 1 < v.spalten.size(); ++k) {
        const Vergleich::Spalte &a = v.spalten[k], &b = v.spalten[k + 1];
        Vergleich::Überholung ü{k, k + 1, std::nullopt};
        if (const auto monat = Rentenzahlung::überholt(a.start.renteAbBeginn, a.ersterMonat,
                                                       b.start.renteAbBeginn, b.ersterMonat, grenze))
            ü.alterMonate = *monat - geburt;
        v.überholungen.append(ü);
    }
    return v;
}

namespace Vergleichstexte {

namespace {

QString prozent(Festkomma wert)
{
    return wert.alsText(wert.wieAngezeigt(1) == wert ? 1 : 2) + QStringLiteral(" %");
}

QString beginnName(const Vergleich::Spalte& s)
{
    const Rentenbeginn::Alter alter = s.start.beginn.alter;
    return QStringLiteral("mit %1").arg(alter.monate == 0 ? QString::number(alter.jahre)
                                                          : Rentenzahlung::alterKurz(alter.inMonaten()));
}

} // namespace

QString euro(Festkomma betrag)
{
    return betrag.alsText(2) + QStringLiteral(" €");
}

QString spaltenkopf(const Vergleich::Spalte& spalte, bool regelalterNennen)
{
    QString kopf =
        spalte.start.beginn.wahl == Rentenbeginn::Regelaltersgrenze
            ? QStringLiteral("mit %1").arg(Rentenzahlung::alterKurz(spalte.start.beginn.alter.inMonaten()))
            : QStringLiteral("mit %1").arg(spalte.start.beginn.alter.jahre);
    if (spalte.regelalter && regelalterNennen)
        kopf += QStringLiteral(" (Regelalter)");
    return kopf;
}

QList<Zeile> tabelle(const Vergleich& v)
{
    const auto zeile = [&v](const QString& bezeichnung,
                            const std::function<QString(const Vergleich::Spalte&)>& wert) {
        Zeile z{bezeichnung, {}};
        for (const Vergleich::Spalte& s : v.spalten)
            z.werte.append(wert(s));
        return z;
    };
    using S = Vergleich::Spalte;
    QList<Zeile> zeilen{
        zeile(QStringLiteral("Zahlung ab"),
              [](const S& s) {
                  return QStringLiteral("%1/%2")
                      .arg(Rentenzahlung::monatVon(s.ersterMonat), 2, 10, QChar(u'0'))
                      .arg(Rentenzahlung::jahrVon(s.ersterMonat));
              }),
        zeile(QStringLiteral("Letztes Jahr der Tabelle"),
              [](const S& s) { return QString::number(s.start.beginn.letztesJahr); }),
        zeile(QStringLiteral("Versorgungspunkte"), [](const S& s) { return s.start.punkte.alsText(2); }),
        zeile(QStringLiteral("Rente vor Abschlag"), [](const S& s) { return euro(s.start.rente); }),
        zeile(QStringLiteral("Abschlag"),
              [](const S& s) {
                  return QStringLiteral("%2 (%1 M.)")
                      .arg(s.start.beginn.abschlagMonate)
                      .arg(prozent(s.start.beginn.abschlagProzent));
              }),
        zeile(QStringLiteral("Rente nach Abschlag"), [](const S& s) { return euro(s.start.renteAbBeginn); }),
        zeile(QStringLiteral("nach 5 Jahren Zahlung"), [](const S& s) { return euro(s.nachJahren[0]); }),
        zeile(QStringLiteral("nach 10 Jahren Zahlung"), [](const S& s) { return euro(s.nachJahren[1]); }),
        zeile(QStringLiteral("nach 20 Jahren Zahlung"), [](const S& s) { return euro(s.nachJahren[2]); }),
        zeile(QStringLiteral("Krankenversicherung"), [](const S& s) { return euro(s.abzüge.kranken); }),
        zeile(QStringLiteral("Pflegeversicherung"), [](const S& s) { return euro(s.abzüge.pflege); }),
        zeile(QStringLiteral("Auszahlung"), [](const S& s) { return euro(s.abzüge.netto); }),
        zeile(QStringLiteral("Summe bis %1").arg(v.bisAlter), [](const S& s) { return euro(s.summe); }),
    };
    return zeilen;
}

QStringList überholungen(const Vergleich& v)
{
    QStringList texte;
    for (const Vergleich::Überholung& ü : v.überholungen) {
        const QString später = beginnName(v.spalten[ü.später]), früher = beginnName(v.spalten[ü.früher]);
        if (ü.alterMonate)
            texte.append(QStringLiteral("Ab %1 liegt der Beginn %2 vorn (gegenüber %3).")
                             .arg(Rentenzahlung::alterKurz(*ü.alterMonate), später, früher));
        else
            texte.append(QStringLiteral("Der Beginn %1 holt den Beginn %2 nicht ein.").arg(später, früher));
    }
    return texte;
}

QStringList annahmen(const Vergleich& v)
{
    QStringList texte;
    if (v.monatAngenommen)
        texte.append(QStringLiteral("Der Geburtsmonat fehlt in der Fallliste: angenommen ist Januar (für den "
                                    "Zahlungsbeginn und das letzte Jahr)."));
    if (v.abschlagsmonate >= 0)
        texte.append(QStringLiteral("Abschlagsmonate laut Rentenauskunft: %1 beim gewählten Beginn, bei den "
                                    "anderen um den Abstand verschoben.")
                         .arg(v.abschlagsmonate));
    texte.append(QStringLiteral("Die Rente beginnt im Monat nach dem Erreichen des Alters und steigt jedes "
                                "Jahr zum 1. Juli um 1 % (§ 11 ATV)."));
    texte.append(QStringLiteral("Einkommensteuer ist nicht berechnet: sie hängt vom ganzen Einkommen des "
                                "Haushalts ab."));
    return texte;
}

} // namespace Vergleichstexte
