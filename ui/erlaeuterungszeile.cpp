#include "ui/erlaeuterungszeile.h"

#include "core/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStatusTipEvent>

Erlaeuterungszeile::Erlaeuterungszeile(QLabel* zeile) : QObject(zeile), m_zeile(zeile) {}

void Erlaeuterungszeile::zeigen(const QString& text)
{
    m_zeile->setText(text);
}

void Erlaeuterungszeile::anmelden(QWidget* steuerelement, const QString& text)
{
    steuerelement->setToolTip(text.trimmed());
    steuerelement->setAccessibleDescription(text.trimmed());
    anmelden(
        steuerelement, [text](const QWidget*, QPointF) { return text; }, Tooltip::Bleibt);
}

void Erlaeuterungszeile::anmelden(QWidget* steuerelement, Quelle quelle, Tooltip tooltip)
{
    m_einträge.insert(steuerelement, {std::move(quelle), tooltip});
    steuerelement->setMouseTracking(true);
    steuerelement->installEventFilter(this);
    connect(steuerelement, &QObject::destroyed, this, [this](QObject* weg) { m_einträge.remove(weg); });
}

bool Erlaeuterungszeile::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // The highlighted entry of a control's context menu explains itself: the entry tells its
    // control, whose own text leaves no room for more keys.
    if (ereignis->type() == QEvent::StatusTip) {
        const QString tipp = static_cast<QStatusTipEvent*>(ereignis)->tip();
        if (m_einträge.contains(objekt) && !tipp.isEmpty())
            zeigen(tipp);
        return false;
    }
    if (ereignis->type() != QEvent::MouseMove)
        return false;
    const auto eintrag = m_einträge.constFind(objekt);
    if (eintrag == m_einträge.cend())
        return false;
    auto* w = static_cast<QWidget*>(objekt);
    if (const std::optional<QString> text =
            eintrag->quelle(w, static_cast<QMouseEvent*>(ereignis)->position())) {
        zeigen(*text);
        if (eintrag->tooltip == Tooltip::Folgt)
            w->setToolTip(text->trimmed());
    }
    return false;
}

Erlaeuterungszeile::Quelle Erlaeuterungszeile::hintergrund(const QString& text)
{
    return [text](const QWidget* w, QPointF position) -> std::optional<QString> {
        if (w->childAt(position.toPoint()))
            return std::nullopt;
        return text;
    };
}

Erlaeuterungszeile::Quelle Erlaeuterungszeile::nachSpalte(const QWidget* grid,
                                                          std::optional<QString> (*text)(double xTwips))
{
    return [grid, text](const QWidget* w, QPointF position) {
        return text(Twips::ausPixel(position.x() + (w == grid ? 0 : w->mapTo(grid, QPoint(0, 0)).x())));
    };
}
