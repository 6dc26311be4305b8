#pragma once

#include "calendar/observation.h"

#include <string>

namespace veltaro {

/// Writes the month lengths of `year` (a whole number, any sign) into
/// `monthdays`[1..12]: February has 29 days in years divisible by 4, except
/// centuries not divisible by 400.
void leapcheck(MonthDays& monthdays, double year);

/// Normalises the observation moment of `state` after an advance of at most one
/// carry: minutes >= 60 into the hour, hours >= 24 into the day, a day past the
/// month's end into day 1 of the next month, month 13 into January of the next
/// year. Each carry is made at most once; `state.monthdays` is rewritten for the
/// year as it stood before the call.
void datecheck(ObservationState& state);

/// The three date boxes as the user sees them (year, month, day).
struct DateTexts {
    std::string year;
    std::string month;
    std::string day;
    bool operator==(const DateTexts&) const = default;
};

/// Spin-button fix-ups. Each takes the three date texts as they stand after the
/// spin button has stepped (and possibly wrapped) its own box, and returns the
/// texts to show, keeping the date a valid one. A box that holds no whole
/// number, or a month outside 1..12, leaves the other boxes unchanged, and so
/// does a carry that would take the year beyond -32768..32767, the numbers the
/// boxes hold.
DateTexts yearstep(const DateTexts& texts);      ///< year box stepped, either way
DateTexts monthstepdown(const DateTexts& texts); ///< month box stepped down
DateTexts monthstepup(const DateTexts& texts);   ///< month box stepped up
DateTexts daystepdown(const DateTexts& texts);   ///< day box stepped down
DateTexts daystepup(const DateTexts& texts);     ///< day box stepped up

} // namespace veltaro
