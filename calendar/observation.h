#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace veltaro {

/// Month lengths of one year, index 1..12 (index 0 unused), as leapcheck writes them.
using MonthDays = std::array<std::int16_t, 13>;

/// Sexagenary day names, index 1..60 (index 0 unused), as kansiinit writes them.
using KansiNames = std::array<std::string, 61>;

/// The program's one observation moment and point.
///
/// Owned by the application (one instance for the whole run); the window's text
/// boxes are the user's copy and are loaded into it only when a drawing starts.
/// Every value is zero or empty until start-up fills it.
struct ObservationState {
    double jd = 0;          ///< Julian day of 0 h of the observation date [days], N + 0.5
    double obsyear = 0;     ///< Gregorian year, a whole number
    double obsmonth = 0;    ///< month 1..12, a whole number
    double obsday = 0;      ///< day of the month 1..31, a whole number
    double obshour = 0;     ///< hour of the clock time 0..23, a whole number
    double obsminute = 0;   ///< minute of the clock time [0, 60)
    double obslat = 0;      ///< latitude [degrees], north positive
    double obslon = 0;      ///< longitude [degrees], east positive; the clock runs on this meridian
    MonthDays monthdays{};  ///< month lengths of the year last given to leapcheck
    KansiNames kansiname{}; ///< filled once at start-up by kansiinit
    std::string soundfile;  ///< sound played after the version box
};

} // namespace veltaro
