// The tide evaluation: eqtide and calc.
#include "astro/fault.h"
#include "astro/sky.h"
#include "astro/tide.h"
#include "astro/timeargs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

using namespace veltaro::astro;
using veltaro::astro::TideInput;

constexpr double kPi = 3.141592653589793;
constexpr double kEarthRadius = 6378.14;
constexpr double kAstronomicalUnit = 149597870;

TideInput moment(double year, double month, double day, double hour, double minute, double lat,
                 double lon) {
    return {year, month, day, hour, minute, lat, lon};
}

// Eastward angle [degrees, 0..360) from longitude a to longitude b.
double eastward(double a, double b) {
    const double d = std::fmod(b - a, 360.0);
    return d < 0 ? d + 360 : d;
}

// ---------------------------------------------------------------- eqtide

TEST(eqtide, AtTheZenithMuR4OverR3) {
    // (3/2)(cos^2 0 - 1/3) = 1: the zenith height is mu R^4 / r^3.
    struct Case {
        double mu, r;
    };
    const Case cases[] = {{kSunMassRatio, kAstronomicalUnit},
                          {kMoonMassRatio, 384400},
                          {kMoonMassRatio, 356632},
                          {1, 1e5}};
    for (const auto& c : cases) {
        const double zenith = c.mu * std::pow(kEarthRadius, 4) / std::pow(c.r, 3);
        EXPECT_NEAR(eqtide(c.mu, c.r, 0), zenith, 1e-14 * zenith) << c.mu << " " << c.r;
        EXPECT_NEAR(eqtide(c.mu, c.r, kPi), zenith, 1e-14 * zenith) << "nadir " << c.mu;
    }
}

TEST(eqtide, HorizonIsMinusHalfTheZenith) {
    const double mus[] = {kSunMassRatio, kMoonMassRatio, 1};
    const double distances[] = {kAstronomicalUnit, 384400, 1e5};
    for (const double mu : mus) {
        for (const double r : distances) {
            EXPECT_NEAR(eqtide(mu, r, kPi / 2) / eqtide(mu, r, 0), -0.5, 1e-14) << mu << " " << r;
        }
    }
}

TEST(eqtide, DoublingTheDistanceDividesByEight) {
    const double zenithDistances[] = {0, 0.3, 1, 1.5, 2.5};
    for (const double z : zenithDistances) {
        EXPECT_EQ(eqtide(kMoonMassRatio, 2 * 384400.0, z), eqtide(kMoonMassRatio, 384400, z) / 8)
            << z;
    }
}

TEST(eqtide, MoonRaisesALittleOverTwiceTheSun) {
    // The Moon at its mean distance, the Sun at one astronomical unit, both overhead.
    const double ratio =
        eqtide(kMoonMassRatio, 384400, 0) / eqtide(kSunMassRatio, kAstronomicalUnit, 0);
    EXPECT_GT(ratio, 2.0);
    EXPECT_LT(ratio, 2.4);
}

TEST(eqtide, SignFollowsCosSquaredAgainstOneThird) {
    const double zero = std::acos(std::sqrt(1.0 / 3.0)); // 54.7 degrees
    const double zenith = eqtide(kSunMassRatio, kAstronomicalUnit, 0);
    EXPECT_NEAR(eqtide(kSunMassRatio, kAstronomicalUnit, zero), 0, 1e-15 * zenith);
    EXPECT_NEAR(eqtide(kSunMassRatio, kAstronomicalUnit, kPi - zero), 0, 1e-15 * zenith);
    struct Case {
        double z;
        int sign;
    };
    const Case cases[] = {{0.5, 1},  {zero - 0.01, 1},        {zero + 0.01, -1},
                          {1.5, -1}, {kPi - zero - 0.01, -1}, {kPi - zero + 0.01, 1},
                          {3.0, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(eqtide(kSunMassRatio, kAstronomicalUnit, c.z) > 0 ? 1 : -1, c.sign) << c.z;
    }
}

// ---------------------------------------------------------------- calc

TEST(calc, SameStateSameResults) {
    const TideInput state = moment(2002, 8, 16, 9, 0, 35.654444, 139.744722);
    const TideEvaluation a = calc(state);
    const TideEvaluation b = calc(state);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

TEST(calc, JulianDayIsThatOf0hOfTheDate) {
    const TideEvaluation e = calc(moment(2002, 8, 16, 17, 35, 35, 139));
    EXPECT_EQ(e.jd, 2452502.5);
    EXPECT_EQ(e.T, ephemtime(2002, 8, 16, 17, 35, 0, 139));
    EXPECT_EQ(e.obliquity, obliquity(jcentury(2452502.5)));
}

TEST(calc, ClockIsNotNormalised) {
    // Minute 90 of hour 0 is evaluated as 1:30.
    const TideEvaluation a = calc(moment(2010, 3, 1, 0, 90, 35, 135));
    const TideEvaluation b = calc(moment(2010, 3, 1, 1, 30, 35, 135));
    EXPECT_EQ(a.jd, b.jd);
    EXPECT_EQ(a.theta, b.theta);
    EXPECT_NEAR(a.T, b.T, 1e-15);
    EXPECT_NEAR(a.Ssea, b.Ssea, 1e-15);
    EXPECT_NEAR(a.Msea, b.Msea, 1e-15);
    EXPECT_NEAR(a.MSGangle, b.MSGangle, 1e-12);
}

TEST(calc, SunCrossesTheMeridianNearClockNoonEverywhere) {
    // The clock runs on the observer's meridian, so at 12:00 the Sun's hour
    // angle theta - SSlon is the equation of time, never more than 16.5 min
    // (4.2 degrees); its extremes: -14.2 min mid-February, +16.4 min early November.
    struct Case {
        double month, day;
        double low, high; // hour angle [degrees]
    };
    const Case dates[] = {
        {2, 11, -3.8, -3.3}, {11, 3, 3.9, 4.3}, {6, 13, -0.3, 0.3}, {4, 15, -0.3, 0.3}};
    const double longitudes[] = {-180, -104.1, -0.5, 0, 77.25, 135, 180};
    const int years[] = {1650, 1900, 2002, 2350};
    for (const int year : years) {
        for (const auto& d : dates) {
            for (const double lon : longitudes) {
                const TideEvaluation e = calc(moment(year, d.month, d.day, 12, 0, 35, lon));
                const double hourAngle = std::remainder(e.theta - e.SSlon, 360.0);
                EXPECT_GT(hourAngle, d.low) << year << "-" << d.month << "-" << d.day << " " << lon;
                EXPECT_LT(hourAngle, d.high)
                    << year << "-" << d.month << "-" << d.day << " " << lon;
            }
        }
    }
}

// The angle between a body and the zenith, whichever way zs or zm was measured.
double apart(double z) {
    return std::min(z, 2 * kPi - z);
}

TEST(calc, ZenithDistanceOfTheSunAtNoon) {
    // At the June solstice the noon Sun stands over the Tropic of Cancer, off
    // the meridian only by the equation of time (-1.6 min, 0.4 degrees).
    const TideEvaluation e = calc(moment(2002, 6, 21, 12, 0, 23.44, 135));
    EXPECT_LT(apart(e.zs), 0.8 * kPi / 180);
    // At the North Pole, at any hour, the Sun is 90 degrees less its
    // declination from the zenith.
    const TideEvaluation pole = calc(moment(2002, 6, 21, 3, 0, 90, 0));
    EXPECT_NEAR(apart(pole.zs), (90 - 23.44) * kPi / 180, 0.01 * kPi / 180);
}

TEST(calc, ZenithDistancesAgreeWithTheAltitudeFormula) {
    // cos z = sin(lat) sin(dec) + cos(lat) cos(dec) cos(theta - ra).
    const TideInput states[] = {moment(1987, 4, 10, 19, 21, -33.8688, 151.2093),
                                moment(1750, 12, 31, 23, 55, 64.1, -21.9),
                                moment(2333, 7, 4, 6, 5, 0, 0)};
    for (const auto& s : states) {
        const TideEvaluation e = calc(s);
        const double rad = kPi / 180;
        const double sunDec = ecl2dec(e.sunlon, 0, e.obliquity) * rad;
        const double moonDec = ecl2dec(e.moonlon, e.moonlat, e.obliquity) * rad;
        const double lat = s.lat * rad;
        const double cosZs = std::sin(lat) * std::sin(sunDec) +
                             std::cos(lat) * std::cos(sunDec) * std::cos((e.theta - e.SSlon) * rad);
        const double cosZm =
            std::sin(lat) * std::sin(moonDec) +
            std::cos(lat) * std::cos(moonDec) * std::cos((e.theta - e.MMlon) * rad);
        EXPECT_NEAR(std::cos(e.zs), cosZs, 1e-9) << s.year;
        EXPECT_NEAR(std::cos(e.zm), cosZm, 1e-9) << s.year;
    }
}

TEST(calc, NewAndFullMoon) {
    // Conjunction and opposition in ecliptic longitude, from the USNO table of
    // Moon phases: new Moon 2024-04-08 18:21 UT (the total solar eclipse), full
    // Moon 2024-03-25 07:00 UT (the penumbral lunar eclipse). The Moon gains
    // half a degree an hour on the Sun: 0.25 degrees is half an hour.
    struct Case {
        const char* what;
        TideInput state;
        double phase; // MSGangle [degrees]
    };
    const Case cases[] = {
        {"new Moon 2024-04-08 18:21 UT", moment(2024, 4, 8, 18, 21, 0, 0), 0},
        {"the same moment on the clock of 135 E", moment(2024, 4, 9, 3, 21, 35, 135), 0},
        {"full Moon 2024-03-25 07:00 UT", moment(2024, 3, 25, 7, 0, 0, 0), 180},
        {"the same moment on the clock of 75 W", moment(2024, 3, 25, 2, 0, 40, -75), 180},
    };
    for (const auto& c : cases) {
        const TideEvaluation e = calc(c.state);
        const double degrees = e.MSGangle * 180 / kPi;
        EXPECT_NEAR(std::remainder(degrees - c.phase, 360.0), 0, 0.25) << c.what;
    }
}

TEST(calc, SunToMoonAngleAlongTheEclipticIsEastward) {
    // MSGangle is the eastward angle from the Sun's to the Moon's longitude at
    // every moment, also from 1974 April to December, when the Sun's longitude
    // is already positive and the Moon's still negative.
    for (double day = 1; day <= 365; day += 0.25) {
        const double hour = (day - std::floor(day)) * 24;
        const TideEvaluation e = calc(moment(1974, 1, day, hour, 0, 0, 0));
        const double want = eastward(e.sunlon, e.moonlon) * kPi / 180;
        ASSERT_NEAR(e.MSGangle, want, 1e-9)
            << "1974 day " << day << " sunlon " << e.sunlon << " moonlon " << e.moonlon;
    }
}

TEST(calc, SunToMoonAngleOnTheSphereIsEastward) {
    for (double day = 1; day <= 365 * 3; day += 1.1) {
        const TideEvaluation e = calc(moment(1973, 1, day, 0, 0, 0, 0));
        const double east = eastward(e.SSlon, e.MMlon);
        if (east < 0.01 || std::abs(east - 180) < 0.01 || east > 359.99) {
            continue;
        }
        EXPECT_EQ(e.MSangle < kPi, east < 180) << "1973 day " << day;
    }
}

TEST(calc, NonFiniteInputIsAFault) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(calc(moment(2002, 8, 16, 9, 0, nan, 135)), veltaro::ArithmeticFault);
    EXPECT_THROW(calc(moment(2002, 8, 16, 9, 0, 35, nan)), veltaro::ArithmeticFault);
    EXPECT_THROW(calc(moment(2002, 8, 16, nan, 0, 35, 135)), veltaro::ArithmeticFault);
    EXPECT_THROW(calc(moment(1e8, 8, 16, 9, 0, 35, 135)), veltaro::ArithmeticFault);
}

// Checks one evaluation of the sweep; returns false (and records the failure) on the first fault.
bool sound(const TideEvaluation& e, const TideInput& s) {
    const double twoPi = 2 * kPi;
    // The Sun overhead at perihelion, the Moon overhead at the series' perigee.
    const double sunMax =
        kSunMassRatio * std::pow(kEarthRadius, 4) / std::pow(0.9832 * kAstronomicalUnit, 3);
    const double moonMax = kMoonMassRatio * std::pow(kEarthRadius, 4) / std::pow(356631.0, 3);
    const bool ok = e.MSangle >= 0 && e.MSangle < twoPi && e.MSGangle >= 0 && e.MSGangle < twoPi &&
                    e.SSlon > -90 && e.SSlon < 270 && e.MMlon > -90 && e.MMlon < 270 && e.zs >= 0 &&
                    e.zs < twoPi && e.zm >= 0 && e.zm < twoPi && e.Ssea <= sunMax &&
                    e.Ssea >= -0.5 * sunMax - 1e-20 && e.Msea <= moonMax &&
                    e.Msea >= -0.5 * moonMax - 1e-20 &&
                    (e.Ssea < 0) == (std::cos(e.zs) * std::cos(e.zs) < 1.0 / 3.0);
    EXPECT_TRUE(ok) << s.year << "-" << s.month << "-" << s.day << " " << s.hour << ":" << s.minute
                    << " lat " << s.lat << " lon " << s.lon << ": MSangle " << e.MSangle
                    << " MSGangle " << e.MSGangle << " SSlon " << e.SSlon << " MMlon " << e.MMlon
                    << " Ssea " << e.Ssea << " Msea " << e.Msea;
    return ok;
}

TEST(calc, EveryDayOfTheAcceptedRangeGivesSoundResults) {
    // Every day 1600-01-01 .. 2400-12-31, at a clock time and place that turn
    // over from day to day; every 101st day at every combination as well.
    struct Clock {
        double hour, minute;
    };
    const Clock clocks[] = {{0, 0}, {5, 55}, {12, 0}, {18, 30}, {23, 55}};
    const double latitudes[] = {-90, -35.5, 0, 35.654444, 90};
    const double longitudes[] = {-180, -75.5, 0, 139.744722, 180};
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    long index = 0;
    for (int year = 1600; year <= 2400; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            const int days = month == 2 && leap ? 29 : lengths[month - 1];
            for (int day = 1; day <= days; ++day, ++index) {
                const Clock& c = clocks[index % 5];
                const TideInput s =
                    moment(year, month, day, c.hour, c.minute, latitudes[(index / 5) % 5],
                           longitudes[(index / 25) % 5]);
                ASSERT_TRUE(sound(calc(s), s));
                if (index % 101 != 0) {
                    continue;
                }
                for (const Clock& clock : clocks) {
                    for (const double lat : latitudes) {
                        for (const double lon : longitudes) {
                            const TideInput all =
                                moment(year, month, day, clock.hour, clock.minute, lat, lon);
                            ASSERT_TRUE(sound(calc(all), all));
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(index, 292560); // days from 1600-01-01 to 2400-12-31
}

} // namespace
