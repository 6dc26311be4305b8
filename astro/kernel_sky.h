#pragma once

// Sky geometry and the tide height over lanes (sky.h and tide.h describe each
// routine). Where a routine takes one of two ways, every lane computes both and
// keeps its own; the way not taken is fed harmless numbers, so that no lane
// divides by zero or takes the root of a negative number it does not use.

#include "astro/angles.h"
#include "kernel_series.h"
#include "lanes.h"

namespace veltaro::astro::kernel {

/// The sine and cosine of an angle in degrees (times kDeg), as the geometry
/// takes its angles: the caller makes each pair once, however many routines use it.
template <class V> struct Trig {
    V sin;
    V cos;
};

template <class V> VELTARO_KERNEL_INLINE Trig<V> trig(V deg) {
    const V radians = deg * kDeg;
    return {sine(radians), cosine(radians)};
}

template <class V> VELTARO_KERNEL_INLINE V ecl2ra(Trig<V> lon, Trig<V> lat, Trig<V> obliquity) {
    const V x = lon.cos * lat.cos;
    const V y = -lat.sin * obliquity.sin + lon.sin * lat.cos * obliquity.cos;
    const auto singular = x == 0.0;
    // At x = 0 the quotient's limit on either side of the singular point.
    const V limit = select(y < 0.0, V(270.0), V(90.0));
    V ra = arctan(y / select(singular, V(1.0), x)) / kDeg;
    ra = select(x < 0.0, ra + 180.0, ra);
    return select(singular, limit, ra);
}

template <class V> VELTARO_KERNEL_INLINE V ecl2dec(Trig<V> lon, Trig<V> lat, Trig<V> obliquity) {
    const V z = lat.sin * obliquity.cos + lon.sin * lat.cos * obliquity.sin;
    // A pole: the arcsine's limit, not a square root of a negative number.
    const auto pole = (z >= 1.0) | (z <= -1.0);
    const V limit = select(z > 0.0, V(90.0), V(-90.0));
    const V w = select(pole, V(0.0), z);
    return select(pole, limit, arctan(w / squareRoot(-w * w + 1.0)) / kDeg);
}

/// 2 arctan(1): pi/2 as the arctangent gives it.
inline constexpr double kQuarterTurn = 2 * 0.78539816339744830962;

/// A full turn [radians], to the 15 significant digits the program has always used.
inline constexpr double kFullTurn = 6.28318530717958;

/// The polar distance 90 - dec of a declination, as sepangle takes it.
template <class V> VELTARO_KERNEL_INLINE Trig<V> polar(V decDeg) {
    return trig(90.0 - decDeg);
}

/// sepangle of two points given by right ascension and polar distance.
template <class V> VELTARO_KERNEL_INLINE V sepangle(V ra1Deg, Trig<V> p1, V ra2Deg, Trig<V> p2) {
    // The cosine of the angle.
    const V x = p1.cos * p2.cos + p2.sin * p1.sin * cosine((ra2Deg - ra1Deg) * kDeg);

    // Its arccosine through the arctangent, 0..pi; at |x| >= 1 the limit.
    const auto same = x >= 1.0;
    const auto opposite = x <= -1.0;
    const V w = select(same | opposite, V(0.0), x);
    V d = arctan(-w / squareRoot(-w * w + 1.0)) + kQuarterTurn;
    d = select(same, V(0.0), d);
    d = select(opposite, V(2 * kQuarterTurn), d);

    // Point 2 west of point 1 gives the rest of the turn.
    const V delta = ra2Deg - ra1Deg;
    const auto west = ((delta < 0.0) | (delta > 180.0)) & (delta > -180.0);
    return select(west, kFullTurn - d, d);
}

template <class V> VELTARO_KERNEL_INLINE V eqtide(double mu, V r, V z) {
    const V c = cosine(z);
    const V p = c * c - 1.0 / 3.0;
    const double R = kEarthRadius;
    return (3.0 / 2.0) * mu * R * R * R * R / (r * r * r) * p;
}

} // namespace veltaro::astro::kernel
