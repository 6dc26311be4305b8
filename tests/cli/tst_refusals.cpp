// Refusals of veltaro-tide: one line on standard error whatever was typed, and
// the line names what was wrong. The input rules themselves are tested in
// tests/calendar, and which refusal a drawing's texts get in tests/plot
// (readRequest); here the tool's own wording and each command's own checks.
#include "toolrun.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex.h>
#include <string>

namespace {

TEST(Refusals, AlwaysOneLine) {
    const std::string longText(5000, '7');
    const struct {
        const char* name;
        std::string args;
        const char* mentions;
    } rows[] = {
        {"no command", "", "command: missing"},
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
        // A bad option is named before a missing one.
        {"unknown option", "run --bogus", "--bogus: unknown option (see veltaro-tide run --help)"},
        {"option without its value", "day --date", "--date: wants a value"},
        {"value to an option without one", "run --total=yes", "--total 'yes': takes no value"},
        {"run: --mode", "run --lat 35 --mode week", "--mode 'week'"},
        {"run: --unit", "run --date 2002-08-16 --unit mm", "--unit 'mm'"},
        {"run: --clock", "run --lat 35 --clock JST", "--clock 'JST': no such clock; local"},
        {"day: --clock, no place", "day --date 2024-01-01 --clock JST",
         "--clock 'JST': no such clock; jst"},
        {"run: the option missing", "run --date 2002-08-16 --lon 139", "--lat: missing"},
        {"phases: reversed dates", "phases --from 2024-02-01 --to 2024-01-31",
         "--to '2024-01-31': before --from '2024-02-01'"},
        {"phases: bad --from", "phases --from 1599-12-31 --to 1600-01-31", "--from '1599-12-31'"},
        {"phases: bad --to", "phases --from 2024-01-01 --to 20240131", "--to '20240131'"},
        {"phases: no place for local mean time", "phases --from 2024-01-01 --clock local",
         "--clock 'local'"},
        {"phases: no --to", "phases --from 2024-01-01", "--to: missing"},
        {"phases: --kinds", "phases --from 2024-01-01 --kinds full,Full", "--kinds 'full,Full'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = runTool(row.args);
        EXPECT_EQ(veltaro::support::refusalProblem(run.status, run.out, run.err, row.mentions), "");
        EXPECT_LT(run.err.size(), 400u) << run.err;
        // One form: "veltaro-tide: <what>: <reason>.", the what an option with
        // what was typed for it, an argument as typed, or the command.
        // (POSIX's regex: GCC's sanitizer builds warn inside std::regex.)
        regex_t form;
        ASSERT_EQ(regcomp(&form, "^veltaro-tide: (-[^ :]+( '.*')?|'.*'|command): [a-z].*\\.\n$",
                          REG_EXTENDED | REG_NEWLINE | REG_NOSUB),
                  0);
        EXPECT_EQ(regexec(&form, run.err.c_str(), 0, nullptr, 0), 0) << run.err;
        regfree(&form);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

} // namespace
