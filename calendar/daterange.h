#pragma once

namespace veltaro {

/// The observation dates the program accepts, from 1600-01-01 to 2400-12-31.
///
/// The ephemeris series stay within a few hundredths of a degree of the modern
/// ephemerides over this span. Every check of a date, and the year spin button,
/// takes its limits from here.
inline constexpr int kFirstYear = 1600;
inline constexpr int kLastYear = 2400;

} // namespace veltaro
