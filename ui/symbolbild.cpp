#include "ui/symbolbild.h"

#include "ui/symbolpixel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

namespace Symbole {

QIcon symbol(const QString& name, qreal pixelverhältnis)
{
    // The pixels are part of the program: no image plugin is looked for, no format decoded.
    // QIcon picks the drawing at twice the size where the screen wants it; where it never
    // will, it is left packed.
    QIcon icon;
    for (int i = 0; i < Symbolpixel::anzahl; ++i) {
        const Symbolpixel& s = Symbolpixel::alle[i];
        if (name != QLatin1String(s.name) || (s.stufe > 1 && pixelverhältnis <= 1))
            continue;
        auto* pixel = new QByteArray(qUncompress(s.gepackt, s.länge));
        if (pixel->size() != qsizetype(s.breite) * s.höhe * 4) {
            delete pixel;
            continue;
        }
        QImage bild(
            reinterpret_cast<const uchar*>(pixel->constData()), s.breite, s.höhe, s.breite * 4,
            QImage::Format_ARGB32_Premultiplied, [](void* p) { delete static_cast<QByteArray*>(p); }, pixel);
        bild.setDevicePixelRatio(s.stufe);
        icon.addPixmap(QPixmap::fromImage(bild));
    }
    return icon;
}

QIcon fenstersymbol()
{
    return symbol(QStringLiteral("zuvora"), std::numeric_limits<qreal>::max());
}

QCursor zeiger()
{
    const qreal dpr = qApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QPixmap bild = symbol(QStringLiteral("zeiger"), dpr).pixmap(QSize(32, 32), dpr);
    // The tip of the arrow sits in the drawing's top left corner.
    return QCursor(bild, 1, 1);
}

} // namespace Symbole

Symbolbild::Symbolbild(const QString& name, QSize eigeneGröße, QWidget* parent)
    : QWidget(parent), m_name(name), m_eigeneGröße(eigeneGröße)
{}

void Symbolbild::paintEvent(QPaintEvent*)
{
    const QSize größe = m_eigeneGröße.boundedTo(size()).expandedTo(QSize(1, 1));
    const QSize gezeigt = m_eigeneGröße.scaled(größe, Qt::KeepAspectRatio);
    QRect ziel(QPoint(0, 0), gezeigt);
    ziel.moveCenter(rect().center());
    QPainter maler(this);
    const qreal pixelverhältnis = maler.device()->devicePixelRatio();
    // A screen with more pixels than the drawing was unpacked for gets it anew.
    if (m_symbol.isNull() || (pixelverhältnis > 1 && m_pixelverhältnis <= 1)) {
        m_symbol = Symbole::symbol(m_name, pixelverhältnis);
        m_pixelverhältnis = pixelverhältnis;
    }
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
