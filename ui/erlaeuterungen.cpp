#include "ui/erlaeuterungen.h"

#include <array>

namespace Erlaeuterungen {

namespace {

struct Bereich {
    int von;
    int bis;
    const char16_t* text;
};

// The ranges are fixed and do not follow the actual column widths.
constexpr std::array<Bereich, 11> Rechentabellenbereiche{{
    {0, 510,
     u" Die vor dem Jahr 2002 erworbenen Versorgungspunkte sind in der Zeile für 2001 in Spalte 20 "
     u"einzutragen "
     u"(Startgutschrift § 32 ATV/ATV-K)."},
    {511, 1020,
     u" Maßgebliches Alter = Differenz zwischen dem jeweiligen Kalenderjahr und dem Geburtsjahr (§ 8 Abs.3 "
     u"ATV/ATV-K)."},
    {1021, 2310,
     u" ATV-umlagepflichtiges Jahresentgelt = Steuerpflichtiger Arbeitslohn soweit sich aus Anlage 3 zu § 15 "
     u"ATV-ATV-K nichts anderes ergibt."},
    {2311, 4050,
     u" Umrechnung des Jahresbetrags auf den Monatsdurchschnitt nach § 8 Abs. 2 ATV/ATV-K, da alle weiteren "
     u"Werte Parameter Monatswerte sind."},
    {4051, 6195,
     u" Das Verhältnis zwischen dem Monatsgehalt und dem Referenzgehalt von 1000 Euro ergibt eine Wertziffer "
     u"für die Beitragsleistung (§ 8 Abs. 2 ATV/ATV-K)."},
    {6196, 8130,
     u" Das Multiplizieren der Beitragswertziffer mit dem Altersfaktor bewirkt eine jährl. Verzinsung von "
     u"3,25% bis zum 65.Lebensjahr (§8, Abs.3 ATV)"},
    {8131, 9180,
     u" Klicken Sie Spalte 15 in der richtigen Zeile an, um die Elternzeitpunkte für das betreffende Jahr zu "
     u"berechnen (§ 9 Abs. 1 ATV/ATV-K)"},
    {9181, 10110,
     u" Bonuspunkte entstehen aus Überschüssen der Versicherung und werden Ihnen jährlich nachträglich "
     u"mitgeteilt (§ 19 ATV/ATV-K)  "},
    {10111, 11085,
     u" Versorgungspunkte ergeben sich nach § 8 Abs. 1 ATV/ATV-K aus ZV-pfl. Entgelt (Sp.13), soz. "
     u"Komponenten (Sp.15) und Bonuspunkten (Sp.17)."},
    {11086, 11940,
     u" In Spalte 20 werden die bis zum betreffenden Jahr erworbenen Versorgungspunkte dargestellt. Es "
     u"beginnt mit dem Startguthaben in Zeile 2001."},
    {11941, 13935,
     u" Die Zuvora errechnet sich aus den erworbenen Versorgungspunkten, multipliziert mit dem Meßbetrag von "
     u"4 Euro (§ 7 Abs. 1 ATV/ATV-K)."},
}};

constexpr std::array<Bereich, 8> Namensgridbereiche{{
    {0, 1275,
     u" Ein Rentenfall kann nur in Spalte 1 durch Anklicken der betreffenden Zeile ausgewählt werden."},
    {1276, 4815, u" Name des Bediensteten"},
    {4816, 5520, u" Geburtstag = Zahlen von 1 bis 31 ohne Punkt."},
    {5521, 6510, u" Geburtsmonat = Zahlen von 1 bis 12 ohne Punkt."},
    {6511, 7215, u" Geburtsjahr = Zahlen von 1930 bis 2000"},
    {7216, 9465, u" Versicherungsnummer für den Ausdruck auf den Ausdrucken."},
    {9466, 11715, u" Strasse für den Ausdruck auf den Ausdrucken."},
    {11716, 13965, u" Wohnort für den Ausdruck auf den Ausdrucken."},
}};

template <std::size_t N> std::optional<QString> suchen(const std::array<Bereich, N>& bereiche, double xTwips)
{
    for (const Bereich& b : bereiche)
        if (xTwips >= b.von && xTwips <= b.bis)
            return QString::fromUtf16(b.text);
    return std::nullopt;
}

} // namespace

QString text(Element element)
{
    switch (element) {
    case Element::ATV:
        return QStringLiteral(
            "Öffnet das Kapitel der Hilfe über die Regeln des Punktemodells nach ATV / ATV-K, mit den "
            "Stellen, die den Wortlaut der Tarifverträge veröffentlichen.");
    case Element::Berechnung:
        return QStringLiteral(
            "Es wird ohne vorgeschaltetes Druckmenü ein Ausdruck der Tabelle erstellt, die als "
            "Anlage zur Rentenauskunft dienen kann. Als PDF: Strg+B.");
    case Element::Bescheid:
        return QStringLiteral(
            "Es wird ohne vorgeschaltetes Druckmenü das Titelblatt einer Rentenauskunft gedruckt. "
            "Als PDF: Strg+N, Vorschau: Strg+Umschalt+N.");
    case Element::Blatt:
        return QStringLiteral(
            "Sie können den Text des Anschreibens zur Rentenberechnung hier Ihren Wünschen anpassen.");
    case Element::Form:
        return QStringLiteral(
            " Die doppelt vorhandenen Auswahlboxen ermöglichen die Eingabe der Daten, wenn sich "
            "die Anzahl der Kinder während des Jahres geändert hat.");
    case Element::Hilfe: return QString();
    case Element::Info:
        return QStringLiteral("Informationen zu Zuvora, Version und Lizenz, und die Dateien, mit denen das "
                              "Programm gerade arbeitet.");
    case Element::Rentenbeschriftung:
        return QStringLiteral(
            " Ein Klick hier (oder Alt+R) stellt Rentenbeginn und Entgeltsteigerung des Falls "
            "ein; die Jahresentgelte (Sp.3) tragen Sie in der Tabelle ein.");
    case Element::Rentenkopf:
        return QStringLiteral(" Der angezeigte Wert ergibt sich, wenn die in Spalte 3 bis zum 65. Lebensjahr "
                              "automatisch fortgeschriebenen Entgelte erreicht werden.");
    case Element::Schließen:
        return QStringLiteral(
            "Beendet Zuvora. Jede übernommene Eingabe steht schon in der Falldatei; ein offenes Fenster "
            "des Anschreibentextes schließt ohne zu speichern.");
    case Element::Verlängern:
        return QStringLiteral(
            "Sie können hier den sichtbaren Teil der Tabelle verlängern, um z.B. einen langen "
            "Versicherungsverlauf besser überschauen zu können.");
    }
    return QString();
}

QString bediensteter(bool tabelleSichtbar)
{
    // The keys are named too: the name label is no button to the eye.
    if (tabelleSichtbar)
        return QStringLiteral("Hier können Sie bis zu 7 Versicherungsfälle anlegen (Tastatur: Alt+F).");
    return QStringLiteral(
        " Klicken sie in Spalte 1 den gewünschten Fall an (Tastatur: Eingabetaste). Sie können in den "
        "hellgrünen Zellen bis zu sieben Personalfälle anlegen.");
}

std::optional<QString> rechentabelle(double xTwips)
{
    return suchen(Rechentabellenbereiche, xTwips);
}

std::optional<QString> namensgrid(double xTwips)
{
    return suchen(Namensgridbereiche, xTwips);
}

QStringList spaltenbeschreibungen(const QVector<int>& breitenTwips,
                                  std::optional<QString> (*erläuterung)(double xTwips))
{
    QStringList beschreibungen;
    double links = 0;
    for (int breite : breitenTwips) {
        beschreibungen.append(erläuterung(links + breite / 2.0).value_or(QString()).trimmed());
        links += breite;
    }
    return beschreibungen;
}

} // namespace Erlaeuterungen
