#pragma once

// Four lanes in the AVX registers. Only for files compiled with -mavx.

#if !defined(__AVX__)
#error "lanes_avx.h is for files compiled with -mavx (see astro/CMakeLists.txt)"
#endif

#include "lanes.h"

#include <immintrin.h>

// SLEEF's deterministic no-FMA functions for four lanes (see lanes_sse2.h).
extern "C" {
__m256d Sleef_cinz_sind4_u35avx(__m256d) __attribute__((const));
__m256d Sleef_cinz_cosd4_u35avx(__m256d) __attribute__((const));
__m256d Sleef_cinz_atand4_u35avx(__m256d) __attribute__((const));
__m256d Sleef_cinz_exp10d4_u10avx(__m256d) __attribute__((const));
}

namespace veltaro::astro::kernel {

struct Avx {
    using Reg = __m256d;
    using MaskReg = __m256d;
    static constexpr int kWidth = 4;

    static Reg set1(double x) { return _mm256_set1_pd(x); }
    static Reg load(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, Reg a) { _mm256_storeu_pd(p, a); }

    static Reg add(Reg a, Reg b) { return _mm256_add_pd(a, b); }
    static Reg sub(Reg a, Reg b) { return _mm256_sub_pd(a, b); }
    static Reg mul(Reg a, Reg b) { return _mm256_mul_pd(a, b); }
    static Reg div(Reg a, Reg b) { return _mm256_div_pd(a, b); }
    static Reg neg(Reg a) { return _mm256_xor_pd(a, _mm256_set1_pd(-0.0)); }
    static Reg sqrt(Reg a) { return _mm256_sqrt_pd(a); }

    // The predicates of C's <, <= and ==.
    static MaskReg lt(Reg a, Reg b) { return _mm256_cmp_pd(a, b, _CMP_LT_OS); }
    static MaskReg le(Reg a, Reg b) { return _mm256_cmp_pd(a, b, _CMP_LE_OS); }
    static MaskReg eq(Reg a, Reg b) { return _mm256_cmp_pd(a, b, _CMP_EQ_OQ); }
    static MaskReg maskAnd(MaskReg a, MaskReg b) { return _mm256_and_pd(a, b); }
    static MaskReg maskOr(MaskReg a, MaskReg b) { return _mm256_or_pd(a, b); }
    static MaskReg maskXor(MaskReg a, MaskReg b) { return _mm256_xor_pd(a, b); }
    static MaskReg maskNot(MaskReg a) {
        return _mm256_xor_pd(a, _mm256_castsi256_pd(_mm256_set1_epi32(-1)));
    }
    static Reg select(MaskReg m, Reg a, Reg b) { return _mm256_blendv_pd(b, a, m); }
    static unsigned bits(MaskReg m) { return static_cast<unsigned>(_mm256_movemask_pd(m)); }

    static Reg floor(Reg a) {
        return _mm256_round_pd(a, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    }
    static Reg trunc(Reg a) { return _mm256_round_pd(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static Reg nearest(Reg a) {
        return _mm256_round_pd(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    }

    static Reg sin(Reg a) { return Sleef_cinz_sind4_u35avx(a); }
    static Reg cos(Reg a) { return Sleef_cinz_cosd4_u35avx(a); }
    static Reg atan(Reg a) { return Sleef_cinz_atand4_u35avx(a); }
    static Reg exp10(Reg a) { return Sleef_cinz_exp10d4_u10avx(a); }
};

} // namespace veltaro::astro::kernel
