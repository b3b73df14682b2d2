#include "ansicht/namensgrid.h"

#include "cases/namensliste.h"
#include "core/twips.h"
#include "table/tasten.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

Namensgrid::Namensgrid(Namensliste& liste, QWidget* parent) : Tabellenansicht(parent), m_liste(liste)
{
    setzeModell(&liste.modell(), &liste.auswahl());
    setFocusPolicy(Qt::StrongFocus);
    // Rows for the list's larger 12 pt font; all eleven still fit the short layout's 3380 twips.
    verticalHeader()->setDefaultSectionSize(Twips::zuPixel(300));
}

void Namensgrid::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Up: m_liste.bewegen(-1, 0); return;
    case Qt::Key_Down: m_liste.bewegen(1, 0); return;
    case Qt::Key_Left: m_liste.bewegen(0, -1); return;
    case Qt::Key_Right: m_liste.bewegen(0, 1); return;
    case Qt::Key_Delete: m_liste.Namensgrid_KeyDown(Qt::Key_Delete); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // In the case-number column Enter chooses the case, as a click does.
        if (m_liste.aktuelleSpalte() == nr(Listenspalte::Fall)) {
            if (m_liste.Namensgrid_Click())
                emit fallAusgesucht();
            return;
        }
        m_liste.Namensgrid_KeyPress(Taste::Eingabe);
        return;
    case Qt::Key_Backspace: m_liste.Namensgrid_KeyPress(Taste::Rückschritt); return;
    default: break;
    }
    // The key's text, not its key code: on a German keyboard the key code of "ü" is no letter
    // but would pass as one, and shifted keys give their character only through the text.
    const QString text = ereignis->text();
    if (text.isEmpty() || ereignis->key() == Qt::Key_Escape || ereignis->key() == Qt::Key_Tab) {
        ereignis->ignore(); // for the window: Esc closes it
        return;
    }
    for (QChar zeichen : text)
        m_liste.Namensgrid_KeyPress(zeichen.unicode());
}

void Namensgrid::mousePressEvent(QMouseEvent* ereignis)
{
    m_gedrückt = QPersistentModelIndex();
    const QModelIndex index = indexAt(ereignis->position().toPoint());
    if (ereignis->button() != Qt::LeftButton || !index.isValid() || index.row() < Namensliste::ErsteFallzeile)
        return;
    setFocus(Qt::MouseFocusReason);
    m_liste.setzeAktuelleZelle(index.row(), index.column());
    m_gedrückt = index;
}

void Namensgrid::mouseReleaseEvent(QMouseEvent* ereignis)
{
    const QModelIndex index = indexAt(ereignis->position().toPoint());
    const bool klick = m_gedrückt.isValid() && index == QModelIndex(m_gedrückt);
    m_gedrückt = QPersistentModelIndex();
    if (klick && m_liste.Namensgrid_Click())
        emit fallAusgesucht();
}

void Namensgrid::mouseDoubleClickEvent(QMouseEvent* ereignis)
{
    mousePressEvent(ereignis);
}

// The view's own drag selection would move the list's current cell past the list's rules.
void Namensgrid::mouseMoveEvent(QMouseEvent* ereignis)
{
    QAbstractScrollArea::mouseMoveEvent(ereignis);
}
