// The window drawing a 999-day continuous diurnal graph, the longest drawing
// its boxes take: the time from the click to the end of the drawing, and the
// longest the event loop was kept from its turn meanwhile (how long a click or
// a repaint could have had to wait). And one zoom step with the graph holding
// all it may hold: the time until the graph is drawn anew at its new size, and
// the longest wait of the event loop meanwhile. Offscreen unless a display is
// given.
#include "calendar/observation.h"
#include "plot/drawingrecord.h"
#include "plot/graphwidget.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "veltaro-bench";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    static bool fonts = (veltaro::ui::installGothicSubstitutes(), true);
    (void)fonts;
    return app;
}

template <class T> T* child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

/// Sets the window's boxes for the 999-day continuous diurnal drawing.
void ask999Days(QWidget& window) {
    child<QRadioButton>(window, "optday")->setChecked(true);
    child<QRadioButton>(window, "optyes")->setChecked(true);
    child<QLineEdit>(window, "txtcont")->setText(QStringLiteral("999"));
    child<QLineEdit>(window, "txtnen")->setText(QStringLiteral("2002"));
    child<QLineEdit>(window, "txtgetu")->setText(QStringLiteral("8"));
    child<QLineEdit>(window, "txtniti")->setText(QStringLiteral("16"));
}

/// Turns the event loop until `done`, keeping the longest time between two
/// turns since `clock`'s `last` reading in `longestGap`.
template <class Done>
void turnUntil(Done done, const QElapsedTimer& clock, qint64 last, qint64& longestGap) {
    do {
        QApplication::processEvents();
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
    } while (!done());
}

/// A whole window run five times, timed by hand, with the best of the five beside
/// the mean (the host's load drifts).
void fiveTimesWithTheBest(benchmark::internal::Benchmark* b) {
    b->Iterations(1)
        ->Repetitions(5)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void BM_window_999_days(benchmark::State& bench) {
    application();
    veltaro::ObservationState state;
    veltaro::ui::frmushio window(state, [] { return QDate(2002, 8, 16); });
    window.show();
    QApplication::processEvents();
    qint64 longestGap = 0;
    for (auto _ : bench) {
        ask999Days(window);
        QElapsedTimer clock;
        clock.start();
        child<QPushButton>(window, "btnhyouji")->click();
        turnUntil([&window] { return !window.drawing(); }, clock, clock.nsecsElapsed(), longestGap);
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    bench.counters["longest_gap_ms"] = static_cast<double>(longestGap) * 1e-6;
    bench.SetItemsProcessed(bench.iterations() * 999 * 289);
}
BENCHMARK(BM_window_999_days)->Apply(fiveTimesWithTheBest);

/// Fills the window's document with 60-day drawings up to the bound, with curves
/// of the usual height (the values' source does not matter to the drawing).
void fillToTheBound(veltaro::plot::DrawingRecord& record) {
    using namespace veltaro::plot;
    PlotRequest request;
    request.mode = PlotMode::SixtyDay;
    const int steps = stepsPerPass(request.mode);
    for (int d = 0; record.stepCount() + std::size_t(steps) <= kMostRecordedSteps; ++d) {
        record.beginDrawing(request, steps);
        for (int t = 0; t < steps; ++t) {
            const double a = t * 0.0073 + d * 0.37;
            veltaro::astro::TideEvaluation e{};
            e.Ssea = 2.5e-5 * std::sin(2 * a);
            e.Msea = 5.5e-5 * std::cos(a + 0.2 * d);
            record.addStep(Moment{t, 2002, 8, 16, 0, 0}, e);
        }
        record.endDrawing(true);
    }
}

void BM_window_zoom_at_the_bound(benchmark::State& bench) {
    application();
    veltaro::ObservationState state;
    veltaro::ui::frmushio window(state, [] { return QDate(2002, 8, 16); });
    window.show();
    QApplication::processEvents();
    auto* graph = child<veltaro::plot::GraphWidget>(window, "Picture1");
    fillToTheBound(window.drawingRecord());
    auto settled = [graph] { return !graph->rendering(); };
    qint64 longestGap = 0;
    for (auto _ : bench) {
        const double to = window.zoom() == 1.0 ? 1.25 : 1.0;
        QElapsedTimer clock;
        clock.start();
        window.setZoom(to);
        qint64 last = clock.nsecsElapsed();
        longestGap = std::max(longestGap, last);
        do {
            QApplication::processEvents();
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, now - last);
            last = now;
        } while (!settled());
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    bench.counters["longest_gap_ms"] = static_cast<double>(longestGap) * 1e-6;
    bench.counters["steps"] = static_cast<double>(graph->record().stepCount());
}
BENCHMARK(BM_window_zoom_at_the_bound)
    ->Iterations(4)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

/// The zoom from 100 % to 200 % with the window's 999-day drawing on the graph:
/// the time until the graph is drawn anew at twice its size, and the longest
/// wait of the event loop meanwhile. Each return to 100 % is not timed.
void BM_window_zoom_999_days_to_200(benchmark::State& bench) {
    application();
    veltaro::ObservationState state;
    veltaro::ui::frmushio window(state, [] { return QDate(2002, 8, 16); });
    window.show();
    QApplication::processEvents();
    auto* graph = child<veltaro::plot::GraphWidget>(window, "Picture1");
    ask999Days(window);
    child<QPushButton>(window, "btnhyouji")->click();
    while (window.drawing()) {
        QApplication::processEvents();
    }
    auto settled = [graph] { return !graph->rendering(); };
    qint64 longestGap = 0;
    for (auto _ : bench) {
        window.setZoom(1.0);
        while (!settled()) {
            QApplication::processEvents();
        }
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        window.setZoom(2.0);
        const qint64 last = clock.nsecsElapsed();
        longestGap = std::max(longestGap, last);
        turnUntil(settled, clock, last, longestGap);
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    bench.counters["longest_gap_ms"] = static_cast<double>(longestGap) * 1e-6;
    bench.counters["steps"] = static_cast<double>(graph->record().stepCount());
}
BENCHMARK(BM_window_zoom_999_days_to_200)->Apply(fiveTimesWithTheBest);

} // namespace
