// Reading the graph: the mouse's column to the step drawn there, the words of a
// step, a Moon picture and a new or full Moon mark, and where the marks fall.
#include "plot/phasemarks.h"
#include "plot/readout.h"
#include "plot/words.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <optional>
#include <string>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

// At the default point the clock runs 9 h 18 m 59 s ahead of UT.
PlotRequest request(PlotMode mode, int days = 1) {
    return {mode, support::kDefaultStart, days > 1, days};
}

/// A drawing of `days` passes stopped after `steps` steps in all; each step's
/// Sun height holds its day and t (day x 10000 + t), its Moon height -1.
void draw(DrawingRecord& record, PlotMode mode, int steps, int days = 1) {
    record.beginDrawing(request(mode, days), steps);
    const int increment = mode == PlotMode::Diurnal ? 30 : 1;
    for (int i = 0; i < steps; ++i) {
        const int day = i / stepsPerPass(mode);
        const int t = i % stepsPerPass(mode) * increment;
        astro::TideEvaluation e{};
        e.Ssea = day * 10000 + t;
        e.Msea = -1;
        record.addStep(Moment{t, 2002, 8, 16, 0, 0}, e);
    }
    record.endDrawing(steps == stepsPerPass(mode) * days);
}

} // namespace

TEST(Readout, ColumnToStep) {
    struct Row {
        const char* name;
        PlotMode mode;
        int steps, days;
        int column, width;               // the mouse's pixel column in the inner area
        std::optional<double> sunOfStep; // day x 10000 + t of the step read, none for nothing
        std::optional<double> heightKm = std::nullopt; // the cursor's height, when known
    };
    constexpr auto D = PlotMode::Diurnal;
    constexpr auto S = PlotMode::SixtyDay;
    const Row rows[] = {
        {"diurnal, first column", D, 289, 1, 0, 574, 0},     // x 7.5 -> t 0
        {"diurnal, middle", D, 289, 1, 287, 574, 4320},      // x 4327.5 -> t 4320
        {"diurnal, last column", D, 289, 1, 573, 574, 8640}, // x 8632.5 -> t 8640
        {"diurnal at 200 %", D, 289, 1, 574, 1148, 4320},    // the same place, twice the pixels
        {"continuous: the last day", D, 3 * 289, 3, 287, 574, 24320},
        {"stopped in its third day", D, 2 * 289 + 10, 3, 287, 574, 14320},
        // The cursor near a curve picks its day; elsewhere, or between days
        // equally near (the Moon curves here), the last day drawn.
        {"continuous, near day 2's Sun", D, 3 * 289, 3, 287, 574, 14320, 14322},
        {"continuous, near day 1's total", D, 3 * 289, 3, 287, 574, 4320, 4318},
        {"continuous, near no curve", D, 3 * 289, 3, 287, 574, 24320, 9000},
        {"continuous, on every Moon curve", D, 3 * 289, 3, 287, 574, 24320, -1},
        {"one day: its own step whatever the height", D, 289, 1, 287, 574, 4320, 0},
        {"60-day, every step", S, 8641, 1, 100, 574, 1513}, // x 1512.7 -> t 1513
        {"stopped 60-day, drawn part", S, 1001, 1, 60, 574, 911},
        {"stopped 60-day, beyond it", S, 1001, 1, 100, 574, std::nullopt},
    };
    for (const Row& row : rows) {
        DrawingRecord record;
        draw(record, row.mode, row.steps, row.days);
        const auto at = stepAt(record, {scaleXOfColumn(row.column, row.width), row.heightKm, 5});
        ASSERT_EQ(at.has_value(), row.sunOfStep.has_value()) << row.name;
        if (at) {
            EXPECT_EQ(at->step->Ssea, *row.sunOfStep) << row.name;
            EXPECT_EQ(at->drawing, &record.drawings().back()) << row.name;
        }
    }
}

TEST(Readout, NothingOffTheScaleOrOnAnEmptyGraph) {
    DrawingRecord record;
    EXPECT_FALSE(stepAt(record, {4320}));
    draw(record, PlotMode::Diurnal, 289);
    EXPECT_TRUE(stepAt(record, {-14.9}));  // rounds to t = 0
    EXPECT_FALSE(stepAt(record, {-15.1})); // over half a step outside
    EXPECT_FALSE(stepAt(record, {8655.1}));
    // The most recent drawing is read, an earlier one not.
    draw(record, PlotMode::SixtyDay, 10);
    EXPECT_FALSE(stepAt(record, {4320}));
    EXPECT_EQ(stepAt(record, {4.2})->step->Ssea, 4);
}

TEST(Readout, StepInWords) {
    // Heights in km; steps of 2002-08-20.
    const struct {
        PlotMode mode;
        RecordedStep step;
        const char* text;
        int days = 1;
        ClockChoice clock{};
    } rows[] = {
        {PlotMode::Diurnal,
         {1.234e-4, -2.0e-4, 0, 0, 3630, 2002, 8, 20, 10, 5},
         "10:05 地方時　太陽 12.3 cm　月 -20.0 cm　太陽＋月 -7.7 cm"},
        {PlotMode::Diurnal,
         {4e-7, -4e-7, 0, 0, 8640, 2002, 8, 20, 0, 0}, // 24:00, carried over
         "24:00 地方時　太陽 0.0 cm　月 0.0 cm　太陽＋月 0.0 cm"},
        {PlotMode::SixtyDay,
         {1e-4, 0, 0, 0, 854, 2002, 8, 20, 14, 10},
         "2002年8月20日 14:10 地方時　太陽 10.0 cm　月 0.0 cm　太陽＋月 10.0 cm"},
        // A continuous drawing names the day; its 24:00 belongs to the day before.
        {PlotMode::Diurnal,
         {0, 0, 0, 0, 3630, 2002, 8, 20, 10, 5},
         "2002年8月20日 10:05 地方時　太陽 0.0 cm　月 0.0 cm　太陽＋月 0.0 cm",
         3},
        {PlotMode::Diurnal,
         {0, 0, 0, 0, 8640, 2002, 9, 1, 0, 0},
         "2002年8月31日 24:00 ＪＳＴ　太陽 0.0 cm　月 0.0 cm　太陽＋月 0.0 cm",
         3,
         {ClockKind::Jst, 0}},
    };
    for (const auto& row : rows) {
        Drawing d;
        d.request = request(row.mode, row.days);
        d.request.clock = row.clock;
        EXPECT_EQ(stepText(d, row.step).toStdString(), row.text);
    }
}

TEST(Readout, MoonPictureInWords) {
    // 2002-08-16 12:00 on the clock is 02:41 UT; the last new Moon was on
    // 2002-08-08 at 19:15 UT (published), 7.31 days before.
    DrawingRecord record;
    record.beginDrawing(request(PlotMode::Diurnal), 1);
    astro::TideEvaluation e{};
    e.MSangle = std::numbers::pi / 2;
    e.MSGangle = std::numbers::pi;
    record.addStep(Moment{4320, 2002, 8, 16, 12, 0}, e);
    EXPECT_FALSE(readMoonPicture(record, 5));
    EXPECT_EQ(readMoonPicture(record, 6).value_or(QString()).toStdString(),
              "太陽から月までの角度 90.00°（赤道に沿って東回り）　2002年8月16日 12:00 地方時　月相 "
              "14.0　月齢 7.3日");
}

/// The new and full Moons among `marks`.
std::vector<AxisMark> phasesOf(std::vector<AxisMark> marks) {
    std::erase_if(marks, [](const AxisMark& m) {
        return m.kind != MarkKind::NewMoon && m.kind != MarkKind::FullMoon;
    });
    return marks;
}

TEST(PhaseMarks, NewAndFullMoonOnTheTimeAxis) {
    // Published (UT): full Moon 2002-08-22 22:29, new Moon 09-07 03:10, full
    // 09-21 13:59, new 10-06 11:18; the graph starts at 2002-08-16 00:00 on the
    // clock of the place, 9 h 18 m 59 s ahead of UT, so 2002-08-15 14:41:01 UT.
    const Drawing sixty{
        request(PlotMode::SixtyDay), {}, false, phasesOf(axisMarks(request(PlotMode::SixtyDay)))};
    struct Published {
        MarkKind kind;
        double minutesAfterStart;
    };
    constexpr double kStart = 14 * 60 + 41 + 1 / 60.0; // on 2002-08-15 [minutes UT]
    const Published published[] = {{MarkKind::FullMoon, 7 * 1440 + 22 * 60 + 29 - kStart},
                                   {MarkKind::NewMoon, 23 * 1440 + 3 * 60 + 10 - kStart},
                                   {MarkKind::FullMoon, 37 * 1440 + 13 * 60 + 59 - kStart},
                                   {MarkKind::NewMoon, 52 * 1440 + 11 * 60 + 18 - kStart}};
    ASSERT_EQ(sixty.marks.size(), std::size(published));
    for (std::size_t i = 0; i < sixty.marks.size(); ++i) {
        EXPECT_EQ(sixty.marks[i].kind, published[i].kind) << i;
        // Within a minute, at 10 minutes a unit of x.
        EXPECT_NEAR(sixty.marks[i].x, published[i].minutesAfterStart / 10, 0.1) << i;
    }
    EXPECT_EQ(markText(sixty, sixty.marks[0]).toStdString(), "○ 満月 2002年8月23日 7:48 地方時");
    EXPECT_EQ(markText(sixty, sixty.marks[1]).toStdString(), "● 新月 2002年9月7日 12:29 地方時");
    // On JST the same Moon falls 18 min 59 s earlier on the clock: 22:29 UT + 9 h.
    PlotRequest jst = request(PlotMode::SixtyDay);
    jst.clock = {ClockKind::Jst, 0};
    const Drawing onJst{jst, {}, false, phasesOf(axisMarks(jst))};
    EXPECT_EQ(markText(onJst, onJst.marks[0]).toStdString(), "○ 満月 2002年8月23日 7:29 ＪＳＴ");

    // A year begins with the same Moons at an hour a unit and holds 24 or 25
    // inside the graph; a day holds none.
    const auto year = phasesOf(axisMarks(request(PlotMode::Annual)));
    ASSERT_TRUE(year.size() == 24 || year.size() == 25) << year.size();
    for (std::size_t i = 0; i < sixty.marks.size(); ++i) {
        EXPECT_EQ(year[i].kind, sixty.marks[i].kind) << i;
        EXPECT_NEAR(year[i].x, sixty.marks[i].x / 6, 1e-6) << i;
    }
    EXPECT_TRUE(year.front().x >= 0 && year.back().x <= 8640);
    EXPECT_TRUE(axisMarks(request(PlotMode::Diurnal)).empty());
}

TEST(PhaseMarks, ReadNearTheMouseWithinWhatWasDrawn) {
    DrawingRecord record;
    draw(record, PlotMode::SixtyDay, 2000); // stopped at t = 1999
    const Drawing& d = record.drawings().back();
    const auto fullAt = std::find_if(d.marks.begin(), d.marks.end(), [](const AxisMark& m) {
        return m.kind == MarkKind::FullMoon;
    });
    ASSERT_NE(fullAt, d.marks.end());
    const double full = fullAt->x; // 1054.8
    EXPECT_EQ(markNear(d, full + 50, 60), &*fullAt);
    EXPECT_EQ(markNear(d, full + 70, 60), nullptr);
    EXPECT_EQ(markNear(d, d.marks.back().x, 60), nullptr); // past where it stopped
    const auto reading = readGraph(record, {full}, 60);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->t, 1055);
    // The steps of this drawing all carry 2002-08-16, the 8th of the lunar month.
    EXPECT_NE(reading->text.toStdString().find(
                  "　潮名 小潮（旧暦8日）　○ 満月 2002年8月23日 7:48 地方時"),
              std::string::npos)
        << reading->text.toStdString();
    EXPECT_EQ(reading->mark, markText(d, *fullAt)); // the tooltip's words
    EXPECT_TRUE(readGraph(record, {full + 70}, 60)->mark.isEmpty());
}

TEST(AxisMarks, TheMoonsDistanceAndDeclinationWithTheirValues) {
    // Each mark sits where its moment falls (10 minutes a unit); the read-out
    // names the distance's and the declination's marks with their values.
    const Drawing sixty{
        request(PlotMode::SixtyDay), {}, false, axisMarks(request(PlotMode::SixtyDay))};
    const double start = sixty.marks.front().jdUT - sixty.marks.front().x / 144;
    std::size_t named = 0;
    for (const AxisMark& m : sixty.marks) {
        EXPECT_NEAR(m.jdUT - start, m.x / 144, 1e-9);
        const bool distance = m.kind == MarkKind::Perigee || m.kind == MarkKind::Apogee;
        const char* value = distance ? " km" : m.value > 0 ? "赤緯 +" : "赤緯 −";
        named += markText(sixty, m).toStdString().find(value) != std::string::npos;
    }
    EXPECT_EQ(named + 4, sixty.marks.size()); // all but the 4 phases
}
