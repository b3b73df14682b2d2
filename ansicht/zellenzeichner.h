#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QStyledItemDelegate>

// Paints a grid cell straight onto the view: its background, then its text in the cell's
// font, colour and alignment, clipped to the cell and never shortened, and the focus frame. The style's
// general item painting costs many times as much per cell and adds nothing a grid shows.
class Zellenzeichner : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The style's margin around an item text, left and right, in pixels.
    static constexpr int Textrand = 3;
    // The frame of the current cell while its grid has the focus, in pixels.
    static constexpr int Fokusbreite = 2;

private:
    // A cell text laid out on its line: the glyphs, placed from the top left of the text's
    // room, and the line's height rounded up to whole pixels.
    struct Satz {
        QList<QGlyphRun> glyphen;
        int höhe = 0;
    };
    // What the layout depends on: the room's width, not its place.
    struct Satzart {
        QString text;
        QFont schrift;
        int breite = 0;
        int lage = 0;
        int dpi = 0;
        bool operator==(const Satzart&) const = default;
        friend size_t qHash(const Satzart& a, size_t saat = 0)
        {
            return qHashMulti(saat, a.text, a.schrift, a.breite, a.lage, a.dpi);
        }
    };
    // Laid-out texts are kept up to this many; then the keeping starts afresh.
    static constexpr qsizetype Satzvorrat = 4000;

    void textMitFormZeichnen(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index,
                             QPalette::ColorGroup gruppe, const QString& text) const;
    void textZeichnen(QPainter* maler, const QRect& zelle, Qt::Alignment lage, const QFont& schrift,
                      const QString& text) const;
    const Satz& gesetzt(const Satzart& art, const QPaintDevice* gerät) const;

    // A grid shows the same few texts in many cells (the operators, a year's repeated
    // amounts); each is laid out once.
    mutable QHash<Satzart, Satz> m_sätze;
};
