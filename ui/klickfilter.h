#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

// Turns a click on a widget without a click signal of its own (a label) into a call.
class Klickfilter : public QObject
{
public:
    Klickfilter(QWidget* ziel, std::function<void()> aktion) : QObject(ziel), m_aktion(std::move(aktion))
    {
        ziel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton)
            m_aktion();
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    std::function<void()> m_aktion;
};
