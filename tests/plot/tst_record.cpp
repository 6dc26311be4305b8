// The drawing record and the CSV made from it: what a run reports is what the
// record holds, and what the CSV says, to the last digit.
#include "astro/tide.h"
#include "plot/csvformat.h"
#include "plot/drawingrecord.h"
#include "plot/plotrun.h"
#include "plot/words.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

PlotRequest request(PlotMode mode, int days = 1) {
    return {mode, support::kDefaultStart, days > 1, days};
}

/// What the driver reports, step by step.
struct Reported {
    Moment moment;
    astro::TideEvaluation e;
};

/// Records a run and keeps what the driver reported beside it.
struct Tee : RecordSink {
    Tee(DrawingRecord& record, const PlotRequest& r) : RecordSink(record, r) {}
    void step(PlotMode mode, const Moment& m, const astro::TideEvaluation& e) override {
        RecordSink::step(mode, m, e);
        reported.push_back({m, e});
    }
    std::vector<Reported> reported;
};

std::vector<Reported> draw(DrawingRecord& record, const PlotRequest& r, int cancelAfter = -1,
                           Evaluator evaluator = astro::calc) {
    ObservationState state = support::freshState();
    Tee sink(record, r);
    PlotRun run(state, r, sink, std::move(evaluator));
    if (cancelAfter >= 0) {
        run.advance(cancelAfter);
        run.cancel();
    } else {
        run.runToEnd();
    }
    sink.finish(!run.cancelled() && !run.fault());
    return sink.reported;
}

} // namespace

TEST(Record, HoldsEveryStepTheDriverReportedUntilCleared) {
    DrawingRecord record;
    EXPECT_TRUE(record.empty());
    EXPECT_EQ(record.moonAngleRad(0), std::nullopt);
    // A year (over New Year), three days over each other, and a day stopped after
    // 100 steps: marked as stopped, the Moon pictures it did not reach still
    // those of the drawings before.
    std::vector<Reported> reported[3];
    reported[0] = draw(record, request(PlotMode::Annual));
    EXPECT_EQ(record.axisMode(), PlotMode::Annual);
    reported[1] = draw(record, request(PlotMode::Diurnal, 3));
    reported[2] = draw(record, request(PlotMode::Diurnal), 100);
    ASSERT_EQ(record.drawings().size(), 3u);
    for (std::size_t d = 0; d < 3; ++d) {
        const Drawing& drawing = record.drawings()[d];
        EXPECT_EQ(drawing.ended, d < 2);
        ASSERT_EQ(drawing.steps.size(), reported[d].size());
        for (std::size_t i = 0; i < reported[d].size(); ++i) {
            const RecordedStep& s = drawing.steps[i];
            const Moment m = s.moment();
            const auto& [want, e] = reported[d][i];
            ASSERT_EQ(std::tie(m.t, m.year, m.month, m.day, m.hour, m.minute, s.Ssea, s.Msea,
                               s.MSangle, s.MSGangle),
                      std::tie(want.t, want.year, want.month, want.day, want.hour, want.minute,
                               e.Ssea, e.Msea, e.MSangle, e.MSGangle))
                << "drawing " << d << " step " << i;
        }
    }
    EXPECT_EQ(record.stepCount(), 8641u + 3 * 289 + 100);
    EXPECT_EQ(record.moonAngleRad(0), reported[2][0].e.MSangle);      // t = 0 of the stopped day
    EXPECT_EQ(record.moonAngleRad(12), reported[1].back().e.MSangle); // t = 8640 of the third day
    EXPECT_EQ(record.axisMode(), PlotMode::Diurnal);                  // the last mode's
    EXPECT_TRUE(drawingTitle(record.drawings()[2]).contains(u"中止"));
    record.clear();
    EXPECT_TRUE(record.empty());
    EXPECT_EQ(record.moonAngleRad(12), std::nullopt);
    EXPECT_EQ(record.bytes(), sizeof record);
}

TEST(Record, TheLongestWindowDrawingCostsFortyBytesAStep) {
    // 999 days from the window, 288 711 steps; the evaluation is not what is measured.
    DrawingRecord record;
    draw(record, request(PlotMode::Diurnal, 999), -1,
         [](const astro::TideInput&) { return astro::TideEvaluation{}; });
    EXPECT_EQ(record.stepCount(), 999u * 289u);
    EXPECT_LE(record.bytes(), record.stepCount() * 40 + 4096);
}

TEST(Record, ADrawingThatWouldPassTheBoundIsRefusedWithItsNumbers) {
    using Reason = RoomRefusal::Reason;
    const PlotRequest toTheLastDay{PlotMode::Diurnal, {2400, 12, 30, 0, 0}, true, 32767};
    const struct {
        const char* name;
        std::size_t held;
        PlotRequest request;
        std::optional<Reason> reason;
        std::size_t asked;
    } rows[] = {
        {"one step more", kMostRecordedSteps - 8640, request(PlotMode::Annual), Reason::ClearFirst,
         8641},
        {"more days than the graph ever holds", 0, request(PlotMode::Diurnal, 6921),
         Reason::TooLong, 6921 * 289},
        {"to the last accepted date only, filling the graph exactly", kMostRecordedSteps - 2 * 289,
         toTheLastDay, std::nullopt, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DrawingRecord record;
        record.beginDrawing(request(PlotMode::Annual), static_cast<int>(row.held));
        for (std::size_t i = 0; i < row.held; ++i) {
            record.addStep(Moment{}, astro::TideEvaluation{});
        }
        const auto refusal = roomRefusal(record, row.request);
        ASSERT_EQ(refusal ? std::optional(refusal->reason) : std::nullopt, row.reason);
        if (refusal) {
            EXPECT_EQ(std::tie(refusal->held, refusal->asked, refusal->limit, refusal->mostDays),
                      std::make_tuple(row.held, row.asked, kMostRecordedSteps, 6920));
        }
    }
}

TEST(Csv, RowsCarryTheRecordedValuesToTheLastDigit) {
    DrawingRecord record;
    draw(record, request(PlotMode::Diurnal));
    draw(record, request(PlotMode::Diurnal, 2));
    const double cm = unitsPerKm(HeightUnit::Cm);
    for (const CsvFlavour flavour : {CsvFlavour::Annotated, CsvFlavour::Spreadsheet}) {
        std::string text;
        ASSERT_TRUE(
            writeRecordCsv(record, "test", modeNames(), flavour, [&](std::string_view piece) {
                text += piece;
                return true;
            }));
        // The header first (after the byte-order mark a spreadsheet needs), then
        // in the annotated CSV the program, the two drawings, the unit and the time.
        const bool annotated = flavour == CsvFlavour::Annotated;
        EXPECT_EQ(text.starts_with("\xEF\xBB\xBF"), !annotated);
        const auto lines = support::split(text.substr(annotated ? 0 : 3), '\n');
        ASSERT_EQ(lines[0], "drawing,t,date,time,Ssea,Msea,MSangle,MSGangle,total");
        std::size_t row = 1;
        while (row < lines.size() && lines[row].starts_with("#")) {
            ++row;
        }
        EXPECT_EQ(row, annotated ? 6u : 1u);
        ASSERT_EQ(lines.size(), row + 289 + 578);
        for (std::size_t d = 0; d < 2; ++d) {
            for (const RecordedStep& s : record.drawings()[d].steps) {
                const auto f = support::split(lines[row++], ',');
                ASSERT_EQ(f.size(), 9u);
                EXPECT_EQ(std::stoi(f[0]), int(d) + 1);
                EXPECT_EQ(std::stoi(f[1]), s.t);
                EXPECT_EQ(f[2], isoDate(s.year, s.month, s.day));
                EXPECT_EQ(std::strtod(f[4].c_str(), nullptr), s.Ssea * cm);
                EXPECT_EQ(std::strtod(f[5].c_str(), nullptr), s.Msea * cm);
                EXPECT_EQ(std::strtod(f[6].c_str(), nullptr), s.MSangle);
                EXPECT_EQ(std::strtod(f[7].c_str(), nullptr), s.MSGangle);
                EXPECT_EQ(std::strtod(f[8].c_str(), nullptr), (s.Ssea + s.Msea) * cm);
            }
        }
    }
    // A writer that refuses stops the writing.
    EXPECT_FALSE(writeRecordCsv(record, "test", modeNames(), CsvFlavour::Annotated,
                                [](std::string_view) { return false; }));
}

TEST(Csv, UnitsScaleTheHeightsOnly) {
    const Moment m{30, 2002, 8, 16, 0, 5};
    const struct {
        HeightUnit unit;
        bool total;
        const char* row;
    } rows[] = {
        {HeightUnit::Km, false, "30,2002-08-16,00:05,0.125,-0.25,1.5,3\n"},
        {HeightUnit::Km, true, "30,2002-08-16,00:05,0.125,-0.25,1.5,3,-0.125\n"},
        {HeightUnit::M, true, "30,2002-08-16,00:05,125,-250,1.5,3,-125\n"},
        {HeightUnit::Cm, true, "30,2002-08-16,00:05,12500,-25000,1.5,3,-12500\n"},
    };
    for (const auto& r : rows) {
        std::string out;
        appendCsvRow(out, CsvColumns{r.unit, false, r.total}, 0, m, 0.125, -0.25, 1.5, 3);
        EXPECT_EQ(out, r.row) << unitName(r.unit);
    }
}

TEST(Words, PlacesInDegreesMinutesSecondsWithTheirHemispheres) {
    const struct {
        double lat, lon;
        const char* text;
    } rows[] = {
        {support::kDefaultLat, support::kDefaultLon, "35°39′16″N 139°44′41″E"},
        {-33.8688, -135.5, "33°52′08″S 135°30′00″W"},
        {-0.5, 0, "0°30′00″S 0°00′00″E"},
        {35.9999999, 179.99999, "36°00′00″N 180°00′00″E"}, // seconds carried
    };
    for (const auto& r : rows) {
        EXPECT_EQ(placeText(r.lat, r.lon), r.text);
    }
}

TEST(Record, TooltipsOfA60DayDrawingStartEmptyAndItsViewsAreTold) {
    DrawingRecord record;
    std::vector<RecordChange> told;
    const int id = record.observe([&told](RecordChange c) { told.push_back(c); });
    draw(record, request(PlotMode::Diurnal));
    // A 60-day drawing stopped after its first step: the pictures it has not
    // reached keep the day's Moon, their tooltips are empty.
    draw(record, request(PlotMode::SixtyDay), 1);
    EXPECT_EQ(record.moonTooltipAngleRad(0), record.moonAngleRad(0));
    EXPECT_EQ(record.moonAngleRad(0), record.drawings()[1].steps[0].MSangle);
    EXPECT_TRUE(record.moonAngleRad(12));
    EXPECT_EQ(record.moonTooltipAngleRad(12), std::nullopt);
    // Each drawing's beginning and end, then the clearing.
    record.clear();
    record.unobserve(id);
    record.clear();
    using C = RecordChange;
    EXPECT_EQ(told, (std::vector<C>{C::Grew, C::Grew, C::Grew, C::Grew, C::Cleared}));
}

TEST(Record, ADrawingOfAnotherModeOrClockStartsAFreshGraph) {
    const ClockChoice jst{ClockKind::Jst, 0};
    const struct {
        const char* name;
        std::vector<PlotRequest> held;
        PlotRequest next;
        bool fresh;
    } rows[] = {
        {"an empty graph", {}, request(PlotMode::SixtyDay), false},
        {"the same mode", {request(PlotMode::Diurnal)}, request(PlotMode::Diurnal, 3), false},
        {"60 days after a day", {request(PlotMode::Diurnal)}, request(PlotMode::SixtyDay), true},
        {"a day after a year", {request(PlotMode::Annual)}, request(PlotMode::Diurnal), true},
        {"the same mode on JST",
         {request(PlotMode::Diurnal)},
         {PlotMode::Diurnal, support::kDefaultStart, false, 1, jst},
         true},
    };
    for (const auto& row : rows) {
        DrawingRecord record;
        for (const PlotRequest& r : row.held) {
            record.beginDrawing(r, 0);
            record.endDrawing(true);
        }
        EXPECT_EQ(startsFreshGraph(record, row.next), row.fresh) << row.name;
    }
}

TEST(Record, MoonPicturesSouthOfTheEquatorAreDrawnAsSeenThere) {
    const struct {
        const char* name;
        double lat;
        MoonView view;
        double drawn; // the angle drawn for a recorded 1 rad
    } rows[] = {
        {"north, as seen there", 35, MoonView::AsSeenThere, 1},
        {"south, as seen there: mirrored", -33.9, MoonView::AsSeenThere, 2 * std::numbers::pi - 1},
        {"south, from the north", -33.9, MoonView::FromTheNorth, 1},
        {"on the equator", 0, MoonView::AsSeenThere, 1},
    };
    for (const auto& row : rows) {
        DrawingRecord record;
        PlotRequest r = request(PlotMode::Diurnal);
        r.start.lat = row.lat;
        record.beginDrawing(r, 1);
        astro::TideEvaluation e{};
        e.MSangle = 1;
        record.addStep(Moment{0, 2002, 8, 16, 0, 0}, e);
        EXPECT_EQ(record.moonDrawnAngleRad(0, row.view), row.drawn) << row.name;
        EXPECT_FALSE(record.moonDrawnAngleRad(1, row.view)) << row.name;
    }
}
