#pragma once

// A batch of moments through the kernel, one moment a lane: the moments are
// spread over the lanes of each vector, the last vector filled up with copies
// of the last moment, and the results gathered back in order.
//
// Each instruction-set path instantiates this in a file of its own, compiled for
// that instruction set (batch_sse2.cpp, batch_avx.cpp, batch_avx512.cpp). Such a
// file must use nothing but these templates over its own lane type: an inline
// function it shared with the rest of the program could be kept in its wide
// instructions and run on a processor without them.

#include "astro/tide.h"
#include "kernel_calc.h"

#include <cstddef>
#include <cstdint>

namespace veltaro::astro::kernel {

/// The first fault of a batch, if any.
enum class Fault { None, DayCount, NotFinite };

struct LanesOutcome {
    std::size_t evaluated; ///< moments evaluated soundly before the first fault (or all)
    Fault fault;           ///< what was wrong with moment `evaluated`
};

template <class V>
LanesOutcome evaluateLanes(const TideInput* at, std::size_t count, TideEvaluation* out) {
    constexpr int W = V::kWidth;
    // Made at the first batch of the path, kept for every batch after it.
    static const SharedAngles<V> shared;
    for (std::size_t start = 0; start < count; start += W) {
        const std::size_t left = count - start;
        const int used = left < W ? static_cast<int>(left) : W;

        alignas(64) double in[7][W];
        for (int lane = 0; lane < W; ++lane) {
            const TideInput& m = at[start + (lane < used ? lane : used - 1)];
            in[0][lane] = m.year;
            in[1][lane] = m.month;
            in[2][lane] = m.day;
            in[3][lane] = m.hour;
            in[4][lane] = m.minute;
            in[5][lane] = m.lat;
            in[6][lane] = m.lon;
        }
        const MomentLanes<V> moments{V::load(in[0]), V::load(in[1]), V::load(in[2]), V::load(in[3]),
                                     V::load(in[4]), V::load(in[5]), V::load(in[6])};
        LaneFaults faults;
        const EvaluationLanes<V> e = calc(moments, shared, faults);

        alignas(64) double res[17][W];
        const V* fields[17] = {&e.jd,      &e.T,        &e.sunlon,    &e.sundist, &e.moonlon,
                               &e.moonlat, &e.moondist, &e.obliquity, &e.theta,   &e.SSlon,
                               &e.MMlon,   &e.zs,       &e.zm,        &e.MSangle, &e.MSGangle,
                               &e.Ssea,    &e.Msea};
        for (int f = 0; f < 17; ++f) {
            fields[f]->store(res[f]);
        }
        for (int lane = 0; lane < used; ++lane) {
            TideEvaluation& r = out[start + lane];
            r.jd = res[0][lane];
            r.T = res[1][lane];
            r.sunlon = res[2][lane];
            r.sundist = res[3][lane];
            r.moonlon = res[4][lane];
            r.moonlat = res[5][lane];
            r.moondist = res[6][lane];
            r.obliquity = res[7][lane];
            r.theta = res[8][lane];
            r.SSlon = res[9][lane];
            r.MMlon = res[10][lane];
            r.zs = res[11][lane];
            r.zm = res[12][lane];
            r.MSangle = res[13][lane];
            r.MSGangle = res[14][lane];
            r.Ssea = res[15][lane];
            r.Msea = res[16][lane];
        }

        // Shifted in 64 bits: a vector may have all 32 bits of an unsigned in use.
        const auto usedLanes = static_cast<unsigned>((std::uint64_t{1} << used) - 1);
        const unsigned bad = (faults.dayCount | faults.notFinite) & usedLanes;
        if (bad != 0) {
            const int lane = __builtin_ctz(bad);
            const Fault fault = (faults.dayCount >> lane) & 1u ? Fault::DayCount : Fault::NotFinite;
            return {start + static_cast<std::size_t>(lane), fault};
        }
    }
    return {count, Fault::None};
}

/// The batch in vectors of `Wide` while a whole one is left, the rest in
/// vectors of `Narrow`. Each lane computes the same either way; the wide
/// vectors only keep more of them in flight, and the narrow ones keep the tail
/// of a short batch from costing a whole wide vector.
template <class Wide, class Narrow>
LanesOutcome evaluateWide(const TideInput* at, std::size_t count, TideEvaluation* out) {
    const std::size_t whole = count - count % Wide::kWidth;
    const LanesOutcome head = evaluateLanes<Wide>(at, whole, out);
    if (head.fault != Fault::None || whole == count) {
        return head;
    }
    const LanesOutcome tail = evaluateLanes<Narrow>(at + whole, count - whole, out + whole);
    return {whole + tail.evaluated, tail.fault};
}

// The paths, one a file.
LanesOutcome evaluateSse2(const TideInput* at, std::size_t count, TideEvaluation* out);
LanesOutcome evaluateAvx(const TideInput* at, std::size_t count, TideEvaluation* out);
LanesOutcome evaluateAvx512(const TideInput* at, std::size_t count, TideEvaluation* out);

} // namespace veltaro::astro::kernel
