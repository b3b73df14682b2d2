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
// widgets do. On an input page Esc cancels the page instead, which the page does itself; and
// `abbrechen` may end something in progress first (an edit in the table), which that Esc
// then does instead of closing: true when there was something.
class EscSchliesst : public QObject
{
public:
    explicit EscSchliesst(
        QWidget* fenster, std::function<bool()> abbrechen = [] { return false; })
        : QObject(fenster), m_fenster(fenster), m_abbrechen(std::move(abbrechen))
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
        if (!m_abbrechen())
            m_fenster->close();
        return true;
    }

private:
    QWidget* m_fenster;
    std::function<bool()> m_abbrechen;
};
