// Time arguments: julianday, jcentury, obliquity, daycount, ephemtime,
// siderealtime and localsidereal.
#include "astro/fault.h"
#include "astro/timeargs.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using namespace veltaro::astro;

struct Date {
    int y, m, d;
};

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int monthLength(int y, int m) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : lengths[m - 1];
}

Date nextDay(Date date) {
    if (++date.d > monthLength(date.y, date.m)) {
        date.d = 1;
        if (++date.m > 12) {
            date.m = 1;
            ++date.y;
        }
    }
    return date;
}

bool before(Date a, Date b) {
    return a.y != b.y ? a.y < b.y : a.m != b.m ? a.m < b.m : a.d < b.d;
}

// Julian day of 0 h of a proleptic Gregorian date (astronomical year numbering), by ERFA.
double erfaJulianDay(int y, int m, int d) {
    double djm0 = 0;
    double djm = 0;
    const int status = eraCal2jd(y, m, d, &djm0, &djm);
    EXPECT_EQ(status, 0) << y << "-" << m << "-" << d;
    return djm0 + djm;
}

// The day count as it was first written, from the year's quarters and the month
// (the historical 16-bit form, here in a wide integer to see where it goes wrong).
std::int64_t historicalDayCount(int y, int m, int d) {
    const double y4 = (y - 1900) / 4.0;
    const double frac = y4 - std::trunc(y4);
    const double b = std::floor((m + 7) / 10.0);
    const double k = std::floor(1461 * y4) + 31 * m + d + (b - 1) * std::floor(1 - frac) -
                     b * std::floor(0.44 * (m + 4.4)) - 27424;
    return static_cast<std::int64_t>(k);
}

// ---------------------------------------------------------------- julianday

struct JulianDayCase {
    const char* source;
    double year, month, day, hour, minute;
    double jd;
};

TEST(julianday, PublishedJulianDays) {
    const JulianDayCase cases[] = {
        {"J2000.0, Meeus, Astronomical Algorithms, ch. 7", 2000, 1, 1, 12, 0, 2451545.0},
        {"Meeus table 7.a: 1999 Jan 1.0", 1999, 1, 1, 0, 0, 2451179.5},
        {"Meeus table 7.a: 1987 Jan 27.0", 1987, 1, 27, 0, 0, 2446822.5},
        {"Meeus table 7.a: 1987 Jun 19.5", 1987, 6, 19, 12, 0, 2446966.0},
        {"Meeus table 7.a: 1988 Jan 27.0", 1988, 1, 27, 0, 0, 2447187.5},
        {"Meeus table 7.a: 1988 Jun 19.5", 1988, 6, 19, 12, 0, 2447332.0},
        {"Meeus table 7.a: 1900 Jan 1.0", 1900, 1, 1, 0, 0, 2415020.5},
        {"Meeus table 7.a: 1600 Jan 1.0", 1600, 1, 1, 0, 0, 2305447.5},
        {"Meeus table 7.a: 1600 Dec 31.0", 1600, 12, 31, 0, 0, 2305812.5},
        {"ERFA eraCal2jd: 2400-12-31", 2400, 12, 31, 0, 0, 2598006.5},
        {"1 h = 1/24 day after J2000.0", 2000, 1, 1, 13, 0, 2451545.0 + 1.0 / 24},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(julianday(c.year, c.month, c.day, c.hour, c.minute), c.jd) << c.source;
    }
}

TEST(julianday, FractionalDayOfMeeusExample7a) {
    // Meeus, Astronomical Algorithms, example 7.a: 1957 October 4.81 = JD 2436116.31.
    EXPECT_NEAR(julianday(1957, 10, 4.81, 0, 0), 2436116.31, 1e-8);
}

TEST(julianday, MinutesAreNotCarriedButCountInFull) {
    // Minute 90 of hour 0 is the same instant as 1:30; a fraction enters unrounded.
    EXPECT_NEAR(julianday(2002, 8, 16, 0, 90), julianday(2002, 8, 16, 1, 30), 1e-9);
    EXPECT_NEAR(julianday(2002, 8, 16, 0, 0.5) - julianday(2002, 8, 16, 0, 0), 0.5 / 1440, 1e-9);
}

TEST(julianday, JanuaryAndFebruaryAreMonths13And14OfTheYearBefore) {
    // (Year 0 and earlier would hand a negative year to the second call, which
    // then moves it once more; the negative years have a test of their own.)
    const Date dates[] = {{2000, 1, 1},  {2000, 2, 29}, {1900, 2, 28},
                          {1601, 1, 31}, {2024, 2, 15}, {1, 2, 28}};
    for (const auto& date : dates) {
        EXPECT_EQ(julianday(date.y, date.m, date.d, 0, 0),
                  julianday(date.y - 1, date.m + 12, date.d, 0, 0))
            << date.y << "-" << date.m << "-" << date.d;
    }
}

TEST(julianday, YearZeroAndNegativeYears) {
    // Year 0 is an ordinary (leap) year; a negative year is first moved one
    // further back, so year -1 is computed as astronomical year -2.
    struct Case {
        double year, month, day;
        int astroYear;
    };
    const Case cases[] = {
        {0, 3, 1, 0},    {0, 2, 29, 0},  {0, 1, 1, 0},     {-1, 3, 1, -2},
        {-1, 2, 15, -2}, {-1, 1, 1, -2}, {-4, 12, 31, -5}, {-100, 6, 30, -101},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(julianday(c.year, c.month, c.day, 0, 0),
                  erfaJulianDay(c.astroYear, static_cast<int>(c.month), static_cast<int>(c.day)))
            << "year " << c.year << " month " << c.month << " day " << c.day;
    }
}

TEST(julianday, EveryDayFrom1600To2400AgreesWithErfa) {
    double previous = 0;
    for (Date date{1600, 1, 1}; before(date, Date{2401, 1, 1}); date = nextDay(date)) {
        const double jd = julianday(date.y, date.m, date.d, 0, 0);
        ASSERT_EQ(jd, erfaJulianDay(date.y, date.m, date.d))
            << date.y << "-" << date.m << "-" << date.d;
        ASSERT_EQ(jd - std::floor(jd), 0.5);
        if (previous != 0) {
            ASSERT_EQ(jd - previous, 1.0) << date.y << "-" << date.m << "-" << date.d;
        }
        previous = jd;
    }
}

// ---------------------------------------------------------------- jcentury, obliquity

TEST(jcentury, OriginAndOneCentury) {
    EXPECT_EQ(jcentury(2415020.0), 0.0);
    EXPECT_EQ(jcentury(2451545.0), 1.0); // J2000.0 is 36525 days after the origin
    EXPECT_EQ(jcentury(2415020.0 - 36525.0), -1.0);
}

TEST(obliquity, ValuesOfTheSeries) {
    struct Case {
        const char* source;
        double tc, degrees, tolerance;
    };
    const Case cases[] = {
        {"the constant term at 1900 Jan 0.5", 0, 23.452294, 0},
        // Explanatory Supplement to the Astronomical Ephemeris (1961): 23 deg 27' 08.26" at 1900.
        {"Explanatory Supplement 1961, epoch 1900", 0, 23 + 27 / 60.0 + 8.26 / 3600, 1e-6},
        // IAU 1976 (Lieske): 23 deg 26' 21.448" at J2000.0; the older series is 0.04" off.
        {"IAU 1976 obliquity at J2000.0", 1, 23 + 26 / 60.0 + 21.448 / 3600, 2e-5},
        {"IAU 1976 obliquity at J1800.0 (ERFA eraObl80)", -1,
         eraObl80(2451545.0 - 2 * 36525.0, 0) / ERFA_DD2R, 5e-5},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(obliquity(c.tc), c.degrees, c.tolerance) << c.source;
    }
}

// ---------------------------------------------------------------- daycount

TEST(daycount, KnownCounts) {
    // Days from 1974-12-31 (Python: date(y, m, d).toordinal() - date(1974, 12, 31).toordinal()).
    struct Case {
        Date date;
        std::int32_t k;
    };
    const Case cases[] = {
        {{1975, 1, 1}, 1},        {{1975, 3, 1}, 60},      {{1976, 3, 1}, 426},
        {{2000, 1, 1}, 9132},     {{2000, 2, 29}, 9191},   {{2000, 3, 1}, 9192},
        {{1974, 12, 31}, 0},      {{2064, 9, 16}, 32767},  {{2064, 9, 17}, 32768},
        {{2400, 12, 31}, 155594}, {{1885, 4, 14}, -32767}, {{1885, 4, 13}, -32768},
        {{1600, 1, 1}, -136965},  {{1900, 2, 28}, -27334}, {{1900, 1, 1}, -27392},
        {{1899, 12, 31}, -27393}, {{1899, 3, 1}, -27698},  {{1899, 2, 28}, -27699},
        {{1800, 2, 1}, -63885},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(daycount(c.date.y, c.date.m, c.date.d), c.k)
            << c.date.y << "-" << c.date.m << "-" << c.date.d;
    }
}

TEST(daycount, EqualsTheHistoricalCountFrom1900March1To2100February28) {
    std::int32_t previous = daycount(1900, 2, 28);
    for (Date date{1900, 3, 1}; before(date, Date{2100, 3, 1}); date = nextDay(date)) {
        const std::int32_t k = daycount(date.y, date.m, date.d);
        ASSERT_EQ(k, historicalDayCount(date.y, date.m, date.d))
            << date.y << "-" << date.m << "-" << date.d;
        ASSERT_EQ(k, previous + 1) << date.y << "-" << date.m << "-" << date.d;
        previous = k;
    }
}

TEST(daycount, HistoricalCountRanAheadAfter2100February28) {
    // The historical count has a leap day every fourth year, also in 2100, 2200
    // and 2300, which have none: it runs one more day ahead after each. The
    // count here goes on one a day.
    std::int32_t previous = daycount(2100, 2, 28);
    for (Date date{2100, 3, 1}; before(date, Date{2401, 1, 1}); date = nextDay(date)) {
        const std::int32_t k = daycount(date.y, date.m, date.d);
        ASSERT_EQ(k, previous + 1) << date.y << "-" << date.m << "-" << date.d;
        previous = k;
        const bool march = date.m >= 3;
        const int ahead = (date.y > 2100 || march) + (date.y > 2200 || (date.y == 2200 && march)) +
                          (date.y > 2300 || (date.y == 2300 && march));
        ASSERT_EQ(historicalDayCount(date.y, date.m, date.d) - k, ahead)
            << date.y << "-" << date.m << "-" << date.d;
    }
}

TEST(daycount, HistoricalCountWasShortBefore1900March1) {
    // The historical count took 1900 for a leap year and truncated the negative
    // year fraction: from 1885 on, January and February of 1900 and of the years
    // 1900 - 4n one day short, of the other years two days short; March to
    // December one day short. The count here is the true one, one a day with no
    // gap at 1900-03-01.
    std::int32_t previous = daycount(1600, 1, 1) - 1;
    for (Date date{1600, 1, 1}; before(date, Date{1900, 3, 1}); date = nextDay(date)) {
        const std::int32_t k = daycount(date.y, date.m, date.d);
        ASSERT_EQ(k, previous + 1) << date.y << "-" << date.m << "-" << date.d;
        previous = k;
        if (date.y < 1885) {
            continue; // the historical form is only compared where it was used
        }
        const bool oneShort = date.m >= 3 || (date.y - 1900) % 4 == 0;
        ASSERT_EQ(k - historicalDayCount(date.y, date.m, date.d), oneShort ? 1 : 2)
            << date.y << "-" << date.m << "-" << date.d;
    }
    EXPECT_EQ(daycount(1900, 3, 1), previous + 1);
}

TEST(daycount, BeyondThe16BitRangeOfTheHistoricalCount) {
    // 2064-09-16 was the last day a 16-bit count held; the count goes on.
    EXPECT_EQ(daycount(2064, 9, 17) - daycount(2064, 9, 16), 1);
    EXPECT_GT(daycount(2064, 9, 17), std::numeric_limits<std::int16_t>::max());
    EXPECT_LT(daycount(1885, 4, 12), std::numeric_limits<std::int16_t>::min());
    EXPECT_EQ(daycount(2400, 12, 31) - daycount(1600, 1, 1),
              static_cast<std::int32_t>(erfaJulianDay(2400, 12, 31) - erfaJulianDay(1600, 1, 1)));
}

TEST(daycount, CountThatDoesNotFit32BitsIsAFault) {
    EXPECT_THROW(daycount(6e6, 1, 1), veltaro::ArithmeticFault);
    EXPECT_THROW(daycount(-6e6, 1, 1), veltaro::ArithmeticFault);
    EXPECT_THROW(daycount(std::nan(""), 1, 1), veltaro::ArithmeticFault);
    EXPECT_NO_THROW(daycount(5e6, 1, 1));
}

// ---------------------------------------------------------------- ephemtime

// T for a day count K and a day fraction F, written out from its definition:
// T0 = (K + F)/365.25, plus the correction to uniform time.
double seriesTime(double k, double f) {
    const double t0 = (k + f) / 365.25;
    return t0 + (0.0317 * t0 + 1.43) * 1e-6;
}

TEST(ephemtime, FromDayCountAndFraction) {
    struct Case {
        const char* what;
        double year, month, day, hour, minute, second, lon;
        double k, f;
    };
    const Case cases[] = {
        {"1975-01-01 0:00 at Greenwich: K = 1, F = 0", 1975, 1, 1, 0, 0, 0, 0, 1, 0},
        {"2002-08-16 9:00 on the meridian 135 E is 0:00 UT", 2002, 8, 16, 9, 0, 0, 135, 10090, 0},
        {"2000-01-01 12:00 at Greenwich", 2000, 1, 1, 12, 0, 0, 0, 9132, 0.5},
        {"1600-01-01 0:00 on 139 E: UT of the day before", 1600, 1, 1, 0, 0, 0, 139, -136965,
         (0 - 139.0 / 15) / 24},
        {"2400-12-31 23:59:30 on 180 W", 2400, 12, 31, 23, 59, 30, -180, 155594,
         (23 + 180.0 / 15) / 24 + 59.0 / 1440 + 30.0 / 86400},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ephemtime(c.year, c.month, c.day, c.hour, c.minute, c.second, c.lon),
                  seriesTime(c.k, c.f))
            << c.what;
    }
}

TEST(ephemtime, ClockOnTheObserversMeridian) {
    // The same instant read on different meridians gives the same T.
    EXPECT_EQ(ephemtime(2002, 8, 16, 9, 0, 0, 135), ephemtime(2002, 8, 16, 0, 0, 0, 0));
    EXPECT_EQ(ephemtime(1990, 5, 5, 12, 0, 0, -90), ephemtime(1990, 5, 5, 18, 0, 0, 0));
    EXPECT_NEAR(ephemtime(1990, 5, 5, 0, 0, 0, 15), ephemtime(1990, 5, 4, 23, 0, 0, 0), 1e-12);
    // Minute 90 of hour 0 is 1:30.
    EXPECT_NEAR(ephemtime(1990, 5, 5, 0, 90, 0, 0), ephemtime(1990, 5, 5, 1, 30, 0, 0), 1e-12);
}

TEST(ephemtime, CorrectionToUniformTime) {
    // About 45 s at T0 = 0, growing by about 1 s a year.
    const double year = 365.25 * 86400;
    const double at1975 = (ephemtime(1974, 12, 31, 0, 0, 0, 0) - 0) * year;
    EXPECT_NEAR(at1975, 45.1, 0.1);
    const double t2000 = ephemtime(2000, 1, 1, 0, 0, 0, 0);
    EXPECT_NEAR((t2000 - 9132 / 365.25) * year - at1975, 25 * 1.0, 0.1);
}

TEST(ephemtime, DateOutOfReachIsAFault) {
    EXPECT_THROW(ephemtime(1e7, 1, 1, 0, 0, 0, 0), veltaro::ArithmeticFault);
}

// ---------------------------------------------------------------- siderealtime, localsidereal

double hoursOfDay(double hours) {
    const double h = std::fmod(hours, 24.0);
    return h < 0 ? h + 24 : h;
}

// Smallest difference of two angles in degrees.
double angleDifference(double a, double b) {
    return std::remainder(a - b, 360.0);
}

TEST(siderealtime, MeeusExample12a) {
    // Meeus, Astronomical Algorithms, example 12.a: 1987 April 10, 0h UT,
    // mean sidereal time 13h 10m 46.3668s.
    const double expected = 13 + 10 / 60.0 + 46.3668 / 3600;
    const double st = siderealtime(jcentury(julianday(1987, 4, 10, 0, 0)));
    EXPECT_NEAR(hoursOfDay(st), expected, 0.13 / 3600);
}

TEST(siderealtime, AgreesWithIau1982At0hEveryDay1900To2100) {
    // ERFA eraGmst82 (IAU 1982); UT stands in for UT1 on both sides.
    double worst = 0;
    for (double jd = 2415020.5; jd <= 2488069.5; jd += 1) {
        const double st = siderealtime(jcentury(jd));
        const double erfa = eraGmst82(jd, 0) / ERFA_D2PI * 24;
        worst = std::max(worst, std::abs(std::remainder(st - erfa, 24.0)));
    }
    EXPECT_LT(worst * 3600, 0.13) << "seconds of time";
}

TEST(siderealtime, AgreesWithIau1982At0hEveryDay1600To2400) {
    double worst = 0;
    for (double jd = 2305447.5; jd <= 2598006.5; jd += 1) {
        const double st = siderealtime(jcentury(jd));
        const double erfa = eraGmst82(jd, 0) / ERFA_D2PI * 24;
        worst = std::max(worst, std::abs(std::remainder(st - erfa, 24.0)));
    }
    EXPECT_LT(worst * 3600, 0.55) << "seconds of time";
}

TEST(localsidereal, MeeusExample12b) {
    // Meeus, example 12.b: 1987 April 10, 19h 21m 00s UT, mean sidereal time
    // 8h 34m 57.0896s; on the meridian of Greenwich the clock is UT.
    const double st0h = siderealtime(jcentury(julianday(1987, 4, 10, 0, 0)));
    const double theta = localsidereal(st0h, (19 + 21 / 60.0) * 15, 0);
    const double expected = (8 + 34 / 60.0 + 57.0896 / 3600) * 15;
    EXPECT_NEAR(angleDifference(theta, expected), 0, 0.001);
}

TEST(localsidereal, AgreesWithIau1982PlusLongitude1900To2100) {
    // The clock on the observer's meridian: UT = clock - lon/15 hours, which may
    // fall on the day before or after the local date.
    const double hours[] = {0, 0.25, 5.5, 9, 12, 17.75, 23 + 55 / 60.0};
    const double longitudes[] = {-180, -135.5, -77.03, -0.5, 0, 15, 77.25, 135, 139.7447, 180};
    double worst = 0;
    for (double jd0 = 2415020.5; jd0 <= 2488069.5; jd0 += 13) {
        const double st0h = siderealtime(jcentury(jd0));
        for (const double h : hours) {
            for (const double lon : longitudes) {
                const double theta = localsidereal(st0h, h * 15, lon);
                const double ut = jd0 + (h - lon / 15) / 24;
                const double expected = eraGmst82(ut, 0) / ERFA_DD2R + lon;
                worst = std::max(worst, std::abs(angleDifference(theta, expected)));
            }
        }
    }
    EXPECT_LT(worst, 0.001) << "degrees";
}

} // namespace
