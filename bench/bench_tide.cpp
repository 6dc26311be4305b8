// One tide evaluation through calc against the C library's trigonometry the
// former calc was made of.
//
// Before calc went through the batch kernel with SLEEF's functions it made 195
// sine and cosine calls of the C library, 96 to 100 % of its time: the Sun's
// longitude 19, its distance 5, the Moon's longitude 67, latitude 52 and
// parallax 8, two ecl2ra of 6, two ecl2dec of 5, four sepangle of 5 and two
// eqtide of 1. BM_trig_of_calc makes those calls with the same arguments, and
// BM_calc_vs_trig times calc and them side by side: its "ratio", calc's time
// over theirs, was 1.04 for the former calc; at 1.04 or below the single-moment
// calc is no slower than it was.
#include "astro/moonseries.h"
#include "astro/sky.h"
#include "astro/sunseries.h"
#include "astro/tide.h"
#include "astro/vectorstate.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

using namespace veltaro::astro;

TideInput benchMoment() {
    return {2002, 8, 16, 9, 35, 35.654444, 139.744722};
}

struct TrigArguments {
    std::vector<double> sines;   // [radians]
    std::vector<double> cosines; // [radians]
};

// The arguments calc hands to sin and cos for `state`, in radians.
TrigArguments trigArgumentsOfCalc(const TideInput& state) {
    const TideEvaluation e = calc(state);
    const double t = e.T;
    TrigArguments a;
    auto series = [&](std::vector<double>& out, const auto& table) {
        for (const SeriesTerm& term : table) {
            out.push_back(termAngle(term, t));
        }
    };
    // The Sun: term 1 and the table; term a and the table.
    a.sines.push_back((356.531 + 359.991 * t) * kDeg);
    series(a.sines, kSunlonTerms);
    a.cosines.push_back((356.53 + 359.991 * t) * kDeg);
    series(a.cosines, kSundistTerms);
    // The Moon: perturbation, term 1, the table; perturbation, term 0, the
    // table; the parallax.
    series(a.sines, kMoonlonPerturbation);
    a.sines.push_back((338.915 + 4771.9886 * t) * kDeg);
    series(a.sines, kMoonlonTerms);
    series(a.sines, kMoonlatPerturbation);
    a.sines.push_back((236.231 + 4832.0202 * t) * kDeg);
    series(a.sines, kMoonlatTerms);
    series(a.cosines, kMoonparTerms);
    // ecl2ra and ecl2dec of the Sun and the Moon.
    const double eps = e.obliquity * kDeg;
    const double places[2][2] = {{e.sunlon, 0}, {e.moonlon, e.moonlat}};
    for (const auto& [lon, lat] : places) {
        // ecl2ra: cos and sin of longitude, latitude and obliquity.
        a.cosines.insert(a.cosines.end(), {lon * kDeg, lat * kDeg, eps});
        a.sines.insert(a.sines.end(), {lon * kDeg, lat * kDeg, eps});
        // ecl2dec: sin lat, cos eps, sin lon, cos lat, sin eps.
        a.sines.insert(a.sines.end(), {lat * kDeg, lon * kDeg, eps});
        a.cosines.insert(a.cosines.end(), {eps, lat * kDeg});
    }
    // sepangle: two polar distances (cos and sin) and the difference of right
    // ascensions (cos), four times.
    const double sunDec = ecl2dec(e.sunlon, 0, e.obliquity);
    const double moonDec = ecl2dec(e.moonlon, e.moonlat, e.obliquity);
    const double pairs[4][4] = {{e.SSlon, sunDec, e.theta, state.lat},
                                {e.MMlon, moonDec, e.theta, state.lat},
                                {e.SSlon, sunDec, e.MMlon, moonDec},
                                {e.sunlon, 0, e.moonlon, 0}};
    for (const auto& p : pairs) {
        a.cosines.insert(a.cosines.end(),
                         {(90 - p[1]) * kDeg, (90 - p[3]) * kDeg, (p[2] - p[0]) * kDeg});
        a.sines.insert(a.sines.end(), {(90 - p[3]) * kDeg, (90 - p[1]) * kDeg});
    }
    // eqtide: the cosine of each zenith distance.
    a.cosines.insert(a.cosines.end(), {e.zs, e.zm});
    return a;
}

// The arguments are read from memory as they stand: routing each through
// DoNotOptimize lets the compiler hand sin one stale stack slot every time, and
// a sine of one small argument is far cheaper than the real mix. The calls
// themselves stay, since sin and cos may set errno.
double runTrig(const TrigArguments& a) {
    benchmark::ClobberMemory();
    double sum = 0;
    for (const double x : a.sines) {
        sum += std::sin(x);
    }
    for (const double x : a.cosines) {
        sum += std::cos(x);
    }
    return sum;
}

void BM_calc(benchmark::State& state) {
    TideInput moment = benchMoment();
    for (auto _ : state) {
        benchmark::DoNotOptimize(moment);
        TideEvaluation e = calc(moment);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_calc);

void BM_trig_of_calc(benchmark::State& state) {
    const TrigArguments a = trigArgumentsOfCalc(benchMoment());
    if (a.sines.size() + a.cosines.size() != 195) {
        state.SkipWithError("the trigonometry of one calc is 195 calls");
        return;
    }
    settleVectorRegisters(); // as calc does, so both start from the same state
    for (auto _ : state) {
        double sum = runTrig(a);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["calls"] = static_cast<double>(a.sines.size() + a.cosines.size());
}
BENCHMARK(BM_trig_of_calc);

// Both in turn in every iteration, so that both see the same machine state;
// "ratio" is calc's time over the trigonometry's.
void BM_calc_vs_trig(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    TideInput moment = benchMoment();
    const TrigArguments a = trigArgumentsOfCalc(moment);
    Clock::duration calcTime{};
    Clock::duration trigTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < 16; ++i) {
            benchmark::DoNotOptimize(moment);
            TideEvaluation e = calc(moment);
            benchmark::DoNotOptimize(e);
        }
        const auto middle = Clock::now();
        for (int i = 0; i < 16; ++i) {
            double sum = runTrig(a);
            benchmark::DoNotOptimize(sum);
        }
        const auto end = Clock::now();
        calcTime += middle - start;
        trigTime += end - middle;
    }
    const double n = static_cast<double>(state.iterations()) * 16;
    state.counters["calc_ns"] = std::chrono::duration<double, std::nano>(calcTime).count() / n;
    state.counters["trig_ns"] = std::chrono::duration<double, std::nano>(trigTime).count() / n;
    state.counters["ratio"] =
        std::chrono::duration<double>(calcTime) / std::chrono::duration<double>(trigTime);
}
BENCHMARK(BM_calc_vs_trig);

} // namespace
