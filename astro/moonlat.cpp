#include "astro/moon.h"
#include "astro/moonseries.h"

#include <cmath>

namespace veltaro::astro {

double moonlat(double t) {
    // The inner perturbation of term 0, b1 to b5 in order.
    double perturbation = 0.0;
    for (const SeriesTerm& term : kMoonlatPerturbation) {
        perturbation += term.amplitude * std::sin(termAngle(term, t));
    }

    // Term 0, then 1 to 46 from the table, summed in order from 0.
    double s = 0.0;
    s += 5.1282 * std::sin(((236.231 + 4832.0202 * t) + perturbation) * kDeg);
    for (const SeriesTerm& term : kMoonlatTerms) {
        s += term.amplitude * std::sin(termAngle(term, t));
    }
    // Reduced as the longitude is; the sum never reaches a turn, so this only
    // rounds, and the sign is kept.
    const double q = s / 360;
    return (q - std::trunc(q)) * 360;
}

} // namespace veltaro::astro
