// The rule on a continuous drawing's end: it draws no day past the last
// accepted date, and the driver never runs past it.
#include "plot/plotrequest.h"
#include "plot/plotrun.h"

#include "astro/tide.h"

#include <gtest/gtest.h>

#include <string>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

PlotRequest continuousFrom(int year, int month, int day, int days,
                           PlotMode mode = PlotMode::Diurnal, bool continuous = true) {
    PlotRequest r;
    r.mode = mode;
    r.start = ObservationInput{double(year), double(month), double(day), 0, 0};
    r.continuous = continuous;
    r.days = days;
    return r;
}

TEST(RequestRefusal, ContinuousDrawingEndsByTheLastAcceptedDate) {
    const struct {
        const char* name;
        PlotRequest request;
        int longest;
        bool refused;
    } rows[] = {
        {"the last day alone", continuousFrom(2400, 12, 31, 1), 1, false},
        {"one day past the last", continuousFrom(2400, 12, 31, 2), 1, true},
        {"December 2400 to its end", continuousFrom(2400, 12, 1, 31), 31, false},
        {"December 2400 with 999 days", continuousFrom(2400, 12, 1, 999), 31, true},
        {"over the leap day of 2400", continuousFrom(2400, 2, 28, 309), 308, true},
        {"the day count's own limit", continuousFrom(2311, 4, 17, 32767), 32767, false},
        {"a day later", continuousFrom(2311, 4, 18, 32767), 32766, true},
        {"far from the end", continuousFrom(1600, 1, 1, 32767), 32767, false},
        {"one-day drawing, days left set",
         continuousFrom(2400, 12, 31, 999, PlotMode::Diurnal, false), 1, false},
        {"60 days from the last day", continuousFrom(2400, 12, 31, 999, PlotMode::SixtyDay), 1,
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(longestContinuousRun(row.request.start), row.longest);
        const auto refusal = requestRefusal(row.request);
        ASSERT_EQ(refusal.has_value(), row.refused);
        if (refusal) {
            EXPECT_EQ(refusal->problem, InputProblem::ContinuousReach);
            EXPECT_EQ(refusal->box, InputBox::ContDays);
            EXPECT_EQ(refusal->longestDays, row.longest);
            EXPECT_EQ(refusalMessage(*refusal), continuousReachMessage(row.longest));
        }
    }
}

TEST(RequestRefusal, TheDriverStopsAtTheLastAcceptedDateAnyway) {
    struct Dates : PlotSink {
        int steps = 0;
        std::string reached;
        void step(PlotMode, const Moment&, const astro::TideEvaluation&) override { ++steps; }
        void dateReached(int y, int m, int d) override {
            reached = std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
        }
    } sink;
    ObservationState state;
    PlotRun run(state, continuousFrom(2400, 12, 30, 999), sink, astro::calc);
    run.runToEnd();
    EXPECT_EQ(sink.steps, 2 * 289);
    EXPECT_EQ(sink.reached, "2401-1-1");
}

} // namespace
