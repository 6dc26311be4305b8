#pragma once

// The plot driver: one drawing (a day, several days, 60 days or a year) as a
// sequence of steps over the observation state. Plain C++: it knows nothing of
// widgets or images and reports everything it produces to a PlotSink.

#include "astro/tide.h"
#include "calendar/observation.h"
#include "plot/plotrequest.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace veltaro::plot {

/// Steps the run of `request` carries out when nothing stops it: one pass, or
/// one a day of a continuous diurnal drawing, whose days end by the last
/// accepted date (longestContinuousRun).
int plannedSteps(const PlotRequest& request);

/// `value` with `decimals` digits after the point, as printf's "%.*f" in the C
/// locale whatever the locale in force: every number the program writes has '.'.
std::string fixedText(double value, int decimals);

/// Tooltip of a Moon picture: the Sun-to-Moon angle `msangleRad` [radians] in
/// degrees with two decimals ("90.00"); always a '.' as decimal separator.
std::string moonAngleText(double msangleRad);
/// 月相, the Moon's phase on a scale of 28 to a cycle, from the ecliptic
/// Sun-to-Moon angle `msgangleRad` [radians], with one decimal ("14.0"). Not
/// 月齢, the Moon's age in days since the new Moon (astro::moonAge).
std::string moonPhaseText(double msgangleRad);

/// One observation moment of a run, as the driver set it before evaluating.
struct Moment {
    int t = 0;         ///< step value, the x of the points
    double year = 0;   ///< obsyear
    double month = 0;  ///< obsmonth
    double day = 0;    ///< obsday
    double hour = 0;   ///< obshour
    double minute = 0; ///< obsminute
};

/// Everything a run produces, in the order it produces it.
class PlotSink {
public:
    virtual ~PlotSink() = default;

    /// The time axis takes the captions of the run's mode (ModeDefinition's
    /// captionStep and captionUnit).
    virtual void axisCaptions(PlotMode mode) { (void)mode; }
    /// The 60-day and annual modes empty every Moon picture's tooltip first.
    virtual void tooltipsCleared() {}
    /// The annual mode hides the one-day / continuous choice.
    virtual void dayChoiceHidden() {}
    /// The sexagenary name of the day whose 0 h Julian day the state holds.
    virtual void dayName(const std::string& name) { (void)name; }
    /// One step: the moment as it was evaluated and what the evaluation gave.
    virtual void step(PlotMode mode, const Moment& moment, const astro::TideEvaluation& e) = 0;
    /// At t = 720 k: the Sun-to-Moon angle [radians] Moon picture k (0..12) shows.
    virtual void moonPicture(int k, double msangleRad) {
        (void)k;
        (void)msangleRad;
    }
    /// Diurnal mode at t = 4320 (noon): the ecliptic Sun-to-Moon angle
    /// [radians] whose 月相 (moonPhaseText) lblmage shows.
    virtual void moonPhaseAtNoon(double msgangleRad) { (void)msgangleRad; }
    /// A continuous drawing has written the date it reached back to the state:
    /// the day after the last drawn day, for the date boxes.
    virtual void dateReached(int year, int month, int day) {
        (void)year;
        (void)month;
        (void)day;
    }
};

/// The moment and point the observation state holds, as calc takes them.
astro::TideInput tideInputOf(const ObservationState& state);

/// What the evaluation takes for `moment`, a time on the clock of `request`
/// (ClockChoice), at its place: the same moment in the mean solar time of the
/// place's meridian, which the evaluation reads (minutesToLocalMean added to the
/// minute; nothing changes on the local mean clock).
astro::TideInput evaluationInput(const PlotRequest& request, const Moment& moment);

/// Evaluates one moment, as astro::calc does; may throw ArithmeticFault. Tests
/// put one in place of the program's batch evaluation to see a fault or known values.
using Evaluator = std::function<astro::TideEvaluation(const astro::TideInput&)>;

/// Evaluates the moments of a slice into `out` (as many), as astro::calcBatch
/// does: the program's path, astro::calcBatch or an astro::CalcWorker. A fault
/// ends the batch at its moment (BatchOutcome).
using BatchEvaluator = std::function<astro::BatchOutcome(std::span<const astro::TideInput> at,
                                                         std::span<astro::TideEvaluation> out)>;

/// A batch evaluator that evaluates moment after moment with `evaluator` and
/// stops at the first that throws ArithmeticFault, evaluating nothing after it.
BatchEvaluator oneByOne(Evaluator evaluator);

/// One drawing in progress.
///
/// A run is advanced in slices: each slice first plans its moments (sets each
/// moment in the state, then advances the clock by the mode's amount and
/// normalises it with datecheck), then evaluates them all as one batch, then
/// reports them to the sink in order. A slice ends at the latest with the pass,
/// except that the days of a continuous diurnal drawing follow one another
/// within a slice. Between slices the observation state stands
/// exactly where the step-by-step algorithm would leave it; a run may be
/// cancelled there.
class PlotRun {
public:
    /// `state` is the program's observation state, written by the run; `sink`
    /// receives everything produced. Both must outlive the run. Nothing happens
    /// until the first advance().
    PlotRun(ObservationState& state, const PlotRequest& request, PlotSink& sink,
            BatchEvaluator evaluator);
    /// The same with moment-by-moment evaluation (oneByOne).
    PlotRun(ObservationState& state, const PlotRequest& request, PlotSink& sink,
            Evaluator evaluator);

    /// Carries out up to `maxSteps` steps (at least one, unless the run is over)
    /// as one slice; returns the number carried out. A fault ends the run after
    /// the steps before its moment have been reported.
    int advance(int maxSteps);
    /// Carries out everything that is left.
    void runToEnd();
    /// Ends the run between two steps. A continuous drawing with at least one
    /// whole day drawn writes back the day after the last whole day, as if only
    /// those days had been asked for; anything else leaves the date alone.
    void cancel();

    bool done() const { return m_phase == Phase::Done; }
    bool cancelled() const { return m_cancelled; }
    /// The message of the arithmetic fault that ended the run, if one did.
    const std::optional<std::string>& fault() const { return m_fault; }
    /// Steps carried out so far, and all the run will carry out.
    int stepsDone() const { return m_stepsDone; }
    int totalSteps() const { return m_totalSteps; }
    /// Whole days drawn so far in a continuous drawing.
    int daysDone() const { return m_dayCount; }

private:
    enum class Phase { NotStarted, Steps, Done };

    void begin();
    void startDay();
    void endOfPass();
    void writeBackDate();
    int plan(int count);
    std::size_t evaluate(int count);
    void report(std::size_t count);
    void showDayName();

    ObservationState& m_state;
    PlotRequest m_request;
    PlotSink& m_sink;
    BatchEvaluator m_evaluator;

    Phase m_phase = Phase::NotStarted;
    bool m_cancelled = false;
    std::optional<std::string> m_fault;
    int m_t = 0;        // t of the next step in the pass
    int m_dayCount = 0; // whole days drawn (continuous drawing)
    int m_stepsDone = 0;
    int m_totalSteps = 0;
    Moment m_dayStart; // date of the day being drawn (diurnal)

    // One slice: planned moments, as the evaluation takes them, and their evaluations.
    std::vector<Moment> m_moments;
    std::vector<astro::TideInput> m_inputs;
    std::vector<astro::TideEvaluation> m_results;
};

} // namespace veltaro::plot
