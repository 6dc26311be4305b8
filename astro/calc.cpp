// calc and calcBatch: the moments through the path of the widest instruction
// set the processor has.
#include "astro/fault.h"
#include "astro/simd.h"
#include "astro/tide.h"
#include "astro/vectorstate.h"
#include "kernel_batch.h"

#include <cstdlib>
#include <cstring>

namespace veltaro::astro {

namespace {

kernel::LanesOutcome evaluateOn(SimdPath path, const TideInput* at, std::size_t count,
                                TideEvaluation* out) {
    // Code in SSE encoding, as the two-lane path is, runs slowly while the wide
    // registers' upper halves are in use (after Qt's drawing, for one).
    settleVectorRegisters();
    switch (path) {
    case SimdPath::Avx512:
        return kernel::evaluateAvx512(at, count, out);
    case SimdPath::Avx:
        return kernel::evaluateAvx(at, count, out);
    case SimdPath::Sse2:
        break;
    }
    return kernel::evaluateSse2(at, count, out);
}

const char* messageOf(kernel::Fault fault) {
    if (fault == kernel::Fault::DayCount) {
        return kernel::kDayCountFault;
    }
    return "calc: the evaluation gave a value that is not a finite number";
}

} // namespace

std::string_view simdPathName(SimdPath path) {
    switch (path) {
    case SimdPath::Avx512:
        return "avx512";
    case SimdPath::Avx:
        return "avx";
    case SimdPath::Sse2:
        break;
    }
    return "sse2";
}

bool simdPathSupported(SimdPath path) {
    switch (path) {
    case SimdPath::Avx512:
        return __builtin_cpu_supports("avx512f");
    case SimdPath::Avx:
        return __builtin_cpu_supports("avx");
    case SimdPath::Sse2:
        break;
    }
    return true;
}

SimdPath chooseSimdPath(const char* setting) {
    SimdPath wanted = SimdPath::Avx512;
    if (setting != nullptr) {
        if (std::strcmp(setting, "sse2") == 0) {
            wanted = SimdPath::Sse2;
        } else if (std::strcmp(setting, "avx") == 0) {
            wanted = SimdPath::Avx;
        }
    }
    for (SimdPath path : {SimdPath::Avx512, SimdPath::Avx}) {
        if (path <= wanted && simdPathSupported(path)) {
            return path;
        }
    }
    return SimdPath::Sse2;
}

SimdPath activeSimdPath() {
    static const SimdPath path = chooseSimdPath(std::getenv("VELTARO_SIMD"));
    return path;
}

BatchOutcome calcBatch(SimdPath path, std::span<const TideInput> at,
                       std::span<TideEvaluation> out) {
    const std::size_t count = at.size() < out.size() ? at.size() : out.size();
    const kernel::LanesOutcome done = evaluateOn(path, at.data(), count, out.data());
    BatchOutcome outcome;
    outcome.evaluated = done.evaluated;
    if (done.fault != kernel::Fault::None) {
        outcome.fault = messageOf(done.fault);
    }
    return outcome;
}

BatchOutcome calcBatch(std::span<const TideInput> at, std::span<TideEvaluation> out) {
    return calcBatch(activeSimdPath(), at, out);
}

TideEvaluation calc(const TideInput& at) {
    TideEvaluation e;
    const kernel::LanesOutcome done = evaluateOn(activeSimdPath(), &at, 1, &e);
    if (done.fault != kernel::Fault::None) {
        throw ArithmeticFault(messageOf(done.fault));
    }
    return e;
}

} // namespace veltaro::astro
