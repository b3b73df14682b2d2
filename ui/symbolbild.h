#pragma once

#include <QCursor>
#include <QIcon>
#include <QWidget>

// The program's own drawings, shipped as resources.
namespace Symbole {
QIcon symbol(const QString& name); // "info", "atv", ... as in ui/ressourcen
QIcon fenstersymbol();
// The pointer over the controls that lead somewhere: the toolbar, the name label. Made once
// by the window and shared: each call draws it anew.
QCursor zeiger();
} // namespace Symbole

// A small picture laid over a toolbar button. It shows its drawing at its own size, centred
// (smaller only where the place is smaller), lets the button's face show around it, and
// reports a click as the button would.
class Symbolbild : public QWidget
{
    Q_OBJECT
public:
    Symbolbild(const QIcon& symbol, QSize eigeneGröße, QWidget* parent = nullptr);

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QIcon m_symbol;
    QSize m_eigeneGröße;
    bool m_gedrückt = false;
};
