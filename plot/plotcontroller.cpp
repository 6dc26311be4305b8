// Running a drawing into the window: slices of the plot driver on the event loop.
#include "plot/plotcontroller.h"

#include "astro/calcworker.h"
#include "astro/tide.h"
#include "plot/drawingrecord.h"
#include "plot/graphwidget.h"
#include "plot/words.h"

#include <QElapsedTimer>
#include <QTimer>
#include <optional>
#include <utility>

#include <algorithm>

namespace veltaro::plot {

namespace {

// Steps between two looks at the clock within a slice, evaluated as one batch
// (a pass of a diurnal drawing that is not continuous ends its batch): about
// 0.4 ms of evaluating and drawing, which a slice may run over by.
constexpr int kStepsPerLook = 2048;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

/// Records a run into the document and hands everything else on as signals.
class ControllerSink : public RecordSink {
public:
    ControllerSink(PlotController& owner, DrawingRecord& record, const PlotRequest& request)
        : RecordSink(record, request), m_owner(owner), m_record(record) {}

    void axisCaptions(PlotMode mode) override { emit m_owner.axisCaptions(mode); }
    void dayChoiceHidden() override { emit m_owner.dayChoiceHidden(); }
    void dayName(const std::string& name) override { emit m_owner.dayName(fromUtf8(name)); }
    void moonPhaseAtNoon(double msgangleRad) override {
        emit m_owner.moonPhase(fromUtf8(moonPhaseText(msgangleRad)));
    }
    void dateReached(int year, int month, int day) override {
        emit m_owner.dateReached(year, month, day);
    }

    /// The views catch up with what has been drawn so far.
    void show() { m_record.publishGrowth(); }

private:
    PlotController& m_owner;
    DrawingRecord& m_record;
};

struct PlotController::Impl {
    Impl(ObservationState& s, DrawingRecord& r) : state(s), record(r) {}

    ObservationState& state;
    DrawingRecord& record;
    // Kept from drawing to drawing: its helper thread evaluates half of each batch.
    astro::CalcWorker worker;
    BatchEvaluator evaluator = [this](std::span<const astro::TideInput> at,
                                      std::span<astro::TideEvaluation> out) {
        return worker(at, out);
    };
    int sliceSteps = 0; // steps a slice, or 0 for a slice of kSliceMs
    QTimer timer;
    std::unique_ptr<ControllerSink> sink;
    std::unique_ptr<PlotRun> run;
};

PlotController::PlotController(ObservationState& state, DrawingRecord& record, QObject* parent)
    : QObject(parent), d(std::make_unique<Impl>(state, record)) {
    d->timer.setInterval(0);
    connect(&d->timer, &QTimer::timeout, this, [this] {
        if (!d->run) {
            d->timer.stop();
            return;
        }
        if (d->sliceSteps > 0) {
            d->run->advance(d->sliceSteps);
            d->sink->show();
        } else {
            // The views catch up after each batch, so that their drawing
            // counts against the slice's time too.
            QElapsedTimer clock;
            clock.start();
            while (!d->run->done() && clock.elapsed() < kSliceMs) {
                d->run->advance(kStepsPerLook);
                d->sink->show();
            }
        }
        emit progress(d->run->stepsDone(), d->run->totalSteps());
        // A handler of progress may have cancelled the run already.
        if (d->run && d->run->done()) {
            finish();
        }
    });
}

PlotController::~PlotController() = default;

void PlotController::setEvaluator(Evaluator evaluator) {
    d->evaluator = oneByOne(std::move(evaluator));
}

void PlotController::setSliceSteps(int steps) {
    d->sliceSteps = std::max(steps, 0);
}

bool PlotController::running() const {
    return d->run != nullptr;
}

bool PlotController::prepare(const PlotRequest& request) {
    if (d->run) {
        return false;
    }
    d->sink = std::make_unique<ControllerSink>(*this, d->record, request);
    d->run = std::make_unique<PlotRun>(d->state, request, *d->sink, d->evaluator);
    return true;
}

void PlotController::start(const PlotRequest& request) {
    if (prepare(request)) {
        d->timer.start();
    }
}

void PlotController::runToEnd(const PlotRequest& request) {
    if (!prepare(request)) {
        return;
    }
    d->run->runToEnd();
    d->sink->show();
    emit progress(d->run->stepsDone(), d->run->totalSteps());
    finish();
}

void PlotController::cancel() {
    if (!d->run) {
        return;
    }
    d->run->cancel();
    d->sink->show();
    finish();
}

void PlotController::finish() {
    d->timer.stop();
    // The run and its sink go before the signals, so that a handler may start
    // the next drawing at once.
    const std::unique_ptr<PlotRun> run = std::move(d->run);
    const std::unique_ptr<ControllerSink> sink = std::move(d->sink);
    sink->finish(!run->cancelled() && !run->fault());
    if (run->fault()) {
        emit failed(arithmeticFaultMessage());
        emit finished(false);
        return;
    }
    emit finished(run->cancelled());
}

} // namespace veltaro::plot
