// Reading values off the graph and the Moon pictures.
#include "plot/readout.h"

#include "astro/fault.h"
#include "astro/moonphase.h"
#include "astro/tide.h"
#include "calendar/words.h"
#include "plot/plotrun.h"
#include "plot/tidename.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace veltaro::plot {

namespace {

constexpr double kCmPerKm = 1e5;

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

/// "2027年1月6日"; a translation may take the month and the day with two
/// digits (%4, %5) for an ISO date.
std::string dateText(int year, int month, int day) {
    return filled(word(VELTARO_WORD("veltaro::words", "%1年%2月%3日")),
                  {std::to_string(year), std::to_string(month), std::to_string(day),
                   twoDigits(month), twoDigits(day)});
}

std::string clockName(const ClockChoice& clock) {
    return word(clockShortName(clock).c_str());
}

std::string clockText(int hour, int minute) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d", hour, minute);
    return buffer;
}

/// A height [km] in centimetres with one decimal; a value that rounds to zero
/// is shown without a sign.
std::string centimetres(double km) {
    const double cm = std::round(km * kCmPerKm * 10) / 10 + 0.0;
    return fixedText(cm == 0 ? 0.0 : cm, 1) + " cm";
}

std::string momentText(const RecordedStep& s) {
    return dateText(s.year, s.month, s.day) + " " + clockText(s.hour, s.minute);
}

/// The date of the day whose 24:00 the step at t = kLastT of a diurnal pass is:
/// the day before the step's own date.
std::string dayBeforeText(const RecordedStep& s) {
    using namespace std::chrono;
    const year_month_day ymd{sys_days{year{s.year} / s.month / s.day} - days{1}};
    return dateText(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
}

bool severalDays(const Drawing& d) {
    return d.request.continuous && d.request.days > 1;
}

const Drawing* lastDrawn(const DrawingRecord& record) {
    const auto& drawings = record.drawings();
    for (auto d = drawings.rbegin(); d != drawings.rend(); ++d) {
        if (!d->steps.empty()) {
            return &*d;
        }
    }
    return nullptr;
}

/// The tide name of the day a step belongs to, on the drawing's clock:
/// "潮名 中潮（旧暦5日）"; empty where it cannot be found.
std::string tideNameText(const Drawing& drawing, const RecordedStep& s) {
    long day = dayNumberOf(s.year, s.month, s.day);
    if (drawing.mode() == PlotMode::Diurnal && s.t == kLastT) {
        --day; // 24:00 ends the day before
    }
    const auto tide =
        tideDays(day, day, minutesAheadOfUt(drawing.request.clock, drawing.request.start.lon));
    if (tide.empty()) {
        return {};
    }
    return filled(
        word(VELTARO_WORD("veltaro::words", "　潮名 %1（旧暦%2日）")),
        {word(tideNameWord(tide.front().name).c_str()), std::to_string(tide.front().lunarDay)});
}

/// A whole number with a comma every three digits: "357,123".
std::string groupedThousands(long long value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

} // namespace

double scaleXOfColumn(int column, int width) {
    return (column + 0.5) * kLastT / width;
}

std::optional<StepAt> stepAt(const DrawingRecord& record, const GraphPoint& at) {
    const Drawing* d = lastDrawn(record);
    if (d == nullptr) {
        return std::nullopt;
    }
    const int increment = tIncrement(d->mode());
    const double n = std::round(at.x / increment);
    if (!(n >= 0 && n * increment <= kLastT)) {
        return std::nullopt;
    }
    const int t = static_cast<int>(n) * increment;
    // The steps at t, last drawn first: one a day in a continuous drawing.
    const RecordedStep* found = nullptr;
    double nearest = at.reachKm;
    for (auto s = d->steps.rbegin(); s != d->steps.rend(); ++s) {
        if (s->t != t) {
            continue;
        }
        if (found == nullptr) {
            found = &*s;
            if (!at.heightKm || !severalDays(*d)) {
                break;
            }
        }
        for (const double v : {s->Ssea, s->Msea, s->total()}) {
            const double off = std::abs(v - *at.heightKm);
            if (off < nearest) {
                nearest = off;
                found = &*s;
            }
        }
    }
    if (found == nullptr) {
        return std::nullopt;
    }
    return StepAt{d, found};
}

std::optional<StepAt> moonStepAt(const DrawingRecord& record, int k) {
    const auto at = record.moonPictureStep(k);
    if (!at) {
        return std::nullopt;
    }
    const Drawing& d = record.drawings()[at->drawing];
    return StepAt{&d, &d.steps[at->step]};
}

const AxisMark* markNear(const Drawing& drawing, double x, double reach) {
    const AxisMark* nearest = nullptr;
    const int lastT = drawing.lastT();
    for (const AxisMark& m : drawing.marks) {
        const double off = std::abs(m.x - x);
        if (m.x <= lastT && off <= reach &&
            (nearest == nullptr || off < std::abs(nearest->x - x))) {
            nearest = &m;
        }
    }
    return nearest;
}

MarkWords markWords(MarkKind kind) {
    switch (kind) {
    case MarkKind::NewMoon:
        return {"●", VELTARO_WORD("veltaro::words", "新月")};
    case MarkKind::FullMoon:
        return {"○", VELTARO_WORD("veltaro::words", "満月")};
    case MarkKind::Perigee:
        return {"◆", VELTARO_WORD("veltaro::words", "近地点")};
    case MarkKind::Apogee:
        return {"◇", VELTARO_WORD("veltaro::words", "遠地点")};
    case MarkKind::GreatestNorth:
        return {"▲", VELTARO_WORD("veltaro::words", "北の最大赤緯")};
    case MarkKind::GreatestSouth:
        break;
    }
    return {"▼", VELTARO_WORD("veltaro::words", "南の最大赤緯")};
}

std::string markLegend(std::initializer_list<MarkKind> kinds) {
    std::string legend;
    for (const MarkKind kind : kinds) {
        const MarkWords words = markWords(kind);
        legend += (legend.empty() ? "" : "　") + std::string(words.sign) + " " + word(words.name);
    }
    return legend;
}

std::string stepText(const Drawing& drawing, const RecordedStep& s) {
    std::string moment;
    if (drawing.mode() == PlotMode::Diurnal) {
        // The last step evaluates 24:00, which the clock has already carried
        // into 0:00 of the next day.
        const bool end = s.t == kLastT;
        moment = end ? clockText(24, 0) : clockText(s.hour, s.minute);
        if (severalDays(drawing)) {
            moment = (end ? dayBeforeText(s) : dateText(s.year, s.month, s.day)) + " " + moment;
        }
    } else {
        moment = momentText(s);
    }
    moment += " " + clockName(drawing.request.clock);
    return moment + filled(word(VELTARO_WORD("veltaro::words", "　太陽 %1　月 %2　太陽＋月 %3")),
                           {centimetres(s.Ssea), centimetres(s.Msea), centimetres(s.total())});
}

std::string moonText(const Drawing& drawing, const RecordedStep& s) {
    std::string text =
        filled(word(VELTARO_WORD("veltaro::words",
                                 "太陽から月までの角度 %1°（赤道に沿って東回り）　%2 %3　月相 %4")),
               {moonAngleText(s.MSangle), momentText(s), clockName(drawing.request.clock),
                moonPhaseText(s.MSGangle)});
    try {
        const double age =
            astro::moonAge(astro::universalJulianDay(evaluationInput(drawing.request, s.moment())));
        text += filled(word(VELTARO_WORD("veltaro::words", "　月齢 %1日")), {fixedText(age, 1)});
    } catch (const ArithmeticFault&) {
        // The angle and the phase are what the drawing recorded; the age is left out.
    }
    return text;
}

std::string markText(const Drawing& drawing, const AxisMark& mark) {
    using namespace std::chrono;
    const ObservationInput& in = drawing.request.start;
    const sys_days start{year{static_cast<int>(in.year)} / static_cast<int>(in.month) /
                         static_cast<int>(in.day)};
    const auto moment = start + minutes{std::llround(mark.x * minutesPerUnit(drawing.mode()))};
    const auto day = floor<days>(moment);
    const year_month_day ymd{day};
    const hh_mm_ss clock{moment - day};
    const MarkWords words = markWords(mark.kind);
    std::string text =
        std::string(words.sign) + " " + word(words.name) + " " +
        dateText(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))) + " " +
        clockText(int(clock.hours().count()), int(clock.minutes().count())) + " " +
        clockName(drawing.request.clock);
    switch (mark.kind) {
    case MarkKind::NewMoon:
    case MarkKind::FullMoon:
        break;
    case MarkKind::Perigee:
    case MarkKind::Apogee:
        text += filled(word(VELTARO_WORD("veltaro::words", "　距離 %1 km")),
                       {groupedThousands(std::llround(mark.value))});
        break;
    case MarkKind::GreatestNorth:
    case MarkKind::GreatestSouth:
        text += filled(word(VELTARO_WORD("veltaro::words", "　赤緯 %1%2°")),
                       {mark.value < 0 ? "−" : "+", fixedText(std::abs(mark.value), 1)});
        break;
    }
    return text;
}

std::optional<GraphReading> readGraph(const DrawingRecord& record, const GraphPoint& point,
                                      double markReach) {
    const auto at = stepAt(record, point);
    if (!at) {
        return std::nullopt;
    }
    GraphReading reading{at->step->t, stepText(*at->drawing, *at->step), at->step};
    reading.text += tideNameText(*at->drawing, *at->step);
    if (const AxisMark* mark = markNear(*at->drawing, point.x, markReach)) {
        reading.mark = markText(*at->drawing, *mark);
        reading.text += "　" + reading.mark;
    }
    return reading;
}

std::optional<std::string> readMoonPicture(const DrawingRecord& record, int k) {
    const auto at = moonStepAt(record, k);
    if (!at) {
        return std::nullopt;
    }
    return moonText(*at->drawing, *at->step);
}

} // namespace veltaro::plot
