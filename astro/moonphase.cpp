#include "astro/moonphase.h"

#include "astro/fault.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/timeargs.h"
#include "astro/vectorstate.h"

#include <cfloat>
#include <cmath>

namespace veltaro::astro {

namespace {

/// Sampling step of the search [days]: the elongation moves at most 14.4
/// degrees a day, so one step never reaches from one multiple of 90 past the next.
constexpr double kStepDays = 4;

/// Where the sampling grid stands: every kStepDays from this Julian day, so that
/// a phase is bracketed by the same two samples, and found as the same number,
/// whatever span is asked for.
constexpr double kGridEpoch = 2451545.0;

/// How closely a crossing is pinned down [days]: 1e-10 days is 8.6 µs, far below
/// the minute the moments are rounded to, and near what the elongation's own
/// rounding allows.
constexpr double kToleranceDays = 1e-10;

/// The longest synodic month is 29.83 days: a month back always holds a new Moon.
constexpr double kMonthBackDays = 31;

/// Series time argument of a moment in universal time.
double seriesTime(double jdUT) {
    // ephemtime counts from 1974 December 31, 0 h; its clock hours are not
    // reduced, so the hours since then on the meridian of Greenwich name any moment.
    static const double epoch = julianday(1974, 12, 31, 0, 0);
    return ephemtime(1974, 12, 31, (jdUT - epoch) * 24, 0, 0, 0);
}

/// The quarter of the turn the elongation stands in, 0..3.
int quarterOf(double elongationDeg) {
    return static_cast<int>(elongationDeg / 90);
}

/// The elongation less `targetDeg`, in [-180, 180] [degrees]: zero at the phase,
/// negative before it and positive after it, continuous near it.
double pastPhase(double jdUT, double targetDeg) {
    return std::remainder(moonElongation(jdUT) - targetDeg, 360.0);
}

/// A zero of f between x = 0 (f(0) < 0) and x = b (f(b) >= 0), by Brent's method:
/// inverse quadratic interpolation or the secant where they keep inside the
/// bracket and shrink it fast enough, bisection otherwise.
template <typename F> double brentZero(F f, double b, double fa, double fb, double tolerance) {
    double a = 0;
    double c = b;
    double fc = fb;
    double d = b - a;
    double e = d;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) {
            c = a; // the zero lies between b and c
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) { // b the best guess so far
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * DBL_EPSILON * std::fabs(b) + 0.5 * tolerance;
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= tol || fb == 0) {
            return b;
        }
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p;
            double q;
            if (a == c) { // secant
                p = 2 * half * s;
                q = 1 - s;
            } else { // inverse quadratic interpolation
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            }
            p = std::fabs(p);
            if (2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : std::copysign(tol, half);
        fb = f(b);
    }
    return b;
}

} // namespace

double universalJulianDay(const TideInput& at) {
    // The day fraction as ephemtime forms it.
    return julianday(at.year, at.month, at.day, 0, 0) +
           ((at.hour - at.lon / 15) / 24 + at.minute / 1440);
}

double moonElongation(double jdUT) {
    const double t = seriesTime(jdUT);
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
    const double first = std::floor((jdFromUT - kGridEpoch) / kStepDays);
    const double last = std::ceil((jdToUT - kGridEpoch) / kStepDays);
    double from = kGridEpoch + first * kStepDays;
    int quarterFrom = quarterOf(moonElongation(from));
    for (double cell = first; cell < last; ++cell) {
        const double to = kGridEpoch + (cell + 1) * kStepDays;
        const int quarterTo = quarterOf(moonElongation(to));
        if (quarterTo != quarterFrom) {
            // The elongation passed 90 x quarterTo between the two samples.
            const double target = 90.0 * quarterTo;
            const auto past = [from, target](double x) { return pastPhase(from + x, target); };
            const double at =
                from + brentZero(past, to - from, past(0), past(to - from), kToleranceDays);
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
