// The batch evaluation in AVX (compiled with -mavx).
#include "kernel_batch.h"
#include "lanes_avx.h"

namespace veltaro::astro::kernel {

LanesOutcome evaluateAvx(const TideInput* at, std::size_t count, TideEvaluation* out) {
    return evaluateLanes<Vec<Avx>>(at, count, out);
}

} // namespace veltaro::astro::kernel
