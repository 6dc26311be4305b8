#include "astro/angles.h"
#include "astro/sky.h"

#include <cmath>

namespace veltaro::astro {

double ecl2dec(double lonDeg, double latDeg, double obliquityDeg) {
    const double z =
        std::sin(latDeg * kDeg) * std::cos(obliquityDeg * kDeg) +
        std::sin(lonDeg * kDeg) * std::cos(latDeg * kDeg) * std::sin(obliquityDeg * kDeg);
    if (std::abs(z) >= 1) {
        // A pole: the arcsine's limit, not a square root of a negative number.
        return z > 0 ? 90.0 : -90.0;
    }
    return std::atan(z / std::sqrt(-z * z + 1)) / kDeg;
}

} // namespace veltaro::astro
