// The cause of the curves: the bodies seen from the place, the bulge's law, the
// pole the Earth is seen from, and the heights that must be the curves' own.
#include "plot/cause.h"
#include "plot/plotrun.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

constexpr double kPi = std::numbers::pi;

/// A body of the Moon's mass at its mean distance, at declination `dec` [degrees].
BodyAtPlace moonAt(double dec) {
    return {astro::kMoonMassRatio, 0, dec, 384'400, 0, 0, 0};
}

/// Draws a whole diurnal day at `start` on `clock`, as the window does (batch evaluation).
const Drawing& drawDay(DrawingRecord& record, const ObservationInput& start, ClockChoice clock) {
    const PlotRequest request{PlotMode::Diurnal, start, false, 1, clock};
    ObservationState state = support::freshState();
    RecordSink sink(record, request);
    PlotRun run(state, request, sink,
                BatchEvaluator(
                    [](std::span<const astro::TideInput> at, std::span<astro::TideEvaluation> out) {
                        return astro::calcBatch(at, out);
                    }));
    run.runToEnd();
    sink.finish(true);
    return record.drawings().back();
}

} // namespace

// The numbers the view shows at a drawn step: the heights are the step's, bit
// for bit; the shape around the Earth meets them at the place.
TEST(Cause, HeightsAreTheCurvesOwn) {
    struct Row {
        const char* name;
        ObservationInput start;
        ClockKind clock;
    };
    const Row rows[] = {
        {"Tokyo, local mean time", support::kDefaultStart, ClockKind::LocalMean},
        {"Tokyo on JST", support::kDefaultStart, ClockKind::Jst},
        {"the equator, UT", {2003, 1, 5, 139.75, 0}, ClockKind::Ut},
        {"Sydney, local mean time", {2003, 6, 21, 151.2, -33.8667}, ClockKind::LocalMean},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DrawingRecord record;
        const Drawing& drawing = drawDay(record, row.start, ClockChoice{row.clock});
        for (std::size_t i = 0; i < drawing.steps.size(); i += 37) {
            const RecordedStep& step = drawing.steps[i];
            const Cause c = causeOfStep(drawing, step);
            EXPECT_EQ(c.sun.heightKm, step.Ssea) << "step " << i;
            EXPECT_EQ(c.moon.heightKm, step.Msea) << "step " << i;
            EXPECT_EQ(c.totalKm(), step.total()) << "step " << i;
            EXPECT_EQ(c.msangleRad, step.MSangle) << "step " << i;
            for (const BodyAtPlace* b : {&c.sun, &c.moon}) {
                EXPECT_NEAR(heightOnLatitudeKm(*b, c.latDeg, b->hourAngleDeg), b->heightKm,
                            1e-9 * peakKm(*b));
                EXPECT_NEAR(90 - zenithDistanceRad(c.latDeg, b->declinationDeg, b->hourAngleDeg) /
                                     kPi * 180,
                            b->altitudeDeg, 1e-6);
                EXPECT_GT(b->hourAngleDeg, -180);
                EXPECT_LE(b->hourAngleDeg, 180);
            }
        }
    }
}

// The equilibrium law around the Earth, as fractions of the peak mu R^4 / r^3.
TEST(Cause, BulgeFollowsTheEvaluationsLaw) {
    struct Row {
        const char* name;
        double dec, lat, hourAngle; // [degrees]
        double ofPeak;
    };
    const Row rows[] = {
        {"overhead", 20, 20, 0, 1},
        {"at the nadir", 20, -20, 180, 1},
        {"on the horizon", 0, 0, 90, -0.5},
        {"at the pole, body on the equator", 0, 90, 37, -0.5},
        {"south of the body by its declination twice", 15, -15, 0,
         std::cos(30 * kPi / 180) * std::cos(30 * kPi / 180) * 1.5 - 0.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BodyAtPlace body = moonAt(row.dec);
        EXPECT_DOUBLE_EQ(peakKm(body), astro::eqtide(body.massRatio, body.distanceKm, 0));
        EXPECT_NEAR(heightOnLatitudeKm(body, row.lat, row.hourAngle), row.ofPeak * peakKm(body),
                    1e-12 * peakKm(body));
        EXPECT_NEAR(bulgeKm(body, kPi / 2), -0.5 * peakKm(body), 1e-12 * peakKm(body));
    }
}

// The two daily highs of one body: equal with the body or the place on the
// equator, the higher on the body's side otherwise.
TEST(Cause, DailyHighsDifferWithDeclination) {
    struct Row {
        const char* name;
        double dec, lat;       // [degrees]
        int upperAgainstLower; // sign of upper - lower
    };
    const Row rows[] = {
        {"body on the equator, Tokyo", 0, 35.65, 0}, {"Moon north, Tokyo", 20, 35.65, 1},
        {"Moon south, Tokyo", -20, 35.65, -1},       {"Moon north, the equator", 20, 0, 0},
        {"Moon north, Sydney", 20, -33.87, -1},      {"Moon south, Sydney", -20, -33.87, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BodyAtPlace body = moonAt(row.dec);
        const TransitHeights t = transitHeights(body, row.lat);
        const double difference = t.upperKm - t.lowerKm;
        if (row.upperAgainstLower == 0) {
            EXPECT_NEAR(difference, 0, 1e-12 * peakKm(body));
        } else {
            EXPECT_GT(difference * row.upperAgainstLower, 1e-3 * peakKm(body));
        }
    }
}

// The Earth is seen from the pole nearer the place; the Moon is drawn lit as
// it is seen there unless the northern picture is asked for.
TEST(Cause, PoleAndMoonFollowTheHemisphere) {
    struct Row {
        const char* name;
        double lat;
        MoonView view;
        Pole pole;
        bool mirrored;
    };
    const Row rows[] = {
        {"Tokyo", 35.65, MoonView::AsSeenThere, Pole::North, false},
        {"the equator", 0, MoonView::AsSeenThere, Pole::North, false},
        {"Sydney", -33.87, MoonView::AsSeenThere, Pole::South, true},
        {"just south of the equator", -1e-6, MoonView::AsSeenThere, Pole::South, true},
        {"Sydney, northern picture", -33.87, MoonView::FromTheNorth, Pole::South, false},
    };
    const double an = 1.0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(nearerPole(row.lat), row.pole);
        EXPECT_EQ(moonDrawnAngleRad(an, row.lat, row.view), row.mirrored ? 2 * kPi - an : an);
    }
}

TEST(Cause, PlaySpansInSteps) {
    struct Row {
        PlotMode mode;
        PlaySpan span;
        int steps;
    };
    const Row rows[] = {
        {PlotMode::Diurnal, PlaySpan::Day, 288},        // 5-minute steps
        {PlotMode::SixtyDay, PlaySpan::Lunation, 4252}, // 10-minute steps, 29.53 days
        {PlotMode::Annual, PlaySpan::Day, 24},          // hourly steps
        {PlotMode::Annual, PlaySpan::Lunation, 709},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(stepsOfSpan(row.mode, row.span), row.steps);
    }
}

TEST(Cause, StepsAreFoundInTheirDrawing) {
    DrawingRecord record;
    drawDay(record, support::kDefaultStart, ClockChoice{});
    const Drawing& second = drawDay(record, support::kDefaultStart, ClockChoice{});
    const auto at = indexOfStep(record, &second.steps[100]);
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(at->drawing, 1u);
    EXPECT_EQ(at->step, 100u);
    const RecordedStep elsewhere = second.steps[100];
    EXPECT_FALSE(indexOfStep(record, &elsewhere).has_value());
}
