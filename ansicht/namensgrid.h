#pragma once

#include "ansicht/tabellenansicht.h"

#include <QPersistentModelIndex>

class Namensliste;

// The case list on screen. The list has no in-place editor: every key goes to the list's
// own rules as a character code, and a click chooses through the list as well.
class Namensgrid : public Tabellenansicht
{
    Q_OBJECT
public:
    Namensgrid(Namensliste& liste, QWidget* parent = nullptr);

signals:
    // A click or Enter has chosen a case and it is loaded.
    void fallAusgesucht();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    Namensliste& m_liste;
    QPersistentModelIndex m_gedrückt;
};
