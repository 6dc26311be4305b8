// Running a drawing into the window: slices of the plot driver on the event loop.
#include "plot/plotcontroller.h"

#include "astro/calcworker.h"
#include "astro/tide.h"
#include "plot/graphpainter.h"
#include "plot/graphwidget.h"

#include <QElapsedTimer>
#include <QTimer>
#include <optional>
#include <utility>

#include <algorithm>

namespace veltaro::plot {

namespace {

// Steps between two looks at the clock within a slice, evaluated as one batch
// (a diurnal pass of 289 steps is one batch of its own): about half a
// millisecond of evaluating and drawing.
constexpr int kStepsPerLook = 1024;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

/// Draws into the window's pictures and hands everything else on as signals.
class ControllerSink : public PictureSink {
public:
    ControllerSink(PlotController& owner, GraphWidget& graph, QImage& surface,
                   const std::array<MoonWidget*, 13>& moons, const PlotRequest& request)
        : PictureSink(surface, graph.imageRatio(), {}, 1), m_owner(owner), m_graph(graph),
          m_moons(moons), m_record(graph.record(), request) {}

    void step(PlotMode mode, const Moment& moment, const astro::TideEvaluation& e) override {
        PictureSink::step(mode, moment, e);
        m_record.step(mode, moment, e);
    }
    /// The graph's, which changes when a drawing that started while the graph
    /// was drawn anew at another size goes on into the new image.
    double graphDpr() const override { return m_graph.imageRatio(); }

    void axisCaptions(const std::array<std::string, 13>& captions) override {
        QStringList list;
        for (const std::string& c : captions) {
            list << fromUtf8(c);
        }
        emit m_owner.axisCaptions(list);
    }
    void tooltipsCleared() override {
        for (int k = 0; k < 13; ++k) {
            emit m_owner.moonTooltip(k, QString());
        }
    }
    void dayChoiceHidden() override { emit m_owner.dayChoiceHidden(); }
    void dayName(const std::string& name) override { emit m_owner.dayName(fromUtf8(name)); }
    /// Kept until the pictures are shown: a long continuous drawing passes each
    /// picture many times between two repaints, and only the last phase is seen.
    void moonPhase(int k, double msangle) override {
        m_phases[static_cast<std::size_t>(k)] = msangle;
    }
    void moonAge(double msgangle) override {
        emit m_owner.moonAge(fromUtf8(moonAgeText(msgangle)));
    }
    void dateReached(int year, int month, int day) override {
        emit m_owner.dateReached(year, month, day);
    }

    /// Shows what has been drawn so far: the graph, and each Moon picture with
    /// its latest phase and tooltip.
    void show() {
        for (std::size_t k = 0; k < m_phases.size(); ++k) {
            if (const std::optional<double> msangle = std::exchange(m_phases[k], std::nullopt)) {
                if (MoonWidget* moon = m_moons[k]) {
                    moon->lunadraw(*msangle);
                }
                emit m_owner.moonTooltip(static_cast<int>(k), fromUtf8(moonAngleText(*msangle)));
            }
        }
        flush();
        m_graph.update();
    }
    /// The run is over: the record notes whether it ran to its end, and the
    /// graph gets the new and full Moons of the span it drew.
    void finish(bool ranToEnd) {
        m_record.finish(ranToEnd);
        if (!m_graph.record().drawings().empty()) {
            phases(m_graph.record().drawings().back());
        }
        show();
    }

private:
    PlotController& m_owner;
    GraphWidget& m_graph;
    std::array<MoonWidget*, 13> m_moons;
    RecordSink m_record;
    std::array<std::optional<double>, 13> m_phases; // not yet drawn
};

struct PlotController::Impl {
    Impl(ObservationState& s, GraphWidget* g, const std::array<MoonWidget*, 13>& m)
        : state(s), graph(g), moons(m) {}

    ObservationState& state;
    GraphWidget* graph;
    std::array<MoonWidget*, 13> moons;
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

PlotController::PlotController(ObservationState& state, GraphWidget* graph,
                               const std::array<MoonWidget*, 13>& moons, QObject* parent)
    : QObject(parent), d(std::make_unique<Impl>(state, graph, moons)) {
    d->timer.setInterval(0);
    connect(&d->timer, &QTimer::timeout, this, [this] {
        if (!d->run) {
            d->timer.stop();
            return;
        }
        if (d->sliceSteps > 0) {
            d->run->advance(d->sliceSteps);
        } else {
            QElapsedTimer clock;
            clock.start();
            while (!d->run->done() && clock.elapsed() < kSliceMs) {
                d->run->advance(kStepsPerLook);
            }
        }
        d->sink->show();
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
    if (d->run || !d->graph) {
        return false;
    }
    d->sink =
        std::make_unique<ControllerSink>(*this, *d->graph, d->graph->surface(), d->moons, request);
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
        emit failed(QStringLiteral("計算中に数値の異常が起きたため、描画を中止しました。"));
        emit finished(false);
        return;
    }
    emit finished(run->cancelled());
}

} // namespace veltaro::plot
