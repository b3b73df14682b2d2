#pragma once

#include "core/beratung.h"
#include "core/festkomma.h"

#include <QList>
#include <QPalette>
#include <QRectF>
#include <QString>

class QPainter;

// The two charts of the comparison: the monthly pension the points of each year are worth,
// the years behind apart from the projected ones, and the monthly pension for each start.
// One function paints them on the screen and on paper alike; sizes are in the painter's
// points, so that they keep their proportions at any resolution, and the colours come from
// the palette, so that a dark one works as well as a light one (paper gets a light one).
struct Diagrammdaten {
    int laufendesJahr = 0;
    struct Punkt {
        int jahr;
        Festkomma rente;
    };
    QList<Punkt> verlauf; // year by year up to the chosen start
    struct Balken {
        QString beschriftung; // "mit 63"
        Festkomma rente;      // after the reduction
        bool gewählt = false; // the case's own start
    };
    QList<Balken> beginne;
};

// The figures of a case's comparison: the pension of each year up to the chosen start, and
// each start's pension after its reduction.
Diagrammdaten diagrammdaten(const Beratung& beratung, int laufendesJahr);

// `punktgröße`: the size of one typographic point on the painter's device, in its units.
void diagrammZeichnen(QPainter& maler, const QRectF& fläche, const Diagrammdaten& daten,
                      const QPalette& farben, qreal punktgröße);
