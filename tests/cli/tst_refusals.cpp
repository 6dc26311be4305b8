// Refusals of veltaro-tide: one line on standard error whatever was typed.
#include "toolrun.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Refusals, AlwaysOneLine) {
    const std::string longText(5000, '7');
    const struct {
        const char* name;
        std::string args;
        const char* mentions;
    } rows[] = {
        {"no command", "", "--help"},
        {"unknown command", "tide", "moment, day, run, plot and phases"},
        {"newline in a date", "day --date \"$(printf '2002-08-16\\nX')\"", "\\n"},
        {"escape character in an option", "day --date 2002 --\"$(printf '\\033')\"", "\\x1b"},
        {"a very long angle", "moment --date 2002-08-16 --time 9:00 --lat 0 --lon " + longText,
         "…"},
        {"a very long option", "day --date 2002-08-16 --" + longText, "…"},
        {"not UTF-8 in --days",
         "run --date 2002-08-16 --lon 0 --lat 0 --days \"$(printf '3\\377')\"", "not valid UTF-8"},
        {"not UTF-8 in --lat", "run --date 2002-08-16 --lon 0 --lat \"$(printf '35\\377')\"",
         "not valid UTF-8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = runTool(row.args);
        EXPECT_EQ(veltaro::support::refusalProblem(run.status, run.out, run.err, row.mentions), "");
        EXPECT_LT(run.err.size(), 400u) << run.err;
    }
}

} // namespace
