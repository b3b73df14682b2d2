#pragma once

#include <QtGlobal>

// One of the program's drawings as ready pixels (premultiplied ARGB, one quint32 each),
// at its own size (stufe 1) or twice that (stufe 2). The build makes them from the PNGs.
struct Symbolpixel {
    const char* name;
    int stufe;
    int breite;
    int höhe;
    const quint32* pixel;

    static const Symbolpixel alle[];
    static const int anzahl;
};
