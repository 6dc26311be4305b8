#pragma once

// The Moon's geocentric position from the series time argument T (ephemtime).

namespace veltaro::astro {

/// The Moon's ecliptic longitude.
///
/// Given:
///   t       series time argument [years of 365.25 days from 1975 January 0]
///
/// Returned:
///   ecliptic longitude [degrees], -360 < lambda < 360
///
/// Notes:
///  1. The mean longitude 124.8754 + 4812.67881 T and 63 periodic terms, each
///     amplitude x sin((phase + rate T) x kDeg), summed in order from 0. Term 1,
///     6.2887 sin((338.915 + 4771.9886 T + A) x kDeg), carries the inner
///     perturbation A = 0.002 s2 + 0.004 s1 + 0.0006 s3 + 0.0006 s4, added in
///     that order (s2 first).
///  2. The sum S is reduced with truncation, (S/360 - trunc(S/360)) x 360: the
///     result is in [0, 360) for S >= 0 and in (-360, 0] for S < 0 (before about
///     1974 December 21). A sum of an exact multiple of 360 gives 0.
///  3. One call costs 67 sines; nothing is kept between calls.
double moonlon(double t);

/// The Moon's ecliptic latitude.
///
/// Given:
///   t       series time argument [years of 365.25 days from 1975 January 0]
///
/// Returned:
///   ecliptic latitude [degrees], north positive, within about +-5.3
///
/// Notes:
///  1. 47 sine terms summed in order from 0; term 0, 5.1282 sin((236.231 +
///     4832.0202 T + B) x kDeg), carries the inner perturbation B, the sum of
///     five sine terms b1 to b5 in that order.
///  2. The sum S is reduced as in moonlon. |S| stays far below 360, so the
///     result is S but for the last bit the division and multiplication may
///     change; its sign is kept.
///  3. One call costs 52 sines.
double moonlat(double t);

/// The Moon's distance from the Earth's centre, from its horizontal parallax.
///
/// Given:
///   t       series time argument [years of 365.25 days from 1975 January 0]
///
/// Returned:
///   distance [km], between 6378.14 / ((0.9507 + 0.074) kDeg), about 356 632, and
///   6378.14 / ((0.9507 - 0.074) kDeg), about 416 836 (0.074 is the sum of the
///   eight amplitudes)
///
/// Notes:
///  1. Parallax P = 0.0518 c1 + 0.9507 + 0.0095 c2 + ... + 0.0003 c8 [degrees],
///     added left to right (the first term, then the constant, then the rest),
///     each ci = cos((phase + rate T) x kDeg).
///  2. The distance is the Earth's radius 6378.14 km divided by P in radians
///     (P x kDeg) itself, not by its sine.
///  3. One call costs 8 cosines; they are not shared with moonlon.
double moonpar(double t);

} // namespace veltaro::astro
