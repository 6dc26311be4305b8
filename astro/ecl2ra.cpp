#include "astro/angles.h"
#include "astro/sky.h"

#include <cmath>

namespace veltaro::astro {

double ecl2ra(double lonDeg, double latDeg, double obliquityDeg) {
    const double cosLon = std::cos(lonDeg * kDeg);
    const double sinLon = std::sin(lonDeg * kDeg);
    const double cosLat = std::cos(latDeg * kDeg);
    const double sinLat = std::sin(latDeg * kDeg);
    const double cosObl = std::cos(obliquityDeg * kDeg);
    const double sinObl = std::sin(obliquityDeg * kDeg);

    const double x = cosLon * cosLat;
    const double y = -sinLat * sinObl + sinLon * cosLat * cosObl;
    if (x == 0) {
        // The quotient's limit on either side of the singular point.
        return y < 0 ? 270.0 : 90.0;
    }
    double ra = std::atan(y / x) / kDeg;
    if (x < 0) {
        ra += 180;
    }
    return ra;
}

} // namespace veltaro::astro
