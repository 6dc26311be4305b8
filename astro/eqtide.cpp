#include "astro/tide.h"

#include <cmath>

namespace veltaro::astro {

namespace {

/// The Earth's equatorial radius [km].
constexpr double kEarthRadius = 6378.14;

} // namespace

double eqtide(double mu, double r, double z) {
    const double c = std::cos(z);
    const double p = c * c - 1.0 / 3.0;
    const double R = kEarthRadius;
    return (3.0 / 2.0) * mu * R * R * R * R / (r * r * r) * p;
}

} // namespace veltaro::astro
