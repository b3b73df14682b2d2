#pragma once

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
    void textMitFormZeichnen(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index,
                             QPalette::ColorGroup gruppe, const QString& text) const;
};
