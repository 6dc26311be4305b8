// veltaro-tide day: the Julian day and sexagenary name of a date, run as the
// real tool.
#include "toolrun.h"

#include "calendar/input.h"
#include "cli/refusal.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                   "午", "未", "申", "酉", "戌", "亥"};

std::string errorText(veltaro::InputProblem problem) {
    return veltaro::cli::inputReason({problem}).toStdString();
}

const char* const kHeader = "date,jd,kansi_index,kansi,lunar_day,tide_name";

TEST(DayCommand, KnownDays) {
    // Exact lines for days whose names are known from the almanac: 2000-01-01
    // was the 25th of the 11th lunar month, 2002-08-16 the day after the old
    // Tanabata (7th of the 7th month). The new Moon of 2023-01-21 20:53 UT is
    // on that date on UT, on the next on JST.
    const struct {
        const char* args;
        const char* line;
    } rows[] = {
        {"day --date 2000-01-01", "2000-01-01,2451544.5,55,戊午,25,長潮"},
        {"day --date 2002-08-16", "2002-08-16,2452502.5,53,丙辰,8,小潮"},
        {"day --date 2023-01-21 --clock jst", "2023-01-21,2459965.5,16,己卯,30,大潮"},
        {"day --date 2023-01-21 --clock ut", "2023-01-21,2459965.5,16,己卯,1,大潮"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args);
        const ToolRun run = runTool(row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, std::string(kHeader) + "\n" + row.line + "\n");
    }
}

TEST(DayCommand, DaysCountedFromTheFirstOf2000) {
    // Julian day and cycle position follow from the number of days since
    // 2000-01-01 (JD 2451544.5, index 55), counted with the standard library's
    // calendar; the name is the stem and branch of the position.
    const sys_days anchor = year{2000} / January / 1;
    const struct {
        const char* name;
        const char* quoted; // as given on the command line
        const char* column; // the date column printed, always YYYY-MM-DD
        year_month_day date;
    } rows[] = {
        {"first accepted day", "1600-01-01", "1600-01-01", year{1600} / 1 / 1},
        {"last accepted day", "2400-12-31", "2400-12-31", year{2400} / 12 / 31},
        {"after the leap day of 1600", "1600-03-01", "1600-03-01", year{1600} / 3 / 1},
        {"before 1900, not a leap year", "1900-03-01", "1900-03-01", year{1900} / 3 / 1},
        {"leap day 2004", "2004-02-29", "2004-02-29", year{2004} / 2 / 29},
        {"year end", "2002-12-31", "2002-12-31", year{2002} / 12 / 31},
        {"no leading zeros", "2002-8-16", "2002-08-16", year{2002} / 8 / 16},
        {"blanks trimmed", "' 2002-08-17 '", "2002-08-17", year{2002} / 8 / 17},
        {"full-width digits", "２００２-０８-１８", "2002-08-18", year{2002} / 8 / 18},
        {"sign and fractions", "+2002.5-8-16.4", "2002-08-16", year{2002} / 8 / 16},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = runTool(std::string("day --date ") + row.quoted);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const auto lines = veltaro::support::split(run.out, '\n');
        ASSERT_EQ(lines.size(), 2u) << run.out;
        EXPECT_EQ(lines[0], kHeader);
        const auto fields = veltaro::support::split(lines[1], ',');
        ASSERT_EQ(fields.size(), 6u) << lines[1];

        const long days = (sys_days{row.date} - anchor).count();
        const int index = static_cast<int>(((54 + days) % 60 + 60) % 60) + 1;
        EXPECT_EQ(fields[0], row.column);
        EXPECT_EQ(std::strtod(fields[1].c_str(), nullptr), 2451544.5 + static_cast<double>(days));
        EXPECT_EQ(fields[2], std::to_string(index));
        EXPECT_EQ(fields[3], std::string(kStems[(index - 1) % 10]) + kBranches[(index - 1) % 12]);
    }
}

TEST(DayCommand, RefusedInput) {
    using veltaro::InputProblem;
    const struct {
        const char* name;
        const char* args;
        std::string reason; // part of the one line on standard error
    } rows[] = {
        {"no 29 February in 2001", "day --date 2001-02-29", errorText(InputProblem::Date)},
        {"no 31 April", "day --date 2002-04-31", errorText(InputProblem::Date)},
        {"month 13", "day --date 2002-13-01", errorText(InputProblem::Date)},
        {"day 0", "day --date 2002-08-00", errorText(InputProblem::Date)},
        {"letters in the day", "day --date 2002-08-1x", errorText(InputProblem::Date)},
        {"day before the range", "day --date 1599-12-31", errorText(InputProblem::DateRange)},
        {"day after the range", "day --date 2401-01-01", errorText(InputProblem::DateRange)},
        {"negative year", "day --date -0500-03-01", errorText(InputProblem::DateRange)},
        {"not YYYY-MM-DD", "day --date 20020816", "YYYY-MM-DD"},
        {"empty date", "day --date ''", "YYYY-MM-DD"},
        {"no date", "day", "--date"},
        {"unknown option", "day --date 2002-08-16 --frobnicate", "frobnicate"},
        {"local clock without a place", "day --date 2002-08-16 --clock local", "--clock 'local'"},
        {"stray argument", "day --date 2002-08-16 extra", "extra"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = runTool(row.args);
        EXPECT_EQ(veltaro::support::refusalProblem(run.status, run.out, run.err, row.reason), "");
    }
}

TEST(DayCommand, Help) {
    const ToolRun run = runTool("day --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--date"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
}

} // namespace
