#include "astro/timeargs.h"

#include <cmath>

namespace veltaro::astro {

double julianday(double year, double month, double day, double hour, double minute) {
    double y = year;
    double m = month;
    if (y < 0) {
        y -= 1;
    }
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    const double a = std::floor(365.25 * y) + std::floor(30.59 * (m - 2));
    const double jd = a + day + hour / 24 + minute / 1440 + 1721086.5;
    // The Gregorian correction is a whole number already; it is kept as a double
    // so that no year, however wild, meets an integer conversion here.
    const double g = std::floor(y / 400) - std::floor(y / 100) + 2;
    return jd + g;
}

} // namespace veltaro::astro
