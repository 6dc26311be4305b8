// Sky geometry: ecl2ra, ecl2dec, sepangle.
#include "astro/sky.h"
#include "astro/timeargs.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

using namespace veltaro::astro;

constexpr double kPi = 3.141592653589793;
constexpr double kRadPerDeg = kPi / 180;

// The obliquity of 2000, as the program computes it.
const double kEps = obliquity(1.0);

// Equatorial coordinates [degrees] of an ecliptic place, by ERFA's rotation
// about the equinox line: right ascension in (-180, 180].
struct Equatorial {
    double ra, dec;
};

Equatorial erfaEquatorial(double lonDeg, double latDeg, double epsDeg) {
    double ecliptic[3];
    eraS2c(lonDeg * ERFA_DD2R, latDeg * ERFA_DD2R, ecliptic);
    double rotation[3][3];
    eraIr(rotation);
    eraRx(-epsDeg * ERFA_DD2R, rotation);
    double equatorial[3];
    eraRxp(rotation, ecliptic, equatorial);
    double ra = 0;
    double dec = 0;
    eraC2s(equatorial, &ra, &dec);
    return {ra / ERFA_DD2R, dec / ERFA_DD2R};
}

double angleDifference(double a, double b) {
    return std::remainder(a - b, 360.0);
}

// ---------------------------------------------------------------- ecl2ra

TEST(ecl2ra, CasesNearTheSingularLongitudes) {
    struct Case {
        const char* what;
        double lon, lat;
        double low, high;
    };
    const Case cases[] = {
        {"near 280: a negative right ascension near -79, not 281", 280, 0, -80, -78},
        {"90.5: X < 0, 180 added, just above 90", 90.5, 0, 90, 90.6},
        {"89.5: just below 90", 89.5, 0, 89.4, 90},
        {"0 with latitude 5: a small negative right ascension", 0, 5, -2.5, 0},
        {"a negative longitude needs no reduction first", -81, 0, -81, -79},
        {"179.5 with latitude -3: X < 0, 180 added", 179.5, -3, 178, 179},
        {"270.5: X > 0 again, just above -90", 270.5, 0, -90, -89},
    };
    for (const auto& c : cases) {
        const double ra = ecl2ra(c.lon, c.lat, kEps);
        EXPECT_GT(ra, c.low) << c.what;
        EXPECT_LT(ra, c.high) << c.what;
    }
}

TEST(ecl2ra, AgreesWithErfaRotation) {
    const double longitudes[] = {-359.9, -270.2, -200,  -123.4, -81,   -0.3,  0,
                                 0.3,    45,     89.99, 90.01,  135,   179.5, 180.5,
                                 200,    269.9,  270.1, 300,    359.99};
    const double latitudes[] = {-89.5, -30, -5.3, 0, 1.25, 5.3, 60, 89.5};
    const double obliquities[] = {23.44, 23.4523, 23.5};
    for (const double eps : obliquities) {
        for (const double lon : longitudes) {
            for (const double lat : latitudes) {
                const double ra = ecl2ra(lon, lat, eps);
                const Equatorial want = erfaEquatorial(lon, lat, eps);
                EXPECT_GT(ra, -90) << lon << " " << lat;
                EXPECT_LT(ra, 270) << lon << " " << lat;
                EXPECT_NEAR(angleDifference(ra, want.ra), 0, 1e-9) << lon << " " << lat;
            }
        }
    }
}

TEST(ecl2ra, SingularLongitudesGiveTheirLimits) {
    // With the program's pi/180 the cosine of 90 or 270 degrees is never exactly
    // 0, so X is tiny rather than zero: the result is the limit all the same.
    struct Case {
        double lon, lat;
        double ra; // modulo 360
    };
    const Case cases[] = {{90, 0, 90},          {270, 0, 270}, {-90, 0, 270}, {-270, 0, 90},
                          {90, 89.999999, 270}, {0, 90, 270},  {0, -90, 90}};
    for (const auto& c : cases) {
        const double ra = ecl2ra(c.lon, c.lat, kEps);
        ASSERT_TRUE(std::isfinite(ra)) << c.lon << " " << c.lat;
        EXPECT_NEAR(angleDifference(ra, c.ra), 0, 1e-6) << c.lon << " " << c.lat;
    }
}

// ---------------------------------------------------------------- ecl2dec

TEST(ecl2dec, CasesOfTheEcliptic) {
    struct Case {
        const char* what;
        double lon, lat;
        double low, high;
    };
    const Case cases[] = {
        {"near 280: near -23", 280, 0, -23.2, -22.9},
        {"0 with latitude 5: a little under 5", 0, 5, 4.5, 5},
        {"the summer solstice: the obliquity", 90, 0, kEps - 1e-9, kEps + 1e-9},
        {"a negative longitude", -90, 0, -kEps - 1e-9, -kEps + 1e-9},
    };
    for (const auto& c : cases) {
        const double dec = ecl2dec(c.lon, c.lat, kEps);
        EXPECT_GT(dec, c.low) << c.what;
        EXPECT_LT(dec, c.high) << c.what;
    }
}

TEST(ecl2dec, AgreesWithErfaRotation) {
    const double longitudes[] = {-359.9, -200, -81, 0, 45, 90, 135, 200, 270, 359.99};
    const double latitudes[] = {-89.5, -30, -5.3, 0, 1.25, 5.3, 60, 89.5};
    for (const double lon : longitudes) {
        for (const double lat : latitudes) {
            const double dec = ecl2dec(lon, lat, kEps);
            EXPECT_NEAR(dec, erfaEquatorial(lon, lat, kEps).dec, 1e-9) << lon << " " << lat;
        }
    }
}

TEST(ecl2dec, PoleGivesTheLimit) {
    // Each of these places is a pole of the equator; rounding puts the sine of
    // the declination at 1 + 2^-52 (the first two) or at exactly +-1, where
    // sqrt(1 - z^2) would be the root of a negative number or zero.
    struct Case {
        double lon, lat, eps;
        double dec;
    };
    const Case cases[] = {{90, 6.7, 83.3, 90},
                          {90, 33.6, 56.4, 90},
                          {0, 90, 0, 90},
                          {0, -90, 0, -90},
                          {-90, -6.7, 83.3, -90}};
    for (const auto& c : cases) {
        EXPECT_EQ(ecl2dec(c.lon, c.lat, c.eps), c.dec) << c.lon << " " << c.lat << " " << c.eps;
    }
}

// ---------------------------------------------------------------- sepangle

TEST(sepangle, EastwardAnglesOfTheEquator) {
    const double degree = kRadPerDeg;
    struct Case {
        const char* what;
        double ra1, dec1, ra2, dec2;
        double angle;
    };
    const Case cases[] = {
        {"one degree east", 10, 0, 11, 0, degree},
        {"one degree west: the rest of the turn", 11, 0, 10, 0, 2 * kPi - degree},
        {"a quarter east", 0, 0, 90, 0, kPi / 2},
        {"a quarter west", 0, 0, 270, 0, 3 * kPi / 2},
        {"181 east is 179 west", 0, 0, 181, 0, kPi + degree},
        {"the pole from the equator", 0, 0, 0, 90, kPi / 2},
        {"Delta = -300 is below -180 and keeps d", 100, 0, -200, 0, 60 * degree},
        {"Delta = 400 is above 180 and is turned", -100, 0, 300, 0, 2 * kPi - 40 * degree},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(sepangle(c.ra1, c.dec1, c.ra2, c.dec2), c.angle, 1e-10) << c.what;
    }
    // Delta = 180 and -180 keep d. The cosine of 180 kDeg comes out one ulp
    // above -1 (the 3.5-ulp cosine), which the arccosine form turns into 1.5e-8
    // rad below pi: kept, the angle is at most pi; turned, it would exceed pi.
    for (const auto& [ra1, ra2] : {std::pair{0.0, 180.0}, std::pair{180.0, 0.0}}) {
        const double d = sepangle(ra1, 0, ra2, 0);
        EXPECT_LE(d, kPi) << "Delta = " << ra2 - ra1 << " keeps d";
        EXPECT_NEAR(d, kPi, 1e-7) << "Delta = " << ra2 - ra1;
    }
}

TEST(sepangle, AgreesWithErfaSeparationEastward) {
    // ERFA eraSeps gives the separation 0..pi; the eastward angle is it, or the
    // rest of the turn when point 2 lies west of point 1 (|Delta| < 360).
    const double ras[] = {-89.9, -30, 0, 12.5, 95, 179, 181, 250, 269.9};
    const double decs[] = {-89, -40, -23.4, 0, 5.2, 35.65, 89};
    for (const double ra1 : ras) {
        for (const double dec1 : decs) {
            for (const double ra2 : ras) {
                for (const double dec2 : decs) {
                    const double delta = ra2 - ra1;
                    if (delta == 0 || std::abs(delta) == 180) {
                        continue;
                    }
                    const double separation = eraSeps(ra1 * ERFA_DD2R, dec1 * ERFA_DD2R,
                                                      ra2 * ERFA_DD2R, dec2 * ERFA_DD2R);
                    const bool east = std::sin(delta * ERFA_DD2R) > 0;
                    const double want = east ? separation : 2 * kPi - separation;
                    EXPECT_NEAR(sepangle(ra1, dec1, ra2, dec2), want, 1e-7)
                        << ra1 << " " << dec1 << " " << ra2 << " " << dec2;
                }
            }
        }
    }
}

TEST(sepangle, CoincidentAndOppositePointsGiveTheLimits) {
    // Rounding puts the cosine of the angle at 1 + 2^-52 or -1 - 2^-52 for
    // these, where the arccosine through the arctangent has no value.
    struct Case {
        const char* what;
        double ra1, dec1, ra2, dec2;
        double angle;
    };
    const Case cases[] = {
        {"the same point near the south pole", 10, -89.1, 10, -89.1, 0},
        {"the same point, exactly 1", 10, 0, 10, 0, 0},
        {"opposite points, Delta = 180 keeps pi", 0, -87, 180, 87, kPi},
        {"opposite points, Delta = -180 keeps pi", 190, 87, 10, -87, kPi},
        {"the same point a turn on, Delta = 360 turns 0", 0, 0, 360, 0, 6.28318530717958},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sepangle(c.ra1, c.dec1, c.ra2, c.dec2), c.angle) << c.what;
    }
}

TEST(sepangle, ResultStaysBelowAFullTurn) {
    for (double ra2 = -720; ra2 <= 720; ra2 += 0.5) {
        for (double dec = -90; dec <= 90; dec += 7.5) {
            const double d = sepangle(0, 0, ra2, dec);
            ASSERT_GE(d, 0) << ra2 << " " << dec;
            ASSERT_LT(d, 2 * kPi) << ra2 << " " << dec;
        }
    }
}

} // namespace
