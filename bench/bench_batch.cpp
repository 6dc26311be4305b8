// The batch evaluation of an annual run's 8641 moments on every instruction-set
// path, on one core and on two, against the same evaluation written with numpy
// (numpy_peer.py, run from here so that both are timed in the same run).
#include "astro/calcworker.h"
#include "astro/simd.h"
#include "astro/tide.h"
#include "calendar/calendar.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace veltaro;
using namespace veltaro::astro;

namespace {

/// The 8641 hourly moments of an annual run from 2002-08-16 at the default point.
std::vector<TideInput> annualRun() {
    ObservationState s;
    s.obsyear = 2002;
    s.obsmonth = 8;
    s.obsday = 16;
    std::vector<TideInput> moments;
    for (int t = 0; t <= 8640; ++t) {
        moments.push_back({s.obsyear, s.obsmonth, s.obsday, s.obshour, s.obsminute,
                           35 + 39.0 / 60 + 16.0 / 3600, 139 + 44.0 / 60 + 41.0 / 3600});
        s.obshour += 1;
        datecheck(s);
    }
    return moments;
}

/// Best and median of `runs` timings of `work` [ms].
template <class Work> std::pair<double, double> timeRuns(int runs, Work work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void BM_annual_batch(benchmark::State& bench, SimdPath path) {
    if (!simdPathSupported(path)) {
        bench.SkipWithError("the processor lacks this instruction set");
        return;
    }
    const std::vector<TideInput> moments = annualRun();
    std::vector<TideEvaluation> out(moments.size());
    for (auto _ : bench) {
        benchmark::DoNotOptimize(calcBatch(path, moments, out).evaluated);
    }
    bench.SetItemsProcessed(bench.iterations() * 8641);
}
BENCHMARK_CAPTURE(BM_annual_batch, sse2, SimdPath::Sse2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_annual_batch, avx, SimdPath::Avx)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_annual_batch, avx512, SimdPath::Avx512)->Unit(benchmark::kMillisecond);

void BM_annual_two_cores(benchmark::State& bench) {
    const std::vector<TideInput> moments = annualRun();
    std::vector<TideEvaluation> out(moments.size());
    CalcWorker worker;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(worker(moments, out).evaluated);
    }
    bench.SetItemsProcessed(bench.iterations() * 8641);
    bench.counters["helped"] = worker.helped();
}
BENCHMARK(BM_annual_two_cores)->Unit(benchmark::kMillisecond);

// One row with every figure of the comparison: this program's annual run on
// one core and on two (best and median of 200 runs each) and numpy's (the same,
// in numpy_peer.py), the ratios numpy / this program, and whether the two
// computed the same (the sum of the Moon's tide heights, to 1e-9).
void BM_annual_vs_numpy(benchmark::State& bench) {
    const std::vector<TideInput> moments = annualRun();
    std::vector<TideEvaluation> out(moments.size());
    CalcWorker worker;
    std::pair<double, double> one{};
    std::pair<double, double> two{};
    for (auto _ : bench) {
        one = timeRuns(200, [&] { calcBatch(moments, out); });
        two = timeRuns(200, [&] { worker(moments, out); });
    }
    double msea = 0;
    for (const TideEvaluation& e : out) {
        msea += e.Msea;
    }

    const std::string command =
        std::string(VELTARO_PYTHON) + " " + VELTARO_NUMPY_PEER + " --repeat 200 2>/dev/null";
    double best = 0;
    double median = 0;
    double peerMsea = 0;
    FILE* peer = popen(command.c_str(), "r");
    const int read = peer ? std::fscanf(peer, "%lf %lf %lf", &best, &median, &peerMsea) : 0;
    if (peer) {
        pclose(peer);
    }
    if (read != 3) {
        bench.SkipWithError("the numpy peer did not run (python3-numpy missing?)");
        return;
    }
    bench.counters["ours_1core_best_ms"] = one.first;
    bench.counters["ours_1core_median_ms"] = one.second;
    bench.counters["ours_2core_best_ms"] = two.first;
    bench.counters["ours_2core_median_ms"] = two.second;
    bench.counters["numpy_best_ms"] = best;
    bench.counters["numpy_median_ms"] = median;
    bench.counters["numpy_over_1core"] = best / one.first;
    bench.counters["numpy_over_2core"] = best / two.first;
    bench.counters["same_result"] = std::abs(peerMsea - msea) <= 1e-9 * std::abs(msea);
}
BENCHMARK(BM_annual_vs_numpy)->Iterations(1)->Unit(benchmark::kMillisecond);

/// Runs `command` through the shell once an iteration, timing the whole process.
void timeCommand(benchmark::State& bench, const std::string& command) {
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            bench.SkipWithError("veltaro-tide failed");
            return;
        }
        bench.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    bench.SetItemsProcessed(bench.iterations() * bench.range(0) * 289);
}

const std::string kContinuous =
    " --date 2002-08-16 --lon 139:44:41 --lat 35:39:16 --mode day --days ";

// The tool writing a long continuous drawing as CSV to /dev/null, wall time of
// the whole process.
void BM_tool_run_days(benchmark::State& bench) {
    timeCommand(bench, std::string(VELTARO_TIDE) + " run" + kContinuous +
                           std::to_string(bench.range(0)) + " > /dev/null");
}

// The same drawing saved as a PNG picture: Qt's start-up, the evaluation, the
// painting and the file; to be read beside BM_tool_run_days of the same run.
void BM_tool_plot_days(benchmark::State& bench) {
    const std::string out = (std::filesystem::temp_directory_path() / "veltaro-bench.png").string();
    timeCommand(bench, std::string(VELTARO_TIDE) + " plot" + kContinuous +
                           std::to_string(bench.range(0)) + " --out " + out);
    std::filesystem::remove(out);
}
/// A whole process `days` long, timed `repetitions` times, its best beside the mean.
void wholeProcess(benchmark::internal::Benchmark* b, int days, int repetitions) {
    b->Arg(days)
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_tool_run_days)->Apply([](auto* b) { wholeProcess(b, 999, 7); });
BENCHMARK(BM_tool_plot_days)->Apply([](auto* b) { wholeProcess(b, 999, 7); });
BENCHMARK(BM_tool_run_days)->Apply([](auto* b) { wholeProcess(b, 32767, 3); });

} // namespace
