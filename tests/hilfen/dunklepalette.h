#pragma once

#include <QColor>
#include <QPalette>
#include <utility>

// A desktop with a dark palette: light text on dark ground.
inline QPalette dunklePalette()
{
    QPalette p;
    const QColor grund(53, 53, 53), feld(35, 35, 35), text(240, 240, 240);
    for (const auto& [rolle, farbe] : {std::pair{QPalette::Window, grund},
                                       {QPalette::Button, grund},
                                       {QPalette::Base, feld},
                                       {QPalette::AlternateBase, grund},
                                       {QPalette::WindowText, text},
                                       {QPalette::Text, text},
                                       {QPalette::ButtonText, text},
                                       {QPalette::HighlightedText, text},
                                       {QPalette::ToolTipBase, feld},
                                       {QPalette::ToolTipText, text}})
        p.setColor(rolle, farbe);
    return p;
}
