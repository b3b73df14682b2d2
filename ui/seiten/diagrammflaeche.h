#pragma once

#include "print/diagramm.h"

#include <QWidget>

// The comparison's chart as a control: it takes the keyboard focus and tells a screen reader
// what it shows; the comparison table beside it holds every figure as text. It paints with
// the function that paints the chart on paper, in the window's palette.
class Diagrammflaeche : public QWidget
{
public:
    explicit Diagrammflaeche(QWidget* eltern = nullptr);
    void setzen(Diagrammdaten daten);
    QSize sizeHint() const override { return {600, 180}; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Diagrammdaten m_daten;
};
