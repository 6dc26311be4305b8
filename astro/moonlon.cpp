#include "astro/moon.h"
#include "astro/moonseries.h"

#include <cmath>

namespace veltaro::astro {

namespace {

constexpr auto kTable = columnsOf(kMoonlonTerms);

} // namespace

double moonlon(double t) {
    // The inner perturbation of term 1, summed a2 first, then a1, a3, a4.
    const auto& a = kMoonlonPerturbation;
    const double s1 = std::sin(termAngle(a[0], t));
    const double s2 = std::sin(termAngle(a[1], t));
    const double s3 = std::sin(termAngle(a[2], t));
    const double s4 = std::sin(termAngle(a[3], t));
    const double perturbation =
        a[1].amplitude * s2 + a[0].amplitude * s1 + a[2].amplitude * s3 + a[3].amplitude * s4;

    // Terms 0 and 1, then 2 to 63 from the table, summed in order from 0.
    double s = 0.0;
    s += 124.8754 + 4812.67881 * t;
    s += 6.2887 * std::sin(((338.915 + 4771.9886 * t) + perturbation) * kDeg);
    s = addSines(s, kTable, t);
    // Whole turns off by truncation: the sign of the sum is kept.
    const double q = s / 360;
    return (q - std::trunc(q)) * 360;
}

} // namespace veltaro::astro
