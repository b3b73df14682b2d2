// The explanation line: what the control under the pointer does, shown as the pointer
// moves; the grids explain the column under it.
#include "ansicht/namensgrid.h"
#include "ansicht/tabellenansicht.h"
#include "core/twips.h"
#include "ui/erlaeuterungen.h"
#include "ui/sozialpanel.h"
#include "ui/zvk.h"

#include <QMouseEvent>

void ZVK::erklärbarMachen(QWidget* steuerelement)
{
    steuerelement->setMouseTracking(true);
    steuerelement->installEventFilter(this);
}

void ZVK::erläutern(const QString& text)
{
    m_erläuterungen->setText(text);
}

bool ZVK::erläuterungFürMausbewegung(QObject* objekt, const QPointF& position)
{
    if (const auto fest = m_festeErläuterungen.constFind(objekt); fest != m_festeErläuterungen.cend()) {
        QString text = Erlaeuterungen::text(*fest);
        // The headline's explanation names the age the case's table runs to.
        if (*fest == Erlaeuterungen::Element::Rentenkopf && !m_stand.rechnung.beginn.wieBisher())
            text.replace(QStringLiteral("bis zum 65. Lebensjahr"),
                         Rentenbeginn::bisText(m_stand.rechnung.beginn.alter));
        erläutern(text);
        return true;
    }
    if (objekt == m_bediensteter) {
        erläutern(Erlaeuterungen::bediensteter(tabelleSichtbar()));
        m_bediensteter->setToolTip(Erlaeuterungen::bediensteter(tabelleSichtbar()).trimmed());
        return true;
    }
    // Over a grid only the pointer's distance from the grid's left edge counts.
    const auto abstandLinks = [&](QWidget* grid) {
        const auto* w = static_cast<QWidget*>(objekt);
        return Twips::ausPixel(position.x() + (w == grid ? 0 : w->mapTo(grid, QPoint(0, 0)).x()));
    };
    std::optional<QString> text;
    if (objekt == m_grid->viewport())
        text = Erlaeuterungen::rechentabelle(abstandLinks(m_grid));
    else if (m_namensgrid && objekt == m_namensgrid->viewport())
        text = Erlaeuterungen::namensgrid(abstandLinks(m_namensgrid));
    else
        return false;
    if (text) {
        erläutern(*text);
        static_cast<QWidget*>(objekt)->setToolTip(text->trimmed());
    }
    return true;
}

void ZVK::mouseMoveEvent(QMouseEvent* ereignis)
{
    // Moves over controls without an explanation of their own arrive here as well; only
    // the bare background, and the panel's page around its controls, have one.
    const QWidget* darunter = childAt(ereignis->position().toPoint());
    if (!darunter || darunter == m_sozialpanel)
        erläutern(Erlaeuterungen::text(Erlaeuterungen::Element::Form));
    QWidget::mouseMoveEvent(ereignis);
}
