#include "astro/sun.h"
#include "astro/sunseries.h"

#include <cmath>

namespace veltaro::astro {

namespace {

/// The astronomical unit [km].
constexpr double kAstronomicalUnit = 149597870;

constexpr auto kTable = columnsOf(kSundistTerms);

} // namespace

double sundist(double t) {
    // log10 of the distance in astronomical units: term a, the constant b, then
    // terms c to f, added left to right.
    double q = (-0.007261 + 0.0000002 * t) * std::cos((356.53 + 359.991 * t) * kDeg);
    q += 0.00003;
    q = addCosines(q, kTable, t);
    return std::pow(10.0, q) * kAstronomicalUnit;
}

} // namespace veltaro::astro
