#include "zellenzeichner.h"

#include <QPainter>
#include <QtMath>

namespace
{

// Where the text's baseline begins: where the style puts an item text, so that a cell looks
// the same whichever paints it. The text is aligned within the cell less padding and margin,
// vertically on whole pixels.
QPointF textanfang(const QRect& zelle, Qt::Alignment lage, const QFontMetricsF& maß, qreal breite)
{
    const int rand = Zellenzeichner::Polster + Zellenzeichner::Textrand;
    const QRect raum = zelle.adjusted(rand, 0, -rand, 0);
    const int höhe = qCeil(maß.ascent() + maß.descent());
    const qreal oben = QStyle::alignedRect(Qt::LeftToRight, lage, QSize(raum.width(), höhe), raum).top();
    qreal links = raum.left();
    if (lage & Qt::AlignRight)
        links += raum.width() - breite;
    else if (lage & Qt::AlignHCenter)
        links += (raum.width() - breite) / 2;
    return {links, oben + maß.ascent()};
}

} // namespace

void Zellenzeichner::paint(QPainter* maler, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    // The current cell of a grid with the focus carries the style's focus frame; that one
    // cell is left to the style.
    if (option.state & QStyle::State_HasFocus) {
        QStyledItemDelegate::paint(maler, option, index);
        return;
    }
    const QPalette::ColorGroup gruppe = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
    // A selected cell shows the selection colour in place of its own background, as the
    // style paints it; the grids make that colour transparent, so the view's white shows.
    if (option.state & QStyle::State_Selected) {
        maler->fillRect(option.rect, option.palette.brush(gruppe, QPalette::Highlight));
    } else {
        const QVariant hintergrund = index.data(Qt::BackgroundRole);
        if (hintergrund.isValid())
            maler->fillRect(option.rect, qvariant_cast<QBrush>(hintergrund));
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;

    QColor farbe;
    if (option.state & QStyle::State_Selected) {
        farbe = option.palette.color(gruppe, QPalette::HighlightedText);
    } else {
        const QVariant vorne = index.data(Qt::ForegroundRole);
        farbe = vorne.isValid() ? qvariant_cast<QBrush>(vorne).color()
                                : option.palette.color(gruppe, QPalette::Text);
    }
    const QVariant schrift = index.data(Qt::FontRole);
    const QVariant ausrichtung = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment lage =
        ausrichtung.isValid() ? Qt::Alignment(ausrichtung.toInt()) : option.displayAlignment;
    const QFont zellenschrift =
        schrift.isValid() ? qvariant_cast<QFont>(schrift).resolve(option.font) : option.font;
    const QFontMetricsF maß(zellenschrift, maler->device());

    maler->save();
    // A text too wide for its room runs on to the cell's edges, not further.
    maler->setClipRect(option.rect);
    maler->setFont(zellenschrift);
    maler->setPen(farbe);
    // Only a text that does not start at the left needs its width.
    const qreal breite = (lage & (Qt::AlignRight | Qt::AlignHCenter)) ? maß.horizontalAdvance(text) : 0;
    maler->drawText(textanfang(option.rect, lage, maß, breite), text);
    maler->restore();
}
