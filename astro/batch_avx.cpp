// The batch evaluation in AVX (compiled with -mavx).
#include "kernel_batch.h"
#include "lanes_avx.h"
#include "lanes_twice.h"

namespace veltaro::astro::kernel {

LanesOutcome evaluateAvx(const TideInput* at, std::size_t count, TideEvaluation* out) {
    return evaluateWide<Vec<Twice<Twice<Avx>>>, Vec<Avx>>(at, count, out);
}

} // namespace veltaro::astro::kernel
