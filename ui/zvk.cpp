#include "ui/zvk.h"

#include "ansicht/tabellenansicht.h"
#include "hilfe/hilfe.h"
#include "table/farben.h"
#include "ui/druckbefehle.h"
#include "ui/eingabeseite.h"
#include "ui/ereignisfilter.h"
#include "ui/erlaeuterungen.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/fallliste.h"
#include "ui/fenstermasse.h"
#include "ui/hilfebefehle.h"
#include "ui/kopfzeile.h"
#include "ui/namensfeld.h"
#include "ui/platzierung.h"
#include "ui/programmende.h"
#include "ui/seitenliste.h"
#include "ui/seitenwechsel.h"
#include "ui/symbolbild.h"
#include "ui/tabellenbefehle.h"
#include "ui/zugang.h"

#include <QCloseEvent>
#include <QShortcut>

using Platzierung::arial;
using Platzierung::platzieren;
using Platzierung::umrandetesLabel;

ZVK::ZVK(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_nachrichten(this), m_datei(m_ablage), m_tabelle(m_stand, m_datei, m_nachrichten),
      m_namensliste(m_tabelle), m_drucksachen(m_tabelle.modell(), m_stand, m_ablage, m_nachrichten),
      m_textbearbeitung(m_drucksachen.brieftext(), m_nachrichten, this), m_ende(new Programmende(this))
{
    setWindowTitle(QStringLiteral("Berechnung der Rente nach dem Tarifvertrag über die betriebliche "
                                  "Altersversorgung des öffentlichen Dienstes vom 1. März 2002"));
    setWindowIcon(Symbole::fenstersymbol());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Farben::HellGelb);
    // The labels and pages on the yellow: black text also where the desktop's is light.
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setFont(arial(14.25));
    Zugang::einrichten();
    steuerelementeAnlegen();
    // The printouts' commands before the pages: a page previews with the window's printer.
    seitenEinbinden(*new Druckbefehle(this, m_leiste, m_drucksachen, m_nachrichten));
    erläuterungenAnmelden();
    befehleVerbinden();
    bedienungEinrichten();
    hilfeEinrichten();
    new Tabellenbefehle(m_grid, m_tabelle, m_eingabe, m_nachrichten, m_ablage, *m_erläuterungen);
    // Esc ends the edit in progress; only without one does it close the window.
    new EscSchliesst(this, [this] { return m_eingabe.abbrechen(); });
    // The watch ends the program once no window is left (Programmende).
    setAttribute(Qt::WA_QuitOnClose, false);
}

ZVK::~ZVK() = default;

ZVK::Teile ZVK::teile()
{
    return {m_tabelle,         m_stand,       m_datei,         m_namensliste, m_eingabe,
            m_textbearbeitung, m_drucksachen, *m_hilfebefehle, *m_masse,      *m_ende};
}

void ZVK::steuerelementeAnlegen()
{
    const QCursor zeiger = Symbole::zeiger();
    m_leiste = Werkzeugleiste::anlegen(this, zeiger);

    m_kopf = Kopfzeile::anlegen(this, m_tabelle, zeiger);

    // The button lies over the label's right end, as designed.
    m_leiste.verlängern->raise();

    m_grid = new Tabellenansicht(this);
    m_grid->setObjectName(QStringLiteral("Berechnungstabelle"));
    m_grid->setzeModell(&m_tabelle.modell(), &m_tabelle.auswahl());
    m_seiten.hinzufügen(m_grid);
    m_seitenwechsel = new Seitenwechsel(m_seiten, m_grid, m_tabelle, m_eingabe,
                                        [this] { return m_fallliste && m_fallliste->hatFokus(); });

    auto* zeile = umrandetesLabel(this, "Erläuterungen", Farben::HellGelb);
    zeile->setFont(arial(11.25));
    // The lengthened table reaches over the explanation line.
    zeile->stackUnder(m_grid);
    m_erläuterungen = new Erlaeuterungszeile(zeile);
    m_masse = std::make_unique<Fenstermasse>(this, m_grid, zeile, m_leiste.verlängern);
    m_fallliste = std::make_unique<Fallliste>(this, m_namensliste, m_seiten, m_grid, *m_erläuterungen,
                                              [this] { tabelleZeigen(); });
}

void ZVK::seitenEinbinden(Druckbefehle& druckbefehle)
{
    const Seitenumgebung umgebung{this,
                                  m_tabelle,
                                  m_eingabe,
                                  *m_erläuterungen,
                                  {m_kopf.rentenbeschriftung, m_kopf.rentenkopf},
                                  m_drucksachen,
                                  druckbefehle};
    for (Eingabeseite* seite : Seitenliste::anlegen(umgebung)) {
        platzieren(seite, Fenstermasse::Seitenbereich);
        m_seitenwechsel->einbinden(seite);
    }
}

void ZVK::hilfeEinrichten()
{
    m_hilfebefehle = new Hilfebefehle(this, [this] {
        return Hilfebefehle::angaben(m_datei.pfad().isEmpty() ? QStringLiteral("atv.txt") : m_datei.pfad(),
                                     m_drucksachen.brieftext().pfad(), m_sperre.gehalten());
    });
    m_hilfebefehle->spaltenAnmelden(m_grid, &Hilfe::spalte);
    // The pages and the case list name their sections themselves.
    m_leiste.hilfezieleSetzen();
    m_kopf.hilfezieleSetzen();
    Hilfe::setzeZiel(m_erläuterungen->zeile(), QStringLiteral("ueberblick.html#erlaeuterungen"));
    Hilfe::setzeZiel(this, QStringLiteral("ueberblick.html"));
}

void ZVK::erläuterungenAnmelden()
{
    Erlaeuterungszeile& z = *m_erläuterungen;
    m_leiste.erläuterungenAnmelden(z);
    m_kopf.erläuterungenAnmelden(z, m_tabelle, m_stand, [this] { return tabelleSichtbar(); });
    z.anmelden(m_grid->viewport(), Erlaeuterungszeile::nachSpalte(m_grid, &Erlaeuterungen::rechentabelle));
    m_tabelle.modell().setzeSpaltenbeschreibungen(Erlaeuterungen::spaltenbeschreibungen(
        Rechentabelle::spaltenbreiten(Fenstermasse::Tabellenbreite), &Erlaeuterungen::rechentabelle));
    // The bare background between the controls.
    z.anmelden(this, Erlaeuterungszeile::hintergrund(Erlaeuterungen::text(Erlaeuterungen::Element::Form)),
               Erlaeuterungszeile::Tooltip::Bleibt);
}

void ZVK::befehleVerbinden()
{
    const Werkzeugleiste& l = m_leiste;
    connect(l.info, &QPushButton::clicked, this, &ZVK::Info_Click);
    connect(l.atv, &QPushButton::clicked, this, &ZVK::ATV_Click);
    connect(l.hilfe, &QPushButton::clicked, this, &ZVK::Hilfe_Click);
    connect(l.schließen, &QPushButton::clicked, this, &ZVK::Schließen_Click);
    connect(l.verlängern, &QPushButton::clicked, this, &ZVK::Verlängern_Click);
    connect(l.bescheid, &QPushButton::clicked, this, &ZVK::Bescheid_Click);
    connect(l.blatt, &QPushButton::clicked, this, &ZVK::Blatt_Click);
    connect(l.berechnung, &QPushButton::clicked, this, &ZVK::Berechnung_Click);
    connect(this, &ZVK::alleFensterZu, this, [this] { m_textbearbeitung.textSchließen(); });
    // The click has made its cell current already: the grid and the table share the cell.
    connect(m_grid, &QAbstractItemView::clicked, &m_eingabe, &Tabelleneingabe::Grid_Click);
    connect(m_grid, &Tabellenansicht::zeichenGetippt, this, [this](int code) {
        char16_t taste = char16_t(code);
        m_eingabe.Grid_KeyPress(taste);
    });
    connect(m_grid, &Tabellenansicht::funktionstasteGetippt, &m_eingabe, &Tabelleneingabe::Grid_KeyDown);

    l.bilderVerbinden();
    connect(l.schließenBild, &Symbolbild::geklickt, this, &ZVK::SchließenBild_Click);
}

// Keys, tab order, the focus frame and what screen readers hear.
void ZVK::bedienungEinrichten()
{
    const Werkzeugleiste& l = m_leiste;
    // Tab follows the window's rows from left to right: the toolbar, the name and the
    // button at the end of its row, then the table or what stands in its place.
    const QList<QWidget*> reihe{l.info,  l.atv,       l.bescheid,          l.blatt,      l.berechnung,
                                l.hilfe, l.schließen, m_kopf.bediensteter, l.verlängern, m_grid};
    for (qsizetype i = 0; i + 1 < reihe.size(); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    // The name label opens the case list on a click, with Enter or Space, and with Alt+F.
    new Klickfilter(m_kopf.bediensteter, [this] { Bediensteter_Click(); });
    connect(m_kopf.bediensteter, &Namensfeld::aktiviert, this, &ZVK::Bediensteter_Click);
    auto* liste = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this);
    connect(liste, &QShortcut::activated, this, &ZVK::Bediensteter_Click);

    Zugang::fokusrahmen(this);

    // Every text of the explanation line reaches screen readers as a description;
    // the line itself, empty until the pointer moves, would be a nameless label.
    Zugang::alsSchmuck(m_erläuterungen->zeile());
    m_grid->setAccessibleName(QStringLiteral("Berechnungstabelle"));
}

bool ZVK::Form_Load(const QString& falldateipfad)
{
    m_stand.datensatznummer = 1;
    m_namensliste.formatieren();

    // Before the case file is touched: a second copy of the program must not even create it.
    const Sperre::Ergebnis gesperrt = m_sperre.nehmen(falldateipfad);
    if (!gesperrt.ok) {
        m_nachrichten.fehler(gesperrt.meldung);
        return false;
    }
    if (!gesperrt.meldung.isEmpty())
        m_nachrichten.hinweis(gesperrt.meldung, QStringLiteral("Zuvora"));
    m_datei.setzeSperre(&m_sperre);
    m_datei.setzeMeldungen(&m_nachrichten);
    const Ergebnis geöffnet = m_datei.öffnen(falldateipfad);
    if (!geöffnet.ok) {
        m_nachrichten.fehler(geöffnet.meldung);
        return false;
    }
    if (!geöffnet.meldung.isEmpty())
        m_nachrichten.hinweis(geöffnet.meldung, QStringLiteral("Zuvora"));

    // The normal layout: the table under the toolbar, the explanation line under it. The age
    // factors are constants: nothing to fill.
    move(0, 0);
    m_masse->normal();
    m_grid->setzeSpaltenbreitenTwips(Rechentabelle::spaltenbreiten(Fenstermasse::Tabellenbreite));

    m_tabelle.datensatzholen();
    m_tabelle.atvberechnen();
    return true;
}

bool ZVK::tabelleSichtbar() const
{
    return !m_grid->isHidden();
}

void ZVK::Bediensteter_Click()
{
    // From the list or a page the window has already been sized by the user.
    if (tabelleSichtbar())
        m_masse->kurz();
    m_fallliste->füllen();
}

void ZVK::tabelleZeigen()
{
    m_seitenwechsel->tabelleZeigen();
}

void ZVK::Info_Click()
{
    m_hilfebefehle->programminfo();
}

void ZVK::ATV_Click()
{
    m_hilfebefehle->regeln();
}

void ZVK::Hilfe_Click()
{
    m_hilfebefehle->hilfe(Hilfe::Start);
}

void ZVK::Verlängern_Click()
{
    if (m_masse->langGesetzt()) {
        // Whichever of table and case list is in view stays in view.
        m_masse->normal();
        return;
    }
    // The list's edits are not stored: they are dropped when it is next filled. An open
    // page closes without taking its input over as the table comes back.
    if (!tabelleSichtbar())
        tabelleZeigen();
    m_masse->lang();
}

void ZVK::Schließen_Click()
{
    close();
    emit alleFensterZu();
}

void ZVK::SchließenBild_Click()
{
    // Only this window: an open letter-text window stays, and the program ends with it.
    close();
}

void ZVK::closeEvent(QCloseEvent* ereignis)
{
    // Nothing typed is lost by closing: a value being typed is stored as Enter would store
    // it, the case list as choosing a case would.
    m_eingabe.festschreiben();
    if (m_namensliste.geändert() && !m_namensliste.speichern() &&
        !m_nachrichten.frage(QStringLiteral("Die Eingaben der Fallliste sind nicht gespeichert. Trotzdem "
                                            "schließen?"),
                             QStringLiteral("Fallliste"))) {
        ereignis->ignore();
        return;
    }
    QWidget::closeEvent(ereignis);
}
