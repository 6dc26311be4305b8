// The batch evaluation in the SSE2 every x86-64 processor has.
#include "kernel_batch.h"
#include "lanes_sse2.h"
#include "lanes_twice.h"

namespace veltaro::astro::kernel {

LanesOutcome evaluateSse2(const TideInput* at, std::size_t count, TideEvaluation* out) {
    return evaluateWide<Vec<Twice<Twice<Sse2>>>, Vec<Sse2>>(at, count, out);
}

} // namespace veltaro::astro::kernel
