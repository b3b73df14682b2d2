#pragma once

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

// A broken rule found by a fuzz target: say which, then stop so that libFuzzer keeps the input.
#define PRÜFEN(bedingung)                                                                                    \
    do {                                                                                                     \
        if (!(bedingung)) {                                                                                  \
            std::fprintf(stderr, "Verletzt: %s (%s:%d)\n", #bedingung, __FILE__, __LINE__);                  \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
