// veltaro-tide phases: the Moon's principal phases between two dates, run as
// the real tool.
#include "toolrun.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
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
        // The same month on JST, 9 hours ahead: the last quarter moves to the next day.
        {"on JST", "phases --from 2019-01-01 --to 2019-01-31 --clock jst",
         "new,2019-01-06,10:28\nfirst,2019-01-14,15:45\nfull,2019-01-21,14:16\n"
         "last,2019-01-28,06:10\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, std::string("kind,date,time\n") + c.rows);
    }
}

TEST(PhasesCommand, KindsChosen) {
    // The four phases asked for by name, in any order, are the rows without
    // --kinds; others join them in time order, and only the kinds asked for.
    const std::string month = "phases --from 2019-01-01 --to 2019-01-31";
    EXPECT_EQ(runTool(month + " --kinds last,full,first,new").out, runTool(month).out);
    std::istringstream rows(runTool(month + " --clock jst --kinds full,perigee,north").out);
    std::string row;
    std::getline(rows, row); // the header
    std::string before;      // the date and time of the row before
    std::set<std::string> kinds;
    while (std::getline(rows, row)) {
        const auto comma = row.find(',');
        kinds.insert(row.substr(0, comma));
        EXPECT_GT(row.substr(comma), before) << row;
        before = row.substr(comma);
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"full", "north", "perigee"}));
}

} // namespace
