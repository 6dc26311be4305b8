#include "astro/timeargs.h"

namespace veltaro::astro {

double ephemtime(double year, double month, double day, double hour, double minute, double second,
                 double lonDeg) {
    const std::int32_t k = daycount(year, month, day);

    // The fraction of the day in universal time: the clock runs on the meridian lonDeg.
    const double f = (hour - lonDeg / 15) / 24 + minute / 1440 + second / 86400;

    const double t0 = (k + f) / 365.25;
    return t0 + (0.0317 * t0 + 1.43) * 1e-6;
}

} // namespace veltaro::astro
