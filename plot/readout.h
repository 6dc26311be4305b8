#pragma once

// Reading values off the graph: which drawn step lies under a point of the graph,
// and what a step, a Moon picture and a new or full Moon mark say in words. The
// curves' values are what the drawing recorded, never evaluated again; only a
// Moon picture's 月齢 (days since the new Moon) is found anew from its moment,
// as the drawing has no such value. Plain C++, no Qt.

#include "plot/drawingrecord.h"

#include <initializer_list>
#include <optional>
#include <string>

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

/// A step in words: its moment on the drawing's clock (the time in a one-day
/// diurnal graph, with 24:00 for its last step; the date too in a continuous
/// drawing, where 24:00 belongs to the day it ends; date and time in the others)
/// and the heights the Sun, the Moon and both raise [cm, one decimal]:
/// "12:05 ＪＳＴ　太陽 12.3 cm　月 -20.1 cm　太陽＋月 -7.8 cm".
std::string stepText(const Drawing& drawing, const RecordedStep& step);

/// What a Moon picture shows, in words: the Sun-to-Moon angle its tooltip gives
/// [degrees], the moment, the phase on the 28-day scale (月相) and the Moon's age
/// (月齢, days since the last new Moon, from astro::moonAge):
/// "太陽から月までの角度 92.40°（赤道に沿って東回り）　2002年8月16日 0:00
/// 地方時　月相 7.2　月齢 7.6日".
std::string moonText(const Drawing& drawing, const RecordedStep& step);

/// How a mark is written: its sign on the graph and its name.
struct MarkWords {
    const char* sign; ///< the shape drawn for it, as a character: "●", "◆"
    const char* name; ///< "新月", "近地点"
};
MarkWords markWords(MarkKind kind);

/// "● 新月　○ 満月": the signs and names of `kinds`, for a legend.
std::string markLegend(std::initializer_list<MarkKind> kinds);

/// A mark in words with its moment on the drawing's clock, and the Moon's
/// distance or declination there: "● 新月 2002年8月9日 4:15 地方時",
/// "◆ 近地点 2026年12月24日 18:17 ＪＳＴ　距離 357,000 km",
/// "▲ 北の最大赤緯 2026年12月23日 21:26 ＪＳＴ　赤緯 +28.3°".
std::string markText(const Drawing& drawing, const AxisMark& mark);

/// What the graph reads at the cursor: the step found by stepAt (the cursor line
/// stands at its t) and its text, the tide name of its day on the drawing's
/// clock ("潮名 中潮（旧暦5日）", tideDays), then the text of the mark nearest
/// to x within `markReach`, which `mark` holds alone (empty when there is none).
struct GraphReading {
    int t;
    std::string text;
    const RecordedStep* step = nullptr;
    std::string mark{};
};
std::optional<GraphReading> readGraph(const DrawingRecord& record, const GraphPoint& at,
                                      double markReach);

/// What Moon picture k reads (moonText of moonStepAt); nothing when it shows nothing.
std::optional<std::string> readMoonPicture(const DrawingRecord& record, int k);

} // namespace veltaro::plot
