// veltaro-tide run: every step of a drawing, run as the real tool.
#include "toolrun.h"

#include "astro/tide.h"
#include "calendar/clockchoice.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kHeader = "t,date,time,Ssea,Msea,MSangle,MSGangle";
const std::string kPoint(veltaro::support::kDefaultPointOptions);

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        out.push_back(field);
    }
    return out;
}

} // namespace

TEST(RunCommand, RowsAndMomentsOfEachKindOfDrawing) {
    const struct {
        const char* args;
        std::size_t rows;
        const char* first; // t,date,time of the first row
        const char* second;
        const char* last;
        int tStep;
    } cases[] = {
        {"--date 2002-08-16", 289, "0,2002-08-16,00:00", "30,2002-08-16,00:05",
         "8640,2002-08-17,00:00", 30},
        {"--date 2002-08-16 --mode day --days 3", 867, "0,2002-08-16,00:00", "30,2002-08-16,00:05",
         "8640,2002-08-19,00:00", 30},
        // Days carried over a year's end.
        {"--date 2002-12-31 --days 2", 578, "0,2002-12-31,00:00", "30,2002-12-31,00:05",
         "8640,2003-01-02,00:00", 30},
        {"--date 2002-08-16 --mode 60", 8641, "0,2002-08-16,00:00", "1,2002-08-16,00:10",
         "8640,2002-10-15,00:00", 1},
        {"--date 2002-08-16 --mode year", 8641, "0,2002-08-16,00:00", "1,2002-08-16,01:00",
         "8640,2003-08-11,00:00", 1},
        // A leap day as start.
        {"--date 2000-02-29 --mode 60", 8641, "0,2000-02-29,00:00", "1,2000-02-29,00:10",
         "8640,2000-04-29,00:00", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun run = runTool(std::string("run ") + c.args + " " + kPoint);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_FALSE(run.out.empty());
        EXPECT_EQ(run.out.back(), '\n');
        const auto rows = lines(run.out);
        ASSERT_EQ(rows.size(), c.rows + 1);
        EXPECT_EQ(rows[0], kHeader);
        auto moment = [](const std::string& row) {
            const auto f = fields(row);
            return f.size() < 3 ? std::string() : f[0] + "," + f[1] + "," + f[2];
        };
        EXPECT_EQ(moment(rows[1]), c.first);
        EXPECT_EQ(moment(rows[2]), c.second);
        EXPECT_EQ(moment(rows.back()), c.last);
        // Every row: seven fields, t in the pass's order, finite numbers.
        const int perPass = 8640 / c.tStep + 1;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const auto f = fields(rows[i]);
            ASSERT_EQ(f.size(), 7u) << rows[i];
            ASSERT_EQ(std::stoi(f[0]), int((i - 1) % std::size_t(perPass)) * c.tStep) << rows[i];
            for (int k = 3; k < 7; ++k) {
                ASSERT_TRUE(std::isfinite(std::strtod(f[std::size_t(k)].c_str(), nullptr)));
            }
        }
    }
}

TEST(RunCommand, ContinuousDaysRepeatTheFirstDayThenGoOn) {
    const ToolRun run = runTool("run --date 2002-08-16 " + kPoint);
    ASSERT_EQ(run.status, 0);
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 290u);
    const auto noon = fields(rows[1 + 144]);
    ASSERT_EQ(noon[1] + " " + noon[2], "2002-08-16 12:00");
    // The continuous run's first day is the one-day run; the next day differs.
    const ToolRun three = runTool("run --date 2002-08-16 --days 3 " + kPoint);
    const auto rows3 = lines(three.out);
    ASSERT_EQ(rows3.size(), 868u);
    for (std::size_t i = 1; i <= 289; ++i) {
        ASSERT_EQ(rows3[i], rows[i]) << i;
    }
    EXPECT_NE(fields(rows3[1 + 289 + 144])[3], noon[3]);
    // The sun and moon heights are tenths of a metre, in km.
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto f = fields(rows[i]);
        EXPECT_LT(std::fabs(std::stod(f[3])), 1e-3);
        EXPECT_LT(std::fabs(std::stod(f[4])), 1e-3);
        EXPECT_GE(std::stod(f[5]), 0);
        EXPECT_LT(std::stod(f[5]), 2 * M_PI);
    }
}

TEST(RunCommand, BadInputGivesOneLineAndStatus2) {
    // Each refusal names the option at fault, so that one for the wrong reason fails.
    const std::string at = " --lon 139 --lat 35";
    const struct {
        std::string args;
        const char* mentions;
    } cases[] = {
        {"run", "--date: missing"},
        {"run --date 2002-08-16", "--lon: missing"},
        {"run --lon 139 --lat 35", "--date: missing"},
        {"run --date 2001-02-29" + at, "--date '2001-02-29'"},
        {"run --date 2002-04-31" + at, "--date '2002-04-31'"},
        {"run --date 2002-13-01" + at, "--date '2002-13-01'"},
        {"run --date 20020816" + at, "--date '20020816'"},
        {"run --date 2002-08-16 --lon 200 --lat 35", "--lon '200'"},
        {"run --date 2002-08-16 --lon 139 --lat 91", "--lat '91'"},
        {"run --date 2002-08-16 --lon east --lat 35", "--lon 'east'"},
        {"run --date 2002-08-16" + at + " --mode week", "--mode 'week'"},
        {"run --date 2002-08-16" + at + " --days 0", "--days '0'"},
        {"run --date 2002-08-16" + at + " --days 32768", "--days '32768'"},
        {"run --date 2002-08-16" + at + " --days -3", "--days '-3'"},
        {"run --date 2002-08-16" + at + " --days abc", "--days 'abc'"},
        {"run --date 2400-12-31" + at + " --days 2", "--days '2'"},
        {"run --date 2002-08-16" + at + " --mode 60 --days 3", "only with --mode day"},
        {"run --date 2002-08-16" + at + " --mode year --days 1", "only with --mode day"},
        {"run --date 2002-08-16" + at + " extra", "'extra': unexpected argument"},
        {"run --date 2002-08-16" + at + " --colour red", "colour"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(veltaro::support::refusalProblem(run.status, run.out, run.err, c.mentions), "");
    }
}

TEST(RunCommand, TheClockMovesTheTimesNotThePlace) {
    // A run on a clock against one on local mean time at the same place: both
    // start at 00:00 of the date on their own clock, so row i of the one holds
    // the values of row i + shift of the other (a 5-minute step). The moments
    // come through other sums (24:00 of one date against 00:00 of the next), so
    // the values agree to some milliseconds of time, not to the bit; a step of
    // 5 minutes moves the heights by about 1e-6 km and the angles by 1e-3 rad.
    const struct {
        const char* name;
        const char* clocked;
        const char* local;
        int shift;
    } rows[] = {
        {"UT at Greenwich", "--clock ut --lon 0 --lat 51.5", "--lon 0 --lat 51.5", 0},
        {"JST at 135 E, its meridian", "--clock jst --lon 135 --lat 34.65", "--lon 135 --lat 34.65",
         0},
        {"UT at 135 E: 00:00 UT is 09:00 there", "--clock ut --lon 135 --lat 34.65",
         "--lon 135 --lat 34.65", 9 * 12},
        {"UT-05:00 at Greenwich: 00:00 is 05:00 there", "--clock -05:00 --lon 0 --lat 51.5",
         "--lon 0 --lat 51.5", 5 * 12},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun clocked = runTool(std::string("run --date 2002-08-16 ") + row.clocked);
        const ToolRun local = runTool(std::string("run --date 2002-08-16 ") + row.local);
        ASSERT_EQ(clocked.status, 0) << clocked.err;
        const auto a = lines(clocked.out);
        const auto b = lines(local.out);
        ASSERT_EQ(a.size(), b.size());
        EXPECT_EQ(fields(a[1])[2], "00:00");
        EXPECT_EQ(fields(a.back())[1] + " " + fields(a.back())[2], "2002-08-17 00:00");
        for (std::size_t i = 1; i + std::size_t(row.shift) < a.size(); ++i) {
            const auto f = fields(a[i]);
            const auto g = fields(b[i + std::size_t(row.shift)]);
            for (std::size_t k = 3; k < 7; ++k) {
                EXPECT_NEAR(std::stod(f[k]), std::stod(g[k]), k < 5 ? 1e-9 : 1e-7) << a[i];
            }
        }
    }
    // Tokyo on JST: 00:00 JST is 00:18:58.7 of its local mean time, between the
    // steps of a local run, and --comments names the clock.
    const ToolRun tokyo =
        runTool("run --date 2002-08-16 --clock jst --comments " + std::string(kPoint));
    ASSERT_EQ(tokyo.status, 0) << tokyo.err;
    EXPECT_NE(tokyo.out.find("--clock jst\n"), std::string::npos) << tokyo.out;
    const auto first = fields(lines(tokyo.out)[5]);
    const veltaro::ClockChoice jst{veltaro::ClockKind::Jst, 0};
    using veltaro::support::kDefaultLon;
    const auto e =
        veltaro::astro::calc({2002, 8, 16, 0, veltaro::minutesToLocalMean(jst, kDefaultLon),
                              veltaro::support::kDefaultLat, kDefaultLon});
    EXPECT_EQ(first[1] + " " + first[2], "2002-08-16 00:00");
    EXPECT_EQ(first[3], veltaro::support::number17(e.Ssea));
    EXPECT_EQ(first[4], veltaro::support::number17(e.Msea));
}

TEST(RunCommand, DecimalAndSexagesimalPointsAgree) {
    // The sign of the degrees applies to the whole angle: -135:30:0 is -135.5, and
    // a minus zero counts as zero, so -0:30:0 is +0.5.
    const struct {
        const char* a;
        const char* b;
    } rows[] = {{"--lon -135:30:0 --lat -0:30:0", "--lon -135.5 --lat 0.5"},
                {"--lon 135:0:0 --lat 0:0:0", "--lon 135 --lat 0"}};
    for (const auto& row : rows) {
        const ToolRun a = runTool(std::string("run --date 2002-08-16 ") + row.a);
        const ToolRun b = runTool(std::string("run --date 2002-08-16 ") + row.b);
        ASSERT_EQ(a.status, 0);
        EXPECT_EQ(lines(a.out).size(), 290u);
        EXPECT_EQ(a.out, b.out) << row.a;
    }
}

TEST(RunCommand, UnitTotalAndCommentsAddToTheDefaultColumns) {
    const std::string base = "run --date 2002-08-16 " + kPoint;
    const ToolRun km = runTool(base);
    const auto plain = lines(km.out);
    const struct {
        const char* options;
        double scale; // of Ssea and Msea against the default
        bool total;   // a last column Ssea + Msea
        int comments; // '#' lines before the header
    } rows[] = {
        {"--unit km", 1, false, 0},
        {"--unit m", 1e3, false, 0},
        {"--unit cm --total", 1e5, true, 0},
        {"--total --comments", 1, true, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.options);
        const ToolRun run = runTool(base + " " + row.options);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto got = lines(run.out);
        ASSERT_EQ(got.size(), plain.size() + std::size_t(row.comments));
        for (int i = 0; i < row.comments; ++i) {
            EXPECT_EQ(got[std::size_t(i)][0], '#');
        }
        EXPECT_EQ(run.out.find("# veltaro-tide 2."), row.comments ? 0 : std::string::npos);
        EXPECT_EQ(got[std::size_t(row.comments)], kHeader + (row.total ? ",total" : ""));
        for (std::size_t i = 1; i < plain.size(); ++i) {
            const auto want = fields(plain[i]);
            const auto f = fields(got[i + std::size_t(row.comments)]);
            ASSERT_EQ(f.size(), row.total ? 8u : 7u);
            const double sun = std::stod(want[3]), moon = std::stod(want[4]);
            EXPECT_DOUBLE_EQ(std::stod(f[3]), sun * row.scale);
            EXPECT_DOUBLE_EQ(std::stod(f[4]), moon * row.scale);
            EXPECT_EQ(f[5] + f[6], want[5] + want[6]); // the angles as they were
            if (row.total) {
                EXPECT_DOUBLE_EQ(std::stod(f[7]), (sun + moon) * row.scale);
            }
        }
    }
}

TEST(RunCommand, HelpMarksTheRequiredOptions) {
    const ToolRun help = runTool("run --help");
    for (const char* word :
         {"(required) The start date", "(required) Latitude", "(required) Longitude"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
}
