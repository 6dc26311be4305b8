#pragma once

// The clock a drawing's times are read on. Plain C++, no Qt.
//
// The evaluation takes its times on the observer's meridian (local mean solar
// time). A drawing may be read on another clock instead: Japan Standard Time,
// universal time, or a fixed offset from it. The clock moves only the times:
// the place, and so the hour angle of each body, stays where the observer is.

#include <optional>
#include <string>
#include <string_view>

namespace veltaro {

/// Which clock.
enum class ClockKind {
    LocalMean, ///< mean solar time of the observer's meridian (lon / 15 h ahead of UT)
    Jst,       ///< Japan Standard Time, UT + 9 h (the 135 degree E meridian)
    Ut,        ///< universal time
    Offset,    ///< a fixed offset from universal time
};

/// The largest offset a fixed-offset clock may have [minutes]: 14 hours either way,
/// as far as any zone of the world is from UT.
inline constexpr int kMostClockOffsetMinutes = 14 * 60;

/// A clock: its kind and, for ClockKind::Offset, its offset.
struct ClockChoice {
    ClockKind kind = ClockKind::LocalMean;
    int offsetMinutes =
        0; ///< Offset only: minutes ahead of UT, |offset| <= kMostClockOffsetMinutes

    friend bool operator==(const ClockChoice&, const ClockChoice&) = default;
};

/// How far the clock runs ahead of universal time at a place.
///
/// Given:
///   clock    the clock
///   lonDeg   the observer's longitude [degrees, east positive]
///
/// Returned:
///   minutes ahead of UT: lonDeg x 4 for the local mean clock, 540 for JST,
///   0 for UT, the offset for a fixed offset
double minutesAheadOfUt(const ClockChoice& clock, double lonDeg);

/// What to add to a time read on `clock` to have the same moment in the mean
/// solar time of the meridian lonDeg, which the evaluation takes [minutes].
///
/// Notes:
///  1. Exactly 0 for the local mean clock, so a drawing on it is evaluated bit
///     for bit as before clocks could be chosen.
///  2. At 139 deg 44' 41" E, JST is 18 min 58.7 s behind local mean time: this
///     returns +18.978 for JST.
double minutesToLocalMean(const ClockChoice& clock, double lonDeg);

/// Reads a clock as the tool's --clock takes it: "local", "jst", "ut", or an
/// offset from UT as "+HH:MM" or "-HH:MM" (a sign, two-digit hours, a colon and
/// two-digit minutes 00..59, at most 14:00). Nothing for anything else.
std::optional<ClockChoice> readClock(std::string_view text);

/// The clock as readClock reads it: "local", "jst", "ut", "+05:30", "-03:00".
std::string clockOption(const ClockChoice& clock);

} // namespace veltaro
