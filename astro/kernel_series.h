#pragma once

// The Sun and Moon series over lanes (sun.h and moon.h describe each routine).

#include "astro/moonseries.h"
#include "astro/sunseries.h"
#include "astro/tide.h"
#include "lanes.h"

#include <cstddef>

namespace veltaro::astro::kernel {

namespace tables {
inline constexpr auto kSunlon = columnsOf(kSunlonTerms);
inline constexpr auto kSundist = columnsOf(kSundistTerms);
inline constexpr auto kMoonlonA = columnsOf(kMoonlonPerturbation);
inline constexpr auto kMoonlon = columnsOf(kMoonlonTerms);
inline constexpr auto kMoonlatB = columnsOf(kMoonlatPerturbation);
inline constexpr auto kMoonlat = columnsOf(kMoonlatTerms);
inline constexpr auto kMoonpar = columnsOf(kMoonparTerms);
} // namespace tables

/// The angle of term i of a table.
template <class Table, class V> V angleOf(const Table& table, std::size_t i, V t) {
    return termAngle(table.phase[i], table.rate[i], t);
}

/// Adds amplitude x sin(angle) of every term of a table to `sum`, one after
/// another in table order.
///
/// Unrolled and merged into calc, like the series themselves, so that a term
/// the Moon's series repeat (a1 and a2 of the longitude's perturbation are its
/// terms 27 and 38 and b3, b4 of the latitude's) costs one sine, not three.
template <class Table, class V> VELTARO_KERNEL_INLINE V addSines(V sum, const Table& table, V t) {
#pragma GCC unroll 64
    for (std::size_t i = 0; i < Table::size; ++i) {
        sum += table.amplitude[i] * sine(angleOf(table, i, t));
    }
    return sum;
}

/// The same with cosines.
template <class Table, class V> VELTARO_KERNEL_INLINE V addCosines(V sum, const Table& table, V t) {
#pragma GCC unroll 64
    for (std::size_t i = 0; i < Table::size; ++i) {
        sum += table.amplitude[i] * cosine(angleOf(table, i, t));
    }
    return sum;
}

/// Whole turns off by truncation: (s/360 - trunc(s/360)) x 360 keeps the sign of s.
template <class V> V offWholeTurns(V s) {
    const V q = s / 360.0;
    return (q - truncOf(q)) * 360.0;
}

template <class V> VELTARO_KERNEL_INLINE V sunlon(V t) {
    // Terms 0 and 1, then 2 to 19 from the table, summed in order from 0.
    V s = 0.0;
    s += 279.0358 + 360.00769 * t;
    s += (1.9159 - 0.00005 * t) * sine((356.531 + 359.991 * t) * kDeg);
    s = addSines(s, tables::kSunlon, t);
    return offWholeTurns(s);
}

/// The astronomical unit [km].
inline constexpr double kAstronomicalUnit = 149597870;

template <class V> VELTARO_KERNEL_INLINE V sundist(V t) {
    // log10 of the distance in astronomical units: term a, the constant b, then
    // terms c to f, added left to right.
    V q = (-0.007261 + 0.0000002 * t) * cosine((356.53 + 359.991 * t) * kDeg);
    q += 0.00003;
    q = addCosines(q, tables::kSundist, t);
    return powerOfTen(q) * kAstronomicalUnit;
}

template <class V> VELTARO_KERNEL_INLINE V moonlon(V t) {
    // The inner perturbation of term 1, summed a2 first, then a1, a3, a4.
    const auto& a = tables::kMoonlonA;
    const V s1 = sine(angleOf(a, 0, t));
    const V s2 = sine(angleOf(a, 1, t));
    const V s3 = sine(angleOf(a, 2, t));
    const V s4 = sine(angleOf(a, 3, t));
    const V perturbation =
        a.amplitude[1] * s2 + a.amplitude[0] * s1 + a.amplitude[2] * s3 + a.amplitude[3] * s4;

    // Terms 0 and 1, then 2 to 63 from the table, summed in order from 0.
    V s = 0.0;
    s += 124.8754 + 4812.67881 * t;
    s += 6.2887 * sine(((338.915 + 4771.9886 * t) + perturbation) * kDeg);
    s = addSines(s, tables::kMoonlon, t);
    return offWholeTurns(s);
}

template <class V> VELTARO_KERNEL_INLINE V moonlat(V t) {
    // The inner perturbation of term 0, b1 to b5 in order.
    const V perturbation = addSines(V(0.0), tables::kMoonlatB, t);

    // Term 0, then 1 to 46 from the table, summed in order from 0.
    V s = 0.0;
    s += 5.1282 * sine(((236.231 + 4832.0202 * t) + perturbation) * kDeg);
    s = addSines(s, tables::kMoonlat, t);
    // Reduced as the longitude is; the sum never reaches a turn, so this only
    // rounds, and the sign is kept.
    return offWholeTurns(s);
}

/// The Earth's equatorial radius [km].
inline constexpr double kEarthRadius = kEarthRadiusKm;

/// The constant of the parallax series [degrees].
inline constexpr double kMeanParallax = 0.9507;

template <class V> VELTARO_KERNEL_INLINE V moonpar(V t) {
    // The parallax [degrees]: term p1, the constant, then p2 to p8, left to right.
    const auto& p = tables::kMoonpar;
    V parallax = p.amplitude[0] * cosine(angleOf(p, 0, t));
    parallax += kMeanParallax;
#pragma GCC unroll 64
    for (std::size_t i = 1; i < p.size; ++i) {
        parallax += p.amplitude[i] * cosine(angleOf(p, i, t));
    }
    // The radius over the parallax in radians, not over its sine.
    return kEarthRadius / (parallax * kDeg);
}

} // namespace veltaro::astro::kernel
