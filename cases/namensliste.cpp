#include "cases/namensliste.h"

#include "core/arbeitsstand.h"
#include "core/falldatei.h"
#include "core/meldungen.h"
#include "core/rentenbeginn.h"
#include "core/tabellentext.h"
#include "table/farben.h"
#include "table/rechentabelle.h"
#include "table/tasten.h"

namespace {

constexpr Qt::Alignment ObenZentriert = Qt::AlignHCenter | Qt::AlignTop;

constexpr std::array<const char*, Namensliste::Spalten> Kopf0{"Datensatz-",
                                                              "Name des Bediensteten",
                                                              "Name des Bediensteten",
                                                              "Name des Bediensteten",
                                                              "G e b u r t s t a g",
                                                              "G e b u r t s t a g",
                                                              "G e b u r t s t a g",
                                                              "Versicherungs-",
                                                              "Strasse",
                                                              "WohnOrt"};
constexpr std::array<const char*, Namensliste::Spalten> Kopf1{
    "wahl hier", "Anrede", "Vorname ", "Nachname ", " Tag", " Monat", " Jahr", "nummer", " ", "  "};

// The two heading rows read as one, for a screen reader.
constexpr std::array<const char*, Namensliste::Spalten> Überschriften{
    "Datensatzwahl",       "Anrede",  "Vorname", "Nachname", "Geburtstag", "Geburtsmonat", "Geburtsjahr",
    "Versicherungsnummer", "Strasse", "Wohnort"};

// The columns after the case number show the record's text fields in their order.
Datensatz::Textfeld feld(int spalte)
{
    return Datensatz::Textfeld(spalte - nr(Listenspalte::Anrede));
}

int breite(int spalte)
{
    return Datensatz::Textbreite[std::size_t(feld(spalte))];
}

// Every letter the case file can hold, so that names and places are written as people
// write them ("Jürgen", "Çelik"); a letter the file has no place for ("Ł") is refused.
bool buchstabe(char16_t z)
{
    const QChar zeichen(z);
    return zeichen.isLetter() && Zeichensatz::speicherbar(zeichen);
}

// Within names and addresses: "Müller-Lüdenscheidt", "O'Brien", "Dr. Weiß", "Str. 5, App. 2";
// the typographic apostrophe as well, which some keyboards give.
bool satzzeichen(char16_t z)
{
    return z == u' ' || z == u',' || z == u'.' || z == u'-' || z == u'\'' || z == u'\u2019';
}

bool ziffer(char16_t z)
{
    return z >= u'0' && z <= u'9';
}

// The list trims blanks (0x20) only: a tab or a no-break space is part of the stored text.
QString ohneRandblanks(const QString& text)
{
    qsizetype anfang = 0, ende = text.size();
    while (anfang < ende && text[anfang] == u' ')
        ++anfang;
    while (ende > anfang && text[ende - 1] == u' ')
        --ende;
    return text.sliced(anfang, ende - anfang);
}

} // namespace

Namensliste::Namensliste(Rechentabelle& tabelle, QObject* parent)
    : QObject(parent), m_tabelle(tabelle), m_modell(Zeilen, Spalten)
{
    setzeAktuelleZelle(LetzteFallzeile, nr(Listenspalte::Wohnort));
}

QVector<int> Namensliste::spaltenbreiten(int listenbreite)
{
    QVector<int> breiten;
    for (double anteil : Spaltenanteile)
        breiten.append(int(std::lround(anteil * listenbreite)));
    return breiten;
}

void Namensliste::formatieren()
{
    Sammlung sammlung(m_modell);
    Zellenmodell& m = m_modell;
    m.setzeFesteBereiche(ErsteFallzeile, 0);
    m.setzeFarben(Farben::HellGrün, Farben::HellGelb, Farben::DunkelGrün);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(12);
    m.setzeSchrift(schrift);

    for (int spalte = 0; spalte < Spalten; ++spalte) {
        for (int zeile = ErsteFallzeile; zeile <= Zählerzeile; ++zeile)
            m.setzeSchriftgröße(zeile, spalte, 10);
        m.setzeAusrichtung(2, spalte, ObenZentriert);
        m.setzeSchriftgröße(2, spalte, 6);
        m.setzeText(2, spalte, QString::number(spalte + 1));
        m.setzeHintergrund(Zählerzeile, spalte, Farben::HellGelb);
        m.setzeText(0, spalte, QString::fromUtf8(Kopf0[std::size_t(spalte)]));
        m.setzeText(1, spalte, QString::fromUtf8(Kopf1[std::size_t(spalte)]));
    }
    for (int zeile = ErsteFallzeile; zeile <= LetzteFallzeile; ++zeile) {
        m.setzeText(zeile, nr(Listenspalte::Fall), QString::number(fallAusZeile(zeile)));
        m.setzeAusrichtung(zeile, nr(Listenspalte::Fall), ObenZentriert);
        m.setzeHintergrund(zeile, nr(Listenspalte::Fall), Farben::HellGelb);
    }
    m.setzeVerbundeneZeile(0);
    m.setzeText(Zählerzeile, nr(Listenspalte::Fall), QString());

    Zellenmodell::Vorlesen vorlesen;
    for (const char* überschrift : Überschriften)
        vorlesen.überschriften.append(QString::fromUtf8(überschrift));
    vorlesen.ersteZeile = ErsteFallzeile;
    vorlesen.zeilenname = [](int zeile) {
        return zeile == Zählerzeile ? QStringLiteral("Noch frei")
                                    : QStringLiteral("Fall %1").arg(fallAusZeile(zeile));
    };
    m.setzeVorlesen(std::move(vorlesen));
}

void Namensliste::namensgridfüllen()
{
    {
        Sammlung sammlung(m_modell);
        for (int fall = 1; fall <= Falldatei::AnzahlFälle; ++fall) {
            const Datensatz satz = m_tabelle.datei().lesen(fall);
            for (int spalte = nr(Listenspalte::Anrede); spalte < Spalten; ++spalte) {
                const QString text = ohneRandblanks(satz.text(feld(spalte)));
                m_modell.setzeText(fallzeile(fall), spalte, text);
                m_gefüllt[std::size_t(fall - 1)][std::size_t(spalte)] = text;
            }
        }
    }
    setzeAktuelleZelle(LetzteFallzeile, nr(Listenspalte::Wohnort));
}

bool Namensliste::Namensgrid_Click()
{
    if (aktuelleSpalte() != nr(Listenspalte::Fall) || !inFallzeile())
        return false;
    if (!speichern())
        return false;
    m_tabelle.stand().datensatznummer = fallAusZeile(aktuelleZeile());
    m_tabelle.datensatzholen();
    m_tabelle.atvberechnen();
    return true;
}

bool Namensliste::feldGeändert(int fall, int spalte) const
{
    return m_modell.text(fallzeile(fall), spalte) != m_gefüllt[std::size_t(fall - 1)][std::size_t(spalte)];
}

bool Namensliste::geändert() const
{
    for (int fall = 1; fall <= Falldatei::AnzahlFälle; ++fall)
        for (int spalte = nr(Listenspalte::Anrede); spalte < Spalten; ++spalte)
            if (feldGeändert(fall, spalte))
                return true;
    return false;
}

bool Namensliste::speichern()
{
    QList<std::pair<int, Datensatz>> sätze;
    bool geändert = false;
    for (int fall = 1; fall <= Falldatei::AnzahlFälle; ++fall) {
        const Datensatz gelesen = m_tabelle.datei().lesen(fall);
        Datensatz satz = gelesen;
        // Only what the user changed comes from the list; every other field keeps its bytes.
        for (int spalte = nr(Listenspalte::Anrede); spalte < Spalten; ++spalte) {
            if (feldGeändert(fall, spalte))
                satz.text(feld(spalte)) =
                    m_modell.text(fallzeile(fall), spalte).leftJustified(breite(spalte), u' ', true);
        }
        geändert = geändert || satz.alsBytes() != gelesen.alsBytes();
        sätze.append({fall, satz});
    }
    // Nothing to store: a write-protected file still lets the user switch cases.
    if (!geändert)
        return true;
    const Ergebnis gespeichert = m_tabelle.datei().schreiben(sätze);
    if (gespeichert.geändertVonAnderen) {
        // Someone else changed the cases: list and table show the file as it is now.
        m_tabelle.meldungen().fehler(gespeichert.meldung +
                                     QStringLiteral(" Die Fallliste zeigt jetzt, was in der Datei steht."));
        namensgridfüllen();
        m_tabelle.datensatzholen();
        m_tabelle.atvberechnen();
        return false;
    }
    if (!gespeichert.ok) {
        m_tabelle.meldungen().fehler(gespeichert.meldung +
                                     QStringLiteral(" Ihre Eingaben stehen weiter in der Fallliste."));
        return false;
    }
    if (!gespeichert.meldung.isEmpty())
        m_tabelle.meldungen().fehler(gespeichert.meldung);
    // What is stored now counts as filled: a second save finds nothing to do.
    for (int fall = 1; fall <= Falldatei::AnzahlFälle; ++fall)
        for (int spalte = nr(Listenspalte::Anrede); spalte < Spalten; ++spalte)
            m_gefüllt[std::size_t(fall - 1)][std::size_t(spalte)] = m_modell.text(fallzeile(fall), spalte);
    return true;
}

void Namensliste::Namensgrid_KeyPress(char16_t zeichen)
{
    if (!inFallzeile() || aktuelleSpalte() == nr(Listenspalte::Fall))
        return;
    if (zeichen == Taste::Eingabe) {
        // The list has no column after the town: Enter there leaves the current cell alone.
        if (aktuelleSpalte() < nr(Listenspalte::Wohnort))
            setzeAktuelleZelle(aktuelleZeile(), aktuelleSpalte() + 1);
        return;
    }
    if (zeichen == Taste::Rückschritt) {
        const QString text = m_modell.text(aktuelleZeile(), aktuelleSpalte());
        if (!text.isEmpty())
            m_modell.setzeText(aktuelleZeile(), aktuelleSpalte(), text.chopped(1));
        return;
    }

    const int w = breite(aktuelleSpalte());
    switch (Listenspalte(aktuelleSpalte())) {
    case Listenspalte::Tag:
        if (ziffer(zeichen))
            zifferfeld(zeichen, w, 0, 31);
        break;
    case Listenspalte::Monat:
        if (ziffer(zeichen) || buchstabe(zeichen))
            zifferfeld(zeichen, w, 0, 0);
        break;
    case Listenspalte::Jahr:
        if (ziffer(zeichen))
            // Up to the year in which a person turns 17 this year: the table calculates
            // every such birth year.
            zifferfeld(zeichen, w, 1935, Rentenbeginn::größtesGeburtsjahr(m_tabelle.laufendesJahr()));
        break;
    default: {
        // Insurance number, street and town take digits, and with them the slash ("12/3").
        const bool ziffernErlaubt = aktuelleSpalte() >= nr(Listenspalte::Versicherungsnummer);
        if (satzzeichen(zeichen) || buchstabe(zeichen) ||
            (ziffernErlaubt && (ziffer(zeichen) || zeichen == u'/')))
            textzeichen(zeichen, w);
    }
    }
}

// Blanks the user typed at the end stay as one, so that a second word can follow.
void Namensliste::textzeichen(char16_t zeichen, int breite)
{
    const QString alt = m_modell.text(aktuelleZeile(), aktuelleSpalte());
    QString text = ohneRandblanks(alt);
    if (alt.endsWith(u' '))
        text += u' ';
    if (text.size() < breite) {
        text += QChar(zeichen);
        zählerSetzen(breite - int(text.size()));
    }
    m_modell.setzeText(aktuelleZeile(), aktuelleSpalte(), text);
}

// Day, month and year. A value is checked once all its digits are in (a single day digit
// cannot exceed 31); größter 0 means the field takes any value, as the month does.
void Namensliste::zifferfeld(char16_t zeichen, int breite, int kleinster, int größter)
{
    const QString getrimmt = ohneRandblanks(m_modell.text(aktuelleZeile(), aktuelleSpalte()));
    if (getrimmt.size() >= breite)
        return;
    QString text = getrimmt + QChar(zeichen);
    if (größter > 0 && text.size() == breite) {
        const int wert = führendeZahl(text);
        if (wert < kleinster || wert > größter)
            text.clear();
    }
    m_modell.setzeText(aktuelleZeile(), aktuelleSpalte(), text);
    zählerSetzen(breite - int(text.size()));
}

void Namensliste::Namensgrid_KeyDown(int taste)
{
    if (taste == Qt::Key_Delete && inFallzeile() && aktuelleSpalte() > nr(Listenspalte::Fall))
        m_modell.setzeText(aktuelleZeile(), aktuelleSpalte(), QString());
}

void Namensliste::setzeAktuelleZelle(int zeile, int spalte)
{
    m_auswahl.setzen(std::clamp(zeile, ErsteFallzeile, Zählerzeile), std::clamp(spalte, 0, Spalten - 1));
}

QString Namensliste::alsText() const
{
    QList<QStringList> zeilen;
    QStringList kopf;
    for (int spalte = 0; spalte < Spalten; ++spalte)
        kopf.append(m_modell.headerData(spalte, Qt::Horizontal).toString());
    zeilen.append(kopf);
    for (int zeile = ErsteFallzeile; zeile <= LetzteFallzeile; ++zeile) {
        QStringList zellen;
        for (int spalte = 0; spalte < Spalten; ++spalte)
            zellen.append(m_modell.text(zeile, spalte).trimmed());
        zeilen.append(zellen);
    }
    return Tabellentext::alsZwischenablage(zeilen);
}
