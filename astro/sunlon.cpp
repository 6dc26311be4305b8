#include "astro/sun.h"
#include "astro/sunseries.h"

#include <cmath>

namespace veltaro::astro {

namespace {

constexpr auto kTable = columnsOf(kSunlonTerms);

} // namespace

double sunlon(double t) {
    // Terms 0 and 1, then 2 to 19 from the table, summed in order from 0.
    double s = 0.0;
    s += 279.0358 + 360.00769 * t;
    s += (1.9159 - 0.00005 * t) * std::sin((356.531 + 359.991 * t) * kDeg);
    s = addSines(s, kTable, t);
    // Whole turns off by truncation: the sign of the sum is kept.
    const double q = s / 360;
    return (q - std::trunc(q)) * 360;
}

} // namespace veltaro::astro
