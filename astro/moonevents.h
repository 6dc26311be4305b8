#pragma once

// The Moon's perigee and apogee, its greatest northern and southern
// declination and its crossings of the equator, found from the program's own
// Moon series.

#include <vector>

namespace veltaro::astro {

/// Moments of the Moon's distance and declination.
enum class MoonEvent {
    Perigee,       ///< the distance at a least value
    Apogee,        ///< the distance at a greatest value
    GreatestNorth, ///< the declination at a greatest value (northernmost)
    GreatestSouth, ///< the declination at a least value (southernmost)
    Ascending,     ///< the declination passing 0 northwards
    Descending,    ///< the declination passing 0 southwards
};

/// One event and when it happens.
struct MoonEventMoment {
    MoonEvent kind;
    double jdUT;  ///< the moment [Julian day, universal time]
    double value; ///< the distance [km] (Perigee, Apogee) or the declination [degrees] there
};

/// The Moon's distance from the Earth's centre at a moment.
///
/// Given:
///   jdUT    the moment [Julian day, universal time]
///
/// Returned:
///   moonpar of the moment's series time [km], calc's moondist.
///
/// Notes:
///  1. The series time is formed as moonElongation forms it (moonphase.h).
double moonDistance(double jdUT);

/// The Moon's declination at a moment.
///
/// Given:
///   jdUT    the moment [Julian day, universal time]
///
/// Returned:
///   ecl2dec(moonlon, moonlat, obliquity) [degrees], -90 < delta < 90: the
///   declination calc finds for the Moon.
///
/// Notes:
///  1. The obliquity is that of the moment itself, where calc takes it at 0 h of
///     the date on the observer's clock: it moves by 4e-7 degrees a day, so the
///     two agree to 1e-6 degrees, and this one has no step at midnight.
double moonDeclination(double jdUT);

/// Every perigee, apogee, greatest declination and equator crossing of the
/// Moon from one moment to another.
///
/// Given:
///   jdFromUT, jdToUT  the span [Julian days, universal time], jdFromUT <= jdToUT
///
/// Returned:
///   the events whose moments lie in [jdFromUT, jdToUT], in time order; an empty
///   span, or one given backwards, gives none.
///
/// Notes:
///  1. The distance's and the declination's rates (central differences over
///     +-0.01 days) and the declination itself are sampled every day on a grid
///     fixed at Julian day 2451545.0; each change of sign is then found by
///     Brent's method to 1e-9 days. An event comes out as the same number
///     whatever span holds it. Perigee follows apogee 12 to 16 days apart and
///     the declination turns every 12 to 15 days, so a day never holds two of
///     the same kind.
///  2. Against the IAU SOFA Moon (Moon98) on the mean equator of date, with the
///     NASA values of uniform less universal time, every event of 1900 to 2100
///     (tests/astro/tst_moonevents.cpp): the greatest declinations and the
///     equator crossings agree within 1.7 minutes (median 0.4), their
///     declinations within 0.002 degrees; perigee within 6 hours (median 52
///     minutes) and apogee within 2.5 hours (median 37 minutes). The distance
///     comes from moonpar's eight parallax terms, off by up to 550 km at
///     perigee, and its extremes are flat, so its moments are only good to
///     hours: enough for a mark on a graph of days, not for a table of times.
///  3. One span of a year costs about 370 samples of each of the three
///     quantities and some 100 solutions.
std::vector<MoonEventMoment> moonEvents(double jdFromUT, double jdToUT);

} // namespace veltaro::astro
