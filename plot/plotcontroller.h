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

class GraphWidget;
class MoonWidget;

/// Runs a drawing into the window's graph and Moon pictures.
///
/// The run is carried out in short slices on the window's event loop, so the
/// window stays responsive and repaints; everything the run writes besides the
/// pictures reaches the window through the signals below, in the order a run
/// produces it, but for the Moon pictures and their tooltips: those are brought
/// up to date, each with its latest phase, whenever the drawing is shown (after
/// every slice and at the end).
class PlotController : public QObject {
    Q_OBJECT
public:
    PlotController(ObservationState& state, GraphWidget* graph,
                   const std::array<MoonWidget*, 13>& moons, QObject* parent = nullptr);
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
    void axisCaptions(const QStringList& captions);   ///< the 13 captions of lblnum
    void dayName(const QString& name);                ///< caption of daykannsi
    void moonTooltip(int index, const QString& text); ///< picmoon(index) tooltip, "" clears
    void moonAge(const QString& text);                ///< caption of lblmage
    void dayChoiceHidden();                           ///< the annual run hides Frame2
    void dateReached(int year, int month, int day);   ///< continuous run: write the date boxes
    void progress(int done, int total);               ///< steps evaluated and drawn so far
    void finished(bool cancelled);                    ///< the run is over
    void failed(const QString& message);              ///< an arithmetic fault ended the run

private:
    bool prepare(const PlotRequest& request);
    void finish();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace veltaro::plot
