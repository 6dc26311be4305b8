#pragma once

// The day's tide name (潮名) as Japanese tide tables and tide calendars give it:
// 大潮, 中潮, 小潮, 長潮 or 若潮, from the day of the lunar month. Plain C++, no Qt.

#include "plot/plotrequest.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace veltaro::plot {

/// The five tide names.
enum class TideName {
    Spring, ///< 大潮: new or full Moon, the largest range
    Middle, ///< 中潮: between spring and neap
    Neap,   ///< 小潮: the quarters, the smallest range
    Long,   ///< 長潮: the end of the neaps, slow and long
    Young,  ///< 若潮: the day after 長潮, the range growing again
};

/// A tide name and how it is written.
struct TideNameDefinition {
    TideName name;
    const char* word; ///< as tide tables write it (UTF-8)
};

/// The names, in the order of TideName.
inline constexpr std::array<TideNameDefinition, 5> kTideNames{{
    {TideName::Spring, VELTARO_WORD("veltaro::words", "大潮")},
    {TideName::Middle, VELTARO_WORD("veltaro::words", "中潮")},
    {TideName::Neap, VELTARO_WORD("veltaro::words", "小潮")},
    {TideName::Long, VELTARO_WORD("veltaro::words", "長潮")},
    {TideName::Young, VELTARO_WORD("veltaro::words", "若潮")},
}};
static_assert(kTideNames[0].name == TideName::Spring && kTideNames[1].name == TideName::Middle &&
              kTideNames[2].name == TideName::Neap && kTideNames[3].name == TideName::Long &&
              kTideNames[4].name == TideName::Young);

constexpr const TideNameDefinition& tideNameDefinition(TideName name) {
    return kTideNames[static_cast<std::size_t>(name)];
}

/// The days of a lunar month: 29 or 30; day 30 exists only in a long month.
inline constexpr int kLongestLunarMonth = 30;

/// The tide name of each day of the lunar month, day 1 (the day that holds the
/// new Moon) first. The rule of the Japan Coast Guard's explanation of the
/// names, as newspapers, fishermen and tide calendars use them:
///   1-2 大潮, 3-6 中潮, 7-9 小潮, 10 長潮, 11 若潮, 12-13 中潮, 14-17 大潮,
///   18-21 中潮, 22-24 小潮, 25 長潮, 26 若潮, 27-28 中潮, 29-30 大潮.
/// (海上保安庁海洋情報部 日本海洋データセンター「潮(大潮・長潮・若潮・・・)の名前?」,
/// https://www1.kaiho.mlit.go.jp/JODC/SODAN/faq/tidename.htm)
inline constexpr auto kTideNameOfLunarDay = [] {
    using enum TideName;
    return std::to_array<TideName>({
        Spring, Spring, Middle, Middle, Middle, Middle, Neap,   Neap,   Neap,   Long,   //  1-10
        Young,  Middle, Middle, Spring, Spring, Spring, Spring, Middle, Middle, Middle, // 11-20
        Middle, Neap,   Neap,   Neap,   Long,   Young,  Middle, Middle, Spring, Spring, // 21-30
    });
}();
static_assert(kTideNameOfLunarDay.size() == kLongestLunarMonth);

/// The tide name of day `lunarDay` (1..30) of the lunar month.
constexpr TideName tideNameOfLunarDay(int lunarDay) {
    return kTideNameOfLunarDay.at(static_cast<std::size_t>(lunarDay - 1));
}

/// One calendar day with its day of the lunar month and tide name.
struct TideDay {
    long dayNumber; ///< Julian day number of the date (its 0 h is the Julian day dayNumber - 0.5)
    int lunarDay;   ///< 1..30: 1 on the day that holds the new Moon
    TideName name;
};

/// The day of the lunar month and the tide name of calendar days on a clock.
///
/// Given:
///   firstDay, lastDay  Julian day numbers of the first and last date, on the clock
///   aheadMinutes       how far the clock runs ahead of universal time [minutes]
///                      (minutesAheadOfUt: 540 for JST)
///
/// Returned:
///   one TideDay a date from firstDay to lastDay, in order; none for an empty
///   span, or where the new Moons cannot be found.
///
/// Notes:
///  1. A date's day of the lunar month counts from the date, on the clock, that
///     holds the latest new Moon at or before the date's end: that date is day 1.
///     So the clock decides it: a new Moon at 20:00 UT falls on the next date on
///     JST, and Japanese tables reckon on JST.
///  2. The new Moons are astro::moonPhaseEvents's, within a minute of published
///     times from 1900 to 2100: a date can come out a day off only when a new
///     Moon lies within about a minute of midnight on the clock.
std::vector<TideDay> tideDays(long firstDay, long lastDay, double aheadMinutes);

/// The Julian day number of a date, as tideDays counts days.
long dayNumberOf(int year, int month, int day);

/// The word of a tide name as tables write it: "大潮".
std::string tideNameWord(TideName name);

/// A stretch of a drawing's time axis that has one tide name: the days from
/// `fromX` to `toX` of the graph's user scale, the first of them `first`.
struct TideNameSpan {
    double fromX;
    double toX;
    TideDay first;
};

/// The stretches of one tide name along the time axis of a drawing of `request`.
///
/// Given:
///   request   mode, start date, place and clock of the drawing
///
/// Returned:
///   60-day graph: the dates from the start date (x = 0) to the end of the graph
///   (x = 8640) on the drawing's clock, joined into stretches of one name, in
///   order, each ending where the next begins. None in the diurnal and annual
///   graphs (a day of the annual graph is under two pixels across: too narrow
///   to name), and none where tideDays finds none.
std::vector<TideNameSpan> tideNameSpans(const PlotRequest& request);

} // namespace veltaro::plot
