// Random sequences of clicks and keys into the calculation table, the case list and the
// parental-leave panel of the real main window (offscreen). After every step the case file
// is 12,271 bytes, reads back without complaint, equals what the program holds in memory,
// and only the cases and fields that step may change have changed.
#include "cases/namensliste.h"
#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "fuzzhilfe.h"
#include "hilfen/prueffenster.h"
#include "table/tabelleneingabe.h"
#include "ui/nachrichten.h"
#include "ui/seiten/sozialpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bitset>
#include <cstdint>
#include <vector>

namespace {

QTemporaryDir* ordner = nullptr;

// The parts of a record each view may change.
struct Bereich {
    int von, bis;
};
constexpr Bereich Texte[] = {{0, 145}};
constexpr Bereich Tabellenfelder[] = {{145, 553}, {953, 1353}};
constexpr Bereich Panelfelder[] = {{553, 953}, {1353, 1753}};

constexpr char16_t Tabellentasten[] = {u'0', u'1', u'2', u'5', u'9', u',', u'.',
                                       u'-', u'a', u' ', 13,   8,    27,   u'ä'};
constexpr char16_t Listentasten[] = {u'A', u'z', u'ß', u'é', u'1', u'9',     u'0',
                                     u' ', u'-', 13,   8,    u'€', u'\u0101'};

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Lauf
{
public:
    // Steps come from the front of the input, answers to message boxes from its back.
    Lauf(const std::uint8_t* daten, std::size_t größe) : m_daten(daten), m_ende(größe) {}

    std::uint8_t byte() { return m_pos < m_ende ? m_daten[m_pos++] : 0; }
    bool übrig() const { return m_pos < m_ende; }

    // Keeps four answers ready: a box that finds none would stop the run.
    void antwortenBereithalten()
    {
        while (m_vorbereitet - Nachrichten::gezeigte().size() < 4) {
            const bool ja = m_ende > m_pos && m_daten[--m_ende] % 2;
            Nachrichten::setzeNächsteAntwort(ja ? QMessageBox::Yes : QMessageBox::No);
            ++m_vorbereitet;
        }
    }

private:
    const std::uint8_t* m_daten;
    std::size_t m_pos = 0;
    std::size_t m_ende;
    qsizetype m_vorbereitet = 0;
};

void prüfeDatei(Prueffenster& fenster, const QString& pfad, const QByteArray& vorher,
                const std::bitset<8>& fälle, const std::vector<Bereich>& bereiche)
{
    const QByteArray jetzt = lies(pfad);
    PRÜFEN(jetzt.size() == Falldatei::Solllänge);
    PRÜFEN(jetzt == fenster.falldatei().abbild());
    for (int n = 1; n <= Falldatei::AnzahlFälle; ++n) {
        const qsizetype anfang = qsizetype(n - 1) * Datensatz::Länge;
        if (!fälle[std::size_t(n)]) {
            PRÜFEN(jetzt.mid(anfang, Datensatz::Länge) == vorher.mid(anfang, Datensatz::Länge));
            continue;
        }
        // Within a case that may change, only the view's own fields do.
        for (int b = 0; b < Datensatz::Länge; ++b) {
            bool erlaubt = false;
            for (const Bereich& r : bereiche)
                erlaubt = erlaubt || (b >= r.von && b < r.bis);
            if (!erlaubt)
                PRÜFEN(jetzt[anfang + b] == vorher[anfang + b]);
        }
    }
    Dateiablage ablage;
    Falldatei neu(ablage);
    const Ergebnis e = neu.öffnen(pfad);
    PRÜFEN(e.ok && e.meldung.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    ordner = new QTemporaryDir;
    Nachrichten::nurVorbereiteteAntworten(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe)
{
    const QString pfad = ordner->filePath(QStringLiteral("atv.txt"));
    Lauf lauf(daten, größe);
    Nachrichten::gezeigte().clear();
    {
        Prueffenster fenster;
        lauf.antwortenBereithalten();
        PRÜFEN(fenster.Form_Load(pfad));
        Rechentabelle& tabelle = fenster.rechentabelle();
        Namensliste& liste = fenster.namensliste();
        Sozialpanel& panel = *fenster.sozialpanel();
        std::bitset<8> getippt; // cases whose row of the list has been typed in since it was filled

        for (int schritt = 0; schritt < 200 && lauf.übrig(); ++schritt) {
            lauf.antwortenBereithalten();
            const QByteArray vorher = lies(pfad);
            const int fall = tabelle.stand().datensatznummer;
            std::bitset<8> dürfen;
            std::vector<Bereich> bereiche;
            const std::uint8_t art = lauf.byte(), a = lauf.byte(), b = lauf.byte();

            if (panel.offen()) {
                if (art % 3 == 0) {
                    const char* boxen[] = {"Kinderanzahl1", "Monateanzahl1", "Kinderanzahl2",
                                           "Monateanzahl2"};
                    auto* box = panel.findChild<QComboBox*>(QString::fromLatin1(boxen[a % 4]));
                    box->setCurrentIndex(b % box->count());
                } else if (art % 3 == 1) {
                    panel.Übertragen_Click();
                    dürfen.set(std::size_t(fall));
                    bereiche = {Panelfelder[0], Panelfelder[1]};
                } else {
                    panel.Abbrechen_Click();
                }
            } else if (fenster.listeSichtbar()) {
                const int zeile = liste.aktuelleZeile();
                switch (art % 5) {
                case 0: liste.setzeAktuelleZelle(a % Namensliste::Zeilen, b % Namensliste::Spalten); break;
                case 1:
                case 2:
                    liste.Namensgrid_KeyPress(Listentasten[a % std::size(Listentasten)]);
                    if (zeile >= Namensliste::ErsteFallzeile && zeile <= Namensliste::LetzteFallzeile)
                        getippt.set(std::size_t(zeile - 2));
                    break;
                case 3:
                    liste.Namensgrid_KeyDown(Qt::Key_Delete);
                    if (zeile >= Namensliste::ErsteFallzeile && zeile <= Namensliste::LetzteFallzeile)
                        getippt.set(std::size_t(zeile - 2));
                    break;
                case 4:
                    if (b % 4 == 0) {
                        fenster.tabelleZeigen();
                        break;
                    }
                    liste.setzeAktuelleZelle(Namensliste::ErsteFallzeile + a % 7, nr(Listenspalte::Fall));
                    dürfen = getippt;
                    bereiche = {Texte[0]};
                    if (liste.Namensgrid_Click())
                        fenster.tabelleZeigen();
                    break;
                }
            } else {
                switch (art % 4) {
                case 0:
                    tabelle.setzeAktuelleZelle(a % tabelle.modell().rowCount(), b % Rechentabelle::Spalten);
                    fenster.eingabe().Grid_Click();
                    break;
                case 1:
                case 2: {
                    char16_t taste = Tabellentasten[a % std::size(Tabellentasten)];
                    fenster.eingabe().Grid_KeyPress(taste);
                    dürfen.set(std::size_t(fall));
                    bereiche = {Tabellenfelder[0], Tabellenfelder[1]};
                    break;
                }
                case 3:
                    fenster.Bediensteter_Click();
                    getippt.reset();
                    break;
                }
            }
            prüfeDatei(fenster, pfad, vorher, dürfen, bereiche);
            PRÜFEN(tabelle.rentenkopf().endsWith(QStringLiteral(" €")));
        }
    }
    for (const QString& name : QDir(ordner->path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(ordner->filePath(name));
    return 0;
}
