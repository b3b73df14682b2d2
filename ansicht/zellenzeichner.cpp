#include "ansicht/zellenzeichner.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

// Draws the text where the style puts an item text, so that a cell looks the same whichever
// paints it: on one line as wide as the cell less the margin, aligned on it, and vertically
// on whole pixels of the line's rounded-up height.
void Zellenzeichner::textZeichnen(QPainter* maler, const QRect& zelle, Qt::Alignment lage,
                                  const QFont& schrift, const QString& text) const
{
    const int rand = Textrand;
    const QRect raum = zelle.adjusted(rand, 0, -rand, 0);
    const Satz& satz =
        gesetzt({text, schrift, raum.width(), int(lage), maler->device()->logicalDpiY()}, maler->device());
    const int oben = QStyle::alignedRect(Qt::LeftToRight, lage, QSize(raum.width(), satz.höhe), raum).top();
    for (const QGlyphRun& lauf : satz.glyphen)
        maler->drawGlyphRun(QPointF(raum.left(), oben), lauf);
}

const Zellenzeichner::Satz& Zellenzeichner::gesetzt(const Satzart& art, const QPaintDevice* gerät) const
{
    const auto gefunden = m_sätze.constFind(art);
    if (gefunden != m_sätze.cend())
        return *gefunden;
    if (m_sätze.size() >= Satzvorrat)
        m_sätze.clear();
    QTextOption umbruch(Qt::Alignment(art.lage));
    umbruch.setWrapMode(QTextOption::ManualWrap);
    QTextLayout satz(art.text, art.schrift, gerät);
    satz.setTextOption(umbruch);
    satz.beginLayout();
    QTextLine zeile = satz.createLine();
    zeile.setLineWidth(art.breite);
    satz.endLayout();
    return *m_sätze.insert(art, Satz{satz.glyphRuns(), qCeil(zeile.height())});
}

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
