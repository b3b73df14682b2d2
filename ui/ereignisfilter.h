#pragma once

#include "ui/eingabeseite.h"

#include <QApplication>
#include <QKeyEvent>
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

// Esc closes the window wherever the focus is in it: this looks at every key before the
// widgets do. On an input page Esc cancels the page instead, which the page does itself.
class EscSchliesst : public QObject
{
public:
    explicit EscSchliesst(QWidget* fenster) : QObject(fenster), m_fenster(fenster)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(ereignis)->key() != Qt::Key_Escape)
            return false;
        auto* w = qobject_cast<QWidget*>(objekt);
        if (!w || w->window() != m_fenster || !m_fenster->isVisible() || Eingabeseite::enthält(w))
            return false;
        m_fenster->close();
        return true;
    }

private:
    QWidget* m_fenster;
};
