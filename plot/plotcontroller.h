#pragma once

#include "calendar/observation.h"
#include "plot/plotrequest.h"
#include "plot/plotrun.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

namespace veltaro::plot {

class DrawingRecord;

/// Runs a drawing into the window's drawing document.
///
/// The run is carried out in short slices on the window's event loop, so the
/// window stays responsive and repaints. Its steps go into the document, which
/// tells its views (the graph, the Moon pictures, the tooltips) after every
/// slice and at the end; everything else the run writes reaches the window
/// through the signals below, in the order a run produces it.
class PlotController : public QObject {
    Q_OBJECT
public:
    /// Runs over `state` into `record`; both must outlive the controller.
    PlotController(ObservationState& state, DrawingRecord& record, QObject* parent = nullptr);
    ~PlotController() override;

    /// Starts a run with a validated request; returns at once (the run goes on
    /// from the event loop). Ignored while a run is under way.
    void start(const PlotRequest& request);
    /// Carries out a whole run before returning (tests, the tool).
    void runToEnd(const PlotRequest& request);
    /// Ends the run under way after the step being drawn; what was drawn stays.
    void cancel();
    bool running() const;

    /// Replaces the program's evaluation (batches on two cores, astro::CalcWorker)
    /// by one moment at a time with `evaluator`; for tests that need a fault or
    /// known values.
    void setEvaluator(Evaluator evaluator);
    /// Makes each slice of the event-loop run carry out exactly `steps` steps
    /// instead of as many as fit in its time; 0 goes back to time. For tests
    /// that need a run to take a known number of slices.
    void setSliceSteps(int steps);

signals:
    void axisCaptions(veltaro::plot::PlotMode mode); ///< lblnum takes the mode's captions
    void dayName(const QString& name);               ///< caption of daykannsi
    void moonPhase(const QString& text);             ///< caption of lblmage: 月相 at noon
    void dayChoiceHidden();                          ///< the annual run hides Frame2
    void dateReached(int year, int month, int day);  ///< continuous run: write the date boxes
    void progress(int done, int total);              ///< steps evaluated and drawn so far
    void finished(bool cancelled);                   ///< the run is over
    void failed(const QString& message);             ///< an arithmetic fault ended the run

private:
    bool prepare(const PlotRequest& request);
    void finish();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace veltaro::plot
