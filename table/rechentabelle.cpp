#include "table/rechentabelle.h"

#include "core/falldatei.h"
#include "core/meldungen.h"
#include "core/rentenberechnung.h"
#include "table/farben.h"

namespace {

constexpr Qt::Alignment Zentriert = Qt::AlignHCenter | Qt::AlignTop;

// The three heading rows, column by column; a single blank stands where a row is blank.
constexpr std::array<const char*, Rechentabelle::Spalten> Kopf1{
    "Jahr",      "Alter", "Jahres-", "/12 =",   "Monatliches", "/",    "Referenz-", "= ",
    "Beitrags-", "x",     "Alters-", "=",       "Bei-",        "+",    "Eltern-",   "+",
    "Bonus- ",   "=",     "Versor-", "Gesamt-", "x",           "Meß-", "=",         "Renten"};
constexpr std::array<const char*, Rechentabelle::Spalten> Kopf2{
    " ",      " ", "entgelt", " ",      "Entgelt im", " ",      "entgelt", " ",
    "wert-",  " ", "faktor",  " ",      "trags-",     " ",      "zeit-",   " ",
    "punkte", " ", "gungs",   "punkte", " ",          "betrag", " ",       "anspruch"};
constexpr std::array<const char*, Rechentabelle::Spalten> Kopf3{" ",
                                                                " ",
                                                                "(ATV-pflichtig) ",
                                                                " ",
                                                                "Durchschnitt",
                                                                " ",
                                                                " ",
                                                                " ",
                                                                "ziffer",
                                                                " ",
                                                                " ",
                                                                " ",
                                                                "punkte",
                                                                " ",
                                                                "punkte",
                                                                " ",
                                                                " ",
                                                                " ",
                                                                "punkte ",
                                                                "bis hier",
                                                                " ",
                                                                "Euro ",
                                                                " ",
                                                                "monatlich "};

// Operator and constant columns of every year row.
constexpr std::array<std::pair<int, const char*>, 11> Festtexte{{{3, "/12 ="},
                                                                 {5, "/"},
                                                                 {6, "1000,00"},
                                                                 {7, "="},
                                                                 {9, "x"},
                                                                 {11, "="},
                                                                 {13, "+"},
                                                                 {15, "+"},
                                                                 {17, "="},
                                                                 {20, "x"},
                                                                 {22, "="}}};

} // namespace

Rechentabelle::Rechentabelle(Arbeitsstand& stand, Falldatei& datei, Meldungen& meldungen, QObject* parent)
    : QObject(parent), m_stand(stand), m_datei(datei), m_meldungen(meldungen),
      m_modell(Kopfzeilen + 1, Spalten)
{
    m_modell.setzeFesteBereiche(Kopfzeilen, 1);
    m_modell.setzeFarben(Farben::Grün, Farben::HellGelb, Farben::DunkelGrün);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(9.75);
    m_modell.setzeSchrift(schrift);
}

QVector<int> Rechentabelle::spaltenbreiten(int tabellenbreite)
{
    QVector<int> breiten;
    for (double anteil : Spaltenanteile)
        breiten.append(int(std::lround(anteil * tabellenbreite)));
    return breiten;
}

void Rechentabelle::setzeAktuelleZelle(int zeile, int spalte)
{
    m_zeile = zeile;
    m_spalte = spalte;
    emit aktuelleZelleGesetzt(zeile, spalte);
}

void Rechentabelle::datensatzholen()
{
    m_stand.übernehmen(m_datei.lesen(m_stand.datensatznummer));
    m_bediensteter = QStringLiteral("  ") + m_stand.datensatz.vorname.trimmed() + u' ' +
                     m_stand.datensatz.nachname.trimmed();
    emit bediensteterGesetzt(m_bediensteter);
    gridfüllen();
}

Datensatz& Rechentabelle::aktuellenSatzNeuLesen()
{
    m_stand.datensatz = m_datei.lesen(m_stand.datensatznummer);
    return m_stand.datensatz;
}

bool Rechentabelle::aktuellenSatzSpeichern()
{
    const Falldatei::Ergebnis ergebnis = m_datei.schreiben(m_stand.datensatznummer, m_stand.datensatz);
    if (ergebnis.ok)
        return true;
    aktuellenSatzNeuLesen();
    m_meldungen.fehler(ergebnis.meldung);
    return false;
}

void Rechentabelle::gridfüllen()
{
    Sammlung sammlung(m_modell);
    Zellenmodell& t = m_modell;
    t.leeren();
    const Festkomma start = m_stand.gesamtpunkte[0];

    if (m_stand.geburtsjahr == 0)
        m_stand.geburtsjahr = 1985;
    const int jahr = m_stand.geburtsjahr;
    const bool darstellbar = jahr >= KleinstesGeburtsjahr && jahr <= GrößtesGeburtsjahr;
    // Outside the birth years the age factors cover, only the heading and 2001 can be shown.
    t.setzeZeilenzahl(darstellbar ? jahr - 1931 : Startzeile + 1);

    t.setzeText(Startzeile, 19, start.alsText(2));
    t.setzeText(Startzeile, 20, QStringLiteral("x"));
    t.setzeText(Startzeile, 21, QStringLiteral("4.00"));
    t.setzeText(Startzeile, 22, QStringLiteral("="));
    m_stand.rente[0] = start.mal(Rentenberechnung::Meßbetrag);
    t.setzeText(Startzeile, 23, m_stand.rente[0].alsText(2));
    t.setzeText(Startzeile, 0, QStringLiteral("2001"));
    t.setzeAusrichtung(Startzeile, 0, Zentriert);

    for (int zeile = Startzeile + 1; zeile <= letzteZeile(); ++zeile)
        jahreszeileFüllen(zeile);
    tabellenkopf();

    if (!darstellbar)
        m_meldungen.hinweis(
            QStringLiteral("Das Geburtsjahr %1 liegt außerhalb des Bereichs von %2 bis %3, für "
                           "den die Altersfaktoren gelten. Die Tabelle zeigt nur das Jahr "
                           "2001. Bitte korrigieren Sie das Geburtsjahr in der Fallliste.")
                .arg(jahr)
                .arg(KleinstesGeburtsjahr)
                .arg(GrößtesGeburtsjahr),
            QStringLiteral("Geburtsjahr"));
}

void Rechentabelle::jahreszeileFüllen(int zeile)
{
    Zellenmodell& t = m_modell;
    const std::size_t i = std::size_t(zeile - Startzeile);
    const int kalenderjahr = zeile + 1997;
    const int alter = kalenderjahr - m_stand.geburtsjahr;

    t.setzeText(zeile, 0, QString::number(kalenderjahr));
    t.setzeAusrichtung(zeile, 0, Zentriert);
    t.setzeText(zeile, 1, QString::number(alter));
    t.setzeAusrichtung(zeile, 1, Zentriert);
    t.setzeText(zeile, 2, m_stand.entgelt[i].alsText(2));
    t.setzeText(zeile, 10, Festkomma::ausRoh(altersfaktor(alter) * (Festkomma::Skala / 10)).alsText(2));
    t.setzeText(zeile, 14, m_stand.elternzeit[i].alsText(2));
    t.setzeText(zeile, 16, m_stand.bonus[i].alsText(2));
    t.setzeText(zeile, 21, QStringLiteral("4,00"));
    for (const auto& [spalte, text] : Festtexte)
        t.setzeText(zeile, spalte, QString::fromUtf8(text));

    // Every other year row, beginning with 2002, is light green; the input cells are white.
    if (zeile % 2 == 1) {
        for (int spalte = 1; spalte < Spalten; ++spalte)
            t.setzeHintergrund(zeile, spalte, Farben::HellGrün);
    }
    for (int spalte : {2, 14, 16})
        t.setzeHintergrund(zeile, spalte, Farben::Weiß);
}

void Rechentabelle::tabellenkopf()
{
    Zellenmodell& t = m_modell;
    for (int spalte = 0; spalte < Spalten; ++spalte) {
        for (int zeile = 0; zeile < Kopfzeilen; ++zeile)
            t.setzeAusrichtung(zeile, spalte, Zentriert);
        t.setzeText(1, spalte, QString::fromUtf8(Kopf1[std::size_t(spalte)]));
        t.setzeText(2, spalte, QString::fromUtf8(Kopf2[std::size_t(spalte)]));
        t.setzeText(3, spalte, QString::fromUtf8(Kopf3[std::size_t(spalte)]));
    }
    t.setzeHintergrund(Startzeile, 19, Farben::Weiß);
    for (int spalte = 0; spalte < Spalten; ++spalte) {
        t.setzeSchriftgröße(0, spalte, 8);
        t.setzeText(0, spalte, QString::number(spalte + 1));
    }
}

void Rechentabelle::atvberechnen()
{
    Sammlung sammlung(m_modell);
    Zellenmodell& t = m_modell;
    const int n = std::min<int>(jahreszeilen(), int(m_stand.rente.size()) - 1);

    // The whole table is read before any cell is written.
    QList<Rentenberechnung::Eingabe> eingaben;
    eingaben.reserve(n);
    for (int i = 1; i <= n; ++i) {
        const int r = Startzeile + i;
        eingaben.append({Festkomma::ausText(t.text(r, 2)), Festkomma::ausText(t.text(r, 10)),
                         Festkomma::ausText(t.text(r, 14)), Festkomma::ausText(t.text(r, 16))});
    }
    const QList<Rentenberechnung::Jahr> jahre =
        Rentenberechnung::berechnen(m_stand.gesamtpunkte[0], eingaben);

    for (int i = 1; i <= n; ++i) {
        const auto k = std::size_t(i);
        const Rentenberechnung::Jahr& j = jahre[i - 1];
        m_stand.monatsdurchschnitt[k] = j.monatsdurchschnitt;
        m_stand.wertziffer[k] = j.wertziffer;
        m_stand.beitragspunkte[k] = j.beitragspunkte;
        m_stand.elternzeit[k] = eingaben[i - 1].elternzeit;
        m_stand.bonus[k] = eingaben[i - 1].bonus;
        m_stand.versorgungspunkte[k] = j.versorgungspunkte;
        m_stand.gesamtpunkte[k] = j.gesamtpunkte;
        m_stand.rente[k] = j.rente;

        const int r = Startzeile + i;
        t.setzeText(r, 4, j.monatsdurchschnitt.alsText(2));
        t.setzeText(r, 8, j.wertziffer.alsText(5));
        t.setzeText(r, 12, j.beitragspunkte.alsText(2));
        t.setzeText(r, 18, j.versorgungspunkte.alsText(2));
        t.setzeText(r, 19, j.gesamtpunkte.alsText(2));
        t.setzeText(r, 23, j.rente.alsText(2));
    }
    setzeAktuelleZelle(Startzeile + n, 23);
    m_rentenkopf = aktuellerText() + QStringLiteral(" €");
    emit rentenkopfGesetzt(m_rentenkopf);
}
