#include "ui/zellenzeichner.h"

#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace {

// Lays the text out and draws it where the style puts an item text, so that a cell looks the
// same whichever paints it: on one line as wide as the cell less the margin, aligned
// on it, and vertically on whole pixels of the line's rounded-up height.
void textZeichnen(QPainter* maler, const QRect& zelle, Qt::Alignment lage, const QFont& schrift,
                  const QString& text)
{
    const int rand = Zellenzeichner::Textrand;
    const QRect raum = zelle.adjusted(rand, 0, -rand, 0);
    QTextOption umbruch(lage);
    umbruch.setWrapMode(QTextOption::ManualWrap);
    QTextLayout satz(text, schrift, maler->device());
    satz.setTextOption(umbruch);
    satz.beginLayout();
    QTextLine zeile = satz.createLine();
    zeile.setLineWidth(raum.width());
    satz.endLayout();
    const int höhe = qCeil(zeile.height());
    const int oben = QStyle::alignedRect(Qt::LeftToRight, lage, QSize(raum.width(), höhe), raum).top();
    satz.draw(maler, QPointF(raum.left(), oben));
}

} // namespace

void Zellenzeichner::paint(QPainter* maler, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
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
    if (!text.isEmpty())
        textMitFormZeichnen(maler, option, index, gruppe, text);
    // The current cell of the grid with the focus: the style's dotted mark is lost on the
    // coloured cells, a frame in the text colour is not.
    if (option.state & QStyle::State_HasFocus) {
        maler->save();
        QPen stift(option.palette.color(gruppe, QPalette::Text), Fokusbreite);
        stift.setJoinStyle(Qt::MiterJoin);
        maler->setPen(stift);
        maler->setBrush(Qt::NoBrush);
        const qreal rand = Fokusbreite / 2.0;
        maler->drawRect(QRectF(option.rect).adjusted(rand, rand, -rand, -rand));
        maler->restore();
    }
}

void Zellenzeichner::textMitFormZeichnen(QPainter* maler, const QStyleOptionViewItem& option,
                                         const QModelIndex& index, QPalette::ColorGroup gruppe,
                                         const QString& text) const
{
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

    maler->save();
    // A text too wide for its room runs on to the cell's edges, not further.
    maler->setClipRect(option.rect);
    maler->setPen(farbe);
    textZeichnen(maler, option.rect, lage, zellenschrift, text);
    maler->restore();
}
