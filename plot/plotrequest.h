#pragma once

#include "calendar/input.h"

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
    int days = 1;             ///< 1..32767, used when `continuous`
};

} // namespace veltaro::plot
