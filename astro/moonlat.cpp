#include "astro/moon.h"
#include "astro/moonseries.h"

#include <cmath>

namespace veltaro::astro {

namespace {

constexpr auto kPerturbation = columnsOf(kMoonlatPerturbation);
constexpr auto kTable = columnsOf(kMoonlatTerms);

} // namespace

double moonlat(double t) {
    // The inner perturbation of term 0, b1 to b5 in order.
    const double perturbation = addSines(0.0, kPerturbation, t);

    // Term 0, then 1 to 46 from the table, summed in order from 0.
    double s = 0.0;
    s += 5.1282 * std::sin(((236.231 + 4832.0202 * t) + perturbation) * kDeg);
    s = addSines(s, kTable, t);
    // Reduced as the longitude is; the sum never reaches a turn, so this only
    // rounds, and the sign is kept.
    const double q = s / 360;
    return (q - std::trunc(q)) * 360;
}

} // namespace veltaro::astro
