#include "ui/fallliste.h"

#include "ansicht/namensgrid.h"
#include "cases/namensliste.h"
#include "core/twips.h"
#include "hilfe/hilfe.h"
#include "ui/erlaeuterungen.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/seitenstapel.h"
#include "ui/tabellenbefehle.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

Fallliste::Fallliste(QWidget* fenster, Namensliste& liste, Seitenstapel& seiten, Tabellenansicht* tabelle,
                     Erlaeuterungszeile& erläuterungen, std::function<void()> gewählt)
    : m_fenster(fenster), m_liste(liste), m_seiten(seiten), m_tabelle(tabelle),
      m_erläuterungen(erläuterungen), m_gewählt(std::move(gewählt))
{}

bool Fallliste::hatFokus() const
{
    return m_ansicht && m_ansicht->hasFocus();
}

Namensgrid* Fallliste::anlegen()
{
    // The newest child of the window: it lies above the table.
    m_ansicht = new Namensgrid(m_liste, m_fenster);
    m_ansicht->setObjectName(QStringLiteral("Fallliste"));
    m_seiten.hinzufügen(m_ansicht);
    QObject::connect(m_ansicht, &Namensgrid::fallAusgesucht, m_fenster, [this] { m_gewählt(); });
    m_ansicht->setzeSpaltenbreitenTwips(Namensliste::spaltenbreiten());
    m_ansicht->setzeZeilenhöheTwips(2, Namensliste::Spaltennummernhöhe);
    m_ansicht->setzeZeilenhöheTwips(Namensliste::Zählerzeile, Namensliste::Zählerzeilenhöhe);
    m_erläuterungen.anmelden(m_ansicht->viewport(),
                             Erlaeuterungszeile::nachSpalte(m_ansicht, &Erlaeuterungen::namensgrid));
    QWidget::setTabOrder(m_tabelle, m_ansicht);
    m_ansicht->setAccessibleName(QStringLiteral("Fallliste"));
    Hilfe::setzeZiel(m_ansicht, QStringLiteral("faelle.html#felder"));
    auto* kopieren =
        Tabellenbefehle::befehl(m_ansicht, m_erläuterungen, QStringLiteral("Kopieren"), {QKeySequence::Copy},
                                QStringLiteral("Strg+C kopiert die Fallliste für eine Tabellenkalkulation."));
    QObject::connect(kopieren, &QAction::triggered, m_ansicht,
                     [this] { QApplication::clipboard()->setText(m_liste.alsText()); });
    m_liste.modell().setzeSpaltenbeschreibungen(
        Erlaeuterungen::spaltenbeschreibungen(Namensliste::spaltenbreiten(), &Erlaeuterungen::namensgrid));
    return m_ansicht;
}

void Fallliste::füllen()
{
    Namensgrid* ansicht = m_ansicht ? m_ansicht : anlegen();
    ansicht->hide();
    const QRect tabelle = m_tabelle->geometry();
    ansicht->setGeometry(0, tabelle.top(), Twips::zuPixel(Namensliste::Listenbreite), tabelle.height());
    m_liste.namensgridfüllen();
    m_seiten.zeigen(ansicht);
    ansicht->raise();
    ansicht->setFocus();
}
