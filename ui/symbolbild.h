#pragma once

#include <QCursor>
#include <QIcon>
#include <QWidget>

// The program's own drawings, shipped as resources.
namespace Symbole {
// A drawing ("info", "atv", ... as in ui/ressourcen) as a screen of the given pixel ratio
// shows it: the drawing at twice the size is unpacked only where the ratio is above 1.
QIcon symbol(const QString& name, qreal pixelverhältnis);
// The window's own picture in every size there is; the window system chooses.
QIcon fenstersymbol();
// The pointer over the controls that lead somewhere: the toolbar, the name label. Made once
// by the window and shared: each call draws it anew.
QCursor zeiger();
} // namespace Symbole

// A small picture laid over a toolbar button. It shows its drawing at its own size, centred
// (smaller only where the place is smaller), lets the button's face show around it, and
// reports a click as the button would. The drawing is unpacked when first shown, for the
// screen it is shown on.
class Symbolbild : public QWidget
{
    Q_OBJECT
public:
    Symbolbild(const QString& name, QSize eigeneGröße, QWidget* parent = nullptr);

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_name;
    QIcon m_symbol;
    qreal m_pixelverhältnis = 0;
    QSize m_eigeneGröße;
    bool m_gedrückt = false;
};
