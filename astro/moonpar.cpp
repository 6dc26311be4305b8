#include "astro/moon.h"
#include "astro/moonseries.h"

#include <cmath>

namespace veltaro::astro {

namespace {

/// The Earth's equatorial radius [km].
constexpr double kEarthRadius = 6378.14;

/// The constant of the parallax series [degrees].
constexpr double kMeanParallax = 0.9507;

} // namespace

double moonpar(double t) {
    // The parallax [degrees]: term p1, the constant, then p2 to p8, left to right.
    const auto& p = kMoonparTerms;
    double parallax = p[0].amplitude * std::cos(termAngle(p[0], t));
    parallax += kMeanParallax;
    for (auto term = p.begin() + 1; term != p.end(); ++term) {
        parallax += term->amplitude * std::cos(termAngle(*term, t));
    }
    // The radius over the parallax in radians, not over its sine.
    return kEarthRadius / (parallax * kDeg);
}

} // namespace veltaro::astro
