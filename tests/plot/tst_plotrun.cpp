// The plot driver through a recording sink: what a run writes into the
// observation state and reports, in which order, for every mode.
#include "astro/fault.h"
#include "astro/tide.h"
#include "calendar/kansi.h"
#include "plot/plotrun.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace veltaro;
using namespace veltaro::plot;
using support::freshState;
using support::kDefaultLat;
using support::kDefaultLon;

namespace {

struct Date {
    int year, month, day;
    bool operator==(const Date&) const = default;
};

struct Clock {
    Date date;
    int hour, minute;
    bool operator==(const Clock&) const = default;
};

Clock clockOf(const Moment& m) {
    return {{int(m.year), int(m.month), int(m.day)}, int(m.hour), int(m.minute)};
}

Clock clockOf(const ObservationState& s) {
    return {{int(s.obsyear), int(s.obsmonth), int(s.obsday)}, int(s.obshour), int(s.obsminute)};
}

Clock clockOf(const astro::TideInput& s) {
    return {{int(s.year), int(s.month), int(s.day)}, int(s.hour), int(s.minute)};
}

std::ostream& operator<<(std::ostream& os, const Clock& c) {
    return os << c.date.year << '-' << c.date.month << '-' << c.date.day << ' ' << c.hour << ':'
              << c.minute;
}

/// Everything a run reports, as a log of event names plus the details.
struct Recorder : PlotSink {
    std::vector<std::string> events;
    std::vector<Moment> moments;
    std::vector<astro::TideEvaluation> results;
    std::optional<PlotMode> captions; // the mode whose captions the axis takes
    std::vector<std::string> dayNames;
    std::vector<std::pair<int, double>> phases; // (k, MSangle)
    std::vector<std::pair<Clock, double>> ages; // (moment of the step, MSGangle)
    std::vector<Date> dates;

    void axisCaptions(PlotMode mode) override {
        events.push_back("captions");
        captions = mode;
    }
    void tooltipsCleared() override { events.push_back("tooltips"); }
    void dayChoiceHidden() override { events.push_back("hide"); }
    void dayName(const std::string& name) override {
        events.push_back("dayname");
        dayNames.push_back(name);
    }
    void step(PlotMode, const Moment& m, const astro::TideEvaluation& e) override {
        if (events.empty() || events.back() != "step") {
            events.push_back("step");
        }
        moments.push_back(m);
        results.push_back(e);
    }
    void moonPicture(int k, double an) override { phases.emplace_back(k, an); }
    void moonPhaseAtNoon(double a) override { ages.emplace_back(clockOf(moments.back()), a); }
    void dateReached(int y, int m, int d) override {
        events.push_back("date");
        dates.push_back({y, m, d});
    }
};

PlotRequest request(PlotMode mode, Date start, bool continuous = false, int days = 1) {
    PlotRequest r;
    r.mode = mode;
    r.start = ObservationInput{double(start.year), double(start.month), double(start.day),
                               kDefaultLon, kDefaultLat};
    r.continuous = continuous;
    r.days = days;
    return r;
}

Evaluator realCalc() {
    return [](const astro::TideInput& s) { return astro::calc(s); };
}

/// The evaluation of one moment at the default point, made here without the driver.
astro::TideEvaluation calcAt(Clock c) {
    return astro::calc({double(c.date.year), double(c.date.month), double(c.date.day),
                        double(c.hour), double(c.minute), kDefaultLat, kDefaultLon});
}

// Sexagenary names of the days of the reference run (Part of the program's own
// table: 2002-08-16 is 丙辰, number 53 of the cycle).
const std::string k0816 = "丙辰";
const std::string k0817 = "丁巳";
const std::string k0819 = "己未";

} // namespace

// --- whole runs, one row per kind of drawing ------------------------------------

struct RunCase {
    const char* name;
    PlotMode mode;
    bool continuous;
    int days;
    int steps;
    std::vector<std::string> opening; // events before the first step
    Clock lastMoment;                 // the moment evaluated by the last step
    Clock stateAfter;                 // the observation moment after the run
    std::vector<Date> written;        // dates written back
    std::vector<std::string> names;
    int ages; // Moon's age reports
};

// Cases print as their name, so ctest lists them readably.
void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class WholeRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(WholeRun, StepsCaptionsMomentsAndWriteBack) {
    const RunCase& c = GetParam();
    ObservationState state = freshState();
    Recorder rec;
    PlotRun run(state, request(c.mode, {2002, 8, 16}, c.continuous, c.days), rec, realCalc());
    run.runToEnd();

    EXPECT_TRUE(run.done());
    EXPECT_FALSE(run.fault());
    EXPECT_EQ(int(rec.moments.size()), c.steps);
    EXPECT_EQ(run.stepsDone(), c.steps);
    EXPECT_EQ(run.totalSteps(), c.steps);

    std::vector<std::string> opening(rec.events.begin(),
                                     std::find(rec.events.begin(), rec.events.end(), "step"));
    EXPECT_EQ(opening, c.opening);
    EXPECT_EQ(rec.captions, c.mode);

    EXPECT_EQ(clockOf(rec.moments.front()), (Clock{{2002, 8, 16}, 0, 0}));
    EXPECT_EQ(clockOf(rec.moments.back()), c.lastMoment);
    EXPECT_EQ(clockOf(state), c.stateAfter);
    EXPECT_EQ(rec.dates, c.written);
    EXPECT_EQ(rec.dayNames, c.names);
    EXPECT_EQ(int(rec.ages.size()), c.ages);
    EXPECT_DOUBLE_EQ(state.obslon, kDefaultLon);
    EXPECT_DOUBLE_EQ(state.obslat, kDefaultLat);

    // 13 Moon pictures a pass, k = 0..12 in order, each at t = 720 k.
    ASSERT_EQ(int(rec.phases.size()), 13 * (c.steps / stepsPerPass(c.mode)));
    for (std::size_t i = 0; i < rec.phases.size(); ++i) {
        EXPECT_EQ(rec.phases[i].first, int(i % 13));
    }
    // t runs 0..8640 in each pass with the mode's increment.
    const int dt = c.mode == PlotMode::Diurnal ? 30 : 1;
    for (std::size_t i = 0; i < rec.moments.size(); ++i) {
        ASSERT_EQ(rec.moments[i].t, int(i % std::size_t(8640 / dt + 1)) * dt) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, WholeRun,
    ::testing::Values(
        RunCase{"OneDay",
                PlotMode::Diurnal,
                false,
                1,
                289,
                {"captions", "dayname"},
                {{2002, 8, 17}, 0, 0},
                {{2002, 8, 17}, 0, 5},
                {},
                {k0816},
                1},
        // Edge case of the driver: three days drawn over each other, boxes at the 19th.
        RunCase{"Continuous3",
                PlotMode::Diurnal,
                true,
                3,
                867,
                {"captions", "dayname"},
                {{2002, 8, 19}, 0, 0},
                {{2002, 8, 19}, 0, 5},
                {{2002, 8, 19}},
                {k0816, k0819},
                3},
        // Continuous with one day still writes back the next day.
        RunCase{"Continuous1",
                PlotMode::Diurnal,
                true,
                1,
                289,
                {"captions", "dayname"},
                {{2002, 8, 17}, 0, 0},
                {{2002, 8, 17}, 0, 5},
                {{2002, 8, 17}},
                {k0816, k0817},
                1},
        // 60 days and 10 minutes: 8641 steps of 10 minutes.
        RunCase{"SixtyDay",
                PlotMode::SixtyDay,
                false,
                1,
                8641,
                {"captions", "tooltips", "dayname"},
                {{2002, 10, 15}, 0, 0},
                {{2002, 10, 15}, 0, 10},
                {},
                {k0816},
                0},
        // 360 days and 1 hour: 8641 steps of an hour.
        RunCase{"Annual",
                PlotMode::Annual,
                false,
                1,
                8641,
                {"hide", "dayname", "captions", "tooltips"},
                {{2003, 8, 11}, 0, 0},
                {{2003, 8, 11}, 1, 0},
                {},
                {k0816},
                0},
        // Asking for continuous days outside the diurnal mode draws one pass.
        RunCase{"SixtyDayIgnoresDays",
                PlotMode::SixtyDay,
                true,
                5,
                8641,
                {"captions", "tooltips", "dayname"},
                {{2002, 10, 15}, 0, 0},
                {{2002, 10, 15}, 0, 10},
                {},
                {k0816},
                0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- what each step hands on ------------------------------------------------------

TEST(PlotRunSteps, EveryStepCarriesTheEvaluationOfItsOwnMoment) {
    // Each mode's moments, one per step, checked against evaluations made here.
    const struct {
        PlotMode mode;
        int stride; // steps between samples
        int minutesPerStep;
    } rows[] = {
        {PlotMode::Diurnal, 1, 5}, {PlotMode::SixtyDay, 97, 10}, {PlotMode::Annual, 97, 60}};
    for (const auto& row : rows) {
        ObservationState state = freshState();
        Recorder rec;
        PlotRun run(state, request(row.mode, {2002, 8, 16}), rec, realCalc());
        run.runToEnd();
        for (std::size_t i = 0; i < rec.moments.size(); i += std::size_t(row.stride)) {
            // Minutes since the start, carried into hours, days and months by hand.
            long minutes = long(i) * row.minutesPerStep;
            int day = 16 + int(minutes / 1440);
            int month = 8, year = 2002;
            const int lengths[] = {31, 30, 31, 30, 31, 31, 28, 31, 30, 31, 30, 31, 31};
            for (int m = 0; day > lengths[m]; ++m) { // Aug 2002 .. Aug 2003
                day -= lengths[m];
                if (++month == 13) {
                    month = 1;
                    ++year;
                }
            }
            const Clock want{{year, month, day}, int(minutes % 1440 / 60), int(minutes % 60)};
            ASSERT_EQ(clockOf(rec.moments[i]), want) << "step " << i;
            const astro::TideEvaluation e = calcAt(want);
            ASSERT_EQ(rec.results[i].Ssea, e.Ssea) << "step " << i;
            ASSERT_EQ(rec.results[i].Msea, e.Msea) << "step " << i;
            ASSERT_EQ(rec.results[i].MSangle, e.MSangle) << "step " << i;
        }
    }
}

TEST(PlotRunSteps, MoonPhasesAndAgeComeFromTheirColumnMoments) {
    ObservationState state = freshState();
    Recorder rec;
    PlotRun run(state, request(PlotMode::Diurnal, {2002, 8, 16}, true, 3), rec, realCalc());
    run.runToEnd();
    // picmoon(12) of the last pass shows 00:00 of 19 August.
    ASSERT_EQ(rec.phases.size(), 39u);
    EXPECT_EQ(rec.phases.back().first, 12);
    EXPECT_EQ(rec.phases.back().second, calcAt({{2002, 8, 19}, 0, 0}).MSangle);
    // picmoon(k) of the first pass: 2k hours after 00:00 of the 16th.
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(rec.phases[std::size_t(k)].second, calcAt({{2002, 8, 16}, 2 * k, 0}).MSangle);
    }
    // The Moon's age at noon of each drawn day.
    ASSERT_EQ(rec.ages.size(), 3u);
    for (int d = 0; d < 3; ++d) {
        const Clock noon{{2002, 8, 16 + d}, 12, 0};
        EXPECT_EQ(rec.ages[std::size_t(d)].first, noon);
        EXPECT_EQ(rec.ages[std::size_t(d)].second, calcAt(noon).MSGangle);
    }
    // jd names the date written back.
    EXPECT_DOUBLE_EQ(state.jd, 2452505.5); // 2002-08-19 0h
}

TEST(PlotRunSteps, SixtyDayAndAnnualPhasesAreDaysApart) {
    const struct {
        PlotMode mode;
        int daysPerColumn;
    } rows[] = {{PlotMode::SixtyDay, 5}, {PlotMode::Annual, 30}};
    for (const auto& row : rows) {
        ObservationState state = freshState();
        Recorder rec;
        PlotRun run(state, request(row.mode, {2002, 8, 16}), rec, realCalc());
        run.runToEnd();
        ASSERT_EQ(rec.phases.size(), 13u);
        for (int k = 0; k <= 12; ++k) {
            const Moment& m = rec.moments[std::size_t(720 * k)];
            const double jd = 2452502.5 + row.daysPerColumn * k; // 2002-08-16 0h + days
            EXPECT_EQ(calcAt(clockOf(m)).jd, jd) << k;
            EXPECT_EQ(clockOf(m).hour, 0);
            EXPECT_EQ(rec.phases[std::size_t(k)].second, rec.results[std::size_t(720 * k)].MSangle);
        }
    }
}

// --- slices -------------------------------------------------------------------------

TEST(PlotRunSlices, AnySliceSizeGivesTheSameRunAndState) {
    // Between slices the state stands where the step-by-step drawing would be:
    // at the moment of the next step.
    for (int slice : {1, 7, 289, 1000, 100000}) {
        ObservationState state = freshState();
        Recorder rec;
        PlotRun run(state, request(PlotMode::Diurnal, {2002, 12, 31}, true, 2), rec, realCalc());
        while (!run.done()) {
            run.advance(slice);
            if (!run.done()) {
                const std::size_t next = rec.moments.size();
                const int day = 31 + int(next / 289) + (next % 289 == 288 ? 1 : 0);
                const int minutes = int(next % 289) * 5 % 1440;
                const Clock want = day > 31 ? Clock{{2003, 1, day - 31}, minutes / 60, minutes % 60}
                                            : Clock{{2002, 12, 31}, minutes / 60, minutes % 60};
                ASSERT_EQ(clockOf(state), want) << "slice " << slice << " after " << next;
            }
        }
        EXPECT_EQ(rec.moments.size(), 578u) << slice;
        EXPECT_EQ(rec.dates, (std::vector<Date>{{2003, 1, 2}})) << slice;
        EXPECT_EQ(clockOf(rec.moments.back()), (Clock{{2003, 1, 2}, 0, 0})) << slice;
    }
}

// --- cancel ---------------------------------------------------------------------------

struct CancelCase {
    const char* name;
    PlotMode mode;
    bool continuous;
    int days;
    int stepsBeforeCancel;
    std::vector<Date> written;
    std::vector<std::string> names; // day names of the whole run
    Clock stateAfter;
};

// Cases print as their name, so ctest lists them readably.
void PrintTo(const CancelCase& c, std::ostream* os) {
    *os << c.name;
}

class Cancel : public ::testing::TestWithParam<CancelCase> {};

TEST_P(Cancel, WritesBackOnlyWholeDays) {
    const CancelCase& c = GetParam();
    ObservationState state = freshState();
    Recorder rec;
    PlotRun run(state, request(c.mode, {2002, 8, 16}, c.continuous, c.days), rec, realCalc());
    int done = 0;
    while (done < c.stepsBeforeCancel) {
        done += run.advance(c.stepsBeforeCancel - done);
    }
    run.cancel();
    EXPECT_TRUE(run.done());
    EXPECT_TRUE(run.cancelled());
    EXPECT_EQ(int(rec.moments.size()), c.stepsBeforeCancel);
    EXPECT_EQ(rec.dates, c.written);
    EXPECT_EQ(rec.dayNames, c.names);
    EXPECT_EQ(clockOf(state), c.stateAfter);
    // Nothing more happens after a cancel.
    EXPECT_EQ(run.advance(100), 0);
    EXPECT_EQ(int(rec.moments.size()), c.stepsBeforeCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Cancel,
    ::testing::Values(
        // Within the first day: no whole day, the boxes stay.
        CancelCase{"ContinuousFirstDay",
                   PlotMode::Diurnal,
                   true,
                   3,
                   100,
                   {},
                   {k0816},
                   {{2002, 8, 16}, 8, 20}},
        // One whole day and part of the next: as if one day had been asked for.
        CancelCase{"ContinuousSecondDay",
                   PlotMode::Diurnal,
                   true,
                   3,
                   289 + 100,
                   {{2002, 8, 17}},
                   {k0816, k0817},
                   {{2002, 8, 17}, 0, 5}},
        // Right after the first day's last step.
        CancelCase{"ContinuousDayBoundary",
                   PlotMode::Diurnal,
                   true,
                   3,
                   289,
                   {{2002, 8, 17}},
                   {k0816, k0817},
                   {{2002, 8, 17}, 0, 5}},
        CancelCase{
            "OneDay", PlotMode::Diurnal, false, 1, 150, {}, {k0816}, {{2002, 8, 16}, 12, 30}},
        CancelCase{
            "SixtyDay", PlotMode::SixtyDay, false, 1, 5000, {}, {k0816}, {{2002, 9, 19}, 17, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- arithmetic faults ----------------------------------------------------------------

TEST(PlotRunFault, StopsAtTheFaultyMomentAfterDrawingTheStepsBefore) {
    const struct {
        PlotMode mode;
        bool continuous;
        int days;
        int faultyCall; // 0-based call of the evaluator that faults
        int slice;
    } rows[] = {{PlotMode::Diurnal, false, 1, 0, 50},
                {PlotMode::Diurnal, true, 3, 300, 50},
                {PlotMode::SixtyDay, false, 1, 1000, 333},
                {PlotMode::Annual, false, 1, 8640, 4096},
                {PlotMode::Diurnal, true, 2, 288, 1},
                {PlotMode::Diurnal, true, 3, 866, 100}}; // the last step, before the write-back
    for (const auto& row : rows) {
        ObservationState state = freshState();
        Recorder rec;
        int calls = 0;
        Clock faulty{};
        Evaluator eval = [&](const astro::TideInput& s) {
            if (calls++ == row.faultyCall) {
                faulty = clockOf(s);
                throw ArithmeticFault("test fault");
            }
            return astro::calc(s);
        };
        PlotRun run(state, request(row.mode, {2002, 8, 16}, row.continuous, row.days), rec, eval);
        while (!run.done()) {
            run.advance(row.slice);
        }
        ASSERT_TRUE(run.fault()) << row.faultyCall;
        EXPECT_EQ(*run.fault(), "test fault");
        EXPECT_FALSE(run.cancelled());
        EXPECT_EQ(int(rec.moments.size()), row.faultyCall);
        EXPECT_EQ(run.stepsDone(), row.faultyCall);
        EXPECT_EQ(calls, row.faultyCall + 1); // nothing evaluated after the fault
        EXPECT_TRUE(rec.dates.empty());       // a faulty run writes no date back
        EXPECT_EQ(clockOf(state), faulty);    // the state holds the faulty moment
    }
}

// --- texts ----------------------------------------------------------------------------

TEST(PlotTexts, AngleAndAge) {
    const double pi = std::numbers::pi;
    const struct {
        double value;
        const char* angle;
        const char* age;
    } rows[] = {
        {0, "0.00", "0.0"},     {pi / 2, "90.00", "7.0"}, // edge case: pi/2 gives the tooltip 90.00
        {pi, "180.00", "14.0"},                           // edge case: pi gives the age 14.0
        {1.0, "57.30", "4.5"},  {2 * pi - 1e-9, "360.00", "28.0"}, {0.001, "0.06", "0.0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(moonAngleText(row.value), row.angle) << row.value;
        EXPECT_EQ(moonPhaseText(row.value), row.age) << row.value;
    }
}
