// Reading a drawing from typed texts: the first refusal in the order date,
// longitude, latitude, days, reach, with its box and its words; and the rule on
// a continuous drawing's end: it draws no day past the last accepted date, and
// the driver never runs past it.
#include "plot/plotrequest.h"
#include "plot/plotrun.h"

#include "astro/tide.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <variant>

using namespace veltaro;
using namespace veltaro::plot;
using B = veltaro::InputBox;

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

/// The window's texts at start-up (2002-08-16 at the default point, one day)
/// with `changes` typed over them, in `mode`. InputBox::ContDays asks for
/// several days.
RequestTexts typed(std::initializer_list<std::pair<InputBox, const char*>> changes,
                   PlotMode mode = PlotMode::Diurnal) {
    RequestTexts texts;
    texts.place = {"2002", "8", "16", "139", "44", "41", "35", "39", "16"};
    texts.mode = mode;
    // The boxes in the order of InputBox, from Year.
    constexpr std::string InputTexts::*kBoxTexts[] = {
        &InputTexts::year,   &InputTexts::month,  &InputTexts::day,
        &InputTexts::lonDeg, &InputTexts::lonMin, &InputTexts::lonSec,
        &InputTexts::latDeg, &InputTexts::latMin, &InputTexts::latSec};
    for (const auto& [box, text] : changes) {
        if (box == InputBox::ContDays) {
            texts.days = text;
        } else {
            texts.place.*kBoxTexts[static_cast<std::size_t>(box) - 1] = text;
        }
    }
    return texts;
}

TEST(ReadRequest, FirstRefusalWins) {
    // The problem, the box at fault and, for the reach, the days left; the words
    // follow from them. InputProblem::None: drawn.
    struct Row {
        const char* name;
        RequestTexts texts;
        InputProblem problem;
        InputBox box;
        int longest = 0;
    };
    using P = InputProblem;
    const Row rows[] = {
        {"as at start-up", typed({}), P::None, B::None},
        // The date, box by box.
        {"no 29 February in 2001", typed({{B::Year, "2001"}, {B::Month, "2"}, {B::Day, "29"}}),
         P::Date, B::Day},
        {"no 31 April", typed({{B::Month, "4"}, {B::Day, "31"}}), P::Date, B::Day},
        {"month 13", typed({{B::Month, "13"}, {B::Day, "1"}}), P::Date, B::Month},
        {"empty year", typed({{B::Year, ""}}), P::Date, B::Year},
        {"year empty, month 13: the year", typed({{B::Year, ""}, {B::Month, "13"}}), P::Date,
         B::Year},
        {"month 13, day 0: the month", typed({{B::Month, "13"}, {B::Day, "0"}}), P::Date, B::Month},
        // The date before the point.
        {"bad date and bad longitude: the date",
         typed({{B::Month, "4"}, {B::Day, "31"}, {B::LonDeg, "x"}}), P::Date, B::Day},
        {"date out of range before a bad latitude", typed({{B::Year, "2500"}, {B::LatDeg, ""}}),
         P::DateRange, B::Year},
        // The longitude before the latitude.
        {"bad longitude and bad latitude: the longitude", typed({{B::LonSec, ""}, {B::LatDeg, ""}}),
         P::LonNotNumber, B::LonSec},
        {"longitude minutes before seconds", typed({{B::LonMin, "x"}, {B::LonSec, ""}}),
         P::LonNotNumber, B::LonMin},
        {"longitude out of range before latitude not a number",
         typed({{B::LonDeg, "200"}, {B::LatMin, "?"}}), P::LonRange, B::LonDeg},
        {"longitude beyond 180 by its minutes: the degrees",
         typed({{B::LonDeg, "179"}, {B::LonMin, "90"}}), P::LonRange, B::LonDeg},
        {"latitude alone", typed({{B::LatDeg, "91"}}), P::LatRange, B::LatDeg},
        {"latitude not a number", typed({{B::LatSec, "abc"}}), P::LatNotNumber, B::LatSec},
        // The point before the days, the days before the reach.
        {"continuous with 0 days", typed({{B::ContDays, "0"}}), P::ContDays, B::ContDays},
        {"continuous with letters", typed({{B::ContDays, "abc"}}), P::ContDays, B::ContDays},
        {"bad latitude before bad days", typed({{B::LatDeg, "91"}, {B::ContDays, "0"}}),
         P::LatRange, B::LatDeg},
        {"continuous past the last accepted day",
         typed({{B::Year, "2400"}, {B::Month, "12"}, {B::Day, "1"}, {B::ContDays, "999"}}),
         P::ContinuousReach, B::ContDays, 31},
        {"bad days before the reach",
         typed({{B::Year, "2400"}, {B::Month, "12"}, {B::Day, "31"}, {B::ContDays, "0"}}),
         P::ContDays, B::ContDays},
        // Days asked for in a mode that draws one pass are not read.
        {"the 60-day mode with letters for days", typed({{B::ContDays, "abc"}}, PlotMode::SixtyDay),
         P::None, B::None},
        {"the annual mode from the last day with 999 days",
         typed({{B::Year, "2400"}, {B::Month, "12"}, {B::Day, "31"}, {B::ContDays, "999"}},
               PlotMode::Annual),
         P::None, B::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readRequest(row.texts);
        const auto* refusal = std::get_if<RequestRefusal>(&read);
        ASSERT_EQ(refusal != nullptr, row.problem != P::None);
        if (refusal == nullptr) {
            continue;
        }
        EXPECT_EQ(refusal->problem, row.problem);
        EXPECT_EQ(refusal->box, row.box);
        EXPECT_EQ(refusal->longestDays, row.longest);
    }
}

TEST(ReadRequest, CarriesWhatWasTyped) {
    const auto days = readRequest(typed({{B::Year, "２００２"},
                                         {B::LonDeg, "-135"},
                                         {B::LonMin, "30"},
                                         {B::LonSec, "0"},
                                         {B::LatDeg, "-0"},
                                         {B::LatMin, "30"},
                                         {B::LatSec, "0"},
                                         {B::ContDays, "3日"}}));
    ASSERT_TRUE(std::holds_alternative<PlotRequest>(days));
    const PlotRequest& request = std::get<PlotRequest>(days);
    EXPECT_EQ(request.mode, PlotMode::Diurnal);
    EXPECT_EQ(request.start.year, 2002);
    EXPECT_EQ(request.start.month, 8);
    EXPECT_EQ(request.start.day, 16);
    EXPECT_EQ(request.start.lon, -135.5);
    EXPECT_EQ(request.start.lat, 0.5);
    EXPECT_TRUE(request.continuous);
    EXPECT_EQ(request.days, 3);

    // Days asked for in a mode that draws one pass: one pass.
    const auto pass = readRequest(typed({{B::ContDays, "3"}}, PlotMode::SixtyDay));
    ASSERT_TRUE(std::holds_alternative<PlotRequest>(pass));
    EXPECT_EQ(std::get<PlotRequest>(pass).mode, PlotMode::SixtyDay);
    EXPECT_FALSE(std::get<PlotRequest>(pass).continuous);
    EXPECT_EQ(std::get<PlotRequest>(pass).days, 1);
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
