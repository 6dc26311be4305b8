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

namespace veltaro::plot {

namespace {

const Drawing* lastDrawn(const DrawingRecord& record) {
    const auto& drawings = record.drawings();
    for (auto d = drawings.rbegin(); d != drawings.rend(); ++d) {
        if (!d->steps.empty()) {
            return &*d;
        }
    }
    return nullptr;
}

bool severalDays(const Drawing& d) {
    return d.request.continuous && d.request.days > 1;
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

CalendarDate dayBefore(const RecordedStep& s) {
    using namespace std::chrono;
    const year_month_day ymd{sys_days{year{s.year} / s.month / s.day} - days{1}};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

std::optional<TideDay> tideDayOf(const Drawing& drawing, const RecordedStep& s) {
    long day = dayNumberOf(s.year, s.month, s.day);
    if (drawing.mode() == PlotMode::Diurnal && s.t == kLastT) {
        --day; // 24:00 ends the day before
    }
    const auto tide =
        tideDays(day, day, minutesAheadOfUt(drawing.request.clock, drawing.request.start.lon));
    if (tide.empty()) {
        return std::nullopt;
    }
    return tide.front();
}

std::optional<double> moonAgeOf(const Drawing& drawing, const RecordedStep& s) {
    try {
        return astro::moonAge(
            astro::universalJulianDay(evaluationInput(drawing.request, s.moment())));
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

MarkMoment markMoment(const Drawing& drawing, const AxisMark& mark) {
    using namespace std::chrono;
    const ObservationInput& in = drawing.request.start;
    const sys_days start{year{static_cast<int>(in.year)} / static_cast<int>(in.month) /
                         static_cast<int>(in.day)};
    const auto moment = start + minutes{std::llround(mark.x * minutesPerUnit(drawing.mode()))};
    const auto day = floor<days>(moment);
    const year_month_day ymd{day};
    const hh_mm_ss clock{moment - day};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
            int(clock.hours().count()), int(clock.minutes().count())};
}

} // namespace veltaro::plot
