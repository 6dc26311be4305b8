// New and full Moon on the time axis.
#include "plot/phasemarks.h"

#include "astro/fault.h"
#include "astro/tide.h"
#include "plot/plotrun.h"

namespace veltaro::plot {

std::vector<PhaseMark> phaseMarks(const PlotRequest& request) {
    std::vector<PhaseMark> marks;
    if (!modeDefinition(request.mode).phaseMarks) {
        return marks;
    }
    const ObservationInput& in = request.start;
    const double start =
        astro::universalJulianDay(evaluationInput(request, {0, in.year, in.month, in.day, 0, 0}));
    const double unitsPerDay = 1440 / minutesPerUnit(request.mode);
    const double end = start + kLastT / unitsPerDay;
    try {
        for (const astro::MoonPhaseEvent& e : astro::moonPhaseEvents(start, end)) {
            if (e.kind == astro::MoonPhase::New || e.kind == astro::MoonPhase::Full) {
                marks.push_back({e.kind, (e.jdUT - start) * unitsPerDay, e.jdUT});
            }
        }
    } catch (const ArithmeticFault&) {
        marks.clear();
    }
    return marks;
}

} // namespace veltaro::plot
