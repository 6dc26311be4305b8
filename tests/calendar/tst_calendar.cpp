// Month lengths, the carry after each advance of the observation moment, and
// the five date spin-button fix-ups.
#include "calendar/calendar.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace veltaro {
namespace {

// ---------------------------------------------------------------------------
// leapcheck

TEST(Leapcheck, FebruaryByYear) {
    struct Row {
        const char* name;
        double year;
        int february;
    };
    const Row rows[] = {
        {"1600 divisible by 400", 1600, 29},
        {"1900 century", 1900, 28},
        {"2000 divisible by 400", 2000, 29},
        {"2100 century", 2100, 28},
        {"2400 divisible by 400", 2400, 29},
        {"2004 divisible by 4", 2004, 29},
        {"2002 common", 2002, 28},
        {"2003 common", 2003, 28},
        {"0 divisible by 400", 0, 29},
        {"-4 mod 4 is 0", -4, 29},
        {"-1 common", -1, 28},
        {"-100 century", -100, 28},
        {"-400 divisible by 400", -400, 29},
        {"-2000 divisible by 400", -2000, 29},
        {"2003.5 rounds to the even 2004", 2003.5, 29},
        {"2004.5 rounds to the even 2004", 2004.5, 29},
        {"2002.4 rounds to 2002", 2002.4, 28},
        {"2^53 + 8 = 9007199254741000, a century past integer remainders", 0x1p53 + 8, 28},
        {"2^53 + 16 divisible by 4", 0x1p53 + 16, 29},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MonthDays monthdays{};
        leapcheck(monthdays, row.year);
        EXPECT_EQ(monthdays[2], row.february);
    }
}

TEST(Leapcheck, RewritesEveryMonth) {
    // A table left from another call, or filled with nonsense, is rewritten whole.
    const MonthDays common{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    MonthDays monthdays;
    monthdays.fill(-7);
    leapcheck(monthdays, 2004);
    for (std::size_t m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(monthdays[m], m == 2 ? 29 : common[m]);
    }
    leapcheck(monthdays, 2002);
    for (std::size_t m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(monthdays[m], common[m]);
    }
}

// ---------------------------------------------------------------------------
// datecheck

struct Moment {
    double year, month, day, hour, minute;
};

ObservationState stateAt(const Moment& m) {
    return support::stateAt(m.year, m.month, m.day, m.hour, m.minute);
}

void expectMoment(const ObservationState& state, const Moment& want) {
    EXPECT_EQ(state.obsyear, want.year);
    EXPECT_EQ(state.obsmonth, want.month);
    EXPECT_EQ(state.obsday, want.day);
    EXPECT_EQ(state.obshour, want.hour);
    EXPECT_EQ(state.obsminute, want.minute);
}

TEST(Datecheck, OnePassCarries) {
    struct Row {
        const char* name;
        Moment before;
        Moment after;
    };
    const Row rows[] = {
        {"year end, every carry in one call", {2002, 12, 31, 23, 60}, {2003, 1, 1, 0, 0}},
        {"23:55 on 28 Feb 2002 stays", {2002, 2, 28, 23, 55}, {2002, 2, 28, 23, 55}},
        {"minute 65 on 28 Feb 2002 into 1 March", {2002, 2, 28, 23, 65}, {2002, 3, 1, 0, 5}},
        {"28 Feb 2004 goes to the leap day", {2004, 2, 28, 23, 60}, {2004, 2, 29, 0, 0}},
        {"leap day 2004 into 1 March", {2004, 2, 29, 24, 0}, {2004, 3, 1, 0, 0}},
        {"29 Feb 2100 is past the month", {2100, 2, 29, 0, 0}, {2100, 3, 1, 0, 0}},
        {"minute carry only", {2002, 8, 16, 10, 70}, {2002, 8, 16, 11, 10}},
        {"fractional minutes keep their fraction", {2002, 8, 16, 10, 62.5}, {2002, 8, 16, 11, 2.5}},
        {"hour carry only", {2002, 8, 16, 24, 0}, {2002, 8, 17, 0, 0}},
        {"end of a 30-day month", {2002, 4, 30, 23, 60}, {2002, 5, 1, 0, 0}},
        {"day 31 of April carries without a clock change", {2002, 4, 31, 5, 0}, {2002, 5, 1, 5, 0}},
        {"month 13 alone into January", {2002, 13, 5, 0, 0}, {2003, 1, 5, 0, 0}},
        {"59.9 minutes do not carry", {2002, 8, 16, 23, 59.9}, {2002, 8, 16, 23, 59.9}},
        {"each carry at most once", {2002, 8, 16, 23, 130}, {2002, 8, 17, 0, 70}},
        {"day 0 is left alone", {2002, 8, 0, 12, 0}, {2002, 8, 0, 12, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ObservationState state = stateAt(row.before);
        datecheck(state);
        expectMoment(state, row.after);
    }
}

TEST(Datecheck, MonthTableIsThatOfTheYearBeforeTheCall) {
    ObservationState state = stateAt({2003, 12, 31, 23, 60});
    datecheck(state);
    expectMoment(state, {2004, 1, 1, 0, 0});
    EXPECT_EQ(state.monthdays[2], 28); // 2003, not the leap year reached
}

TEST(Datecheck, MonthOutsideTheTableTakesNoDayCarry) {
    // Never produced by the program; the table must not be read out of range.
    ObservationState state = stateAt({2002, 0, 40, 23, 0});
    datecheck(state);
    expectMoment(state, {2002, 0, 40, 23, 0});
}

TEST(Datecheck, FiveMinuteStepsFollowTheCalendar) {
    // Five-minute steps, as the diurnal drawing makes them, from 1999-12-31
    // 00:00 for 800 days: each day is 288 steps, and the date reached agrees
    // with the standard library's calendar.
    using namespace std::chrono;
    const sys_days start = year{1999} / December / 31;
    ObservationState state = stateAt({1999, 12, 31, 0, 0});
    for (int day = 1; day <= 800; ++day) {
        for (int step = 0; step < 288; ++step) {
            state.obsminute += 5;
            datecheck(state);
        }
        const year_month_day want{start + days{day}};
        SCOPED_TRACE(day);
        ASSERT_EQ(state.obsyear, static_cast<int>(want.year()));
        ASSERT_EQ(state.obsmonth, static_cast<unsigned>(want.month()));
        ASSERT_EQ(state.obsday, static_cast<unsigned>(want.day()));
        ASSERT_EQ(state.obshour, 0);
        ASSERT_EQ(state.obsminute, 0);
    }
}

// ---------------------------------------------------------------------------
// Spin-button fix-ups

using FixUp = DateTexts (*)(const DateTexts&);

struct FixUpRow {
    const char* name;
    FixUp handler;
    DateTexts shown; // the boxes after the spin button stepped (and wrapped) its own box
    DateTexts want;
};

void runRows(const std::vector<FixUpRow>& rows) {
    for (const FixUpRow& row : rows) {
        SCOPED_TRACE(row.name);
        const DateTexts got = row.handler(row.shown);
        EXPECT_EQ(got.year, row.want.year);
        EXPECT_EQ(got.month, row.want.month);
        EXPECT_EQ(got.day, row.want.day);
    }
}

TEST(SpinFixUps, YearStep) {
    runRows({
        {"29 Feb 2004 up to 2005", yearstep, {"2005", "2", "29"}, {"2005", "2", "28"}},
        {"29 Feb 2004 down to 2003", yearstep, {"2003", "2", "29"}, {"2003", "2", "28"}},
        {"29 Feb 2004 to 2008 keeps 29", yearstep, {"2008", "2", "29"}, {"2008", "2", "29"}},
        {"31 March changes nothing", yearstep, {"2005", "3", "31"}, {"2005", "3", "31"}},
        {"28 Feb stays", yearstep, {"2005", "2", "28"}, {"2005", "2", "28"}},
        {"typed 31 Feb pulled to 28", yearstep, {"2002", "2", "31"}, {"2002", "2", "28"}},
        {"2100 is not leap", yearstep, {"2100", "2", "29"}, {"2100", "2", "28"}},
        {"full-width month box", yearstep, {"2005", "２", "29"}, {"2005", "２", "28"}},
    });
}

TEST(SpinFixUps, MonthStepDown) {
    runRows({
        {"January 2002 wraps to December 2001",
         monthstepdown,
         {"2002", "12", "15"},
         {"2001", "12", "15"}},
        {"wrap keeps day 31", monthstepdown, {"2002", "12", "31"}, {"2001", "12", "31"}},
        {"31 May to 30 April", monthstepdown, {"2002", "4", "31"}, {"2002", "4", "30"}},
        {"31 March to 28 Feb 2002", monthstepdown, {"2002", "2", "31"}, {"2002", "2", "28"}},
        {"31 March to 29 Feb 2004", monthstepdown, {"2004", "2", "31"}, {"2004", "2", "29"}},
        {"30 Aug to 30 July unchanged", monthstepdown, {"2002", "7", "30"}, {"2002", "7", "30"}},
        {"year 1600 wraps to 1599", monthstepdown, {"1600", "12", "1"}, {"1599", "12", "1"}},
        {"year 0 wraps to -1", monthstepdown, {"0", "12", "1"}, {"-1", "12", "1"}},
    });
}

TEST(SpinFixUps, MonthStepUp) {
    runRows({
        {"December 2002 wraps to January 2003",
         monthstepup,
         {"2002", "1", "15"},
         {"2003", "1", "15"}},
        {"wrap keeps day 31", monthstepup, {"2002", "1", "31"}, {"2003", "1", "31"}},
        {"31 Jan 2002 to 28 Feb", monthstepup, {"2002", "2", "31"}, {"2002", "2", "28"}},
        {"31 Jan 2004 to 29 Feb", monthstepup, {"2004", "2", "31"}, {"2004", "2", "29"}},
        {"31 March to 30 April", monthstepup, {"2002", "4", "31"}, {"2002", "4", "30"}},
        {"31 July to 31 August unchanged", monthstepup, {"2002", "8", "31"}, {"2002", "8", "31"}},
        {"a year box with blanks is rewritten as digits",
         monthstepup,
         {" 2002 ", "1", "5"},
         {"2003", "1", "5"}},
        {"full-width year rewritten as plain digits",
         monthstepup,
         {"２００２", "1", "5"},
         {"2003", "1", "5"}},
    });
}

TEST(SpinFixUps, DayStepDown) {
    runRows({
        {"1 March 2004 to 29 Feb", daystepdown, {"2004", "3", "31"}, {"2004", "2", "29"}},
        {"1 March 2002 to 28 Feb", daystepdown, {"2002", "3", "31"}, {"2002", "2", "28"}},
        {"1 August to 31 July", daystepdown, {"2002", "8", "31"}, {"2002", "7", "31"}},
        {"1 May to 30 April", daystepdown, {"2002", "5", "31"}, {"2002", "4", "30"}},
        {"1 January 2002 to 31 December 2001",
         daystepdown,
         {"2002", "1", "31"},
         {"2001", "12", "31"}},
        {"16 to 15 unchanged", daystepdown, {"2002", "8", "15"}, {"2002", "8", "15"}},
        {"2 to 1 unchanged", daystepdown, {"2002", "8", "1"}, {"2002", "8", "1"}},
        {"1 March 2100 to 28 Feb", daystepdown, {"2100", "3", "31"}, {"2100", "2", "28"}},
    });
}

TEST(SpinFixUps, DayStepUp) {
    runRows({
        {"30 April to 1 May", daystepup, {"2002", "4", "31"}, {"2002", "5", "1"}},
        {"28 Feb 2002 to 1 March", daystepup, {"2002", "2", "29"}, {"2002", "3", "1"}},
        {"28 Feb 2004 to 29 Feb", daystepup, {"2004", "2", "29"}, {"2004", "2", "29"}},
        {"29 Feb 2004 to 1 March", daystepup, {"2004", "2", "30"}, {"2004", "3", "1"}},
        {"31 July wraps to 1 August", daystepup, {"2002", "7", "1"}, {"2002", "8", "1"}},
        {"31 December 2002 wraps to 1 January 2003",
         daystepup,
         {"2002", "12", "1"},
         {"2003", "1", "1"}},
        {"15 to 16 unchanged", daystepup, {"2002", "8", "16"}, {"2002", "8", "16"}},
        {"30 to 31 in a long month unchanged", daystepup, {"2002", "8", "31"}, {"2002", "8", "31"}},
        {"typed December day past 31 goes to the next year, never month 13",
         daystepup,
         {"2002", "12", "32"},
         {"2003", "1", "1"}},
    });
}

TEST(SpinFixUps, BoxesThatHoldNoDateLeaveEverythingAsItIs) {
    const FixUp handlers[] = {yearstep, monthstepdown, monthstepup, daystepdown, daystepup};
    const DateTexts cases[] = {
        {"", "2", "31"},      {"abc", "1", "31"},    {"2002", "", "31"},   {"2002", "x", "31"},
        {"2002", "0", "31"},  {"2002", "13", "31"},  {"2002", "-1", "1"},  {"2002", "2", ""},
        {"2002", "2", "3日"}, {"40000", "12", "31"}, {"2002", "2", "1e3"},
    };
    for (const FixUp handler : handlers) {
        for (const DateTexts& shown : cases) {
            SCOPED_TRACE(shown.year + "/" + shown.month + "/" + shown.day);
            EXPECT_EQ(handler(shown), shown);
        }
    }
}

TEST(SpinFixUps, NoCarryPastTheNumbersABoxHolds) {
    // A year beyond 16 bits could not be read back: the boxes stay as the spin
    // button left them, as for a box that holds no date.
    runRows({
        {"month up past 32767", monthstepup, {"32767", "1", "7"}, {"32767", "1", "7"}},
        {"day up past 32767", daystepup, {"32767", "12", "1"}, {"32767", "12", "1"}},
        {"typed day 32 past 32767", daystepup, {"32767", "12", "32"}, {"32767", "12", "32"}},
        {"month down past -32768", monthstepdown, {"-32768", "12", "7"}, {"-32768", "12", "7"}},
        {"day down past -32768", daystepdown, {"-32768", "1", "31"}, {"-32768", "1", "31"}},
        {"a carry up to 32767 is made", monthstepup, {"32766", "1", "7"}, {"32767", "1", "7"}},
    });
}

TEST(SpinFixUps, FractionsReadAsTheDrawingReadsThem) {
    // A fraction is rounded half to even, as when a drawing starts.
    runRows({
        {"month 2.5 reads 2", yearstep, {"2005", "2.5", "29"}, {"2005", "2.5", "28"}},
        {"month 12.5 reads 12 and wraps the year",
         monthstepdown,
         {"2002", "12.5", "1"},
         {"2001", "12.5", "1"}},
    });
}

// Stepping a valid date always gives a valid date: with the spin buttons'
// own wrap (day 1..31, month 1..12), the day buttons move exactly one calendar
// day and the month buttons one month with the day pulled into it.
DateTexts texts(const std::chrono::year_month_day& date) {
    return {std::to_string(static_cast<int>(date.year())),
            std::to_string(static_cast<unsigned>(date.month())),
            std::to_string(static_cast<unsigned>(date.day()))};
}

std::string wrapStep(const std::string& text, int by, int low, int high) {
    int value = std::stoi(text) + by;
    if (value > high) {
        value = low;
    } else if (value < low) {
        value = high;
    }
    return std::to_string(value);
}

TEST(SpinFixUps, EveryDayOfFourHundredYearsStepsToItsNeighbour) {
    using namespace std::chrono;
    for (sys_days d = year{1999} / January / 1; d <= sys_days{year{2401} / January / 1};
         d += days{1}) {
        const year_month_day date{d};
        const DateTexts now = texts(date);

        DateTexts up = now;
        up.day = wrapStep(up.day, +1, 1, 31);
        ASSERT_EQ(daystepup(up), texts(year_month_day{d + days{1}}))
            << now.year << "-" << now.month << "-" << now.day;
        DateTexts down = now;
        down.day = wrapStep(down.day, -1, 1, 31);
        ASSERT_EQ(daystepdown(down), texts(year_month_day{d - days{1}}))
            << now.year << "-" << now.month << "-" << now.day;

        const auto clamp = [](year_month_day moved, day keep) {
            const day last = year_month_day_last{moved.year(), month_day_last{moved.month()}}.day();
            return year_month_day{moved.year(), moved.month(), keep < last ? keep : last};
        };
        DateTexts mup = now;
        mup.month = wrapStep(mup.month, +1, 1, 12);
        const year_month_day nextMonth =
            year_month_day{date.year(), date.month(), day{1}} + months{1};
        ASSERT_EQ(monthstepup(mup), texts(clamp(nextMonth, date.day())))
            << now.year << "-" << now.month << "-" << now.day;
        DateTexts mdown = now;
        mdown.month = wrapStep(mdown.month, -1, 1, 12);
        const year_month_day lastMonth =
            year_month_day{date.year(), date.month(), day{1}} - months{1};
        ASSERT_EQ(monthstepdown(mdown), texts(clamp(lastMonth, date.day())))
            << now.year << "-" << now.month << "-" << now.day;

        for (const int by : {+1, -1}) {
            DateTexts y = now;
            y.year = std::to_string(std::stoi(y.year) + by);
            const year_month_day moved{date.year() + years{by}, date.month(), day{1}};
            ASSERT_EQ(yearstep(y), texts(clamp(moved, date.day())))
                << now.year << "-" << now.month << "-" << now.day << " by " << by;
        }
    }
}

} // namespace
} // namespace veltaro
