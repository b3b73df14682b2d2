#include "ui/fenstermasse.h"

#include "ansicht/tabellenansicht.h"
#include "core/twips.h"
#include "table/rechentabelle.h"
#include "ui/platzierung.h"
#include "ui/werkzeugleiste.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <cmath>

using Platzierung::platzieren;

namespace {

int bildschirmhöheTwips(const QWidget* fenster)
{
    const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    // The available height keeps the lengthened window clear of a panel at the screen's edge.
    return schirm ? int(Twips::ausPixel(schirm->availableGeometry().height())) : Fenstermasse::Normalhöhe;
}

} // namespace

Fenstermasse::Fenstermasse(QWidget* fenster, Tabellenansicht* tabelle, QLabel* erläuterungen,
                           QPushButton* verlängern)
    : m_fenster(fenster), m_tabelle(tabelle), m_erläuterungen(erläuterungen), m_verlängern(verlängern),
      m_bildschirmhöhe([fenster] { return bildschirmhöheTwips(fenster); })
{}

void Fenstermasse::normal()
{
    setzen(Normalhöhe, NormaleTabellenhöhe);
    verlängernBeschriften(false);
}

void Fenstermasse::kurz()
{
    setzen(Kurzhöhe, KurzeTabellenhöhe);
    verlängernBeschriften(false);
}

void Fenstermasse::lang()
{
    // A screen lower than the normal window would make the "longer" table shorter than
    // before; the long layout never goes below the normal window height.
    const int fensterhöhe = std::max(m_bildschirmhöhe() - LangerRand, Normalhöhe);
    m_fenster->move(m_fenster->x(), 0);
    setzen(fensterhöhe, fensterhöhe - LangerRahmen, false);
    verlängernBeschriften(true);
}

bool Fenstermasse::langGesetzt() const
{
    return m_verlängern->text() != QStringLiteral("&Verlängern");
}

void Fenstermasse::verlängernBeschriften(bool lang)
{
    Werkzeugleiste::beschriften(m_verlängern,
                                lang ? QStringLiteral("&Verkürzen") : QStringLiteral("&Verlängern"));
}

void Fenstermasse::setzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben)
{
    m_fensterhöhe = fensterhöheTwips;
    m_fenster->setFixedSize(Twips::zuPixel(Fensterbreite), Twips::zuPixel(fensterhöheTwips - Rahmenhöhe));
    platzieren(m_tabelle, 0, Tabellenoben, Tabellenbreite, tabellenhöheTwips);
    if (erläuterungenVerschieben)
        platzieren(m_erläuterungen, 0, Tabellenoben + tabellenhöheTwips, Erläuterungsbreite,
                   Erläuterungshöhe);
    // Row 0 holds only the column numbers: 0.8 of a year row's height.
    m_tabelle->setRowHeight(0, int(std::lround(Rechentabelle::KopfzeilenHöhe *
                                               m_tabelle->verticalHeader()->defaultSectionSize())));
}
