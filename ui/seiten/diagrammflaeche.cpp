#include "ui/seiten/diagrammflaeche.h"

#include <QPainter>

Diagrammflaeche::Diagrammflaeche(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("Diagramm"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Diagramm"));
    setAccessibleDescription(
        QStringLiteral("Links die Monatsrente aus den Punkten bis zu jedem Jahr, rechts die "
                       "Monatsrente je Rentenbeginn. Die Zahlen stehen in der Tabelle "
                       "„Vergleich“."));
    setMinimumHeight(120);
}

void Diagrammflaeche::setzen(Diagrammdaten daten)
{
    m_daten = std::move(daten);
    update();
}

void Diagrammflaeche::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), palette().color(QPalette::Window));
    diagrammZeichnen(maler, QRectF(rect()).adjusted(4, 4, -4, -4), m_daten, palette(), logicalDpiY() / 72.0);
    if (hasFocus()) {
        maler.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        maler.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
