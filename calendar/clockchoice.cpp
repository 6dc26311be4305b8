// The clock a drawing's times are read on.
#include "calendar/clockchoice.h"

#include <cstdlib>

namespace veltaro {

namespace {

constexpr double kMinutesPerDegree = 4; // the Earth turns 1 degree in 4 minutes
constexpr int kJstMinutes = 9 * 60;

int twoDigits(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
        return -1;
    }
    return (text[0] - '0') * 10 + (text[1] - '0');
}

} // namespace

double minutesAheadOfUt(const ClockChoice& clock, double lonDeg) {
    switch (clock.kind) {
    case ClockKind::LocalMean:
        return lonDeg * kMinutesPerDegree;
    case ClockKind::Jst:
        return kJstMinutes;
    case ClockKind::Ut:
        return 0;
    case ClockKind::Offset:
        return clock.offsetMinutes;
    }
    return 0;
}

double minutesToLocalMean(const ClockChoice& clock, double lonDeg) {
    if (clock.kind == ClockKind::LocalMean) {
        return 0;
    }
    return lonDeg * kMinutesPerDegree - minutesAheadOfUt(clock, lonDeg);
}

std::optional<ClockChoice> readClock(std::string_view text) {
    if (text == "local") {
        return ClockChoice{ClockKind::LocalMean, 0};
    }
    if (text == "jst") {
        return ClockChoice{ClockKind::Jst, 0};
    }
    if (text == "ut") {
        return ClockChoice{ClockKind::Ut, 0};
    }
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') {
        return std::nullopt;
    }
    const int hours = twoDigits(text.substr(1, 2));
    const int minutes = twoDigits(text.substr(4, 2));
    if (hours < 0 || minutes < 0 || minutes > 59) {
        return std::nullopt;
    }
    const int offset = hours * 60 + minutes;
    if (offset > kMostClockOffsetMinutes) {
        return std::nullopt;
    }
    return ClockChoice{ClockKind::Offset, text[0] == '-' ? -offset : offset};
}

std::string clockOption(const ClockChoice& clock) {
    switch (clock.kind) {
    case ClockKind::LocalMean:
        return "local";
    case ClockKind::Jst:
        return "jst";
    case ClockKind::Ut:
        return "ut";
    case ClockKind::Offset:
        break;
    }
    const int offset = std::abs(clock.offsetMinutes);
    std::string text = clock.offsetMinutes < 0 ? "-" : "+";
    const int h = offset / 60;
    const int m = offset % 60;
    text += {char('0' + h / 10), char('0' + h % 10), ':', char('0' + m / 10), char('0' + m % 10)};
    return text;
}

} // namespace veltaro
