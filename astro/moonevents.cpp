#include "astro/moonevents.h"

#include "astro/moon.h"
#include "astro/sky.h"
#include "astro/timeargs.h"
#include "astro/vectorstate.h"
#include "search.h"

#include <algorithm>
#include <cmath>

namespace veltaro::astro {

namespace {

/// Sampling step of the search [days]: events of one kind lie 12 days or more apart.
constexpr double kStepDays = 1;

/// Half the interval of the central differences [days]: 14.4 minutes, short
/// against the Moon's periods, long against the series' rounding.
constexpr double kRateHalfDays = 0.01;

/// How closely an event is pinned down [days]: 1e-9 days is 86 µs.
constexpr double kToleranceDays = 1e-9;

/// A quantity searched for changes of sign, and the events it gives.
struct Quantity {
    double (*value)(double jdUT);
    MoonEvent rising;                ///< the quantity passing 0 upwards
    MoonEvent falling;               ///< the quantity passing 0 downwards
    double (*reported)(double jdUT); ///< the value an event of it carries
};

template <double (*F)(double)> double rateOf(double jdUT) {
    return (F(jdUT + kRateHalfDays) - F(jdUT - kRateHalfDays)) / (2 * kRateHalfDays);
}

constexpr Quantity kQuantities[] = {
    {rateOf<moonDistance>, MoonEvent::Perigee, MoonEvent::Apogee, moonDistance},
    {rateOf<moonDeclination>, MoonEvent::GreatestSouth, MoonEvent::GreatestNorth, moonDeclination},
    {moonDeclination, MoonEvent::Ascending, MoonEvent::Descending, moonDeclination},
};

/// The events of one quantity in [jdFromUT, jdToUT], appended to `events`.
void searchQuantity(const Quantity& q, double jdFromUT, double jdToUT,
                    std::vector<MoonEventMoment>& events) {
    const double first = std::floor((jdFromUT - search::kGridEpoch) / kStepDays);
    const double last = std::ceil((jdToUT - search::kGridEpoch) / kStepDays);
    double from = search::kGridEpoch + first * kStepDays;
    double valueFrom = q.value(from);
    for (double cell = first; cell < last; ++cell) {
        const double to = search::kGridEpoch + (cell + 1) * kStepDays;
        const double valueTo = q.value(to);
        const bool rises = valueFrom < 0 && valueTo >= 0;
        const bool falls = valueFrom >= 0 && valueTo < 0;
        if (rises || falls) {
            // Brent's method wants the quantity negative at the cell's start.
            const double sign = rises ? 1 : -1;
            const auto f = [&q, from, sign](double x) { return sign * q.value(from + x); };
            const double at = from + search::brentZero(f, to - from, sign * valueFrom,
                                                       sign * valueTo, kToleranceDays);
            if (at >= jdFromUT && at <= jdToUT) {
                events.push_back({rises ? q.rising : q.falling, at, q.reported(at)});
            }
        }
        from = to;
        valueFrom = valueTo;
    }
}

} // namespace

double moonDistance(double jdUT) {
    return moonpar(search::seriesTime(jdUT));
}

double moonDeclination(double jdUT) {
    const double t = search::seriesTime(jdUT);
    return ecl2dec(moonlon(t), moonlat(t), obliquity(jcentury(jdUT)));
}

std::vector<MoonEventMoment> moonEvents(double jdFromUT, double jdToUT) {
    settleVectorRegisters();
    std::vector<MoonEventMoment> events;
    if (!(jdFromUT <= jdToUT)) {
        return events;
    }
    for (const Quantity& q : kQuantities) {
        searchQuantity(q, jdFromUT, jdToUT, events);
    }
    std::stable_sort(
        events.begin(), events.end(),
        [](const MoonEventMoment& a, const MoonEventMoment& b) { return a.jdUT < b.jdUT; });
    return events;
}

} // namespace veltaro::astro
