#pragma once

#include "calendar/clockchoice.h"
#include "calendar/input.h"
#include "calendar/words.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace veltaro::plot {

/// The period one drawing covers.
enum class PlotMode {
    Diurnal,  ///< 24 hours, a point every 5 minutes (289 a day)
    SixtyDay, ///< 60 days, a point every 10 minutes (8641)
    Annual,   ///< 360 days, a point every hour (8641)
};

/// Last value of the step t; t is also the x of the plotted points (0..8640).
inline constexpr int kLastT = 8640;
/// Steps of t between two Moon pictures (one column of the graph), in every mode.
inline constexpr int kColumn = 720;
/// The Moon pictures beside the graph, one at each t = kColumn k: 13.
inline constexpr int kMoonPictures = kLastT / kColumn + 1;

/// What a mode is: everything that differs from one mode to another, in one row.
struct ModeDefinition {
    PlotMode mode;
    int tPerStep;            ///< increment of t from one step to the next
    int hoursPerStep;        ///< the clock's advance from one step to the next:
    int minutesPerStep;      ///< these hours and minutes
    int captionStep;         ///< the axis captions read 0, captionStep, 2 captionStep ...
    const char* captionUnit; ///< ... in this unit (UTF-8)
    bool severalDays;        ///< may draw consecutive days over each other
    bool phaseMarks;         ///< new and full Moons are marked on its time axis
    bool emptiesTooltips;    ///< starts with every Moon picture's tooltip empty
    const char* name;        ///< as the window's option buttons word it (UTF-8)
    const char* option;      ///< as veltaro-tide's --mode takes it
};

/// The modes, in the order of PlotMode.
inline constexpr std::array<ModeDefinition, 3> kModes{{
    {PlotMode::Diurnal, 30, 0, 5, 2, VELTARO_WORD("veltaro::words", "時"), true, false, false,
     VELTARO_WORD("veltaro::words", "日周変化"), "day"},
    {PlotMode::SixtyDay, 1, 0, 10, 5, VELTARO_WORD("veltaro::words", "日"), false, true, true,
     VELTARO_WORD("veltaro::words", "60日変化"), "60"},
    {PlotMode::Annual, 1, 1, 0, 30, VELTARO_WORD("veltaro::words", "日"), false, true, true,
     VELTARO_WORD("veltaro::words", "年周変化"), "year"},
}};
static_assert(kModes[0].mode == PlotMode::Diurnal && kModes[1].mode == PlotMode::SixtyDay &&
              kModes[2].mode == PlotMode::Annual);

constexpr const ModeDefinition& modeDefinition(PlotMode mode) {
    return kModes[static_cast<std::size_t>(mode)];
}
/// Increment of t from one step to the next: 30 in the diurnal mode, else 1.
constexpr int tIncrement(PlotMode mode) {
    return modeDefinition(mode).tPerStep;
}
/// Steps of one pass over the graph: 289 diurnal, 8641 otherwise.
constexpr int stepsPerPass(PlotMode mode) {
    return kLastT / tIncrement(mode) + 1;
}
/// Minutes of clock time one unit of the graph's x stands for: 1/6 in the
/// diurnal graph (10 s), 10 in the 60-day graph, 60 in the annual graph.
constexpr double minutesPerUnit(PlotMode mode) {
    const ModeDefinition& m = modeDefinition(mode);
    return (m.hoursPerStep * 60.0 + m.minutesPerStep) / m.tPerStep;
}
/// The mode as the tool's --mode takes it: "day", "60", "year".
std::string modeOption(PlotMode mode);

/// A clock's short name, as it follows a time on screen: "地方時" (local mean
/// time), "ＪＳＴ", "ＵＴ" (words marked VELTARO_WORD), "UT+05:30".
std::string clockShortWord(const ClockChoice& clock);

/// What the user asked for when the drawing started; the run keeps these values
/// whatever happens to the boxes meanwhile.
struct PlotRequest {
    PlotMode mode = PlotMode::Diurnal;
    ObservationInput start{}; ///< validated date and point read from the boxes
    bool continuous = false;  ///< diurnal only: draw `days` consecutive days
    int days = 1;             ///< 1..kMostContinuousDays, used when `continuous`
    ClockChoice clock{};      ///< the clock its times are read on (local mean time by default)
};

/// The most days a continuous drawing from the date of `start` may draw: its
/// last drawn day is the last accepted date (2400-12-31), and it draws at most
/// kMostContinuousDays. 1 from the last accepted date itself.
int longestContinuousRun(const ObservationInput& start);

/// The request as a run carries it out: several days only where the mode draws
/// them, and then at most longestContinuousRun; one day otherwise. The driver,
/// the record and the window all take a request through this one rule.
PlotRequest normalized(const PlotRequest& request);

/// Why a drawing is not drawn: the problem, the box at fault and, for a
/// continuous drawing that would run past the last accepted date
/// (InputProblem::ContinuousReach), the most days one from its start may take.
struct RequestRefusal {
    InputProblem problem = InputProblem::None;
    InputBox box = InputBox::None;
    int longestDays = 0;
};

/// Why `request` is not drawn, or nothing when it may be drawn. The readers
/// have checked the start and the number of days each on its own; this is the
/// rule on both together: a continuous drawing ends by the last accepted date.
std::optional<RequestRefusal> requestRefusal(const PlotRequest& request);

/// A drawing as it is asked for, in typed texts: the date and the point box by
/// box, the mode, and the days of a continuous drawing.
struct RequestTexts {
    InputTexts place;
    PlotMode mode = PlotMode::Diurnal;
    std::optional<std::string> days; ///< the days' text, when several days are asked for
};

/// Reads typed texts into a request, or the first refusal in the order date,
/// longitude, latitude, days, reach (requestRefusal). Days asked for in a mode
/// that draws one pass are ignored. The window's boxes and veltaro-tide's
/// options both come through here.
std::variant<PlotRequest, RequestRefusal> readRequest(const RequestTexts& texts);

} // namespace veltaro::plot
