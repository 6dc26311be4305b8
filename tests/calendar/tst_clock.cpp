// The clock a drawing's times are read on.
#include "calendar/clockchoice.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltaro {
namespace {

constexpr double kTokyoLon = 139 + 44 / 60.0 + 41 / 3600.0; // the old Tokyo observatory

TEST(Clock, MinutesToLocalMeanTime) {
    const struct {
        const char* name;
        ClockChoice clock;
        double lonDeg;
        double minutes;
    } rows[] = {
        // JST keeps the mean time of 135 deg E: at Tokyo local mean time is
        // 4 x 4 deg 44' 41" = 18 min 58.7 s ahead of it.
        {"Tokyo on JST", {ClockKind::Jst, 0}, kTokyoLon, (kTokyoLon - 135) * 4},
        {"Akashi on JST", {ClockKind::Jst, 0}, 135, 0},
        {"Akashi on UT", {ClockKind::Ut, 0}, 135, 540},
        {"Greenwich on UT", {ClockKind::Ut, 0}, 0, 0},
        {"New York on UT-05:00", {ClockKind::Offset, -300}, -74, -296 + 300},
        {"Tokyo on UT+09:00", {ClockKind::Offset, 540}, kTokyoLon, (kTokyoLon - 135) * 4},
        {"local mean anywhere", {ClockKind::LocalMean, 0}, -123.4, 0},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(minutesToLocalMean(row.clock, row.lonDeg), row.minutes, 1e-9) << row.name;
        EXPECT_NEAR(minutesAheadOfUt(row.clock, row.lonDeg) +
                        minutesToLocalMean(row.clock, row.lonDeg),
                    row.lonDeg * 4, 1e-9)
            << row.name;
    }
    EXPECT_NEAR(minutesToLocalMean({ClockKind::Jst, 0}, kTokyoLon) * 60, 18 * 60 + 58.7, 0.05);
    // The default clock adds an exact zero, so its drawings keep every bit.
    EXPECT_FALSE(std::signbit(minutesToLocalMean({}, -0.0)));
}

TEST(Clock, ReadsWhatItWrites) {
    const struct {
        const char* text;
        std::optional<ClockChoice> clock;
    } rows[] = {
        {"local", ClockChoice{ClockKind::LocalMean, 0}},
        {"jst", ClockChoice{ClockKind::Jst, 0}},
        {"ut", ClockChoice{ClockKind::Ut, 0}},
        {"+09:00", ClockChoice{ClockKind::Offset, 540}},
        {"-03:30", ClockChoice{ClockKind::Offset, -210}},
        {"+14:00", ClockChoice{ClockKind::Offset, 840}},
        {"-00:00", ClockChoice{ClockKind::Offset, 0}},
        {"+14:01", std::nullopt},
        {"+5:30", std::nullopt},
        {"+05:60", std::nullopt},
        {"05:30", std::nullopt},
        {"+05-30", std::nullopt},
        {"JST", std::nullopt},
        {"", std::nullopt},
        {"+05:30 ", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readClock(row.text), row.clock) << row.text;
        if (row.clock && std::string_view(row.text) != "-00:00") {
            EXPECT_EQ(clockOption(*row.clock), row.text);
        }
    }
}

} // namespace
} // namespace veltaro
