#include "ui/zvk.h"

#include "ansicht/namensgrid.h"
#include "ansicht/tabellenansicht.h"
#include "core/twips.h"
#include "table/farben.h"
#include "ui/erlaeuterungen.h"
#include "ui/platzierung.h"
#include "ui/rentenbeginnseite.h"
#include "ui/sozialpanel.h"
#include "ui/symbolbild.h"
#include "ui/zugang.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

using Platzierung::arial;
using Platzierung::platzieren;

namespace {

constexpr int Fensterbreite = 14190; // client area as designed
// The window heights of the layouts count the caption and border, which the designed
// client area of 8640 twips in a window of 9100 leaves for them.
constexpr int Rahmenhöhe = 460;
constexpr int Normalhöhe = 9100;
constexpr int Tabellenoben = 1005;
constexpr int NormaleTabellenhöhe = 7380;

template <class Label = QLabel> Label* umrandetesLabel(QWidget* eltern, const QColor& hintergrund)
{
    auto* label = new Label(eltern);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    return label;
}

int bildschirmhöheTwips(const QWidget* fenster)
{
    const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    // The available height keeps the lengthened window clear of a panel at the screen's edge.
    return schirm ? int(Twips::ausPixel(schirm->availableGeometry().height())) : Normalhöhe;
}

} // namespace

ZVK::ZVK(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_nachrichten(this), m_datei(m_ablage), m_tabelle(m_stand, m_datei, m_nachrichten),
      m_namensliste(m_tabelle), m_drucksachen(m_tabelle.modell(), m_stand, m_ablage, m_nachrichten),
      m_textbearbeitung(m_drucksachen.brieftext(), m_nachrichten, this),
      m_bildschirmhöhe([this] { return bildschirmhöheTwips(this); }),
      m_programmende([] { QCoreApplication::quit(); })
{
    setWindowTitle(QStringLiteral("Berechnung der Rente nach dem Tarifvertrag über die betriebliche "
                                  "Altersversorgung des öffentlichen Dienstes vom 1. März 2002"));
    setWindowIcon(Symbole::fenstersymbol());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Farben::HellGelb);
    setPalette(p);
    setFont(arial(14.25));
    Zugang::einrichten();
    steuerelementeAnlegen();
    befehleVerbinden();
    seitenVerbinden();
    // Esc closes the window wherever the focus is: the window looks at every key first.
    qApp->installEventFilter(this);
    // The program ends when its last window closes, the letter-text window included. Qt
    // counts a window that belongs to the main one as secondary and would end the program
    // with the main window alone, so the window decides (endeWennKeinFensterMehr).
    setAttribute(Qt::WA_QuitOnClose, false);
}

void ZVK::steuerelementeAnlegen()
{
    const QCursor zeiger = Symbole::zeiger();
    m_leiste = Werkzeugleiste::anlegen(this, zeiger);

    m_bediensteter = umrandetesLabel<Namensfeld>(this, Farben::Weiß);
    m_bediensteter->setCursor(zeiger);
    platzieren(m_bediensteter, 0, 600, 4605, 405);

    m_rentenbeschriftung = umrandetesLabel(this, Farben::Grün);
    m_rentenbeschriftung->setText(QStringLiteral("       Voraussichtliche Zuvora:"));
    platzieren(m_rentenbeschriftung, 4590, 600, 4650, 405);

    m_rentenkopf = umrandetesLabel(this, Farben::Grün);
    m_rentenkopf->setFont(arial(14.25, true));
    m_rentenkopf->setAlignment(Qt::AlignCenter);
    platzieren(m_rentenkopf, 9240, 600, 2715, 405);

    // The button lies over the label's right end, as designed.
    m_leiste.verlängern->raise();

    m_grid = new Tabellenansicht(this);
    m_grid->setzeModell(&m_tabelle.modell(), &m_tabelle.auswahl());

    m_erläuterungen = umrandetesLabel(this, Farben::HellGelb);
    m_erläuterungen->setFont(arial(11.25));
    // The lengthened table reaches over the explanation line.
    m_erläuterungen->stackUnder(m_grid);

    // The panel lies in the short table's place, clear of the explanation line in every layout.
    m_sozialpanel = new Sozialpanel(this, m_tabelle, QPoint(0, Tabellenoben));
    platzieren(m_sozialpanel, 0, Tabellenoben, Fensterbreite - 60, 3380);
    m_rentenbeginnseite = new Rentenbeginnseite(this, m_tabelle);
    platzieren(m_rentenbeginnseite, 0, Tabellenoben, Fensterbreite - 60, 3380);
    m_seiten.hinzufügen(m_grid);
    m_seiten.hinzufügen(m_sozialpanel);
    m_seiten.hinzufügen(m_rentenbeginnseite);
    gridVerbinden();

    connect(&m_tabelle, &Rechentabelle::bediensteterGesetzt, m_bediensteter, &QLabel::setText);
    connect(&m_tabelle, &Rechentabelle::rentenkopfGesetzt, m_rentenkopf, &QLabel::setText);
    connect(&m_tabelle, &Rechentabelle::rentenbeschriftungGesetzt, m_rentenbeschriftung, &QLabel::setText);

    using E = Erlaeuterungen::Element;
    const std::pair<QWidget*, E> fest[] = {
        {m_leiste.atv, E::ATV},
        {m_leiste.berechnung, E::Berechnung},
        {m_leiste.bescheid, E::Bescheid},
        {m_leiste.blatt, E::Blatt},
        {m_leiste.blattBild, E::Blatt},
        {m_leiste.hilfe, E::Hilfe},
        {m_leiste.info, E::Info},
        {m_rentenbeschriftung, E::Rentenbeschriftung},
        {m_rentenkopf, E::Rentenkopf},
        {m_leiste.schließen, E::Schließen},
        {m_leiste.verlängern, E::Verlängern},
    };
    for (const auto& [steuerelement, element] : fest) {
        m_festeErläuterungen.insert(steuerelement, element);
        // The line cuts the longer texts; the tooltip holds them in full.
        steuerelement->setToolTip(Erlaeuterungen::text(element).trimmed());
        erklärbarMachen(steuerelement);
    }
    erklärbarMachen(m_bediensteter);
    erklärbarMachen(m_grid->viewport());
    setMouseTracking(true);
    bedienungEinrichten();
    pdfBefehleEinrichten();
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
    connect(this, &ZVK::alleFensterZu, this, &ZVK::textfensterSchließen);

    // A picture does what its button does, with one exception: the one on Schließen
    // closes only this window.
    connect(l.hilfeBild, &Symbolbild::geklickt, l.hilfe, &QPushButton::click);
    connect(l.atvBild, &Symbolbild::geklickt, l.atv, &QPushButton::click);
    connect(l.infoBild, &Symbolbild::geklickt, l.info, &QPushButton::click);
    connect(l.bescheidBild, &Symbolbild::geklickt, l.bescheid, &QPushButton::click);
    connect(l.berechnungBild, &Symbolbild::geklickt, l.berechnung, &QPushButton::click);
    connect(l.blattBild, &Symbolbild::geklickt, l.blatt, &QPushButton::click);
    connect(l.schließenBild, &Symbolbild::geklickt, this, &ZVK::SchließenBild_Click);
}

// Table, case list and the input pages take turns. Whatever page takes the panel's place ends the
// panel without a transfer, so that its choice never stands beside the table or the list.
void ZVK::seitenVerbinden()
{
    for (Eingabeseite* seite : std::initializer_list<Eingabeseite*>{m_sozialpanel, m_rentenbeginnseite}) {
        connect(seite, &Eingabeseite::aufgerufen, this, [this, seite] { m_seiten.zeigen(seite); });
        connect(seite, &Eingabeseite::beendet, this, &ZVK::tabelleZeigen);
    }
    connect(&m_seiten, &Seiten::gewechselt, this, [this](QWidget*, QWidget* vorher) {
        if (vorher == m_sozialpanel)
            m_sozialpanel->schließen();
    });
}

void ZVK::gridVerbinden()
{
    // The click has made its cell current already: the grid and the table share the cell.
    connect(m_grid, &QAbstractItemView::clicked, &m_eingabe, &Tabelleneingabe::Grid_Click);
    connect(m_grid, &Tabellenansicht::zeichenGetippt, this, [this](int code) {
        char16_t taste = char16_t(code);
        m_eingabe.Grid_KeyPress(taste);
    });
    connect(m_grid, &Tabellenansicht::funktionstasteGetippt, &m_eingabe, &Tabelleneingabe::Grid_KeyDown);
    connect(&m_eingabe, &Tabelleneingabe::sozialpanelAngefordert, m_sozialpanel, &Sozialpanel::öffnen);
}

bool ZVK::Form_Load(const QString& falldateipfad)
{
    kombinationsfelderFüllen();
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
    const Falldatei::Ergebnis geöffnet = m_datei.öffnen(falldateipfad);
    if (!geöffnet.ok) {
        m_nachrichten.fehler(geöffnet.meldung);
        return false;
    }
    if (!geöffnet.meldung.isEmpty())
        m_nachrichten.hinweis(geöffnet.meldung, QStringLiteral("Zuvora"));

    // The normal layout is the window height of 9100 with the table at 1005, 7380 high, and
    // the explanation line under it at 8385. The age factors are constants: nothing to fill.
    move(0, 0);
    normalesLayout();
    m_grid->setzeSpaltenbreitenTwips(Rechentabelle::spaltenbreiten(Fensterbreite - 60));

    m_tabelle.datensatzholen();
    m_tabelle.atvberechnen();
    return true;
}

// The combo boxes belong to the social-component panel, which fills them here.
void ZVK::kombinationsfelderFüllen()
{
    m_sozialpanel->listenFüllen();
}

// --- Case list ---

bool ZVK::tabelleSichtbar() const
{
    return !m_grid->isHidden();
}

bool ZVK::listeSichtbar() const
{
    return m_namensgrid && !m_namensgrid->isHidden();
}

Namensgrid* ZVK::namensgrid()
{
    if (m_namensgrid)
        return m_namensgrid;
    // Made when first opened, the newest child: it lies above the table.
    m_namensgrid = new Namensgrid(m_namensliste, this);
    m_seiten.hinzufügen(m_namensgrid);
    connect(m_namensgrid, &Namensgrid::fallAusgesucht, this, &ZVK::tabelleZeigen);
    m_namensgrid->setzeSpaltenbreitenTwips(Namensliste::spaltenbreiten());
    m_namensgrid->setzeZeilenhöheTwips(2, Namensliste::Spaltennummernhöhe);
    m_namensgrid->setzeZeilenhöheTwips(Namensliste::Zählerzeile, Namensliste::Zählerzeilenhöhe);
    erklärbarMachen(m_namensgrid->viewport());
    fallistenZugang();
    return m_namensgrid;
}

void ZVK::Bediensteter_Click()
{
    // From the list or the panel the window has already been sized by the user.
    if (tabelleSichtbar())
        kurzesLayout();
    namensgridfüllen();
}

void ZVK::namensgridfüllen()
{
    namensgrid()->hide();
    const QRect tabelle = m_grid->geometry();
    m_namensgrid->setGeometry(0, tabelle.top(), Twips::zuPixel(Namensliste::Listenbreite), tabelle.height());
    m_namensliste.namensgridfüllen();
    m_seiten.zeigen(m_namensgrid);
    m_namensgrid->raise();
    m_namensgrid->setFocus();
}

void ZVK::tabelleZeigen()
{
    const bool fokus = (m_namensgrid && m_namensgrid->hasFocus()) ||
                       m_sozialpanel->isAncestorOf(QApplication::focusWidget());
    m_seiten.zeigen(m_grid);
    // A case chosen or a panel ended from the keyboard: typing goes on in the table.
    if (fokus)
        m_grid->setFocus();
}

// --- end case list ---

void ZVK::normalesLayout()
{
    layoutSetzen(Normalhöhe, NormaleTabellenhöhe);
    m_leiste.beschriften(m_leiste.verlängern, QStringLiteral("&Verlängern"));
}

void ZVK::kurzesLayout()
{
    layoutSetzen(5100, 3380);
    m_leiste.beschriften(m_leiste.verlängern, QStringLiteral("&Verlängern"));
}

void ZVK::langesLayout()
{
    // A screen lower than the normal window would make the "longer" table shorter than
    // before; the long layout never goes below the normal window height.
    const int fensterhöhe = std::max(m_bildschirmhöhe() - 500, Normalhöhe);
    move(x(), 0);
    layoutSetzen(fensterhöhe, fensterhöhe - 1400, false);
    m_leiste.beschriften(m_leiste.verlängern, QStringLiteral("&Verkürzen"));
}

void ZVK::layoutSetzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben)
{
    m_fensterhöhe = fensterhöheTwips;
    setFixedSize(Twips::zuPixel(Fensterbreite), Twips::zuPixel(fensterhöheTwips - Rahmenhöhe));
    platzieren(m_grid, 0, Tabellenoben, Fensterbreite - 60, tabellenhöheTwips);
    if (erläuterungenVerschieben)
        platzieren(m_erläuterungen, 0, Tabellenoben + tabellenhöheTwips, 14200, 315);
    // Row 0 holds only the column numbers: 0.8 of a year row's height.
    m_grid->setRowHeight(
        0, int(std::lround(Rechentabelle::KopfzeilenHöhe * m_grid->verticalHeader()->defaultSectionSize())));
}

void ZVK::Verlängern_Click()
{
    if (m_leiste.verlängern->text() != QStringLiteral("&Verlängern")) {
        // Whichever of table and case list is in view stays in view.
        normalesLayout();
        return;
    }
    // The list's edits are not stored: they are dropped when it is next filled. An open
    // parental-leave panel closes without a transfer as the table comes back.
    if (!tabelleSichtbar())
        tabelleZeigen();
    langesLayout();
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

bool ZVK::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        auto* w = qobject_cast<QWidget*>(objekt);
        // On an input page Esc cancels the page, not the window.
        if (w && w->window() == this && isVisible() && !Eingabeseite::enthält(w)) {
            close();
            return true;
        }
    }
    if (ereignis->type() == QEvent::Hide) {
        auto* w = qobject_cast<QWidget*>(objekt);
        // Once the closing at hand is over: Schließen closes two windows in one go.
        if (w && w->isWindow() && !m_endePrüfen) {
            m_endePrüfen = true;
            QTimer::singleShot(0, this, &ZVK::endeWennKeinFensterMehr);
        }
    }
    if (ereignis->type() == QEvent::MouseMove)
        erläuterungFürMausbewegung(objekt, static_cast<QMouseEvent*>(ereignis)->position());
    return QWidget::eventFilter(objekt, ereignis);
}

void ZVK::endeWennKeinFensterMehr()
{
    m_endePrüfen = false;
    const QWidgetList fenster = QApplication::topLevelWidgets();
    if (std::none_of(fenster.cbegin(), fenster.cend(), [](const QWidget* w) { return w->isVisible(); }))
        m_programmende();
}
