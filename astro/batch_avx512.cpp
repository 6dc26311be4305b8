// The batch evaluation in AVX-512F (compiled with -mavx512f).
#include "kernel_batch.h"
#include "lanes_avx512.h"
#include "lanes_twice.h"

namespace veltaro::astro::kernel {

LanesOutcome evaluateAvx512(const TideInput* at, std::size_t count, TideEvaluation* out) {
    return evaluateWide<Vec<Twice<Twice<Avx512>>>, Vec<Avx512>>(at, count, out);
}

} // namespace veltaro::astro::kernel
