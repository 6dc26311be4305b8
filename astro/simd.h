#pragma once

// The instruction-set paths of the batch evaluation, and which one runs.

#include "astro/tide.h"

#include <span>
#include <string_view>

namespace veltaro::astro {

/// The instruction sets the evaluation has a path for, narrowest first. Every
/// path gives the same bits: the arithmetic is the same kernel, without fused
/// multiply-add, and the elementary functions are SLEEF's deterministic ones.
/// The lanes are those of one register; a batch takes four registers' lanes at
/// a time while it has that many moments left.
enum class SimdPath {
    Sse2,   ///< 2 lanes; every x86-64 processor has it
    Avx,    ///< 4 lanes
    Avx512, ///< 8 lanes (AVX-512F)
};

/// The path's name, as VELTARO_SIMD takes it: "sse2", "avx" or "avx512".
std::string_view simdPathName(SimdPath path);

/// Whether this processor and its operating system run the path.
bool simdPathSupported(SimdPath path);

/// The path a setting of VELTARO_SIMD chooses on this processor.
///
/// "sse2", "avx" or "avx512" names a path; a path the processor lacks gives way
/// to the widest narrower one it has. Anything else, "auto", an empty setting
/// or none (nullptr) chooses the widest path the processor has.
SimdPath chooseSimdPath(const char* setting);

/// The path calc and calcBatch take: chooseSimdPath of the environment's
/// VELTARO_SIMD, read once, at the first evaluation.
SimdPath activeSimdPath();

/// calcBatch on a given path, which the processor must support (tests, benchmarks).
BatchOutcome calcBatch(SimdPath path, std::span<const TideInput> at, std::span<TideEvaluation> out);

} // namespace veltaro::astro
