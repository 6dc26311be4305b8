// Whole drawings into off-screen images beside the bare evaluations they need:
// how much the driver and the drawing add to the 8641 evaluations of a run.
#include "astro/calcworker.h"
#include "astro/tide.h"
#include "calendar/calendar.h"
#include "calendar/kansi.h"
#include "plot/graphpainter.h"
#include "plot/plotrun.h"

#include <benchmark/benchmark.h>
#include <cstdint>

#include <vector>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

constexpr double kLon = 139 + 44.0 / 60 + 41.0 / 3600;
constexpr double kLat = 35 + 39.0 / 60 + 16.0 / 3600;

PlotRequest requestFor(PlotMode mode) {
    PlotRequest r;
    r.mode = mode;
    r.start = ObservationInput{2002, 8, 16, kLon, kLat};
    return r;
}

/// The program's evaluation: slices as batches, on two cores.
BatchEvaluator programEvaluator() {
    static astro::CalcWorker worker;
    return [](std::span<const astro::TideInput> at, std::span<astro::TideEvaluation> out) {
        return worker(at, out);
    };
}

/// The 8641 moments of an annual run, stepped beforehand.
std::vector<ObservationState> annualMoments() {
    std::vector<ObservationState> moments;
    ObservationState s;
    s.obsyear = 2002;
    s.obsmonth = 8;
    s.obsday = 16;
    s.obslat = kLat;
    s.obslon = kLon;
    for (int t = 0; t <= 8640; ++t) {
        moments.push_back(s);
        s.obshour += 1;
        datecheck(s);
    }
    return moments;
}

/// Counts steps and nothing else.
struct NullSink : PlotSink {
    long steps = 0;
    void step(PlotMode, const Moment&, const astro::TideEvaluation& e) override {
        steps += e.Ssea > 1; // keeps the evaluation alive
    }
};

} // namespace

// The evaluations of an annual run alone, one calc after another.
static void BM_calc_8641(benchmark::State& bench) {
    const std::vector<ObservationState> moments = annualMoments();
    for (auto _ : bench) {
        for (const ObservationState& s : moments) {
            benchmark::DoNotOptimize(astro::calc(tideInputOf(s)));
        }
    }
    bench.SetItemsProcessed(bench.iterations() * 8641);
}
BENCHMARK(BM_calc_8641)->Unit(benchmark::kMillisecond);

// The driver with nothing drawn: stepping, datecheck, evaluation, reporting.
static void BM_run_annual_nodraw(benchmark::State& bench) {
    for (auto _ : bench) {
        ObservationState state;
        kansiinit(state.kansiname);
        NullSink sink;
        PlotRun run(state, requestFor(PlotMode::Annual), sink, programEvaluator());
        run.runToEnd();
        benchmark::DoNotOptimize(sink.steps);
    }
    bench.SetItemsProcessed(bench.iterations() * 8641);
}
BENCHMARK(BM_run_annual_nodraw)->Unit(benchmark::kMillisecond);

// Whole runs recorded into a document and drawn from it into an off-screen
// graph, in slices as the window runs them.
static void runDrawn(benchmark::State& bench, PlotMode mode) {
    for (auto _ : bench) {
        ObservationState state;
        kansiinit(state.kansiname);
        DrawingRecord record;
        GraphRender graph(makeGraphImage(1, Qt::white).size(), 1, Qt::white);
        RecordSink sink(record, requestFor(mode));
        PlotRun run(state, requestFor(mode), sink, programEvaluator());
        while (!run.done()) {
            run.advance(32);
            graph.advance(record, SIZE_MAX);
        }
        sink.finish(true);
        graph.advance(record, SIZE_MAX);
        benchmark::DoNotOptimize(graph.image().constBits());
    }
    bench.SetItemsProcessed(bench.iterations() * 8641);
}

static void BM_run_annual(benchmark::State& bench) {
    runDrawn(bench, PlotMode::Annual);
}
BENCHMARK(BM_run_annual)->Unit(benchmark::kMillisecond);

static void BM_run_sixty(benchmark::State& bench) {
    runDrawn(bench, PlotMode::SixtyDay);
}
BENCHMARK(BM_run_sixty)->Unit(benchmark::kMillisecond);

// Drawing alone: the 8641 x 3 points of a run with fixed values, no evaluation.
static void BM_draw_points_8641(benchmark::State& bench) {
    QImage graph = makeGraphImage(1, Qt::white);
    astro::TideEvaluation e{};
    for (auto _ : bench) {
        GraphPainter painter(graph, 1);
        for (int t = 0; t <= 8640; ++t) {
            e.Ssea = 1e-4 * ((t % 97) - 48) / 48;
            e.Msea = 2e-4 * ((t % 89) - 44) / 44;
            painter.plotStep(PlotMode::Annual, t, e);
        }
    }
    bench.SetItemsProcessed(bench.iterations() * 8641);
}
BENCHMARK(BM_draw_points_8641)->Unit(benchmark::kMillisecond);

/// The window's 999-day continuous diurnal drawing, recorded once.
static const DrawingRecord& record999Days() {
    static const DrawingRecord record = [] {
        DrawingRecord r;
        PlotRequest request = requestFor(PlotMode::Diurnal);
        request.continuous = true;
        request.days = 999;
        ObservationState state;
        kansiinit(state.kansiname);
        RecordSink sink(r, request);
        PlotRun run(state, request, sink, programEvaluator());
        run.runToEnd();
        sink.finish(true);
        return r;
    }();
    return record;
}

// The graph of 999 days drawn anew at 100 % and at 200 % (the zoom's render,
// whole), and the saved picture's graph at 3 device pixels a pixel.
static void BM_render_999_days(benchmark::State& bench) {
    const DrawingRecord& record = record999Days();
    const double dpr = double(bench.range(0)) / 100;
    const QSize size = makeGraphImage(dpr, Qt::white).size();
    for (auto _ : bench) {
        GraphRender render(size, dpr, Qt::white);
        render.advance(record, SIZE_MAX);
        benchmark::DoNotOptimize(render.image().constBits());
    }
    bench.SetItemsProcessed(bench.iterations() * std::int64_t(record.stepCount()));
}
BENCHMARK(BM_render_999_days)->Arg(100)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);
