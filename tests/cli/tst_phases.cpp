// veltaro-tide phases: the Moon's principal phases between two dates, run as
// the real tool.
#include "toolrun.h"

#include "calendar/input.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PhasesCommand, Rows) {
    const struct {
        const char* name;
        const char* args;
        const char* rows; // after the header
    } cases[] = {
        // The US Naval Observatory's phases of January 2019, universal time.
        {"a month", "phases --from 2019-01-01 --to 2019-01-31",
         "new,2019-01-06,01:28\nfirst,2019-01-14,06:45\nfull,2019-01-21,05:16\n"
         "last,2019-01-27,21:10\n"},
        {"one day, the new Moon of the 2024 eclipse", "phases --from 2024-04-08 --to 2024-04-08",
         "new,2024-04-08,18:21\n"},
        {"a day without a phase", "phases --from 2024-04-09 --to 2024-04-09", ""},
        // A first quarter at 23:59:59 UT is printed as 00:00 of the next day,
        // and only when that day is asked for.
        {"rounded past midnight: not on its own day", "phases --from 2031-12-20 --to 2031-12-20",
         ""},
        {"rounded past midnight: on the next day", "phases --from 2031-12-21 --to 2031-12-21",
         "first,2031-12-21,00:00\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, std::string("kind,date,time\n") + c.rows);
    }
}

TEST(PhasesCommand, WholeAcceptedSpan) {
    // 801 years of 12.37 months, four phases each; the first and the last row
    // lie inside the span.
    const ToolRun run = runTool("phases --from 1600-01-01 --to 2400-12-31");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_GT(rows.size(), 39600u);
    ASSERT_LT(rows.size(), 39660u);
    EXPECT_EQ(rows[1].substr(rows[1].find(',') + 1, 8), "1600-01-");
    EXPECT_EQ(rows.back().substr(rows.back().find(',') + 1, 8), "2400-12-");
}

TEST(PhasesCommand, RefusedInput) {
    using veltaro::InputProblem;
    const struct {
        const char* name;
        const char* args;
        std::string reason; // part of the one line on standard error
    } cases[] = {
        {"reversed dates", "phases --from 2024-02-01 --to 2024-01-31", "before --from"},
        {"--from before the range", "phases --from 1599-12-31 --to 1600-01-31",
         std::string(inputMessage(InputProblem::DateRange))},
        {"--to after the range", "phases --from 2400-12-01 --to 2401-01-01",
         std::string(inputMessage(InputProblem::DateRange))},
        {"no 31 April", "phases --from 2024-04-01 --to 2024-04-31",
         std::string(inputMessage(InputProblem::Date))},
        {"not YYYY-MM-DD", "phases --from 20240101 --to 2024-01-31", "--from wants YYYY-MM-DD"},
        {"no --to", "phases --from 2024-01-01", "--to"},
        {"stray argument", "phases --from 2024-01-01 --to 2024-01-31 extra", "extra"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
}

TEST(PhasesCommand, Help) {
    const ToolRun run = runTool("phases --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--from"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("kind,date,time"), std::string::npos) << run.out;
}

} // namespace
