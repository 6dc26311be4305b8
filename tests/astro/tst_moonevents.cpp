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

namespace {

using namespace veltaro::astro;

constexpr double kMinute = 1.0 / 1440; // [days]

// Uniform less universal time [seconds] at the start of each decade 1900..2100:
// to 2020 measured, then extrapolated (F. Espenak and J. Meeus, NASA "Historical
// values of Delta T" and "Polynomial expressions for Delta T"). A minute wrong
// here moves an event by at most a minute.
constexpr std::array<double, 21> kDeltaT = {-2.7, 10.4, 21.2,  24.0,  24.3,  29.1,  33.2,
                                            40.2, 50.5, 56.9,  63.8,  66.1,  69.4,  77.6,
                                            84.7, 93.0, 113.7, 135.0, 156.9, 179.5, 202.7};

/// ERFA's Moon (Moon98, GCRS) on the mean equator of date (IAU 2006 precession):
/// the quantity an event of `kind` is a zero of, the distance's or the
/// declination's change over +-0.01 days, or the declination itself.
double erfaQuantity(MoonEvent kind, double jdUT) {
    const auto moon = [kind](double ut) {
        const double decades = std::clamp((ut - 2415020.5) / 3652.5, 0.0, 19.999);
        const auto i = static_cast<std::size_t>(decades);
        const double f = decades - double(i);
        const double tt = ut + (kDeltaT[i] * (1 - f) + kDeltaT[i + 1] * f) / 86400;
        double pv[2][3];
        double rbp[3][3];
        double p[3];
        eraMoon98(tt, 0, pv);
        eraPmat06(tt, 0, rbp);
        eraRxp(rbp, pv[0], p);
        const bool distance = kind == MoonEvent::Perigee || kind == MoonEvent::Apogee;
        return distance ? eraPm(p) * ERFA_DAU / 1000 : std::asin(p[2] / eraPm(p)) / ERFA_DD2R;
    };
    const bool crossing = kind == MoonEvent::Ascending || kind == MoonEvent::Descending;
    return crossing ? moon(jdUT) : moon(jdUT + 0.01) - moon(jdUT - 0.01);
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
    // All events of every 23rd month of 1900-2100. The tolerances [minutes] are
    // the largest differences over every event of 1900-2100 (perigee 353, apogee
    // 149, the others 1.7; moonevents.h) with a margin.
    const double toleranceMinutes[] = {400, 180, 3, 3, 3, 3}; // in the order of MoonEvent
    std::array<int, 6> counts{};
    const double end = julianday(2100, 12, 31, 0, 0);
    for (double from = julianday(1900, 1, 1, 0, 0); from < end; from += 23 * 30.44) {
        for (const MoonEventMoment& e : moonEvents(from, from + 30.44)) {
            const auto k = static_cast<std::size_t>(e.kind);
            const double off = (e.jdUT - erfaMoment(e.kind, e.jdUT)) / kMinute;
            EXPECT_LE(std::abs(off), toleranceMinutes[k])
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
    EXPECT_GE(events.size(), 6u * 13);
    std::array<const MoonEventMoment*, 3> before{};
    for (const MoonEventMoment& e : events) {
        const auto pair = static_cast<std::size_t>(e.kind) / 2;
        if (before[pair] != nullptr) {
            EXPECT_NE(before[pair]->kind, e.kind) << e.jdUT;
            EXPECT_GT(e.jdUT - before[pair]->jdUT, 11.0) << e.jdUT;
        }
        before[pair] = &e;
        EXPECT_EQ(e.value, pair == 0 ? moonDistance(e.jdUT) : moonDeclination(e.jdUT));
    }
}

TEST(moonDeclination, IsCalcsDeclination) {
    // calc's zenith distance of the Moon for an observer on the equator, from
    // the declination found here: cos z = cos(delta) cos(theta - alpha).
    const TideInput at{2026, 12, 14, 0, 0, 0, 0};
    const TideEvaluation e = calc(at);
    const double jd = universalJulianDay(at);
    EXPECT_EQ(moonDistance(jd), e.moondist);
    EXPECT_NEAR(std::cos(e.zm),
                std::cos((e.theta - e.MMlon) * ERFA_DD2R) *
                    std::cos(moonDeclination(jd) * ERFA_DD2R),
                1e-9);
}

} // namespace
