#include "print/druckerflaeche.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPalette>
#include <QPrinter>
#include <algorithm>

Druckerfläche::Druckerfläche(QPagedPaintDevice& gerät, const QString& name) : m_gerät(gerät), m_name(name) {}

Druckerfläche::~Druckerfläche()
{
    if (m_maler.isActive())
        m_maler.end();
}

int Druckerfläche::orientierung() const
{
    return m_gerät.pageLayout().orientation() == QPageLayout::Landscape ? Querformat : Hochformat;
}

void Druckerfläche::setzeOrientierung(int orientierung)
{
    if (orientierung == Hochformat || orientierung == Querformat)
        m_gerät.setPageOrientation(orientierung == Querformat ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

QFont Druckerfläche::geräteschrift() const
{
    // Resolved for the device, so that the point size means points on paper.
    return QFont(schrift(), &m_gerät);
}

double Druckerfläche::textbreite(const QString& text) const
{
    return inTwips(QFontMetricsF(geräteschrift(), &m_gerät).horizontalAdvance(text));
}

double Druckerfläche::zeichenbreite() const
{
    // The classic average character width (xAvgCharWidth of version 1 of the OS/2 table):
    // the lowercase letters and the space weighted by how often they occur in text. The
    // letter's columns were laid out with it; the font's declared average is far wider
    // (Liberation Serif declares 1163/2048 em) and would push the date off the page.
    static constexpr int Gewichte[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    const QFontMetricsF maß(geräteschrift(), &m_gerät);
    double summe = 0;
    for (int i = 0; i < 26; ++i)
        summe += Gewichte[i] * maß.horizontalAdvance(QChar(u'a' + i));
    summe += Gewichte[26] * maß.horizontalAdvance(QChar(u' '));
    return inTwips(summe / 1000.0);
}

bool Druckerfläche::bereit()
{
    if (m_begonnen)
        return m_maler.isActive();
    m_begonnen = true;
    // A printer that cannot take the job fails here without a word; it must be checked.
    if (!m_maler.begin(&m_gerät)) {
        m_fehler = QStringLiteral("Der Drucker „%1“ nimmt keinen Auftrag an. Bitte prüfen Sie, ob er "
                                  "eingeschaltet und bereit ist.")
                       .arg(m_name);
        return false;
    }
    return true;
}

double Druckerfläche::zeilenhöhe() const
{
    // The font's height without extra leading: 40 lines of Arial 12 fill a landscape page.
    return QFontMetricsF(geräteschrift(), &m_gerät).height();
}

int Druckerfläche::zeilenFrei() const
{
    return std::max(0, int((m_gerät.height() - m_y) / zeilenhöhe()));
}

void Druckerfläche::textAusgeben(const QString& text)
{
    if (!bereit())
        return;
    // Only text begins a new page at the bottom: blank lines there, or a page break asked
    // for right after the last line, leave no empty page behind.
    if (m_y + zeilenhöhe() > m_gerät.height()) {
        seitenvorschub();
        if (!m_maler.isActive())
            return;
    }
    const QFont f = geräteschrift();
    m_maler.setFont(f);
    m_maler.drawText(QPointF(ausTwips(x()), m_y + QFontMetricsF(f, &m_gerät).ascent()), text);
}

void Druckerfläche::bildDrucken(double höheTwips, const QString&, const Zeichnung& zeichnung)
{
    if (!bereit())
        return;
    const double höhe = ausTwips(höheTwips);
    if (m_y + höhe > m_gerät.height())
        seitenvorschub();
    // Paper is light whatever the screen's palette is.
    QPalette papier;
    papier.setColor(QPalette::Window, Qt::white);
    papier.setColor(QPalette::WindowText, Qt::black);
    papier.setColor(QPalette::Mid, QColor(160, 160, 160));
    papier.setColor(QPalette::Highlight, QColor(40, 90, 160));
    m_maler.save();
    zeichnung(m_maler, QRectF(0, m_y, m_gerät.width(), höhe), papier, m_gerät.logicalDpiY() / 72.0);
    m_maler.restore();
    m_y += höhe;
}

void Druckerfläche::zeilenvorschub()
{
    m_y += zeilenhöhe();
}

void Druckerfläche::seitenvorschub()
{
    if (!bereit())
        return;
    if (!m_gerät.newPage() && m_fehler.isEmpty())
        m_fehler = QStringLiteral("Der Drucker „%1“ konnte keine neue Seite beginnen.").arg(m_name);
    m_y = 0;
}

Ergebnis Druckerfläche::dokumentBeenden()
{
    if (!bereit())
        return Ergebnis::fehler(m_fehler);
    const bool beendet = m_maler.end();
    auto* drucker = dynamic_cast<QPrinter*>(&m_gerät);
    if (drucker &&
        (drucker->printerState() == QPrinter::Error || drucker->printerState() == QPrinter::Aborted)) {
        return Ergebnis::fehler(QStringLiteral("Der Drucker „%1“ hat den Auftrag abgebrochen.").arg(m_name));
    }
    if (!beendet && m_fehler.isEmpty())
        m_fehler = QStringLiteral("Der Auftrag an „%1“ konnte nicht abgeschlossen werden.").arg(m_name);
    return m_fehler.isEmpty() ? Ergebnis{} : Ergebnis::fehler(m_fehler);
}
