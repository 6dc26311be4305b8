#include "astro/timeargs.h"

namespace veltaro::astro {

double jcentury(double jd) {
    return (jd - 2415020.0) / 36525.0;
}

} // namespace veltaro::astro
