#pragma once

#include "core/falldatei.h"

// One thing found in or about the case file. Opening and the check before a save collect
// them; Falldatei::wortlaut (falldateibefund.cpp) is the one place that tells the user about them.
struct Falldatei::Befund {
    enum class Art {
        // The file cannot serve: the program ends.
        Ordner,
        Unlesbar,
        KeineDatei,
        ZuGroß,
        NichtAnlegbar,
        // Bytes the program did not write: they are copied before the first change.
        Länge,
        FremdeZusätze,
        UnmöglicheWerte,
        ÜbergroßeBeträge,
        // Notes.
        Zwischendatei,
        DateiSchreibgeschützt,
        OrdnerSchreibgeschützt,
        Hindernis,
        // Found before a save: the file no longer holds cases.
        Gelöscht,
        Geleert,
        KeineFalldatei,
    };

    Befund(Art a, QString t = {}, qint64 z = 0, qint64 g = 0, QList<int> f = {})
        : art(a), text(std::move(t)), zahl(z), gesamt(g), fälle(std::move(f))
    {}

    Art art;
    QString text; // a reason, or the path of a leftover temporary file
    qint64 zahl, gesamt;
    QList<int> fälle;

    bool beendet() const { return art <= Art::NichtAnlegbar; }
    bool unerwartet() const { return art >= Art::Länge && art <= Art::ÜbergroßeBeträge; }
};
