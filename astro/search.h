#pragma once

// What the searches for moments in time share: the series time of a moment in
// universal time and a zero finder. This folder's own, not exported.

#include "astro/timeargs.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace veltaro::astro::search {

/// Where the searches' sampling grids stand: every step from this Julian day,
/// so that an event is bracketed by the same two samples, and found as the same
/// number, whatever span is asked for.
inline constexpr double kGridEpoch = 2451545.0;

/// Series time argument of a moment in universal time.
inline double seriesTime(double jdUT) {
    // ephemtime counts from 1974 December 31, 0 h; its clock hours are not
    // reduced, so the hours since then on the meridian of Greenwich name any moment.
    static const double epoch = julianday(1974, 12, 31, 0, 0);
    return ephemtime(1974, 12, 31, (jdUT - epoch) * 24, 0, 0, 0);
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

} // namespace veltaro::astro::search
