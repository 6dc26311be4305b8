#pragma once

// The Sun's geocentric position from the series time argument T (ephemtime).

namespace veltaro::astro {

/// The Sun's ecliptic longitude.
///
/// Given:
///   t       series time argument [years of 365.25 days from 1975 January 0]
///
/// Returned:
///   ecliptic longitude [degrees], -360 < lambda < 360
///
/// Notes:
///  1. The mean longitude 279.0358 + 360.00769 T and 19 periodic terms, each
///     amplitude x sin((phase + rate T) x kDeg); term 1's amplitude is
///     1.9159 - 0.00005 T. The terms are summed in order from 0.
///  2. The sum s is reduced with truncation, (s/360 - trunc(s/360)) x 360, so the
///     result keeps its sign: [0, 360) for s >= 0, (-360, 0] for s < 0 (before
///     about April 1974). No 360 is added to a negative result.
///  3. The Sun's ecliptic latitude is taken as 0.
double sunlon(double t);

/// The Sun's distance from the Earth.
///
/// Given:
///   t       series time argument [years of 365.25 days from 1975 January 0]
///
/// Returned:
///   distance [km], about 147.1 to 152.1 million
///
/// Notes:
///  1. q = (-0.007261 + 0.0000002 T) cos(a) + 0.00003 + four cosine terms,
///     added left to right in that order, is the common logarithm of the
///     distance in astronomical units; the result is 10^q x 149597870.
///  2. Term a's phase 356.53 differs from the 356.531 of sunlon's term 1; each
///     routine keeps its own.
double sundist(double t);

} // namespace veltaro::astro
