#pragma once

// Sky geometry: ecliptic to equatorial coordinates, and the eastward angle
// between two points of the sphere.

namespace veltaro::astro {

/// Right ascension from ecliptic coordinates.
///
/// Given:
///   lonDeg        ecliptic longitude lambda [degrees, any sign, not reduced]
///   latDeg        ecliptic latitude beta [degrees]
///   obliquityDeg  obliquity of the ecliptic epsilon [degrees]
///
/// Returned:
///   right ascension [degrees], -90 < alpha < 270
///
/// Notes:
///  1. X = cos(lambda) cos(beta), Y = -sin(beta) sin(epsilon) + sin(lambda) cos(beta)
///     cos(epsilon), alpha = arctan(Y/X)/kDeg, plus 180 if X < 0. No further
///     reduction: a right ascension of 281 is returned as -79.
///  2. At the singular point X = 0 the limit is returned: 90 for Y > 0, 270 for
///     Y < 0, and 90 where Y is 0 as well (the ecliptic pole, where every right
///     ascension is equally good). With the digits of kDeg X is never exactly 0
///     for the Sun or the Moon; the guard keeps the result a number regardless.
double ecl2ra(double lonDeg, double latDeg, double obliquityDeg);

/// Declination from ecliptic coordinates.
///
/// Given:
///   lonDeg        ecliptic longitude lambda [degrees, any sign]
///   latDeg        ecliptic latitude beta [degrees]
///   obliquityDeg  obliquity of the ecliptic epsilon [degrees]
///
/// Returned:
///   declination [degrees], -90 <= delta <= 90
///
/// Notes:
///  1. z = sin(beta) cos(epsilon) + sin(lambda) cos(beta) sin(epsilon) is the sine of the
///     declination; delta = arctan(z / sqrt(-z z + 1))/kDeg, the arcsine through the
///     arctangent.
///  2. Where |z| reaches or passes 1 (a pole of the equator, or rounding) the
///     limit +-90 is returned with the sign of z.
double ecl2dec(double lonDeg, double latDeg, double obliquityDeg);

/// Eastward angle from one point of the sphere to another.
///
/// Given:
///   ra1Deg, dec1Deg   right ascension and declination of point 1 [degrees]
///   ra2Deg, dec2Deg   right ascension and declination of point 2 [degrees]
///
/// Returned:
///   angle [radians], 0 <= d < 2 pi
///
/// Notes:
///  1. x = cos(p1) cos(p2) + sin(p2) sin(p1) cos(alpha2 - alpha1), with the
///     polar distances p = 90 - delta, is the cosine of the angle; d =
///     arctan(-x / sqrt(-x x + 1)) + 2 arctan(1) is its arccosine, 0 <= d <= pi.
///  2. Where |x| reaches or passes 1 (the points coincide or are opposite, or
///     rounding) d takes its limit: 0 for x >= 1, pi for x <= -1.
///  3. With Delta = alpha2 - alpha1 [degrees]: if (Delta < 0 or Delta > 180) and
///     Delta > -180, d becomes 6.28318530717958 - d. The bounds are strict:
///     Delta = 0, 180 and -180 keep d; Delta below -180 keeps d; Delta above 180
///     always turns it, also beyond a full turn. The result is the eastward
///     angle from point 1 to point 2 when |Delta| < 360 (both right ascensions
///     of the same turn, as ecl2ra gives them); outside that the direction is
///     whatever the rule above makes of Delta.
///  4. The result is in radians, not degrees.
double sepangle(double ra1Deg, double dec1Deg, double ra2Deg, double dec2Deg);

} // namespace veltaro::astro
