// Calendar rules: month lengths, the carry after the plot driver advances the
// observation moment, and the fix-ups behind the three date spin buttons.
#include "calendar/calendar.h"

#include "calendar/input.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace veltaro {

namespace {

// Sized from its rows: a missing or extra month does not convert to MonthDays.
constexpr MonthDays kCommonYear =
    std::to_array<std::int16_t>({0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31});

/// Length of `month` in the table, or 0 for a month the table does not hold.
int lengthOf(const MonthDays& monthdays, double month) {
    if (!(month >= 1 && month <= 12)) {
        return 0;
    }
    return monthdays[static_cast<std::size_t>(month)];
}

/// The three date boxes read as whole numbers, month 1..12; absent when any box
/// holds something else, and then a fix-up leaves every box as it is.
struct DateNumbers {
    int year;
    int month;
    int day;
};

std::optional<DateNumbers> readBoxes(const DateTexts& texts) {
    const auto year = parseWholeNumber(texts.year);
    const auto month = parseWholeNumber(texts.month);
    const auto day = parseWholeNumber(texts.day);
    if (!year || !month || !day || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return DateNumbers{*year, *month, *day};
}

/// The year box after a carry into the year after or before, or nothing when
/// the carry would leave the 16-bit numbers the boxes hold: a year written
/// there could not be read back, so the fix-up leaves the boxes as they are.
std::optional<std::string> carriedYear(int year, int by) {
    const int next = year + by;
    if (next < INT16_MIN || next > INT16_MAX) {
        return std::nullopt;
    }
    return std::to_string(next);
}

MonthDays monthsOf(int year) {
    MonthDays monthdays{};
    leapcheck(monthdays, year);
    return monthdays;
}

} // namespace

void leapcheck(MonthDays& monthdays, double year) {
    monthdays = kCommonYear;
    // Remainders of the whole year with the sign of the dividend: -4 mod 4 is 0,
    // and only the comparison with 0 matters.
    const double whole = roundHalfEven(year);
    // Every step of a drawing comes here: whole numbers that an integer holds
    // exactly take integer remainders, which are the same and some ten times
    // faster than fmod.
    if (std::abs(whole) < 0x1p53) {
        const auto y = static_cast<std::int64_t>(whole);
        if (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) {
            monthdays[2] = 29;
        }
        return;
    }
    if (std::fmod(whole, 100) == 0 && std::fmod(whole, 400) != 0) {
        return;
    }
    if (std::fmod(whole, 4) == 0) {
        monthdays[2] = 29;
    }
}

void datecheck(ObservationState& state) {
    // Month lengths of the year as it stands before a carry into the next year;
    // December and January do not depend on it.
    leapcheck(state.monthdays, state.obsyear);
    if (state.obsminute >= 60) {
        state.obsminute -= 60;
        state.obshour += 1;
    }
    if (state.obshour >= 24) {
        state.obshour -= 24;
        state.obsday += 1;
    }
    // A month outside 1..12 has no length in the table and takes no day carry.
    const int length = lengthOf(state.monthdays, state.obsmonth);
    if (length > 0 && state.obsday > length) {
        state.obsmonth += 1;
        state.obsday = 1;
    }
    if (state.obsmonth > 12) {
        state.obsyear += 1;
        state.obsmonth = 1;
    }
}

DateTexts yearstep(const DateTexts& texts) {
    const auto date = readBoxes(texts);
    if (!date) {
        return texts;
    }
    DateTexts out = texts;
    const MonthDays monthdays = monthsOf(date->year);
    if (date->month == 2 && date->day > monthdays[2]) {
        out.day = std::to_string(monthdays[2]);
    }
    return out;
}

DateTexts monthstepdown(const DateTexts& texts) {
    const auto date = readBoxes(texts);
    if (!date) {
        return texts;
    }
    DateTexts out = texts;
    const MonthDays monthdays = monthsOf(date->year);
    if (date->month == 12) {
        // Wrapped from January; December has 31 days, so the day stands.
        const auto year = carriedYear(date->year, -1);
        if (!year) {
            return texts;
        }
        out.year = *year;
    } else if (date->day > monthdays[date->month]) {
        out.day = std::to_string(monthdays[date->month]);
    }
    return out;
}

DateTexts monthstepup(const DateTexts& texts) {
    const auto date = readBoxes(texts);
    if (!date) {
        return texts;
    }
    DateTexts out = texts;
    const MonthDays monthdays = monthsOf(date->year);
    if (date->month == 1) {
        // Wrapped from December; January has 31 days, so the day stands.
        const auto year = carriedYear(date->year, +1);
        if (!year) {
            return texts;
        }
        out.year = *year;
    } else if (date->day > monthdays[date->month]) {
        out.day = std::to_string(monthdays[date->month]);
    }
    return out;
}

DateTexts daystepdown(const DateTexts& texts) {
    const auto date = readBoxes(texts);
    if (!date) {
        return texts;
    }
    DateTexts out = texts;
    const MonthDays monthdays = monthsOf(date->year);
    if (date->month != 1 && date->day == 31) {
        // Wrapped from day 1: the last day of the previous month.
        const int month = date->month - 1;
        out.month = std::to_string(month);
        out.day = std::to_string(monthdays[month]);
    } else if (date->month == 1 && date->day == 31) {
        // Wrapped from 1 January: 31 December of the year before.
        const auto year = carriedYear(date->year, -1);
        if (!year) {
            return texts;
        }
        out.month = "12";
        out.year = *year;
    }
    return out;
}

DateTexts daystepup(const DateTexts& texts) {
    const auto date = readBoxes(texts);
    if (!date) {
        return texts;
    }
    DateTexts out = texts;
    const MonthDays monthdays = monthsOf(date->year);
    if (date->day > monthdays[date->month]) {
        // Stepped past the end of the month: day 1 of the next. A December day
        // past 31 (only from a day typed beyond the spin button's range) goes
        // into January of the next year rather than a month 13.
        out.day = "1";
        if (date->month == 12) {
            const auto year = carriedYear(date->year, +1);
            if (!year) {
                return texts;
            }
            out.month = "1";
            out.year = *year;
        } else {
            out.month = std::to_string(date->month + 1);
        }
    } else if (date->month != 12 && date->day == 1) {
        // Wrapped from day 31 of a 31-day month.
        out.month = std::to_string(date->month + 1);
    } else if (date->month == 12 && date->day == 1) {
        // Wrapped from 31 December.
        const auto year = carriedYear(date->year, +1);
        if (!year) {
            return texts;
        }
        out.month = "1";
        out.year = *year;
    }
    return out;
}

} // namespace veltaro
