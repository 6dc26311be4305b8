// Marks on the time axis.
#include "plot/phasemarks.h"

#include "astro/fault.h"
#include "astro/moonevents.h"
#include "astro/moonphase.h"
#include "astro/tide.h"
#include "plot/plotrun.h"

#include <algorithm>

namespace veltaro::plot {

std::vector<AxisMark> axisMarks(const PlotRequest& request) {
    std::vector<AxisMark> marks;
    if (!modeDefinition(request.mode).phaseMarks) {
        return marks;
    }
    const ObservationInput& in = request.start;
    const double start =
        astro::universalJulianDay(evaluationInput(request, {0, in.year, in.month, in.day, 0, 0}));
    const double unitsPerDay = 1440 / minutesPerUnit(request.mode);
    const double end = start + kLastT / unitsPerDay;
    const auto add = [&](MarkKind kind, double jdUT, double value) {
        marks.push_back({kind, (jdUT - start) * unitsPerDay, jdUT, value});
    };
    try {
        for (const astro::MoonPhaseEvent& e : astro::moonPhaseEvents(start, end)) {
            if (e.kind == astro::MoonPhase::New || e.kind == astro::MoonPhase::Full) {
                add(e.kind == astro::MoonPhase::New ? MarkKind::NewMoon : MarkKind::FullMoon,
                    e.jdUT, 0);
            }
        }
        for (const astro::MoonEventMoment& e : astro::moonEvents(start, end)) {
            switch (e.kind) {
            case astro::MoonEvent::Perigee:
                add(MarkKind::Perigee, e.jdUT, e.value);
                break;
            case astro::MoonEvent::Apogee:
                add(MarkKind::Apogee, e.jdUT, e.value);
                break;
            case astro::MoonEvent::GreatestNorth:
                add(MarkKind::GreatestNorth, e.jdUT, e.value);
                break;
            case astro::MoonEvent::GreatestSouth:
                add(MarkKind::GreatestSouth, e.jdUT, e.value);
                break;
            case astro::MoonEvent::Ascending:
            case astro::MoonEvent::Descending:
                break;
            }
        }
    } catch (const ArithmeticFault&) {
        marks.clear();
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const AxisMark& a, const AxisMark& b) { return a.x < b.x; });
    return marks;
}

} // namespace veltaro::plot
