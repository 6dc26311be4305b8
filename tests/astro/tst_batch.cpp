// The batch evaluation: every instruction-set path and both cores give calc's
// bits, and a fault is found at its own moment.
#include "astro/calcworker.h"
#include "astro/simd.h"
#include "astro/tide.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using namespace veltaro::astro;

constexpr SimdPath kPaths[] = {SimdPath::Sse2, SimdPath::Avx, SimdPath::Avx512};

/// Moments over the accepted dates, clock times and places, a few days apart.
std::vector<TideInput> sweep() {
    std::vector<TideInput> moments;
    for (int i = 0; i < 12000; ++i) {
        moments.push_back({1600.0 + i / 15, 1.0 + i % 12, 1.0 + (i * 7) % 28, double(i % 24),
                           double((i * 5) % 60), -90.0 + (i * 37) % 181, -180.0 + (i * 53) % 361});
    }
    return moments;
}

bool sameBits(const TideEvaluation& a, const TideEvaluation& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(calcBatch, EveryPathGivesTheBitsOfCalc) {
    const std::vector<TideInput> moments = sweep();
    std::vector<TideEvaluation> single;
    for (const TideInput& m : moments) {
        single.push_back(calc(m));
    }
    int paths = 0;
    for (const SimdPath path : kPaths) {
        if (!simdPathSupported(path)) {
            continue;
        }
        ++paths;
        // Batches of every length up to twice the widest vector (32 lanes) and
        // beyond, so that every lane, every filled-up last vector and every
        // wide vector followed by narrow ones is met.
        std::size_t start = 0;
        for (std::size_t length = 1; start < moments.size(); length = length % 71 + 1) {
            length = std::min(length, moments.size() - start);
            std::vector<TideEvaluation> out(length);
            const BatchOutcome outcome =
                calcBatch(path, std::span(moments).subspan(start, length), out);
            ASSERT_EQ(outcome.evaluated, length) << simdPathName(path);
            ASSERT_FALSE(outcome.fault);
            for (std::size_t i = 0; i < length; ++i) {
                ASSERT_TRUE(sameBits(out[i], single[start + i]))
                    << simdPathName(path) << " moment " << start + i;
            }
            start += length;
        }
    }
    EXPECT_GE(paths, 1);
}

TEST(calcBatch, FaultStopsAtItsMomentInAnyLane) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        TideInput bad;
        const char* message;
    } faults[] = {
        {"a date whose day count does not fit", {1e8, 8, 16, 9, 0, 35, 135}, "daycount"},
        {"a latitude that is not a number", {2002, 8, 16, 9, 0, nan, 135}, "calc"},
    };
    const std::size_t positions[] = {0, 1, 3, 7, 8, 12, 18, 31, 32, 47, 63, 64, 69};
    for (const SimdPath path : kPaths) {
        if (!simdPathSupported(path)) {
            continue;
        }
        for (const auto& f : faults) {
            for (const std::size_t at : positions) {
                std::vector<TideInput> moments(71, TideInput{2002, 8, 16, 9, 0, 35, 135});
                moments[at] = f.bad;
                moments.back() = f.bad; // a later fault does not count
                std::vector<TideEvaluation> out(moments.size());
                const BatchOutcome outcome = calcBatch(path, moments, out);
                SCOPED_TRACE(std::string(simdPathName(path)) + " " + f.what + " at " +
                             std::to_string(at));
                EXPECT_EQ(outcome.evaluated, at);
                ASSERT_TRUE(outcome.fault);
                EXPECT_EQ(outcome.fault->rfind(f.message, 0), 0u) << *outcome.fault;
                for (std::size_t i = 0; i < at; ++i) {
                    EXPECT_TRUE(sameBits(out[i], calc(moments[i])));
                }
            }
        }
    }
}

TEST(CalcWorker, TwoThreadsGiveTheBitsOfOne) {
    const std::vector<TideInput> moments = sweep();
    CalcWorker one(false);
    CalcWorker two;
    EXPECT_FALSE(one.helped());
    std::vector<TideEvaluation> a(moments.size());
    std::vector<TideEvaluation> b(moments.size());
    // Many batches, so that the helper takes part in some however busy the
    // machine is, of lengths that cut the chunks short in different places: just
    // above the smallest split, a diurnal slice, whole and broken wide vectors,
    // an annual run.
    const std::size_t lengths[] = {129, 289, 1000, 1024, 1057, 8641};
    std::size_t next = 0;
    for (std::size_t start = 0; start < moments.size(); start += lengths[next++ % 6]) {
        const std::size_t n = std::min<std::size_t>(lengths[next % 6], moments.size() - start);
        const auto at = std::span(moments).subspan(start, n);
        EXPECT_EQ(one(at, std::span(a).subspan(start, n)).evaluated, n);
        EXPECT_EQ(two(at, std::span(b).subspan(start, n)).evaluated, n);
    }
    EXPECT_EQ(std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]), 0);
}

TEST(CalcWorker, FirstFaultOfTheWholeBatch) {
    // Faults early and late in a batch long enough to be shared, alone and
    // together: the outcome names the first.
    const TideInput bad{2002, 8, 16, 9, 0, std::numeric_limits<double>::infinity(), 135};
    const struct {
        std::vector<std::size_t> faults;
        std::size_t evaluated;
    } rows[] = {{{}, 1000}, {{5}, 5}, {{999}, 999}, {{700, 300}, 300}, {{10, 900}, 10}};
    CalcWorker worker;
    for (const auto& row : rows) {
        std::vector<TideInput> moments(1000, TideInput{2002, 8, 16, 9, 0, 35, 135});
        for (const std::size_t at : row.faults) {
            moments[at] = bad;
        }
        std::vector<TideEvaluation> out(moments.size());
        const BatchOutcome outcome = worker(moments, out);
        EXPECT_EQ(outcome.evaluated, row.evaluated);
        EXPECT_EQ(outcome.fault.has_value(), !row.faults.empty());
    }
}

TEST(simdPath, SettingChoosesAPathTheProcessorHas) {
    const SimdPath widest = simdPathSupported(SimdPath::Avx512) ? SimdPath::Avx512
                            : simdPathSupported(SimdPath::Avx)  ? SimdPath::Avx
                                                                : SimdPath::Sse2;
    const SimdPath avx = simdPathSupported(SimdPath::Avx) ? SimdPath::Avx : SimdPath::Sse2;
    const struct {
        const char* setting;
        SimdPath path;
    } rows[] = {{nullptr, widest},        {"", widest}, {"auto", widest},  {"AVX", widest},
                {"sse2", SimdPath::Sse2}, {"avx", avx}, {"avx512", widest}};
    for (const auto& row : rows) {
        EXPECT_EQ(chooseSimdPath(row.setting), row.path) << (row.setting ? row.setting : "none");
    }
    EXPECT_TRUE(simdPathSupported(activeSimdPath()));
    EXPECT_EQ(simdPathName(SimdPath::Avx512), "avx512");
}

} // namespace
