#include "ui/symbolbild.h"

#include "ui/symbolpixel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace Symbole {

QIcon symbol(const QString& name)
{
    // The pixels are part of the program: no image plugin is looked for, nothing decoded.
    // QIcon picks the drawing at twice the size where the screen wants it.
    QIcon icon;
    for (int i = 0; i < Symbolpixel::anzahl; ++i) {
        const Symbolpixel& s = Symbolpixel::alle[i];
        if (name != QLatin1String(s.name))
            continue;
        QImage bild(reinterpret_cast<const uchar*>(s.pixel), s.breite, s.höhe, s.breite * 4,
                    QImage::Format_ARGB32_Premultiplied);
        bild.setDevicePixelRatio(s.stufe);
        icon.addPixmap(QPixmap::fromImage(bild));
    }
    return icon;
}

QIcon fenstersymbol()
{
    return symbol(QStringLiteral("zuvora"));
}

QCursor zeiger()
{
    const qreal dpr = qApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QPixmap bild = symbol(QStringLiteral("zeiger")).pixmap(QSize(32, 32), dpr);
    // The tip of the arrow sits in the drawing's top left corner.
    return QCursor(bild, 1, 1);
}

} // namespace Symbole

Symbolbild::Symbolbild(const QIcon& symbol, QSize eigeneGröße, QWidget* parent)
    : QWidget(parent), m_symbol(symbol), m_eigeneGröße(eigeneGröße)
{}

void Symbolbild::paintEvent(QPaintEvent*)
{
    const QSize größe = m_eigeneGröße.boundedTo(size()).expandedTo(QSize(1, 1));
    const QSize gezeigt = m_eigeneGröße.scaled(größe, Qt::KeepAspectRatio);
    QRect ziel(QPoint(0, 0), gezeigt);
    ziel.moveCenter(rect().center());
    QPainter maler(this);
    m_symbol.paint(&maler, ziel);
}

void Symbolbild::mousePressEvent(QMouseEvent* event)
{
    m_gedrückt = event->button() == Qt::LeftButton;
    event->accept();
}

void Symbolbild::mouseReleaseEvent(QMouseEvent* event)
{
    const bool klick =
        m_gedrückt && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_gedrückt = false;
    event->accept();
    if (klick)
        emit geklickt();
}
