#pragma once

// Time arguments: the Julian day, Julian centuries, the obliquity, the day
// count, the series time argument T and the sidereal angle.

#include <cstdint>

namespace veltaro::astro {

/// Julian day of a proleptic Gregorian date and clock time.
///
/// Given:
///   year    calendar year [whole number; year 0 is a year like any other]
///   month   month [1..12]
///   day     day of the month [1..31]
///   hour    hour [hours]
///   minute  minute [minutes]
///
/// Returned:
///   Julian day [days]; a date at 0 h gives N + 0.5.
///
/// Notes:
///  1. January and February count as months 13 and 14 of the year before.
///  2. A negative year is first decreased by one (year -1 is computed as -2).
///  3. The Gregorian correction is always applied; there is no switch to the
///     Julian calendar before 1582.
///  4. A minute of 60 or more, or with a fraction, is used as it stands: there
///     is no carry into the hour. Month and day are not checked.
///  5. 2000-01-01 12:00 gives 2451545.0 (J2000.0); 1900-01-01 0:00 gives 2415020.5.
double julianday(double year, double month, double day, double hour, double minute);

/// Julian centuries from Julian day 2415020.0 (1900 January 0.5).
///
/// Given:
///   jd      Julian day [days]
///
/// Returned:
///   Tc [Julian centuries of 36525 days]; 0 at 2415020.0, 1 at 2451545.0.
double jcentury(double jd);

/// Mean obliquity of the ecliptic.
///
/// Given:
///   tc      Julian centuries from 1900 January 0.5 (jcentury)
///
/// Returned:
///   obliquity [degrees]: 23.452294 - 0.0130125 Tc - 1.64e-6 Tc^2 + 5.03e-7 Tc^3.
///
/// Notes:
///  1. Tc^2 and Tc^3 are formed as Tc x Tc and Tc x Tc x Tc; the terms are added
///     left to right.
double obliquity(double tc);

/// Day count of the series time argument: days from 1974 December 31.
///
/// Given:
///   year, month, day  calendar date [whole numbers, as julianday takes them]
///
/// Returned:
///   day count K [days]: 1 on 1975-01-01, 9132 on 2000-01-01
///
/// Notes:
///  1. K = julianday(year, month, day, 0, 0) - 2442412.5, held in 32 bits: the
///     true count of days for every date, leap days included, over about 5.8
///     million years either side of 1975.
///  2. The count was once formed from the year's quarters and the month in 16
///     bits. That form agrees from 1900-03-01 to 2064-09-16; it gave dates
///     before 1900-03-01 one or two days too few (it took 1900 for a leap year
///     and truncated a negative fraction), and no date outside 1885-04-14 ..
///     2064-09-16 fitted 16 bits.
///  3. A count that does not fit 32 bits (or a date that is not a number)
///     throws ArithmeticFault.
std::int32_t daycount(double year, double month, double day);

/// Series time argument T of the Sun and Moon series.
///
/// Given:
///   year, month, day  calendar date [whole numbers, as julianday takes them]
///   hour, minute, second  clock time on the meridian lonDeg
///   lonDeg            meridian of the clock [degrees, east positive]
///
/// Returned:
///   T [years of 365.25 days from 1975 January 0.0 (1974 December 31, 0 h),
///      uniform time]
///
/// Notes:
///  1. The day count K is daycount(year, month, day): the true count of days
///     from 1974 December 31 (K = 1 on 1975-01-01) for every date of the
///     accepted range and far beyond. A date whose count does not fit 32 bits
///     throws ArithmeticFault.
///  2. The fraction of the day is F = (hour - lonDeg/15)/24 + minute/1440 +
///     second/86400, added in this order: the clock time turned into universal
///     time by subtracting lonDeg/15 hours. F is not reduced to 0..1.
///  3. T0 = (K + F)/365.25, and T = T0 + (0.0317 T0 + 1.43) x 1e-6: about 45 s
///     at T0 = 0, growing by about 1 s a year, carrying universal time over to
///     the uniform time of the series.
double ephemtime(double year, double month, double day, double hour, double minute, double second,
                 double lonDeg);

/// Greenwich mean sidereal time at 0 h universal time.
///
/// Given:
///   tc      Julian centuries from 1900 January 0.5 of that 0 h (jcentury)
///
/// Returned:
///   sidereal time [hours, not reduced to 0..24]:
///   6.6460988 + 2400.05125 Tc + 2.58e-5 Tc^2
///
/// Notes:
///  1. The constant was fitted to the IAU 1982 expression of Greenwich mean
///     sidereal time (Aoki et al. 1982, as IAU SOFA iauGmst82 evaluates it)
///     at 0 h UT of every day 1900-2100; within those years the two agree to
///     0.13 s of time (0.0006 degrees), and within 1600-2400 to 0.5 s.
///  2. Universal time stands in for UT1: the difference is below a second of
///     time and far below what the tide curves show.
double siderealtime(double tc);

/// Local sidereal angle: the right ascension of the observer's meridian.
///
/// Given:
///   st0h      Greenwich sidereal time at 0 h UT of the date (siderealtime) [hours]
///   clockDeg  clock angle 15 x (hour + minute/60) of the clock on the
///             observer's meridian [degrees]
///   lonDeg    observer's longitude [degrees, east positive]
///
/// Returned:
///   local sidereal angle [degrees, not reduced to 0..360]:
///   st0h x 15 + (clockDeg - lonDeg) x 1.002738 + lonDeg
///
/// Notes:
///  1. The clock runs on the observer's meridian, as in ephemtime: clockDeg -
///     lonDeg is universal time as an angle, which may be negative or beyond a
///     full turn (clock 0:00 at 135 E is 15:00 UT of the day before). It is
///     advanced at 1.002738 sidereal per solar time and the longitude added.
///  2. The moment is the same as ephemtime's for the same date, clock and longitude.
double localsidereal(double st0h, double clockDeg, double lonDeg);

} // namespace veltaro::astro
