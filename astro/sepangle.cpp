#include "astro/angles.h"
#include "astro/sky.h"

#include <cmath>

namespace veltaro::astro {

namespace {

/// 2 arctan(1): pi/2 as the arctangent gives it.
constexpr double kQuarterTurn = 2 * 0.78539816339744830962;

/// A full turn [radians], to the 15 significant digits the program has always used.
constexpr double kFullTurn = 6.28318530717958;

} // namespace

double sepangle(double ra1Deg, double dec1Deg, double ra2Deg, double dec2Deg) {
    // The cosine of the angle, from the polar distances 90 - dec.
    const double x = std::cos((90 - dec1Deg) * kDeg) * std::cos((90 - dec2Deg) * kDeg) +
                     std::sin((90 - dec2Deg) * kDeg) * std::sin((90 - dec1Deg) * kDeg) *
                         std::cos((ra2Deg - ra1Deg) * kDeg);

    // Its arccosine through the arctangent, 0..pi; at |x| >= 1 the limit.
    double d;
    if (x >= 1) {
        d = 0;
    } else if (x <= -1) {
        d = 2 * kQuarterTurn;
    } else {
        d = std::atan(-x / std::sqrt(-x * x + 1)) + kQuarterTurn;
    }

    // Point 2 west of point 1 gives the rest of the turn.
    const double delta = ra2Deg - ra1Deg;
    if ((delta < 0 || delta > 180) && delta > -180) {
        d = kFullTurn - d;
    }
    return d;
}

} // namespace veltaro::astro
