#include "astro/moonphase.h"

#include "astro/fault.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/timeargs.h"
#include "astro/vectorstate.h"
#include "search.h"

#include <cmath>

namespace veltaro::astro {

namespace {

/// Sampling step of the search [days]: the elongation moves at most 14.4
/// degrees a day, so one step never reaches from one multiple of 90 past the next.
constexpr double kStepDays = 4;

/// How closely a crossing is pinned down [days]: 1e-10 days is 8.6 µs, far below
/// the minute the moments are rounded to, and near what the elongation's own
/// rounding allows.
constexpr double kToleranceDays = 1e-10;

/// The longest synodic month is 29.83 days: a month back always holds a new Moon.
constexpr double kMonthBackDays = 31;

/// The quarter of the turn the elongation stands in, 0..3.
int quarterOf(double elongationDeg) {
    return static_cast<int>(elongationDeg / 90);
}

/// The elongation less `targetDeg`, in [-180, 180] [degrees]: zero at the phase,
/// negative before it and positive after it, continuous near it.
double pastPhase(double jdUT, double targetDeg) {
    return std::remainder(moonElongation(jdUT) - targetDeg, 360.0);
}

} // namespace

double universalJulianDay(const TideInput& at) {
    // The day fraction as ephemtime forms it.
    return julianday(at.year, at.month, at.day, 0, 0) +
           ((at.hour - at.lon / 15) / 24 + at.minute / 1440);
}

double moonElongation(double jdUT) {
    const double t = search::seriesTime(jdUT);
    const double difference = moonlon(t) - sunlon(t);
    double reduced = difference - 360 * std::floor(difference / 360);
    if (reduced >= 360) { // a tiny negative difference rounds up to a full turn
        reduced = 0;
    }
    return reduced;
}

std::vector<MoonPhaseEvent> moonPhaseEvents(double jdFromUT, double jdToUT) {
    settleVectorRegisters();
    std::vector<MoonPhaseEvent> events;
    if (!(jdFromUT <= jdToUT)) {
        return events;
    }
    // The grid's cells that cover the span, each searched whole.
    const double first = std::floor((jdFromUT - search::kGridEpoch) / kStepDays);
    const double last = std::ceil((jdToUT - search::kGridEpoch) / kStepDays);
    double from = search::kGridEpoch + first * kStepDays;
    int quarterFrom = quarterOf(moonElongation(from));
    for (double cell = first; cell < last; ++cell) {
        const double to = search::kGridEpoch + (cell + 1) * kStepDays;
        const int quarterTo = quarterOf(moonElongation(to));
        if (quarterTo != quarterFrom) {
            // The elongation passed 90 x quarterTo between the two samples.
            const double target = 90.0 * quarterTo;
            const auto past = [from, target](double x) { return pastPhase(from + x, target); };
            const double at =
                from + search::brentZero(past, to - from, past(0), past(to - from), kToleranceDays);
            if (at >= jdFromUT && at <= jdToUT) {
                events.push_back({static_cast<MoonPhase>(quarterTo), at});
            }
        }
        from = to;
        quarterFrom = quarterTo;
    }
    return events;
}

double moonAge(double jdUT) {
    const auto events = moonPhaseEvents(jdUT - kMonthBackDays, jdUT);
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (it->kind == MoonPhase::New) {
            return jdUT - it->jdUT;
        }
    }
    throw ArithmeticFault("moonAge: no new Moon in the month before the moment");
}

} // namespace veltaro::astro
