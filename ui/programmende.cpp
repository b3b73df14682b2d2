#include "ui/programmende.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>

Programmende::Programmende(QObject* eltern) : QObject(eltern), m_ende([] { QCoreApplication::quit(); })
{
    qApp->installEventFilter(this);
}

bool Programmende::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Hide) {
        auto* w = qobject_cast<QWidget*>(objekt);
        // Once the closing at hand is over: Schließen closes two windows in one go.
        if (w && w->isWindow() && !m_prüfen) {
            m_prüfen = true;
            QTimer::singleShot(0, this, &Programmende::endeWennKeinFensterMehr);
        }
    }
    return false;
}

void Programmende::endeWennKeinFensterMehr()
{
    m_prüfen = false;
    const QWidgetList fenster = QApplication::topLevelWidgets();
    if (std::none_of(fenster.cbegin(), fenster.cend(), [](const QWidget* w) { return w->isVisible(); }))
        m_ende();
}
