// The Sun and Moon series: sunlon, sundist, moonlon, moonlat, moonpar.
//
// Exact values of every routine are held in tst_reference.cpp; here the series
// are checked against published positions and for the properties their results
// must have over the whole date range.
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/timeargs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace veltaro::astro;

constexpr double kAstronomicalUnit = 149597870;

// T over the accepted dates 1600..2400, with a step that is no fraction of a
// month or a year, so that every phase of every term is visited.
constexpr double kFirstT = -375.1;
constexpr double kLastT = 426.0;
constexpr double kStepT = 0.0137;

// ---------------------------------------------------------------- sunlon, sundist

TEST(sunlon, MeeusExample25a) {
    // Meeus, Astronomical Algorithms, example 25.a: 1992 October 13.0 TD, apparent
    // longitude 199.90895 degrees. The clock at 0:00 UT is TD 0:01, one arc-minute
    // of the Sun's daily motion later: far inside the tolerance.
    const double t = ephemtime(1992, 10, 13, 0, 0, 0, 0);
    EXPECT_NEAR(sunlon(t), 199.90895, 0.01);
}

TEST(sunlon, NearTheDecemberSolsticeAtTheOrigin) {
    // 1975 January 0: a few days past the solstice, just under 280 degrees.
    EXPECT_GT(sunlon(0), 278.5);
    EXPECT_LT(sunlon(0), 280);
}

TEST(sunlon, SignOfTheSumIsKept) {
    // Before about April 1974 the sum is negative and so is the longitude; it is
    // not moved into 0..360.
    for (double t = kFirstT; t <= kLastT; t += kStepT) {
        const double lambda = sunlon(t);
        ASSERT_GT(lambda, -360) << "T = " << t;
        ASSERT_LT(lambda, 360) << "T = " << t;
        if (t < -0.7805) {
            ASSERT_LE(lambda, 0) << "T = " << t;
        } else if (t > -0.7800) {
            ASSERT_GE(lambda, 0) << "T = " << t;
        }
    }
}

TEST(sunlon, NegativeLongitudeIsTheSamePlaceATurnDown) {
    // A tropical year (0.99998 units of T) brings the Sun back to the same
    // longitude; across the sign change the two values differ by one turn.
    struct Case {
        double before, after;
    };
    const Case cases[] = {{-1.0, 0.0}, {-1.3, -0.3}, {-1.5, -0.5}, {-1.7, -0.7}};
    for (const auto& c : cases) {
        EXPECT_NEAR(sunlon(c.before) + 360, sunlon(c.after - 0.00002), 0.02) << "T = " << c.before;
    }
}

TEST(sundist, MeeusExample25a) {
    // Meeus, example 25.a: 1992 October 13.0 TD, R = 0.99766 AU.
    const double t = ephemtime(1992, 10, 13, 0, 0, 0, 0);
    EXPECT_NEAR(sundist(t) / kAstronomicalUnit, 0.99766, 1e-4);
}

TEST(sundist, PerihelionInEarlyJanuaryAphelionInEarlyJuly) {
    const int years[] = {1700, 1975, 2002, 2300};
    for (const int year : years) {
        const double start = daycount(year, 1, 1) / 365.25;
        double nearest = 0;
        double farthest = 0;
        double rMin = 1e300;
        double rMax = 0;
        for (double day = 0; day < 365; day += 0.25) {
            const double r = sundist(start + day / 365.25);
            if (r < rMin) {
                rMin = r;
                nearest = day;
            }
            if (r > rMax) {
                rMax = r;
                farthest = day;
            }
        }
        // Perihelion drifts by a day in 58 years: Dec 28 in 1700, Jan 7 in 2300.
        EXPECT_TRUE(nearest < 10 || nearest > 360) << year << ": nearest on day " << nearest;
        EXPECT_GT(farthest, 175) << year;
        EXPECT_LT(farthest, 195) << year;
    }
}

TEST(sundist, WithinTheYearlyExtremes) {
    double lowest = 1e300;
    double highest = 0;
    for (double t = kFirstT; t <= kLastT; t += kStepT) {
        lowest = std::min(lowest, sundist(t));
        highest = std::max(highest, sundist(t));
    }
    // Perihelion and aphelion distances: 0.9833 and 1.0167 AU.
    EXPECT_GT(lowest, 0.9825 * kAstronomicalUnit);
    EXPECT_LT(lowest, 0.9840 * kAstronomicalUnit);
    EXPECT_GT(highest, 1.0160 * kAstronomicalUnit);
    EXPECT_LT(highest, 1.0175 * kAstronomicalUnit);
}

// ---------------------------------------------------------------- moonlon

TEST(moonlon, MeeusExample47a) {
    // Meeus, Astronomical Algorithms, example 47.a: 1992 April 12.0 TD, apparent
    // longitude 133.162655 degrees. The clock at 0:00 UT is TD 0:01 (the Moon
    // moves 0.01 degrees a minute); the series is good to a few hundredths.
    const double t = ephemtime(1992, 4, 12, 0, 0, 0, 0);
    EXPECT_NEAR(moonlon(t), 133.162655, 0.03);
}

TEST(moonlon, ReductionKeepsTheSign) {
    struct Case {
        double t;
        double low, high; // the range the result must lie in
    };
    const Case cases[] = {
        {0.0, 0, 360},     // every angle its phase alone
        {1.0, 0, 360},     // many turns, all removed
        {427.0, 0, 360},   // the last dates
        {-0.5, -360, 0},   // a negative sum gives a negative longitude
        {-0.027, -360, 0}, // just before the sum turns positive
        {-374.0, -360, 0}, // the first dates
    };
    for (const auto& c : cases) {
        const double lambda = moonlon(c.t);
        EXPECT_GE(lambda, c.low) << "T = " << c.t;
        EXPECT_LT(lambda, c.high) << "T = " << c.t;
        if (c.low < 0) {
            EXPECT_LE(lambda, 0) << "T = " << c.t;
            EXPECT_GT(lambda, -360) << "T = " << c.t;
        }
    }
}

TEST(moonlon, SignOverTheRange) {
    // The sum turns positive about 1974 December 21 (T = -0.0255).
    for (double t = kFirstT; t <= kLastT; t += kStepT) {
        const double lambda = moonlon(t);
        ASSERT_GT(lambda, -360) << "T = " << t;
        ASSERT_LT(lambda, 360) << "T = " << t;
        if (t < -0.0260) {
            ASSERT_LE(lambda, 0) << "T = " << t;
        } else if (t > -0.0250) {
            ASSERT_GE(lambda, 0) << "T = " << t;
        }
    }
}

TEST(moonlon, NegativeLongitudeIsTheSamePlaceATurnDown) {
    // A tropical month later the Moon is back at the same longitude but for
    // the drift of its periodic terms (under 3 degrees), here across the sign
    // change of the sum.
    const double month = 27.321582 / 365.25;
    for (double t = -0.0255 - month + 0.001; t < -0.0255; t += 0.003) {
        if (moonlon(t) < 0 && moonlon(t + month) >= 0) {
            EXPECT_NEAR(moonlon(t) + 360, moonlon(t + month), 3.0) << "T = " << t;
        }
    }
}

// ---------------------------------------------------------------- moonlat

TEST(moonlat, MeeusExample47a) {
    // Meeus, example 47.a: 1992 April 12.0 TD, latitude -3.229126 degrees.
    const double t = ephemtime(1992, 4, 12, 0, 0, 0, 0);
    EXPECT_NEAR(moonlat(t), -3.229126, 0.005);
}

TEST(moonlat, SouthAtTheOriginAndBothSignsKept) {
    EXPECT_LT(moonlat(0), 0); // 1975 January 0: south of the ecliptic
    double lowest = 0;
    double highest = 0;
    for (double t = kFirstT; t <= kLastT; t += kStepT) {
        lowest = std::min(lowest, moonlat(t));
        highest = std::max(highest, moonlat(t));
    }
    // The inclination of the orbit, 5.145 degrees, give or take the perturbations.
    EXPECT_LT(lowest, -5.2);
    EXPECT_GT(lowest, -5.35);
    EXPECT_GT(highest, 5.2);
    EXPECT_LT(highest, 5.35);
}

// ---------------------------------------------------------------- moonpar

TEST(moonpar, MeeusExample47a) {
    // Meeus, example 47.a: 1992 April 12.0 TD, distance 368409.7 km.
    const double t = ephemtime(1992, 4, 12, 0, 0, 0, 0);
    EXPECT_NEAR(moonpar(t), 368409.7, 150);
}

TEST(moonpar, BetweenPerigeeAndApogeeOfTheParallaxSeries) {
    // The parallax 0.9507 +- 0.074 degrees (the sum of the amplitudes) bounds
    // the distance; the true extremes, about 356 400 and 406 700 km, come close.
    const double perigee = 6378.14 / ((0.9507 + 0.074) * 0.017453292519943);
    const double apogee = 6378.14 / ((0.9507 - 0.074) * 0.017453292519943);
    double lowest = 1e300;
    double highest = 0;
    for (double t = kFirstT; t <= kLastT; t += kStepT / 7) {
        const double r = moonpar(t);
        ASSERT_GE(r, perigee) << "T = " << t;
        ASSERT_LE(r, apogee) << "T = " << t;
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 357500);
    EXPECT_GT(highest, 405500);
}

} // namespace
