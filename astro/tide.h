#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace veltaro::astro {

/// Sun/Earth and Moon/Earth mass ratios used for the equilibrium tide.
inline constexpr double kSunMassRatio = 332946;
inline constexpr double kMoonMassRatio = 0.01230002;
/// The Earth's equatorial radius R of the equilibrium tide and of the Moon's distance [km].
inline constexpr double kEarthRadiusKm = 6378.14;

/// One moment at one place, as the tide evaluation takes it.
struct TideInput {
    double year = 0;   ///< Gregorian year, a whole number
    double month = 0;  ///< month 1..12, a whole number
    double day = 0;    ///< day of the month, a whole number; the date is a valid one
    double hour = 0;   ///< hour of the clock time, a whole number 0..23
    double minute = 0; ///< minute of the clock time [0, 60)
    double lat = 0;    ///< latitude [degrees], north positive
    double lon = 0;    ///< longitude [degrees], east positive; the clock runs on this meridian
};

/// Everything one evaluation of the tide-generating force produces.
///
/// The last six members are the results the graphs use; the others are the
/// intermediate quantities, kept for the command-line tool and for tests.
struct TideEvaluation {
    double jd;        ///< Julian day of 0 h of the date [days]
    double T;         ///< series time argument [years of 365.25 days from 1975 Jan 0, uniform time]
    double sunlon;    ///< Sun's ecliptic longitude [degrees], (-360, 360)
    double sundist;   ///< Sun's distance [km]
    double moonlon;   ///< Moon's ecliptic longitude [degrees], (-360, 360)
    double moonlat;   ///< Moon's ecliptic latitude [degrees]
    double moondist;  ///< Moon's distance [km]
    double obliquity; ///< mean obliquity of the ecliptic [degrees]
    double theta;     ///< local sidereal angle, right ascension of the zenith [degrees]
    double SSlon;     ///< Sun's right ascension [degrees], (-90, 270)
    double MMlon;     ///< Moon's right ascension [degrees], (-90, 270)
    double zs;        ///< Sun's zenith distance [radians]
    double zm;        ///< Moon's zenith distance [radians]
    double MSangle;   ///< eastward angle Sun to Moon on the equatorial sphere [radians], [0, 2pi)
    double MSGangle;  ///< eastward angle Sun to Moon along the ecliptic [radians], [0, 2pi)
    double Ssea;      ///< equilibrium tide height raised by the Sun [km], signed
    double Msea;      ///< equilibrium tide height raised by the Moon [km], signed
};

/// Equilibrium height of the sea surface raised by one body.
///
/// Given:
///   mu      body/Earth mass ratio
///   r       the body's distance from the Earth's centre [km]
///   z       the body's zenith distance [radians, not degrees]
///
/// Returned:
///   height of the equilibrium sea surface [km], signed:
///   (3/2) mu R^4 / r^3 (cos^2 z - 1/3), R = 6378.14 km
///
/// Notes:
///  1. Formed as ((((1.5 mu) R) R) R) R / ((r r) r) x (c c - 1/3), c = cos z,
///     multiplied in that order, with 1.5 computed as 3/2 and 1/3 as 1/3.
///  2. Largest, mu R^4 / r^3, with the body at the zenith or nadir; -1/2 of that
///     on the horizon; zero where cos^2 z = 1/3. Doubling r divides it by 8.
double eqtide(double mu, double r, double z);

/// The tide-generating force of the Sun and the Moon at one moment and place.
///
/// Given:
///   at      the observation moment and point: year, month, day (a valid date),
///           hour and minute (clock time on the meridian lon), lat [degrees,
///           north positive], lon [degrees, east positive].
///
/// Returned:
///   every quantity of the evaluation (TideEvaluation), among them jd, the
///   Julian day of 0 h of the date, and the six results the graphs use:
///   Ssea, Msea [km], MSangle, MSGangle [radians, 0..2pi), SSlon, MMlon [degrees].
///
/// Notes:
///  1. In order: T from ephemtime; the Sun's longitude and distance; the Moon's
///     longitude, latitude and distance; jd, Tc and the obliquity from 0 h of the
///     date; right ascensions and declinations (the Sun's latitude 0); the clock
///     angle (hour + minute/60) x 15 and the local sidereal angle theta;
///     the zenith distances as sepangle from each body to the zenith (right
///     ascension theta, declination lat); MSangle from the Sun's to the
///     Moon's equatorial place; MSGangle from the Sun's to the Moon's ecliptic
///     longitude; the two tide heights.
///  2. The clock is not normalised: minute 90 of hour 0 is 1:30.
///  3. For MSGangle the two ecliptic longitudes are first put in the same turn:
///     from 1974 April to December the Sun's longitude is already positive while
///     the Moon's is still negative, and their plain difference would let a Moon
///     west of the Sun count as east of it. At every other moment the
///     longitudes enter as they are.
///  4. Everything is recomputed on every call; two calls with the same input
///     give identical results, on every processor and every path (simd.h).
///  5. Throws ArithmeticFault if any result is not a finite number, or if the
///     date's day count does not fit (ephemtime); for the accepted dates,
///     latitudes and longitudes neither happens.
///  6. One moment through calcBatch: the same arithmetic, the same bits.
TideEvaluation calc(const TideInput& at);

/// How a batch evaluation went.
struct BatchOutcome {
    /// Moments evaluated, from the first on, before the first one that faulted;
    /// all of them when none did.
    std::size_t evaluated = 0;
    /// The message of that moment's fault (as calc would throw it), if one did.
    std::optional<std::string> fault;
};

/// The tide-generating force at many moments: out[i] = calc(at[i]).
///
/// Given:
///   at      the moments and points, any number
///   out     as many evaluations as there are moments
///
/// Returned:
///   how far the batch got. out[0 .. evaluated) hold the evaluations; a fault
///   stops the batch at the first moment that has one, and what follows it in
///   `out` is left unspecified.
///
/// Notes:
///  1. The moments are evaluated several at once, one in each lane of the
///     widest vector registers the processor has (simd.h); every lane gets the
///     same bits calc gives for its moment, whatever its neighbours hold.
BatchOutcome calcBatch(std::span<const TideInput> at, std::span<TideEvaluation> out);

} // namespace veltaro::astro
