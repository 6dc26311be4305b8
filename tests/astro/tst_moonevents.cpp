// The Moon's perigee, apogee, greatest declinations and equator crossings,
// found from the program's own series, against the IAU SOFA Moon.
#include "astro/moonevents.h"
#include "astro/moonphase.h"
#include "astro/tide.h"
#include "astro/timeargs.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using namespace veltaro::astro;

constexpr double kMinute = 1.0 / 1440; // [days]

// Uniform less universal time [seconds] at the start of each decade 1900..2100:
// to 2020 the values measured (F. Espenak and J. Meeus, NASA "Historical values
// of Delta T"), after it their polynomial extrapolation ("Polynomial expressions
// for Delta T", 2005-2050 and 2050-2150). A minute wrong here moves an event by
// at most a minute.
constexpr std::array<double, 21> kDeltaT = {-2.7, 10.4, 21.2,  24.0,  24.3,  29.1,  33.2,
                                            40.2, 50.5, 56.9,  63.8,  66.1,  69.4,  77.6,
                                            84.7, 93.0, 113.7, 135.0, 156.9, 179.5, 202.7};

double deltaTDays(double jdUT) {
    const double decades = std::clamp((jdUT - 2415020.5) / 3652.5, 0.0, 19.999);
    const auto i = static_cast<std::size_t>(decades);
    const double f = decades - double(i);
    return (kDeltaT[i] * (1 - f) + kDeltaT[i + 1] * f) / 86400;
}

/// ERFA's Moon (Moon98, GCRS) on the mean equator and equinox of date (IAU 2006
/// precession): its distance [km] and declination [degrees].
struct ErfaMoon {
    double distanceKm, declinationDeg;
};

ErfaMoon erfaMoon(double jdUT) {
    const double tt = jdUT + deltaTDays(jdUT);
    double pv[2][3];
    eraMoon98(tt, 0, pv);
    double rbp[3][3];
    eraPmat06(tt, 0, rbp);
    double p[3];
    eraRxp(rbp, pv[0], p);
    double r = 0;
    double direction[3];
    eraPn(p, &r, direction);
    return {r * ERFA_DAU / 1000, std::asin(direction[2]) / ERFA_DD2R};
}

/// The quantity of ERFA's Moon that an event is an extreme or a zero of.
double erfaQuantity(MoonEvent kind, double jdUT) {
    constexpr double h = 0.01; // [days]
    switch (kind) {
    case MoonEvent::Perigee:
    case MoonEvent::Apogee:
        return erfaMoon(jdUT + h).distanceKm - erfaMoon(jdUT - h).distanceKm;
    case MoonEvent::GreatestNorth:
    case MoonEvent::GreatestSouth:
        return erfaMoon(jdUT + h).declinationDeg - erfaMoon(jdUT - h).declinationDeg;
    case MoonEvent::Ascending:
    case MoonEvent::Descending:
        break;
    }
    return erfaMoon(jdUT).declinationDeg;
}

/// ERFA's moment of the event of `kind` within two days of `nearUT`, by bisection.
double erfaMoment(MoonEvent kind, double nearUT) {
    double a = nearUT - 2;
    double b = nearUT + 2;
    const bool rising = erfaQuantity(kind, a) < 0;
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        ((erfaQuantity(kind, m) < 0) == rising ? a : b) = m;
    }
    return (a + b) / 2;
}

TEST(moonEvents, AgreeWithTheIauSofaMoon1900To2100) {
    // Every 23rd month of 1900-2100 (each month of the year and both ends of
    // the span in turn), all its events. The tolerances [minutes] are the
    // largest differences over every event of 1900-2100 with a margin:
    //   kind         count  median |d|  max |d|
    //   perigee       2665     51.8      353.0
    //   apogee        2664     36.6      149.0
    //   north         2687      0.44       1.71
    //   south         2687      0.35       1.48
    //   ascending     2687      0.36       1.37
    //   descending    2687      0.39       1.51
    // The distance comes from a parallax series of eight terms (moonpar), off
    // by up to 550 km at perigee, and its extremes are flat: a few hundred km
    // move them by hours. The declination's series are far fuller.
    struct Kind {
        MoonEvent kind;
        double toleranceMinutes;
    };
    const Kind kinds[] = {
        {MoonEvent::Perigee, 400},     {MoonEvent::Apogee, 180},  {MoonEvent::GreatestNorth, 3},
        {MoonEvent::GreatestSouth, 3}, {MoonEvent::Ascending, 3}, {MoonEvent::Descending, 3},
    };
    std::array<int, std::size(kinds)> counts{};
    const double first = julianday(1900, 1, 1, 0, 0);
    const double end = julianday(2100, 12, 31, 0, 0);
    for (double from = first; from < end; from += 23 * 30.44) {
        for (const MoonEventMoment& e : moonEvents(from, from + 30.44)) {
            const auto k = static_cast<std::size_t>(e.kind);
            const double off = (e.jdUT - erfaMoment(e.kind, e.jdUT)) / kMinute;
            EXPECT_LE(std::abs(off), kinds[k].toleranceMinutes)
                << "kind " << k << " at JD " << e.jdUT << ": " << off << " min";
            ++counts[k];
        }
    }
    for (const int count : counts) {
        EXPECT_GE(count, 90); // each kind about twice in each of the 105 months
    }
}

TEST(moonEvents, KindsAlternateAndCarryTheirValue) {
    // A year's events: perigee and apogee alternate, so do north and south and
    // the two crossings; each carries the distance or declination at its moment.
    const double from = julianday(2026, 12, 7, 0, 0);
    const auto events = moonEvents(from, from + 365);
    EXPECT_TRUE(moonEvents(from + 1, from).empty()); // a span given backwards
    std::array<const MoonEventMoment*, 3> before{};
    for (const MoonEventMoment& e : events) {
        const auto pair = static_cast<std::size_t>(e.kind) / 2;
        if (before[pair] != nullptr) {
            EXPECT_NE(before[pair]->kind, e.kind) << e.jdUT;
            EXPECT_GT(e.jdUT - before[pair]->jdUT, 11.0) << e.jdUT;
        }
        before[pair] = &e;
        const bool distance = pair == 0;
        EXPECT_EQ(e.value, distance ? moonDistance(e.jdUT) : moonDeclination(e.jdUT));
    }
    EXPECT_GE(events.size(), 6u * 13);
}

TEST(moonEvents, AMomentDoesNotDependOnTheSpanAsked) {
    const double from = julianday(2030, 1, 1, 0, 0);
    const auto whole = moonEvents(from, from + 120);
    std::vector<MoonEventMoment> pieces;
    for (double at = from; at < from + 120; at += 7.3) {
        const auto part = moonEvents(at, std::nextafter(std::min(at + 7.3, from + 120), 0.0));
        pieces.insert(pieces.end(), part.begin(), part.end());
    }
    ASSERT_EQ(whole.size(), pieces.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        EXPECT_EQ(whole[i].kind, pieces[i].kind) << i;
        EXPECT_EQ(whole[i].jdUT, pieces[i].jdUT) << i;
    }
}

TEST(moonDeclination, IsCalcsDeclination) {
    // calc's zenith distance of the Moon for an observer on the equator, from
    // the declination found here: cos z = cos(delta) cos(theta - alpha).
    const TideInput at{2026, 12, 14, 0, 0, 0, 0};
    const TideEvaluation e = calc(at);
    const double jd = universalJulianDay(at);
    const double dec = moonDeclination(jd);
    EXPECT_EQ(moonDistance(jd), e.moondist);
    EXPECT_NEAR(std::cos(e.zm),
                std::cos((e.theta - e.MMlon) * ERFA_DD2R) * std::cos(dec * ERFA_DD2R), 1e-9);
}

} // namespace
