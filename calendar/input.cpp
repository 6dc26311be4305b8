// Reading what the user typed into the date, position and continuous-days
// boxes, and why a text was refused.
#include "calendar/input.h"

#include "calendar/calendar.h"
#include "calendar/daterange.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace veltaro {

namespace {

// ---------------------------------------------------------------------------
// Characters of typed text.

/// Decodes the UTF-8 character at `pos`; false for a malformed sequence.
bool decode(std::string_view text, std::size_t pos, char32_t& code, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        code = lead;
        length = 1;
        return true;
    }
    std::size_t extra = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        code = lead & 0x1F;
        extra = 1;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        code = lead & 0x0F;
        extra = 2;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        code = lead & 0x07;
        extra = 3;
        least = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= text.size()) {
        return false;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            return false;
        }
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    length = extra + 1;
    return true;
}

/// Folds the full-width forms of ASCII (U+FF01..U+FF5E), the ideographic space
/// and the minus sign U+2212 to their ASCII counterparts.
char32_t fold(char32_t code) {
    if (code >= 0xFF01 && code <= 0xFF5E) {
        return code - 0xFEE0;
    }
    if (code == 0x3000) {
        return U' ';
    }
    if (code == 0x2212) {
        return U'-';
    }
    return code;
}

/// Typed text as folded characters; absent for malformed UTF-8 or text longer
/// than kMaxTypedLength characters.
std::optional<std::u32string> foldedText(std::string_view text) {
    std::u32string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (out.size() == kMaxTypedLength) {
            return std::nullopt;
        }
        char32_t code = 0;
        std::size_t length = 0;
        if (!decode(text, pos, code, length)) {
            return std::nullopt;
        }
        out.push_back(fold(code));
        pos += length;
    }
    return out;
}

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

/// A number at the start of `text` (after leading blanks) and where it ends.
struct Leading {
    double value;
    std::size_t end;
};

/// Reads sign, digits and an optional fraction from `text`, folded; absent when
/// no digit is found or the value is not a finite double.
std::optional<Leading> leadingNumber(const std::u32string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == U'+' || text[pos] == U'-')) {
        negative = text[pos] == U'-';
        ++pos;
    }
    std::string digits; // ASCII, without sign, for from_chars
    std::size_t count = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        digits.push_back(static_cast<char>(text[pos]));
        ++pos;
        ++count;
    }
    if (pos < text.size() && text[pos] == U'.') {
        digits.push_back('.');
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            digits.push_back(static_cast<char>(text[pos]));
            ++pos;
            ++count;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    if (digits.front() == '.') {
        digits.insert(digits.begin(), '0');
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return Leading{negative ? -value : value, pos};
}

template <typename T> Read<T> refuse(InputProblem problem, InputBox box) {
    return Read<T>{std::nullopt, problem, box};
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t code = 0;
        std::size_t length = 0;
        if (!decode(text, pos, code, length)) {
            return false;
        }
        pos += length;
    }
    return true;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2 * std::round(value / 2);
    }
    return std::round(value);
}

std::optional<double> parseNumber(std::string_view text) {
    const auto folded = foldedText(text);
    if (!folded) {
        return std::nullopt;
    }
    const auto number = leadingNumber(*folded);
    if (!number) {
        return std::nullopt;
    }
    for (std::size_t pos = number->end; pos < folded->size(); ++pos) {
        if (!isBlank((*folded)[pos])) {
            return std::nullopt;
        }
    }
    return number->value;
}

std::optional<int> parseWholeNumber(std::string_view text) {
    const auto number = parseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const double whole = roundHalfEven(*number);
    if (whole < INT16_MIN || whole > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

Read<ObservationInput> readDate(std::string_view year, std::string_view month,
                                std::string_view day) {
    const auto y = parseWholeNumber(year);
    const auto m = parseWholeNumber(month);
    const auto d = parseWholeNumber(day);
    if (!y) {
        return refuse<ObservationInput>(InputProblem::Date, InputBox::Year);
    }
    if (!m || *m < 1 || *m > 12) {
        return refuse<ObservationInput>(InputProblem::Date, InputBox::Month);
    }
    if (!d || *d < 1) {
        return refuse<ObservationInput>(InputProblem::Date, InputBox::Day);
    }
    MonthDays monthdays{};
    leapcheck(monthdays, *y);
    if (*d > monthdays[static_cast<std::size_t>(*m)]) {
        return refuse<ObservationInput>(InputProblem::Date, InputBox::Day);
    }
    if (*y < kFirstYear || *y > kLastYear) {
        return refuse<ObservationInput>(InputProblem::DateRange, InputBox::Year);
    }
    ObservationInput input{};
    input.year = *y;
    input.month = *m;
    input.day = *d;
    return Read<ObservationInput>{input, InputProblem::None};
}

Read<double> readAngle(std::string_view deg, std::string_view min, std::string_view sec,
                       bool latitude) {
    const InputProblem notNumber =
        latitude ? InputProblem::LatNotNumber : InputProblem::LonNotNumber;
    const InputBox degBox = latitude ? InputBox::LatDeg : InputBox::LonDeg;
    const auto d = parseNumber(deg);
    const auto m = parseNumber(min);
    const auto s = parseNumber(sec);
    if (!d || !m || !s) {
        const InputBox first = !d   ? degBox
                               : !m ? (latitude ? InputBox::LatMin : InputBox::LonMin)
                                    : (latitude ? InputBox::LatSec : InputBox::LonSec);
        return refuse<double>(notNumber, first);
    }
    // The sign of the degrees applies to the whole value; a typed minus zero is
    // not below zero and so counts as zero ("-0" 30' is +0.5 degrees).
    // Minutes and seconds are taken as typed.
    const double magnitude = std::fabs(*d) + *m / 60 + *s / 3600;
    const double angle = *d < 0 ? -magnitude : magnitude;
    if (!std::isfinite(angle)) {
        return refuse<double>(notNumber, degBox);
    }
    const double limit = latitude ? 90 : 180;
    if (std::fabs(angle) > limit) {
        return refuse<double>(latitude ? InputProblem::LatRange : InputProblem::LonRange, degBox);
    }
    return Read<double>{angle, InputProblem::None};
}

Read<ObservationInput> readObservation(const InputTexts& texts) {
    auto date = readDate(texts.year, texts.month, texts.day);
    if (!date.ok()) {
        return date;
    }
    const auto lon = readAngle(texts.lonDeg, texts.lonMin, texts.lonSec, false);
    if (!lon.ok()) {
        return refuse<ObservationInput>(lon.problem, lon.box);
    }
    const auto lat = readAngle(texts.latDeg, texts.latMin, texts.latSec, true);
    if (!lat.ok()) {
        return refuse<ObservationInput>(lat.problem, lat.box);
    }
    date.value->lon = *lon.value;
    date.value->lat = *lat.value;
    return date;
}

Read<int> readContinuousDays(std::string_view text) {
    const auto folded = foldedText(text);
    if (!folded) {
        return refuse<int>(InputProblem::ContDays, InputBox::ContDays);
    }
    const auto number = leadingNumber(*folded);
    if (!number) {
        return refuse<int>(InputProblem::ContDays, InputBox::ContDays);
    }
    // Only a blank or a Japanese word may follow the number. Anything else of
    // ASCII run straight into it ("3'000", "3/4", "1e3", "12abc") is a different
    // number mistyped, not a number followed by a word.
    if (number->end < folded->size()) {
        const char32_t next = (*folded)[number->end];
        if (!isBlank(next) && next < 0x80) {
            return refuse<int>(InputProblem::ContDays, InputBox::ContDays);
        }
    }
    const double days = number->value;
    if (days != std::floor(days) || days < 1 || days > kMostContinuousDays) {
        return refuse<int>(InputProblem::ContDays, InputBox::ContDays);
    }
    return Read<int>{static_cast<int>(days), InputProblem::None};
}

} // namespace veltaro
