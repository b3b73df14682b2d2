#include "table/rechentabelle.h"

#include "core/falldatei.h"
#include "core/meldungen.h"
#include "table/farben.h"
#include "table/tabellenaufbau.h"
#include "table/vortrag.h"

#include <QDate>
#include <QScopedValueRollback>
#include <QTimer>

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

// The three heading rows read as one, for a screen reader; the operators in words.
constexpr std::array<const char*, Rechentabelle::Spalten> Überschriften{"Jahr",
                                                                        "Alter",
                                                                        "Jahresentgelt (ATV-pflichtig)",
                                                                        "geteilt durch 12 gleich",
                                                                        "Monatliches Entgelt im Durchschnitt",
                                                                        "geteilt durch",
                                                                        "Referenzentgelt",
                                                                        "gleich",
                                                                        "Beitragswertziffer",
                                                                        "mal",
                                                                        "Altersfaktor",
                                                                        "gleich",
                                                                        "Beitragspunkte",
                                                                        "plus",
                                                                        "Elternzeitpunkte",
                                                                        "plus",
                                                                        "Bonuspunkte",
                                                                        "gleich",
                                                                        "Versorgungspunkte",
                                                                        "Gesamtpunkte bis hier",
                                                                        "mal",
                                                                        "Meßbetrag Euro",
                                                                        "gleich",
                                                                        "Rentenanspruch monatlich"};

// One stored change of the current case: its values before and after. The change has been
// made and saved when the step is recorded, so the first redo does nothing.
class Satzänderung : public QUndoCommand
{
public:
    Satzänderung(Rechentabelle& tabelle, const Datensatz& vorher, const Datensatz& nachher,
                 const QString& text)
        : QUndoCommand(text), m_tabelle(tabelle), m_vorher(vorher), m_nachher(nachher)
    {}
    void undo() override { m_tabelle.werteWiederherstellen(m_vorher); }
    void redo() override
    {
        if (!std::exchange(m_erstesMal, false))
            m_tabelle.werteWiederherstellen(m_nachher);
    }

private:
    Rechentabelle& m_tabelle;
    Datensatz m_vorher, m_nachher;
    bool m_erstesMal = true;
};

} // namespace

Rechentabelle::Rechentabelle(Arbeitsstand& stand, Falldatei& datei, Meldungen& meldungen, QObject* parent)
    : QObject(parent), m_stand(stand), m_datei(datei), m_meldungen(meldungen),
      m_modell(Kopfzeilen + 1, Spalten), m_laufendesJahr(QDate::currentDate().year())
{
    m_modell.setzeFesteBereiche(Kopfzeilen, 1);
    m_modell.setzeFarben(Farben::Grün, Farben::HellGelb, Farben::DunkelGrün);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(9.75);
    m_modell.setzeSchrift(schrift);
    Zellenmodell::Vorlesen vorlesen;
    for (const char* überschrift : Überschriften)
        vorlesen.überschriften.append(QString::fromUtf8(überschrift));
    vorlesen.ersteZeile = Jahreszeile::Erste;
    vorlesen.zeilenname = [this](int zeile) { return m_modell.text(zeile, nr(Spalte::Jahr)).trimmed(); };
    m_modell.setzeVorlesen(std::move(vorlesen));
    setzeAktuelleZelle(0, nr(Spalte::Jahr));
}

QVector<int> Rechentabelle::spaltenbreiten(int tabellenbreite)
{
    QVector<int> breiten;
    for (double anteil : Spaltenanteile)
        breiten.append(int(std::lround(anteil * tabellenbreite)));
    return breiten;
}

void Rechentabelle::datensatzholen()
{
    // Each case has a history of its own while it is shown; another case begins anew.
    if (m_verlaufFall != m_stand.datensatznummer) {
        m_verlaufFall = m_stand.datensatznummer;
        verlaufVergessen();
    }
    m_stand.übernehmen(m_datei.lesen(m_stand.datensatznummer));
    m_stand.beitragswerte = m_datei.beitragswerte();
    m_bediensteter = QStringLiteral("  ") + m_stand.datensatz.vorname.trimmed() + u' ' +
                     m_stand.datensatz.nachname.trimmed();
    emit bediensteterGesetzt(m_bediensteter);
    gridfüllen();
}

Ergebnis Rechentabelle::beratungSpeichern(const Beratungsangaben& angaben,
                                          const Krankenversicherung::Werte& werte)
{
    if (angaben == m_stand.datensatz.beratung && werte == m_datei.beitragswerte())
        return {};
    Datensatz satz = m_datei.lesen(m_stand.datensatznummer);
    satz.beratung = angaben;
    Ergebnis ergebnis = m_datei.schreiben(m_stand.datensatznummer, satz, werte);
    if (!ergebnis.ok)
        m_meldungen.fehler(ergebnis.meldung);
    // Saved or not, the case is shown as the file holds it.
    datensatzholen();
    atvberechnen();
    return ergebnis;
}

Datensatz& Rechentabelle::aktuellenSatzNeuLesen()
{
    m_stand.datensatz = m_datei.lesen(m_stand.datensatznummer);
    m_gelesen = m_stand.datensatz;
    return m_stand.datensatz;
}

Ergebnis Rechentabelle::aktuellenSatzSpeichern(const QString& änderung)
{
    Ergebnis ergebnis = m_datei.schreiben(m_stand.datensatznummer, m_stand.datensatz);
    // A save whose folder could not be synced is stored all the same, with a warning.
    if (ergebnis.ok && !ergebnis.meldung.isEmpty())
        m_meldungen.fehler(ergebnis.meldung);
    if (ergebnis.ok) {
        if (!m_verlaufWirkt && !(m_stand.datensatz == m_gelesen))
            m_verlauf.push(new Satzänderung(*this, m_gelesen, m_stand.datensatz, änderung));
        m_gelesen = m_stand.datensatz;
        return ergebnis;
    }
    verlaufVergessen();
    aktuellenSatzNeuLesen();
    m_meldungen.fehler(ergebnis.meldung);
    // Changed by someone else: the case is shown as the file holds it now.
    if (ergebnis.geändertVonAnderen) {
        datensatzholen();
        atvberechnen();
    }
    return ergebnis;
}

QString Rechentabelle::gespeicherterText(int zeile, int spalte) const
{
    if (zeile == Jahreszeile::Erste && spalte == nr(Spalte::Gesamtpunkte))
        return m_stand.startgutschrift.alsText(2);
    if (zeile <= Jahreszeile::Erste || zeile > letzteZeile())
        return m_modell.text(zeile, spalte);
    const auto i = std::size_t(Jahreszeile::index(zeile));
    switch (Spalte(spalte)) {
    case Spalte::Entgelt: return m_stand.entgelt[i].alsText(2);
    case Spalte::Elternzeit: return m_stand.elternzeit[i].alsText(2);
    case Spalte::Bonus: return m_stand.bonus[i].alsText(2);
    default: return m_modell.text(zeile, spalte);
    }
}

Ergebnis Rechentabelle::elternzeitEintragen(int zeile, const SozialeKomponente::Auswahl& wahl,
                                            Festkomma punkte)
{
    const int i = Jahreszeile::index(zeile);
    Datensatz& satz = aktuellenSatzNeuLesen();
    satz.kinder1[i] = std::int16_t(wahl.kinder1);
    satz.kinder2[i] = std::int16_t(wahl.kinder2);
    satz.monate1[i] = std::int16_t(wahl.monate1);
    satz.monate2[i] = std::int16_t(wahl.monate2);
    satz.elternzeitpunkte[i] = punkte;
    Ergebnis gespeichert =
        aktuellenSatzSpeichern(QStringLiteral("Elternzeit %1").arg(Jahreszeile::jahr(zeile)));
    if (!gespeichert.ok)
        return gespeichert;
    modell().setzeText(zeile, nr(Spalte::Elternzeit), punkte.alsText(2));
    m_stand.elternzeit[std::size_t(i)] = punkte.wieAngezeigt(2);
    atvberechnen();
    return gespeichert;
}

bool Rechentabelle::eingabezeile(int zeile) const
{
    return zeile > Jahreszeile::Erste && zeile <= letzteZeile() &&
           rechnung().versichert(Jahreszeile::index(zeile));
}

bool Rechentabelle::werteWiederherstellen(const Datensatz& werte)
{
    const QScopedValueRollback wirkt(m_verlaufWirkt, true);
    Datensatz& satz = aktuellenSatzNeuLesen();
    // The master data belong to the case list and the adviser's answers to their page: an
    // undo of a value leaves them as they are now.
    Datensatz neu = werte;
    for (int feld = 0; feld < Datensatz::AnzahlTextfelder; ++feld)
        neu.text(Datensatz::Textfeld(feld)) = satz.text(Datensatz::Textfeld(feld));
    neu.beratung = satz.beratung;
    satz = neu;
    if (!aktuellenSatzSpeichern().ok)
        return false;
    datensatzholen();
    atvberechnen();
    return true;
}

void Rechentabelle::verlaufVergessen()
{
    // Inside an undo or redo the stack cannot be cleared; it is, right after.
    if (m_verlaufWirkt)
        QTimer::singleShot(0, &m_verlauf, &QUndoStack::clear);
    else
        m_verlauf.clear();
}

Ergebnis Rechentabelle::einstellungenSpeichern(int wahl, Festkomma steigerung)
{
    Datensatz& satz = aktuellenSatzNeuLesen();
    satz.rentenbeginn = std::int16_t(Rentenbeginn::speicherform(wahl, rechengeburtsjahr(satz)));
    if (steigerung != satz.steigerung)
        Vortrag::neuVortragen(satz, steigerung, m_laufendesJahr, m_meldungen);
    satz.steigerung = steigerung;
    Ergebnis gespeichert = aktuellenSatzSpeichern(QStringLiteral("Rentenbeginn und Entgeltsteigerung"));
    datensatzholen();
    atvberechnen();
    return gespeichert;
}

Festkomma Rechentabelle::altersfaktorIn(int zeile) const
{
    const int i = Jahreszeile::index(zeile);
    return rechnung().versichert(i) ? rechnung().jahre[i - 1].altersfaktor : Festkomma();
}

void Rechentabelle::rechnen()
{
    m_stand.laufendesJahr = m_laufendesJahr;
    m_stand.rechnung = fallrechnung(m_stand.fallwerte(m_laufendesJahr), m_stand.datensatz.rentenbeginn);
}

void Rechentabelle::gridfüllen()
{
    Sammlung sammlung(m_modell);
    Zellenmodell& t = m_modell;
    t.leeren();

    if (m_stand.geburtsjahr == 0)
        m_stand.geburtsjahr = 1985;
    // The calculation uses an input as its cell shows it, with two decimals.
    for (Jahresreihe* reihe : {&m_stand.entgelt, &m_stand.elternzeit, &m_stand.bonus})
        for (Festkomma& wert : *reihe)
            wert = wert.wieAngezeigt(2);
    rechnen();
    const Fallrechnung& r = rechnung();
    // The rows run to the year of the pension start; outside the birth years the program
    // calculates, only the heading and 2001 can be shown.
    t.setzeZeilenzahl(Kopfzeilen + 1 + r.jahreszeilen());

    t.setzeText(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte), r.startgutschrift.alsText(2));
    t.setzeText(Jahreszeile::Erste, nr(Spalte::MalMeßbetrag), QStringLiteral("x"));
    t.setzeText(Jahreszeile::Erste, nr(Spalte::Meßbetrag), QStringLiteral("4,00"));
    t.setzeText(Jahreszeile::Erste, nr(Spalte::GleichRente), QStringLiteral("="));
    t.setzeText(Jahreszeile::Erste, nr(Spalte::Rente), r.startrente.alsText(2));
    t.setzeText(Jahreszeile::Erste, nr(Spalte::Jahr), QString::number(Jahreszeile::ErstesJahr));
    t.setzeAusrichtung(Jahreszeile::Erste, nr(Spalte::Jahr), Zentriert);

    for (int zeile = Jahreszeile::Erste + 1; zeile <= letzteZeile(); ++zeile)
        jahreszeileFüllen(zeile);
    tabellenkopf();

    if (!r.darstellbar)
        m_meldungen.hinweis(
            QStringLiteral("Das Geburtsjahr %1 liegt außerhalb des Bereichs von %2 bis %3, für "
                           "den die Altersfaktoren gelten. Die Tabelle zeigt nur das Jahr "
                           "2001. Bitte korrigieren Sie das Geburtsjahr in der Fallliste.")
                .arg(r.geburtsjahr)
                .arg(Rentenbeginn::KleinstesGeburtsjahr)
                .arg(Rentenbeginn::größtesGeburtsjahr(m_laufendesJahr)),
            QStringLiteral("Geburtsjahr"));
}

void Rechentabelle::jahreszeileFüllen(int zeile)
{
    Zellenmodell& t = m_modell;
    const int i = Jahreszeile::index(zeile);
    const auto k = std::size_t(i);
    const Fallrechnung::Jahr& j = rechnung().jahre[i - 1];

    t.setzeText(zeile, nr(Spalte::Jahr), QString::number(j.kalenderjahr));
    t.setzeAusrichtung(zeile, nr(Spalte::Jahr), Zentriert);
    t.setzeText(zeile, nr(Spalte::Alter), QString::number(j.alter));
    t.setzeAusrichtung(zeile, nr(Spalte::Alter), Zentriert);
    if (!j.versichert) {
        // The insurance begins with the 17th year of life. The year keeps its row, so that
        // row and year stay one everywhere, but shows no factor, takes no input and earns
        // nothing: whatever the record holds for it does not count.
        m_stand.entgelt[k] = m_stand.elternzeit[k] = m_stand.bonus[k] = Festkomma();
        if (zeile % 2 == 1)
            for (int spalte = nr(Spalte::Alter); spalte < Spalten; ++spalte)
                t.setzeHintergrund(zeile, spalte, Farben::HellGrün);
        return;
    }
    // The pay as it was entered: of the last year, the calculation may count only the months
    // before the pension starts.
    t.setzeText(zeile, nr(Spalte::Entgelt), m_stand.entgelt[k].alsText(2));
    t.setzeText(zeile, nr(Spalte::Altersfaktor), j.altersfaktor.alsText(2));
    t.setzeText(zeile, nr(Spalte::Elternzeit), j.elternzeit.alsText(2));
    t.setzeText(zeile, nr(Spalte::Bonus), j.bonus.alsText(2));
    t.setzeText(zeile, nr(Spalte::Meßbetrag), QStringLiteral("4,00"));
    // The operators and the constant reference pay of every year row.
    for (const auto& [spalte, text] : Zeichenspalten)
        t.setzeText(zeile, nr(spalte), QString::fromUtf8(text));
    t.setzeText(zeile, nr(Spalte::Referenzentgelt), QStringLiteral("1000,00"));

    // Every other year row, beginning with 2002, is light green; the input cells are white.
    if (zeile % 2 == 1) {
        for (int spalte = nr(Spalte::Alter); spalte < Spalten; ++spalte)
            t.setzeHintergrund(zeile, spalte, Farben::HellGrün);
    }
    for (Spalte spalte : {Spalte::Entgelt, Spalte::Elternzeit, Spalte::Bonus})
        t.setzeHintergrund(zeile, nr(spalte), Farben::Weiß);
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
    t.setzeHintergrund(Jahreszeile::Erste, nr(Spalte::Gesamtpunkte), Farben::Weiß);
    for (int spalte = 0; spalte < Spalten; ++spalte) {
        t.setzeSchriftgröße(0, spalte, 8);
        t.setzeText(0, spalte, QString::number(spalte + 1));
    }
}

void Rechentabelle::atvberechnen()
{
    Sammlung sammlung(m_modell);
    Zellenmodell& t = m_modell;
    rechnen();
    const Fallrechnung& r = rechnung();
    const int n = std::min(jahreszeilen(), r.jahreszeilen());

    t.setzeText(Jahreszeile::Erste, nr(Spalte::Rente), r.startrente.alsText(2));
    for (int i = 1; i <= n; ++i) {
        const Fallrechnung::Jahr& j = r.jahre[i - 1];
        if (!j.versichert)
            continue;
        const int z = Jahreszeile::Erste + i;
        t.setzeText(z, nr(Spalte::Monatsdurchschnitt), j.monatsdurchschnitt.alsText(2));
        t.setzeText(z, nr(Spalte::Wertziffer), j.wertziffer.alsText(5));
        t.setzeText(z, nr(Spalte::Beitragspunkte), j.beitragspunkte.alsText(2));
        t.setzeText(z, nr(Spalte::Versorgungspunkte), j.versorgungspunkte.alsText(2));
        t.setzeText(z, nr(Spalte::Gesamtpunkte), j.gesamtpunkte.alsText(2));
        t.setzeText(z, nr(Spalte::Rente), j.rente.alsText(2));
    }
    // The current cell stays where the user is working: a recalculation only writes cells.
    m_rentenbeschriftung = r.rentenbeschriftung;
    m_rentenkopf = r.rentenkopf;
    emit rentenbeschriftungGesetzt(m_rentenbeschriftung);
    emit rentenkopfGesetzt(m_rentenkopf);
}
