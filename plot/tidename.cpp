// The day's tide name from the day of the lunar month.
#include "plot/tidename.h"

#include "astro/fault.h"
#include "astro/moonphase.h"
#include "astro/timeargs.h"

#include <algorithm>
#include <cmath>

namespace veltaro::plot {

namespace {

/// The narrowest day that the time axis names [units of x]: 144 units (about
/// ten pixels) a day in the 60-day graph, 24 (under two) in the annual graph.
constexpr double kNarrowestNamedDay = 100;

} // namespace

long dayNumberOf(int year, int month, int day) {
    return std::lround(astro::julianday(year, month, day, 0, 0) + 0.5);
}

std::string tideNameWord(TideName name) {
    return tideNameDefinition(name).word;
}

std::vector<TideDay> tideDays(long firstDay, long lastDay, double aheadMinutes) {
    std::vector<TideDay> days;
    if (lastDay < firstDay) {
        return days;
    }
    // A date begins at the Julian day (its number - 0.5) on the clock, `ahead`
    // days before that in universal time. Day 1 of the month that holds
    // firstDay lies at most kLongestLunarMonth - 1 dates before it.
    const double ahead = aheadMinutes / 1440;
    std::vector<long> newMoonDays;
    try {
        for (const astro::MoonPhaseEvent& e :
             astro::moonPhaseEvents(double(firstDay) - 0.5 - ahead - (kLongestLunarMonth + 1),
                                    double(lastDay) + 0.5 - ahead)) {
            if (e.kind == astro::MoonPhase::New) {
                newMoonDays.push_back(std::lround(std::floor(e.jdUT + 0.5 + ahead)));
            }
        }
    } catch (const ArithmeticFault&) {
        return days;
    }
    if (newMoonDays.empty()) {
        return days;
    }
    auto latest = newMoonDays.begin();
    for (long day = firstDay; day <= lastDay; ++day) {
        // The latest new Moon on or before this date.
        while (latest + 1 != newMoonDays.end() && *(latest + 1) <= day) {
            ++latest;
        }
        if (*latest > day) {
            return {};
        }
        const int lunarDay = static_cast<int>(day - *latest) + 1;
        if (lunarDay > kLongestLunarMonth) {
            return {};
        }
        days.push_back({day, lunarDay, tideNameOfLunarDay(lunarDay)});
    }
    return days;
}

std::vector<TideNameSpan> tideNameSpans(const PlotRequest& request) {
    std::vector<TideNameSpan> spans;
    const double unitsPerDay = 1440 / minutesPerUnit(request.mode);
    if (unitsPerDay >= kLastT || unitsPerDay < kNarrowestNamedDay) {
        return spans;
    }
    const ObservationInput& in = request.start;
    const long first = dayNumberOf(static_cast<int>(in.year), static_cast<int>(in.month),
                                   static_cast<int>(in.day));
    const long last = first + static_cast<long>(std::ceil(kLastT / unitsPerDay)) - 1;
    const double ahead = minutesAheadOfUt(request.clock, in.lon);
    for (const TideDay& d : tideDays(first, last, ahead)) {
        const double from = double(d.dayNumber - first) * unitsPerDay;
        const double to = std::min<double>(from + unitsPerDay, kLastT);
        if (!spans.empty() && spans.back().first.name == d.name) {
            spans.back().toX = to;
        } else {
            spans.push_back({from, to, d});
        }
    }
    return spans;
}

} // namespace veltaro::plot
