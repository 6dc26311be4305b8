#include "astro/timeargs.h"

namespace veltaro::astro {

double obliquity(double tc) {
    return 23.452294 - 0.0130125 * tc - 1.64e-06 * (tc * tc) + 5.03e-07 * (tc * tc * tc);
}

} // namespace veltaro::astro
