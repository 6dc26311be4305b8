#include "astro/timeargs.h"

namespace veltaro::astro {

double localsidereal(double st0h, double clockDeg, double lonDeg) {
    // Universal time as an angle, advanced at the sidereal rate, then the longitude.
    return st0h * 15 + (clockDeg - lonDeg) * 1.002738 + lonDeg;
}

} // namespace veltaro::astro
