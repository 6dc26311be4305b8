#pragma once

namespace veltaro::astro {

/// Julian day of a proleptic Gregorian date and clock time.
///
/// Given year, month (1..12), day, hour and minute (a minute of 60 or more is
/// used as it stands, without a carry), returns the Julian day [days]; a date at
/// 0 h gives N + 0.5. January and February count as months 13 and 14 of the year
/// before; a negative year is first decreased by one. The Gregorian correction
/// is always applied.
double julianday(double year, double month, double day, double hour, double minute);

/// Julian centuries of 36525 days from Julian day 2415020.0.
double jcentury(double jd);

/// Mean obliquity of the ecliptic [degrees] for Tc Julian centuries from 1900.
double obliquity(double tc);

/// Series time argument T [years of 365.25 days from 1975 January 0.0, uniform time].
///
/// The clock time h:mi:s is read on the meridian `lonDeg` [degrees, east
/// positive] and turned into universal time by subtracting lonDeg/15 hours;
/// a small correction to uniform time is added. The day count is the true
/// count of days (1 on 1975-01-01) for every date.
double ephemtime(double year, double month, double day, double hour, double minute,
                 double second, double lonDeg);

/// Greenwich mean sidereal time at 0 h universal time [hours], for Tc of that 0 h.
double siderealtime(double tc);

/// Local sidereal angle [degrees, not reduced to 0..360].
///
/// Given the Greenwich sidereal time at 0 h UT of the date `st0h` [hours], the
/// clock angle `clockDeg` = 15 x (hour + minute/60) [degrees] of the clock on
/// the observer's meridian, and the observer's longitude `lonDeg` [degrees,
/// east positive], returns the right ascension of the observer's meridian at
/// that moment: the same moment that ephemtime describes.
double localsidereal(double st0h, double clockDeg, double lonDeg);

} // namespace veltaro::astro
