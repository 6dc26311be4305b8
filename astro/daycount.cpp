#include "astro/fault.h"
#include "astro/timeargs.h"

#include <cmath>
#include <limits>

namespace veltaro::astro {

namespace {

/// Julian day of 1974 December 31, 0 h: day count 0.
constexpr double kDayCountOrigin = 2442412.5;

} // namespace

std::int32_t daycount(double year, double month, double day) {
    const double days = julianday(year, month, day, 0, 0) - kDayCountOrigin;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(days >= lowest && days <= highest)) {
        throw ArithmeticFault("daycount: the date's day count does not fit 32 bits");
    }
    // A whole number for a whole day; a day with a fraction goes to the nearest.
    return static_cast<std::int32_t>(std::nearbyint(days));
}

} // namespace veltaro::astro
