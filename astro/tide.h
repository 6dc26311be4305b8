#pragma once

#include "calendar/observation.h"

namespace veltaro::astro {

/// Sun/Earth and Moon/Earth mass ratios used for the equilibrium tide.
inline constexpr double kSunMassRatio = 332946;
inline constexpr double kMoonMassRatio = 0.01230002;

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
/// Given the body/Earth mass ratio `mu`, the body's distance `r` [km] and its
/// zenith distance `z` [radians], returns (3/2) mu R^4 / r^3 (cos^2 z - 1/3) [km]
/// with R = 6378.14 km: positive beneath and opposite the body, -1/2 of the
/// zenith value on the horizon.
double eqtide(double mu, double r, double z);

/// Evaluates the tide-generating force for the observation moment and point of
/// `state` (obsyear, obsmonth, obsday, obshour, obsminute as clock time on the
/// meridian obslon; obslat, obslon in degrees). Reads nothing else and changes
/// nothing. The clock is not normalised: minute 90 of hour 0 is 1:30.
///
/// Throws ArithmeticFault if any result would not be a finite number.
TideEvaluation calc(const ObservationState& state);

} // namespace veltaro::astro
