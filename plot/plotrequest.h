#pragma once

#include "calendar/input.h"

#include <optional>
#include <string>

namespace veltaro::plot {

/// The period one drawing covers.
enum class PlotMode {
    Diurnal,  ///< 24 hours, a point every 5 minutes (289 a day)
    SixtyDay, ///< 60 days, a point every 10 minutes (8641)
    Annual,   ///< 360 days, a point every hour (8641)
};

/// What the user asked for when the drawing started; the run keeps these values
/// whatever happens to the boxes meanwhile.
struct PlotRequest {
    PlotMode mode = PlotMode::Diurnal;
    ObservationInput start{}; ///< validated date and point read from the boxes
    bool continuous = false;  ///< diurnal only: draw `days` consecutive days
    int days = 1;             ///< 1..kMostContinuousDays, used when `continuous`
};

/// The most days a continuous drawing from the date of `start` may draw: its
/// last drawn day is the last accepted date (2400-12-31), and it draws at most
/// kMostContinuousDays. 1 from the last accepted date itself.
int longestContinuousRun(const ObservationInput& start);

/// Why `request` is not drawn, as the user is told (UTF-8), or nothing when it
/// may be drawn. The readers have checked the start and the number of days each
/// on its own; this is the rule on both together: a continuous drawing ends by
/// the last accepted date. The window and veltaro-tide both ask it before a run.
std::optional<std::string> requestRefusal(const PlotRequest& request);

} // namespace veltaro::plot
