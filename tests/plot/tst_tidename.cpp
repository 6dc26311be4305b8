// The day's tide name: the rule by the day of the lunar month, the lunar day of
// a date on a clock, and the stretches of one name along the 60-day graph.
#include "plot/tidename.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

constexpr double kJst = 540; // minutes ahead of UT
constexpr double kUt = 0;

TideDay dayOn(int year, int month, int day, double aheadMinutes) {
    const long n = dayNumberOf(year, month, day);
    const auto days = tideDays(n, n, aheadMinutes);
    EXPECT_EQ(days.size(), 1u);
    return days.empty() ? TideDay{n, 0, TideName::Spring} : days.front();
}

TEST(TideName, EndsOfEachStretchOfTheRule) {
    // Japan Coast Guard, JODC 「潮(大潮・長潮・若潮・・・)の名前?」: the first and
    // last lunar day of each name's stretch.
    const struct {
        int lunarDay;
        TideName name;
    } rows[] = {
        {1, TideName::Spring},  {2, TideName::Spring},  {3, TideName::Middle},
        {6, TideName::Middle},  {7, TideName::Neap},    {9, TideName::Neap},
        {10, TideName::Long},   {11, TideName::Young},  {12, TideName::Middle},
        {13, TideName::Middle}, {14, TideName::Spring}, {17, TideName::Spring},
        {18, TideName::Middle}, {21, TideName::Middle}, {22, TideName::Neap},
        {24, TideName::Neap},   {25, TideName::Long},   {26, TideName::Young},
        {27, TideName::Middle}, {28, TideName::Middle}, {29, TideName::Spring},
        {30, TideName::Spring},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(tideNameOfLunarDay(row.lunarDay), row.name) << row.lunarDay;
    }
}

TEST(TideName, PublishedTideTableOnJst) {
    // Kagoshima tide table for June 2020 (data of the Japan Weather Association,
    // Kagoshima office): the name of the day as printed.
    const struct {
        int day;
        TideName name;
    } rows[] = {
        {1, TideName::Long},    {2, TideName::Young},   {3, TideName::Middle},
        {5, TideName::Spring},  {8, TideName::Spring},  {9, TideName::Middle},
        {13, TideName::Neap},   {15, TideName::Neap},   {16, TideName::Long},
        {17, TideName::Young},  {19, TideName::Middle}, {20, TideName::Spring},
        {22, TideName::Spring}, {23, TideName::Middle}, {27, TideName::Neap},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(dayOn(2020, 6, row.day, kJst).name, row.name) << "June " << row.day;
    }
}

TEST(TideName, TheClockDecidesTheDayOfTheNewMoon) {
    // New Moons 2022-12-23 10:17 UT (19:17 JST) and 2023-01-21 20:53 UT, which
    // is 2023-01-22 05:53 on JST.
    const struct {
        const char* name;
        int month, day;
        double ahead;
        int lunarDay;
        TideName tide;
    } rows[] = {
        {"UT: the new Moon's date", 1, 21, kUt, 1, TideName::Spring},
        {"JST: the last day of a long month", 1, 21, kJst, 30, TideName::Spring},
        {"JST: the next date holds it", 1, 22, kJst, 1, TideName::Spring},
        {"UT: ten days on", 1, 31, kUt, 11, TideName::Young},
        {"JST: a day behind", 1, 31, kJst, 10, TideName::Long},
        {"at 23:49 on UT+02:56", 1, 21, 176, 1, TideName::Spring},
        {"at 00:09 the next day on UT+03:16", 1, 21, 196, 30, TideName::Spring},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TideDay d = dayOn(2023, row.month, row.day, row.ahead);
        EXPECT_EQ(d.lunarDay, row.lunarDay);
        EXPECT_EQ(d.name, row.tide);
    }
}

TEST(TideName, LunarDaysRunOnAndRestartAtEachNewMoon) {
    // Over a year on JST: each date is the day after the one before, or day 1
    // after a 29th or 30th.
    const long first = dayNumberOf(2024, 1, 1);
    const auto days = tideDays(first, first + 365, kJst);
    ASSERT_EQ(days.size(), 366u);
    int restarts = 0;
    for (std::size_t i = 1; i < days.size(); ++i) {
        EXPECT_EQ(days[i].dayNumber, days[i - 1].dayNumber + 1);
        if (days[i].lunarDay == 1) {
            ++restarts;
            EXPECT_TRUE(days[i - 1].lunarDay == 29 || days[i - 1].lunarDay == 30) << i;
        } else {
            EXPECT_EQ(days[i].lunarDay, days[i - 1].lunarDay + 1) << i;
        }
        EXPECT_EQ(days[i].name, tideNameOfLunarDay(days[i].lunarDay));
    }
    EXPECT_TRUE(restarts == 12 || restarts == 13) << restarts;
    EXPECT_TRUE(tideDays(first, first - 1, kJst).empty());
}

TEST(TideName, StretchesAlongTheSixtyDayGraphOnly) {
    PlotRequest request{PlotMode::SixtyDay, support::kDefaultStart};
    request.clock = {ClockKind::Jst, 0};
    const auto spans = tideNameSpans(request);
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.front().fromX, 0);
    EXPECT_EQ(spans.back().toX, kLastT);
    for (std::size_t i = 1; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].fromX, spans[i - 1].toX) << i;
        EXPECT_NE(spans[i].first.name, spans[i - 1].first.name) << i;
    }
    // 2002-08-16 is day 8 of the seventh lunar month (the old Tanabata, day 7,
    // fell on 15 August 2002): 小潮 from the start.
    EXPECT_EQ(spans.front().first.lunarDay, 8);
    EXPECT_EQ(spans.front().first.name, TideName::Neap);
    for (const PlotMode mode : {PlotMode::Diurnal, PlotMode::Annual}) {
        request.mode = mode;
        EXPECT_TRUE(tideNameSpans(request).empty()) << modeOption(mode);
    }
}

} // namespace
