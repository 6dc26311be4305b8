#pragma once

// New and full Moon on the time axis of the 60-day and annual graphs. Plain C++,
// no Qt.

#include "astro/moonphase.h"
#include "plot/plotrequest.h"

#include <vector>

namespace veltaro::plot {

/// A new or full Moon within the span of a drawing.
struct PhaseMark {
    astro::MoonPhase kind; ///< New or Full
    double x;              ///< where it falls on the graph's user scale (0..8640)
    double jdUT;           ///< its moment [Julian day, universal time]
};

/// The new and full Moons a drawing of `request` spans.
///
/// Given:
///   request   mode, start date and point of the drawing
///
/// Returned:
///   60-day and annual graphs: every new and full Moon from 00:00 of the start
///   date (x = 0) to the end of the graph (x = 8640), in time order, found by
///   astro::moonPhaseEvents. The diurnal graph gets none.
///
/// Notes:
///  1. The drawing steps the clock of the meridian request.start.lon in whole
///     minutes or hours, so x runs on uniformly with time:
///     x = (jdUT - jdUT of the start) x 1440 / minutesPerUnit.
///  2. A span the phase search cannot handle gives no marks rather than a fault.
std::vector<PhaseMark> phaseMarks(const PlotRequest& request);

} // namespace veltaro::plot
