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
        {"--to not YYYY-MM-DD", "phases --from 2024-01-01 --to 20240131", "--to wants YYYY-MM-DD"},
        {"no --to", "phases --from 2024-01-01", "--to"},
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

} // namespace
