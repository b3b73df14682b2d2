#include "print/diagramm.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

double euro(Festkomma wert)
{
    return double(wert.roh()) / double(Festkomma::Skala);
}

// The largest monthly pension among a chart's bars, in euros.
template <class Eintrag> double größteRente(const QList<Eintrag>& einträge)
{
    double größter = 0;
    for (const Eintrag& e : einträge)
        größter = std::max(größter, euro(e.rente));
    return größter;
}

// A round step for the value axis: 1, 2 or 5 times a power of ten, about four steps high.
double schritt(double größter)
{
    const double roh = std::max(größter, 1.0) / 4;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (roh <= f * zehner)
            return f * zehner;
    return 10 * zehner;
}

struct Achsen {
    QRectF feld;
    double höchster;
};

// Title, value axis with its lines and labels; returns the plot area.
Achsen achsen(QPainter& m, const QRectF& fläche, const QString& titel, double größter, const QPalette& farben,
              qreal pt)
{
    QFont schrift = m.font();
    const QFontMetricsF maße(schrift, m.device());
    m.setPen(farben.color(QPalette::WindowText));
    m.drawText(QRectF(fläche.left(), fläche.top(), fläche.width(), maße.height()), Qt::AlignLeft, titel);
    const double stufe = schritt(größter);
    const double höchster = std::ceil(std::max(größter, 1.0) / stufe) * stufe;
    const qreal links = maße.horizontalAdvance(QStringLiteral("00000 €")) + 4 * pt;
    const QRectF feld(fläche.left() + links, fläche.top() + 1.6 * maße.height(),
                      fläche.width() - links - 4 * pt, fläche.height() - 2.8 * maße.height());
    QPen linie(farben.color(QPalette::Mid), 0.5 * pt);
    for (double w = 0; w <= höchster + stufe / 2; w += stufe) {
        const qreal y = feld.bottom() - feld.height() * w / höchster;
        m.setPen(linie);
        m.drawLine(QPointF(feld.left(), y), QPointF(feld.right(), y));
        m.setPen(farben.color(QPalette::WindowText));
        m.drawText(QRectF(fläche.left(), y - maße.height() / 2, links - 2 * pt, maße.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 €").arg(qRound64(w)));
    }
    return {feld, höchster};
}

void verlaufZeichnen(QPainter& m, const QRectF& fläche, const Diagrammdaten& d, const QPalette& farben,
                     qreal pt)
{
    if (d.verlauf.isEmpty())
        return;
    const Achsen a = achsen(m, fläche,
                            QStringLiteral("Monatsrente aus den Punkten bis zum Jahr (voll: bis %1, "
                                           "schraffiert: vorausberechnet)")
                                .arg(d.laufendesJahr - 1),
                            größteRente(d.verlauf), farben, pt);
    const int erstes = d.verlauf.first().jahr, letztes = d.verlauf.last().jahr;
    const auto x = [&](int jahr) {
        return a.feld.left() + a.feld.width() * (jahr - erstes + 0.5) / (letztes - erstes + 1);
    };
    const auto y = [&](Festkomma w) { return a.feld.bottom() - a.feld.height() * euro(w) / a.höchster; };
    // Bars: the years behind in the text colour, the projected ones in the highlight colour
    // and hatched, so that the difference shows in black and white too.
    const qreal breite = std::max<qreal>(a.feld.width() / (letztes - erstes + 1) * 0.7, 0.5 * pt);
    for (const auto& p : d.verlauf) {
        const bool vergangen = p.jahr < d.laufendesJahr;
        const QRectF balken(x(p.jahr) - breite / 2, y(p.rente), breite, a.feld.bottom() - y(p.rente));
        m.fillRect(balken,
                   vergangen ? farben.color(QPalette::WindowText) : farben.color(QPalette::Highlight));
        if (!vergangen)
            m.fillRect(balken, QBrush(farben.color(QPalette::Window), Qt::BDiagPattern));
    }
    const QFontMetricsF maße(m.font(), m.device());
    m.setPen(farben.color(QPalette::WindowText));
    // The first, the current and the last year, each only where it leaves room for the others.
    const qreal platz = maße.horizontalAdvance(QStringLiteral("00000"));
    for (int jahr : {erstes, d.laufendesJahr, letztes}) {
        const bool frei = jahr == erstes || jahr == letztes ||
                          (std::abs(x(jahr) - x(erstes)) > platz && std::abs(x(letztes) - x(jahr)) > platz);
        if (jahr < erstes || jahr > letztes || !frei)
            continue;
        m.drawText(QRectF(x(jahr) - 20 * pt, a.feld.bottom() + 2 * pt, 40 * pt, maße.height()),
                   Qt::AlignHCenter, QString::number(jahr));
    }
}

void beginneZeichnen(QPainter& m, const QRectF& fläche, const Diagrammdaten& d, const QPalette& farben,
                     qreal pt)
{
    if (d.beginne.isEmpty())
        return;
    const Achsen a = achsen(m, fläche, QStringLiteral("Monatsrente nach Abschlag je Beginn"),
                            größteRente(d.beginne), farben, pt);
    const QFontMetricsF maße(m.font(), m.device());
    const qreal fach = a.feld.width() / d.beginne.size();
    for (int k = 0; k < d.beginne.size(); ++k) {
        const auto& b = d.beginne[k];
        const qreal höhe = a.feld.height() * euro(b.rente) / a.höchster;
        const QRectF balken(a.feld.left() + fach * (k + 0.2), a.feld.bottom() - höhe, fach * 0.6, höhe);
        m.fillRect(balken, b.gewählt ? farben.color(QPalette::Highlight) : farben.color(QPalette::Mid));
        m.setPen(QPen(farben.color(QPalette::WindowText), 0.5 * pt));
        m.drawRect(balken);
        m.drawText(QRectF(balken.left() - fach * 0.2, balken.top() - maße.height(), fach, maße.height()),
                   Qt::AlignHCenter, b.rente.alsText(0) + QStringLiteral(" €"));
        m.drawText(QRectF(a.feld.left() + fach * k, a.feld.bottom() + 2 * pt, fach, maße.height()),
                   Qt::AlignHCenter, b.beschriftung);
    }
}

} // namespace

Diagrammdaten diagrammdaten(const Beratung& b, int laufendesJahr)
{
    Diagrammdaten d;
    d.laufendesJahr = laufendesJahr;
    for (const Fallrechnung::Jahr& j : b.rechnung.jahre)
        if (j.versichert)
            d.verlauf.append({j.kalenderjahr, j.rente});
    // "mit 65" as the program has always calculated it is none of the compared starts, which
    // count the reduction and the last year's months: its age alone does not make "mit 65" chosen.
    const bool verglichen = !b.gewählt.beginn.wieBisher();
    for (const Vergleich::Spalte& s : b.vergleich.spalten)
        d.beginne.append({Vergleichstexte::spaltenkopf(s, false), s.start.renteAbBeginn,
                          verglichen && s.start.beginn.alter == b.gewählt.beginn.alter});
    return d;
}

void diagrammZeichnen(QPainter& maler, const QRectF& fläche, const Diagrammdaten& daten,
                      const QPalette& farben, qreal punktgröße)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(std::max(1, qRound(8.5 * punktgröße)));
    maler.setFont(schrift);
    const qreal lücke = 12 * punktgröße;
    const qreal halb = (fläche.width() - lücke) / 2;
    verlaufZeichnen(maler, QRectF(fläche.left(), fläche.top(), halb * 1.2, fläche.height()), daten, farben,
                    punktgröße);
    beginneZeichnen(maler,
                    QRectF(fläche.left() + halb * 1.2 + lücke, fläche.top(), halb * 0.8, fläche.height()),
                    daten, farben, punktgröße);
    maler.restore();
}
