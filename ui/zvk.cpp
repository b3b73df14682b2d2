#include "zvk.h"

#include "farben.h"
#include "namensgrid.h"
#include "sozialpanel.h"
#include "tabellenansicht.h"
#include "twips.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>

namespace
{

constexpr int Fensterbreite = 14190; // client area as designed
// The window heights of the layouts count the caption and border, which the designed
// client area of 8640 twips in a window of 9100 leaves for them.
constexpr int Rahmenhöhe = 460;
constexpr int Normalhöhe = 9100;
constexpr int Tabellenoben = 1005;
constexpr int NormaleTabellenhöhe = 7380;

void platzieren(QWidget* w, int links, int oben, int breite, int höhe)
{
    w->setGeometry(Twips::zuPixel(links), Twips::zuPixel(oben), Twips::zuPixel(breite), Twips::zuPixel(höhe));
}

QFont arial(qreal punkte, bool fett = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

QLabel* umrandetesLabel(QWidget* eltern, const QColor& hintergrund)
{
    auto* label = new QLabel(eltern);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    return label;
}

} // namespace

ZVK::ZVK(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_nachrichten(this), m_datei(m_ablage), m_tabelle(m_stand, m_datei, m_nachrichten),
      m_namensliste(m_tabelle), m_drucksachen(m_tabelle.modell(), m_stand, m_ablage, m_nachrichten, this)
{
    setWindowTitle(QStringLiteral("Berechnung der Rente nach dem Tarifvertrag über die betriebliche "
                                  "Altersversorgung des öffentlichen Dienstes vom 1. März 2002"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Farben::HellGelb);
    setPalette(p);
    setFont(arial(14.25));
    steuerelementeAnlegen();
}

void ZVK::steuerelementeAnlegen()
{
    m_bediensteter = umrandetesLabel(this, Farben::Weiß);
    platzieren(m_bediensteter, 0, 600, 4605, 405);

    m_label1 = umrandetesLabel(this, Farben::Grün);
    m_label1->setText(QStringLiteral("       Voraussichtliche Zuvora:"));
    platzieren(m_label1, 4590, 600, 4650, 405);

    m_label2 = umrandetesLabel(this, Farben::Grün);
    m_label2->setFont(arial(14.25, true));
    m_label2->setAlignment(Qt::AlignCenter);
    platzieren(m_label2, 9240, 600, 2715, 405);

    m_grid = new Tabellenansicht(this);
    m_grid->setzeModell(&m_tabelle.modell());

    // Created after the table so that it lies above it.
    m_namensgrid = new Namensgrid(m_namensliste, this);
    m_namensgrid->hide();
    m_namensgrid->fallGewählt = [this] { tabelleZeigen(); };
    new Klickfilter(m_bediensteter, [this] { Bediensteter_Click(); });

    m_erläuterungen = umrandetesLabel(this, Farben::HellGelb);
    m_erläuterungen->setFont(arial(11.25));

    m_sozialpanel = new Sozialpanel(this, m_tabelle);
    m_sozialpanel->setzeTabelle(m_grid);
    m_sozialpanel->setzeFallliste(m_namensgrid);
    gridVerbinden();

    connect(&m_tabelle, &Rechentabelle::bediensteterGesetzt, m_bediensteter, &QLabel::setText);
    connect(&m_tabelle, &Rechentabelle::rentenkopfGesetzt, m_label2, &QLabel::setText);
}

void ZVK::gridVerbinden()
{
    // The program's current cell and the view's are one: whoever moves it, the other follows.
    connect(&m_tabelle, &Rechentabelle::aktuelleZelleGesetzt, m_grid, &Tabellenansicht::aktuelleZelleZeigen);
    connect(m_grid, &Tabellenansicht::zelleGewechselt, &m_tabelle, &Rechentabelle::setzeAktuelleZelle);
    connect(m_grid, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        m_tabelle.setzeAktuelleZelle(index.row(), index.column());
        m_eingabe.Grid_Click();
    });
    connect(m_grid, &Tabellenansicht::tasteGedrueckt, this, [this](int code) {
        char16_t taste = char16_t(code);
        m_eingabe.Grid_KeyPress(taste);
    });
    connect(&m_eingabe, &Tabelleneingabe::sozialpanelAngefordert, m_sozialpanel, &Sozialpanel::öffnen);
}

bool ZVK::Form_Load(const QString& falldateipfad)
{
    // Kombinationsfelder
    kombinationsfelderFüllen();
    m_stand.datensatznummer = 1;

    m_namensliste.formatieren();
    m_namensgrid->setzeSpaltenbreitenTwips(Namensliste::spaltenbreiten());
    m_namensgrid->setzeZeilenhöheTwips(2, Namensliste::Spaltennummernhöhe);
    m_namensgrid->setzeZeilenhöheTwips(Namensliste::Zählerzeile, Namensliste::Zählerzeilenhöhe);
    m_namensgrid->hide();

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
    return !m_namensgrid->isHidden();
}

void ZVK::Bediensteter_Click()
{
    // From the list or the panel the window has already been sized by the user.
    if (tabelleSichtbar())
        kurzesLayout();
    namensgridfüllen();
    m_grid->hide();
}

void ZVK::namensgridfüllen()
{
    m_namensgrid->hide();
    const QRect tabelle = m_grid->geometry();
    m_namensgrid->setGeometry(0, tabelle.top(), Twips::zuPixel(Namensliste::Listenbreite), tabelle.height());
    m_namensliste.namensgridfüllen();
    m_namensgrid->show();
    m_namensgrid->raise();
    m_namensgrid->setFocus();
}

void ZVK::tabelleZeigen()
{
    m_namensgrid->hide();
    m_grid->show();
}

// --- end case list ---

void ZVK::normalesLayout()
{
    layoutSetzen(Normalhöhe, NormaleTabellenhöhe);
}

void ZVK::kurzesLayout()
{
    layoutSetzen(5100, 3380);
}

void ZVK::layoutSetzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben)
{
    setFixedSize(Twips::zuPixel(Fensterbreite), Twips::zuPixel(fensterhöheTwips - Rahmenhöhe));
    platzieren(m_grid, 0, Tabellenoben, Fensterbreite - 60, tabellenhöheTwips);
    if (erläuterungenVerschieben)
        platzieren(m_erläuterungen, 0, Tabellenoben + tabellenhöheTwips, 14200, 315);
    // Row 0 holds only the column numbers: 0.8 of a year row's height.
    m_grid->setRowHeight(
        0, int(std::lround(Rechentabelle::KopfzeilenHöhe * m_grid->verticalHeader()->defaultSectionSize())));
}
