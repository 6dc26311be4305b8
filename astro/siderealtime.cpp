#include "astro/timeargs.h"

namespace veltaro::astro {

double siderealtime(double tc) {
    return 6.6460988 + 2400.05125 * tc + 2.58e-05 * (tc * tc);
}

} // namespace veltaro::astro
