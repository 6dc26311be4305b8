#pragma once

// Marks on the time axis of the 60-day and annual graphs: new and full Moon, the
// Moon's perigee and apogee and its greatest northern and southern declination.
// Plain C++, no Qt.

#include "plot/plotrequest.h"

#include <vector>

namespace veltaro::plot {

/// What a mark marks. New and full Moon share the bottom row of marks; the
/// distance's and the declination's events have a row each above it.
enum class MarkKind {
    NewMoon,
    FullMoon,
    Perigee,
    Apogee,
    GreatestNorth, ///< the Moon's greatest northern declination
    GreatestSouth, ///< the Moon's greatest southern declination
};

/// One mark within the span of a drawing.
struct AxisMark {
    MarkKind kind;
    double x;     ///< where it falls on the graph's user scale (0..8640)
    double jdUT;  ///< its moment [Julian day, universal time]
    double value; ///< the Moon's distance [km] or declination [degrees] there; 0 for a phase
};

/// The marks a drawing of `request` spans.
///
/// Given:
///   request   mode, start date and point of the drawing
///
/// Returned:
///   60-day and annual graphs: every new and full Moon (astro::moonPhaseEvents),
///   perigee, apogee and greatest declination (astro::moonEvents) from 00:00 of
///   the start date (x = 0) to the end of the graph (x = 8640), in time order.
///   The diurnal graph gets none.
///
/// Notes:
///  1. The drawing steps the clock of the meridian request.start.lon in whole
///     minutes or hours, so x runs on uniformly with time:
///     x = (jdUT - jdUT of the start) x 1440 / minutesPerUnit.
///  2. A span the searches cannot handle gives no marks rather than a fault.
///  3. The equator crossings are left out: they fall midway between the
///     declination's extremes and say nothing the curves need.
std::vector<AxisMark> axisMarks(const PlotRequest& request);

} // namespace veltaro::plot
