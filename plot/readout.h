#pragma once

// Reading values off the graph: which drawn step lies under a point of the graph,
// and the values a step, a Moon picture and a mark are told with (plot/words.h
// says them). The curves' values are what the drawing recorded, never evaluated
// again; only a Moon picture's 月齢 (days since the new Moon) is found anew from
// its moment, as the drawing has no such value. Plain C++, no Qt.

#include "plot/drawingrecord.h"
#include "plot/tidename.h"

#include <optional>

namespace veltaro::plot {

/// A drawn step and the drawing it belongs to.
struct StepAt {
    const Drawing* drawing;
    const RecordedStep* step;
};

/// x of the graph's user scale (0..8640) at the centre of pixel column `column`
/// of an inner area `width` pixels wide (any pixel unit, as long as both agree).
double scaleXOfColumn(int column, int width);

/// Where the cursor points on the graph: user x (0..8640) and, when known, the
/// height [km] of the graph at the cursor and how far from it a curve may be and
/// still count as pointed at [km].
struct GraphPoint {
    double x;
    std::optional<double> heightKm{};
    double reachKm = 0;
};

/// The step under the cursor: in the most recent drawing that has steps, t is
/// the multiple of the mode's increment nearest to x (30 diurnal, 1 otherwise).
/// A continuous drawing draws one step a day at that t: of those, the day one of
/// whose three curves (Sun, Moon, both) passes nearest the cursor's height,
/// within reachKm; when no day's curve is that near, the last day drawn.
/// Nothing when nothing is drawn, when x lies more than half an increment
/// outside 0..8640, or when the drawing did not reach that t (it was stopped).
std::optional<StepAt> stepAt(const DrawingRecord& record, const GraphPoint& at);

/// The step Moon picture k (0..12) shows: the last one drawn at t = 720 k, in
/// whichever drawing that was.
std::optional<StepAt> moonStepAt(const DrawingRecord& record, int k);

/// The mark of `drawing` nearest to x within `reach` units, among those the
/// drawing reached.
const AxisMark* markNear(const Drawing& drawing, double x, double reach);

/// A calendar date.
struct CalendarDate {
    int year;
    int month; ///< 1..12
    int day;   ///< 1..31
};
/// The date of the day whose 24:00 the step at t = kLastT of a diurnal pass is:
/// the day before the step's own date.
CalendarDate dayBefore(const RecordedStep& step);
/// The day of the lunar month and the tide name of the day a step belongs to,
/// on the drawing's clock (24:00 belongs to the day it ends); nothing where it
/// cannot be found.
std::optional<TideDay> tideDayOf(const Drawing& drawing, const RecordedStep& step);
/// The Moon's age at a step (月齢, days since the last new Moon, from
/// astro::moonAge), found anew from its moment; nothing where that fails.
std::optional<double> moonAgeOf(const Drawing& drawing, const RecordedStep& step);
/// How a mark is shown: its sign on the graph and its name (a word marked
/// VELTARO_WORD, said by the interface in its language).
struct MarkWords {
    const char* sign; ///< the shape drawn for it, as a character: "●", "◆"
    const char* name; ///< "新月", "近地点"
};
MarkWords markWords(MarkKind kind);
/// A mark's moment on the drawing's clock, to the minute.
struct MarkMoment {
    int year, month, day, hour, minute;
};
MarkMoment markMoment(const Drawing& drawing, const AxisMark& mark);

} // namespace veltaro::plot
