#pragma once

// Time arguments over lanes (timeargs.h describes each routine). Templates over
// the number types of lanes.h: one moment as a double, or one moment a lane.

#include "lanes.h"

namespace veltaro::astro::kernel {

template <class V> V julianday(V year, V month, V day, V hour, V minute) {
    V y = year;
    V m = month;
    y = select(y < 0.0, y - 1.0, y);
    const auto early = m < 3.0;
    y = select(early, y - 1.0, y);
    m = select(early, m + 12.0, m);
    const V a = floorOf(365.25 * y) + floorOf(30.59 * (m - 2.0));
    const V jd = a + day + hour / 24.0 + minute / 1440.0 + 1721086.5;
    // The Gregorian correction is a whole number already; it is kept as a double
    // so that no year, however wild, meets an integer conversion here.
    const V g = floorOf(y / 400.0) - floorOf(y / 100.0) + 2.0;
    return jd + g;
}

template <class V> V jcentury(V jd) {
    return (jd - 2415020.0) / 36525.0;
}

template <class V> V obliquity(V tc) {
    return 23.452294 - 0.0130125 * tc - 1.64e-06 * (tc * tc) + 5.03e-07 * (tc * tc * tc);
}

/// Julian day of 1974 December 31, 0 h: day count 0.
inline constexpr double kDayCountOrigin = 2442412.5;

/// What daycount and ephemtime throw, and calc, for a day count that does not fit.
inline constexpr char kDayCountFault[] = "daycount: the date's day count does not fit 32 bits";

/// The day count as a whole number in a double; `unfit` is set in the lanes
/// whose count does not fit 32 bits (or is not a number), and those lanes hold 0.
template <class V, class M> V daycount(V year, V month, V day, M& unfit) {
    const V days = julianday(year, month, day, V(0.0), V(0.0)) - kDayCountOrigin;
    constexpr double lowest = -2147483648.0;
    constexpr double highest = 2147483647.0;
    unfit = !((days >= lowest) & (days <= highest));
    // A whole number for a whole day; a day with a fraction goes to the nearest.
    return select(unfit, V(0.0), nearestOf(days));
}

template <class V, class M>
V ephemtime(V year, V month, V day, V hour, V minute, V second, V lonDeg, M& unfit) {
    const V k = daycount(year, month, day, unfit);

    // The fraction of the day in universal time: the clock runs on the meridian lonDeg.
    const V f = (hour - lonDeg / 15.0) / 24.0 + minute / 1440.0 + second / 86400.0;

    const V t0 = (k + f) / 365.25;
    return t0 + (0.0317 * t0 + 1.43) * 1e-6;
}

template <class V> V siderealtime(V tc) {
    return 6.6460988 + 2400.05125 * tc + 2.58e-05 * (tc * tc);
}

template <class V> V localsidereal(V st0h, V clockDeg, V lonDeg) {
    // Universal time as an angle, advanced at the sidereal rate, then the longitude.
    return st0h * 15.0 + (clockDeg - lonDeg) * 1.002738 + lonDeg;
}

} // namespace veltaro::astro::kernel
