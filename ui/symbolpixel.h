#pragma once

#include <QtGlobal>

// One of the program's drawings as ready pixels (premultiplied ARGB, one quint32 each, in
// the machine's byte order), at its own size (stufe 1) or twice that (stufe 2), packed as
// qCompress packs them: a fraction of their size in the program, unpacked when shown. The
// build makes them from the PNGs.
struct Symbolpixel {
    const char* name;
    int stufe;
    int breite;
    int höhe;
    const uchar* gepackt;
    int länge;

    static const Symbolpixel alle[];
    static const int anzahl;
};
