#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veltaro {

/// Why typed input was refused. The interface words each (plot/words.h).
enum class InputProblem {
    None,
    Date,            ///< a date box not a whole number, month not 1..12, day not in the month
    DateRange,       ///< a valid date outside 1600-01-01 .. 2400-12-31
    LonNotNumber,    ///< a longitude box empty or not a finite number
    LatNotNumber,    ///< a latitude box empty or not a finite number
    LonRange,        ///< longitude beyond +-180 degrees
    LatRange,        ///< latitude beyond +-90 degrees
    ContDays,        ///< continuous-days text not a whole number 1..kMostContinuousDays
    ContinuousReach, ///< a continuous drawing would run past the last accepted date
};

/// The texts of the three date boxes and the six position boxes.
struct InputTexts {
    std::string year, month, day;
    std::string lonDeg, lonMin, lonSec; // txtkei, txtkeim, txtkeis
    std::string latDeg, latMin, latSec; // txtido, txtidom, txtidos
};

/// A date and point read from the boxes and found valid.
struct ObservationInput {
    double year;  ///< whole number
    double month; ///< whole number 1..12
    double day;   ///< whole number, 1..month length
    double lon;   ///< decimal degrees, east positive, |lon| <= 180
    double lat;   ///< decimal degrees, north positive, |lat| <= 90
};

/// The box a refused text stands in, so that the window can take the user there.
enum class InputBox {
    None,
    Year,     ///< txtnen
    Month,    ///< txtgetu
    Day,      ///< txtniti
    LonDeg,   ///< txtkei
    LonMin,   ///< txtkeim
    LonSec,   ///< txtkeis
    LatDeg,   ///< txtido
    LatMin,   ///< txtidom
    LatSec,   ///< txtidos
    ContDays, ///< txtcont
};

template <typename T> struct Read {
    std::optional<T> value;
    InputProblem problem = InputProblem::None;
    /// Where the problem is: the first box in reading order whose text is not a
    /// number or out of its range; the day for a day the month lacks, the year
    /// for a date outside the accepted years, the degrees for an angle beyond
    /// its range.
    InputBox box = InputBox::None;
    bool ok() const { return value.has_value(); }
};

/// Longest text [characters, blanks included] that the readers below look at;
/// anything longer is refused as it stands. Every box of the window is shorter.
inline constexpr std::size_t kMaxTypedLength = 64;

/// A number as a user may type it: surrounding blanks (also ideographic
/// spaces) ignored, full-width digits, sign and decimal point read as ASCII.
/// Empty, partly numeric, NaN and infinite texts give no value.
///
/// Notes:
/// 1. The form is plain decimal: an optional sign (+, -, full-width ＋ －, or
///    the minus sign U+2212), digits, and an optional fraction after "." or
///    "．" (".5" and "5." are read too). No exponent ("1e3"), no digit
///    grouping ("1,000"), no hexadecimal, no blank between sign and digits.
/// 2. A typed "-0" gives minus zero; readAngle counts it as zero.
/// 3. Texts longer than kMaxTypedLength and invalid UTF-8 give no value.
std::optional<double> parseNumber(std::string_view text);

/// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates);
/// every reader below gives no value for text that is not.
bool isValidUtf8(std::string_view text);

/// `value` rounded to the nearest whole number, halves to the even neighbour
/// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Infinities and NaN are returned as given.
double roundHalfEven(double value);

/// A whole number for the date boxes: parseNumber, then a fraction rounded to
/// the nearest whole number, halves to even. Values outside the 16-bit range give
/// no value.
std::optional<int> parseWholeNumber(std::string_view text);

/// Reads year, month and day texts into a valid date of the accepted range.
Read<ObservationInput> readDate(std::string_view year, std::string_view month,
                                std::string_view day);

/// Reads degrees, minutes and seconds texts into decimal degrees: the sign of
/// the degrees applies to the whole value (a typed minus zero counts as zero).
/// `latitude` chooses the range check (+-90) and the problem reported.
Read<double> readAngle(std::string_view deg, std::string_view min, std::string_view sec,
                       bool latitude);

/// Reads all nine boxes; the first problem found, date first, is reported.
Read<ObservationInput> readObservation(const InputTexts& texts);

/// Most days one continuous drawing may draw: its day count is a 16-bit number.
inline constexpr int kMostContinuousDays = 32767;

/// Reads the continuous-days box: its leading number, a whole number
/// 1..kMostContinuousDays.
///
/// The leading number is read as parseNumber reads a number, after leading
/// blanks; what follows it is ignored when it starts with a blank or a
/// non-ASCII character ("3日", "3 日間"). A number run into any other ASCII
/// character, full-width forms counted as their ASCII forms ("3e2", "12abc",
/// "3,000", "3'000", "3/4", "3:00", "2%") is refused, as are a fraction
/// ("2.5"), 0, negative numbers and an empty box.
Read<int> readContinuousDays(std::string_view text);

} // namespace veltaro
