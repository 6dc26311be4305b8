#pragma once

namespace veltaro::astro {

/// Clears the upper halves of the wide vector registers, where the processor has them.
///
/// Qt's raster drawing (image fills, rectangles) runs AVX code and may return
/// with those halves in use. Code compiled for plain SSE, as the two-lane path
/// of the evaluation and the single-value routines are, then pays a penalty on
/// every instruction on recent Intel processors: an annual run measured twenty
/// times slower once the first point was drawn, and so did every evaluation
/// after it in the same thread. Costs about a cycle.
inline void settleVectorRegisters() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        asm volatile("vzeroupper" ::: "memory");
    }
#endif
}

} // namespace veltaro::astro
