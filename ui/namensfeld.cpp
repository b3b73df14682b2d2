#include "ui/namensfeld.h"

#include <QKeyEvent>

Namensfeld::Namensfeld(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void Namensfeld::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (ereignis->modifiers() == Qt::NoModifier || ereignis->modifiers() == Qt::KeypadModifier) {
            ereignis->accept();
            emit aktiviert();
            return;
        }
        break;
    default: break;
    }
    QLabel::keyPressEvent(ereignis);
}
