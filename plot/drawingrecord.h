#pragma once

// The record of what the graph shows: every step of every drawing since the last
// clear, in the order it was drawn. The picture on screen, the saved images, the
// printout and the CSV are all made from it. Plain C++, no Qt.

#include "astro/tide.h"
#include "plot/largeblocks.h"
#include "plot/phasemarks.h"
#include "plot/plotrequest.h"
#include "plot/plotrun.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veltaro::plot {

/// One step as it was drawn: the moment and the four results the graph and the
/// CSV use. 40 bytes; the moment is held in small whole numbers, which is exact
/// because the driver only ever steps whole minutes and hours.
struct RecordedStep {
    double Ssea;     ///< tide height raised by the Sun [km]
    double Msea;     ///< tide height raised by the Moon [km]
    double MSangle;  ///< Sun-to-Moon angle on the equatorial sphere [radians]
    double MSGangle; ///< Sun-to-Moon angle along the ecliptic [radians]
    std::int16_t t;  ///< step value, the x of the points (0..8640)
    std::int16_t year;
    std::int8_t month, day, hour, minute; ///< clock time on the meridian of the place

    /// The combined value the graph plots: Sun + Moon [km].
    double total() const { return Ssea + Msea; }
    /// The moment as the driver handed it to the evaluation.
    Moment moment() const;
};

/// One drawing: what was asked for, and the steps drawn, in order.
struct Drawing {
    PlotRequest request; ///< mode, start date and place, days
    std::vector<RecordedStep, LargeBlockAllocator<RecordedStep>> steps; ///< in the order drawn
    bool ended = false;          ///< the drawing ran to its end (not stopped or failed)
    std::vector<AxisMark> marks; ///< new and full Moon, perigee, apogee, greatest declinations on
                                 ///< its time axis (60-day, annual)

    PlotMode mode() const { return request.mode; }
    /// The largest t drawn (the drawing reached x = 0 .. lastT()); -1 before its first step.
    int lastT() const;
};

/// The most steps the graph holds, all its drawings together: 2,000,000 steps
/// of 40 bytes, 80 MB. That is 231 drawings of 60 days or a year over each
/// other, or 6,920 days of continuous diurnal drawing; a drawing that would pass
/// it is refused before it starts (roomRefusal), so that memory stays bounded
/// and nothing already drawn is lost.
inline constexpr std::size_t kMostRecordedSteps = 2'000'000;

/// Why a drawing does not fit on the graph, with the numbers the user is told.
struct RoomRefusal {
    enum class Reason {
        ClearFirst, ///< it fits on an empty graph: clear the graph first
        TooLong,    ///< it is larger than the graph ever holds: fewer days
    };
    Reason reason;
    std::size_t held;  ///< steps on the graph now
    std::size_t asked; ///< steps the drawing would add
    std::size_t limit; ///< kMostRecordedSteps
    int mostDays;      ///< continuous diurnal days that fit on an empty graph
};

class DrawingRecord;

/// Whether the drawing `request` would take `record` past kMostRecordedSteps,
/// and why; nothing when it fits.
std::optional<RoomRefusal> roomRefusal(const DrawingRecord& record, const PlotRequest& request);

/// Whether a drawing of `request` needs a graph of its own: the graph holds
/// drawings of another mode or read on another clock, whose time axis its
/// curves would not fit. Drawings of the same mode and clock accumulate.
bool startsFreshGraph(const DrawingRecord& record, const PlotRequest& request);

/// Which way up a Moon picture is drawn.
enum class MoonView {
    AsSeenThere,  ///< as the observer sees it: lit side mirrored south of the equator
    FromTheNorth, ///< always as seen from the northern hemisphere
};

/// The pole nearer an observer: South for a latitude below 0, North otherwise
/// (on the equator as well).
enum class Pole { North, South };
Pole nearerPole(double latDeg);

/// The Sun-to-Moon angle [radians] a picture of the Moon is drawn with for an
/// observer at `latDeg` [degrees], seen as `view` says. The phase drawn for
/// 2 pi - a is the mirror image of that for a, which is how an observer south
/// of the equator sees the Moon: there, and unless `view` is FromTheNorth,
/// 2 pi - msangleRad; msangleRad otherwise.
double moonDrawnAngleRad(double msangleRad, double latDeg, MoonView view);

/// What changed in a DrawingRecord, for the views that follow it.
enum class RecordChange {
    Grew,    ///< steps were added, or a drawing began or ended
    Cleared, ///< everything was forgotten
};

/// The drawing document: everything drawn on the graph since it was last
/// cleared, the Moon pictures' steps and each drawing's marks on the time axis. The
/// window owns it; the graph, the Moon pictures, the read-out, the zoom, the
/// saved pictures, printing and the CSV are views of it. A drawing under way
/// adds its steps, and whoever adds them publishes (publishGrowth) when the
/// views are to catch up: after each slice of a run.
class DrawingRecord {
public:
    using Observer = std::function<void(RecordChange)>;

    /// Starts a new drawing; its steps follow with addStep(). Room for all the
    /// steps the drawing will make is taken at once, and the new and full Moons
    /// of its span are found.
    void beginDrawing(const PlotRequest& request, int expectedSteps);
    /// One step of the drawing begun last.
    void addStep(const Moment& moment, const astro::TideEvaluation& e);
    /// The drawing begun last ran to its end; gives back room it did not use otherwise.
    void endDrawing(bool ranToEnd);
    /// Forgets everything (the graph was cleared).
    void clear();

    const std::vector<Drawing>& drawings() const { return m_drawings; }
    /// True while the drawing begun last has not ended: its steps are still coming.
    bool drawingOpen() const { return m_open; }
    /// True when no step is recorded: nothing on the graph to save.
    bool empty() const;
    std::size_t stepCount() const;
    /// Where the step the Moon picture k (0..12) shows stands: the last step
    /// drawn at t = 720 k, if any. Kept as steps are added.
    struct StepIndex {
        std::size_t drawing;
        std::size_t step;
    };
    std::optional<StepIndex> moonPictureStep(int k) const;
    /// The Sun-to-Moon angle [radians] Moon picture k shows: that of moonPictureStep(k).
    std::optional<double> moonAngleRad(int k) const;
    /// The angle [radians] Moon picture k is drawn with, seen as `view` says
    /// from the drawing's place (the free function moonDrawnAngleRad).
    std::optional<double> moonDrawnAngleRad(int k, MoonView view) const;
    /// The angle [radians] Moon picture k's tooltip names: moonAngleRad(k), except
    /// that a 60-day or annual drawing starts with every tooltip empty and names
    /// only the pictures it has reached itself.
    std::optional<double> moonTooltipAngleRad(int k) const;
    /// The mode whose captions the time axis takes: the last drawing's.
    std::optional<PlotMode> axisMode() const;
    /// Memory held by the record [bytes].
    std::size_t bytes() const;

    /// `observer` is told of every change from now on, until unobserve(id).
    /// Observing does not change the document: a view holds it const.
    int observe(Observer observer) const;
    void unobserve(int id) const;
    /// Tells the observers that the record grew (steps added since the last time).
    void publishGrowth();

private:
    void tell(RecordChange change);

    std::vector<Drawing> m_drawings;
    bool m_open = false;
    std::array<std::optional<StepIndex>, kMoonPictures> m_moonPictures{};
    mutable std::vector<std::pair<int, Observer>> m_observers;
    mutable int m_nextObserver = 0;
};

/// A PlotSink that records a run into a DrawingRecord. Call finish() when the
/// run is over.
class RecordSink : public PlotSink {
public:
    RecordSink(DrawingRecord& record, const PlotRequest& request);
    void step(PlotMode mode, const Moment& moment, const astro::TideEvaluation& e) override;
    void finish(bool ranToEnd);

private:
    DrawingRecord& m_record;
};

// --- a place and a date as the files write them --------------------------------

/// An angle as whole degrees, minutes and seconds with its hemisphere:
/// "35°39′16″N", "139°44′41″E", "135°30′00″W" (rounded to the second).
std::string dmsText(double degrees, bool latitude);
/// The place, latitude first: "35°39′16″N 139°44′41″E".
std::string placeText(double lat, double lon);
/// A date as YYYY-MM-DD.
std::string isoDate(double year, double month, double day);

} // namespace veltaro::plot
