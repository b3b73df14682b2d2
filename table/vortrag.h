#pragma once

#include "core/datensatz.h"

class Meldungen;

namespace Vortrag {

// A new yearly increase while the years after the last typed pay hold pay carried forward
// from it: asks in one question whether to carry that pay forward anew at `steigerung` from
// the year after it ("Ab 2027 mit 2,00 % neu vortragen?") and does so in `satz` on Yes; No
// leaves the values and says that the rate applies to the next carrying forward.
void neuVortragen(Datensatz& satz, Festkomma steigerung, int laufendesJahr, Meldungen& meldungen);

} // namespace Vortrag
