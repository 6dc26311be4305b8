// What a drawing may be asked for: the rule on a continuous drawing's end.
#include "plot/plotrequest.h"

#include "astro/timeargs.h"
#include "calendar/daterange.h"

#include <algorithm>

namespace veltaro::plot {

int longestContinuousRun(const ObservationInput& start) {
    const double last = astro::julianday(kLastYear, 12, 31, 0, 0);
    const double first = astro::julianday(start.year, start.month, start.day, 0, 0);
    const double days = last - first + 1;
    return static_cast<int>(std::clamp(days, 1.0, double(kMostContinuousDays)));
}

std::string modeOption(PlotMode mode) {
    return modeDefinition(mode).option;
}

std::string clockShortWord(const ClockChoice& clock) {
    switch (clock.kind) {
    case ClockKind::LocalMean:
        return VELTARO_WORD("veltaro::words", "地方時");
    case ClockKind::Jst:
        return VELTARO_WORD("veltaro::words", "ＪＳＴ");
    case ClockKind::Ut:
        return VELTARO_WORD("veltaro::words", "ＵＴ");
    case ClockKind::Offset:
        break;
    }
    return "UT" + clockOption(clock);
}

PlotRequest normalized(const PlotRequest& request) {
    PlotRequest out = request;
    out.continuous = modeDefinition(request.mode).severalDays && request.continuous;
    out.days =
        out.continuous ? std::clamp(request.days, 1, longestContinuousRun(request.start)) : 1;
    return out;
}

std::optional<RequestRefusal> requestRefusal(const PlotRequest& request) {
    if (!modeDefinition(request.mode).severalDays || !request.continuous) {
        return std::nullopt;
    }
    const int longest = longestContinuousRun(request.start);
    if (request.days <= longest) {
        return std::nullopt;
    }
    return RequestRefusal{InputProblem::ContinuousReach, InputBox::ContDays, longest};
}

std::variant<PlotRequest, RequestRefusal> readRequest(const RequestTexts& texts) {
    const auto place = readObservation(texts.place);
    if (!place.ok()) {
        return RequestRefusal{place.problem, place.box};
    }
    PlotRequest request;
    request.start = *place.value;
    request.mode = texts.mode;
    if (texts.days && modeDefinition(texts.mode).severalDays) {
        const auto days = readContinuousDays(*texts.days);
        if (!days.ok()) {
            return RequestRefusal{days.problem, days.box};
        }
        request.continuous = true;
        request.days = *days.value;
    }
    if (const auto refusal = requestRefusal(request)) {
        return *refusal;
    }
    return request;
}

} // namespace veltaro::plot
