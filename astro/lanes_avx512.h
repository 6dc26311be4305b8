#pragma once

// Eight lanes in the AVX-512 registers. Only for files compiled with -mavx512f;
// nothing beyond AVX-512F is used.

#if !defined(__AVX512F__)
#error "lanes_avx512.h is for files compiled with -mavx512f (see astro/CMakeLists.txt)"
#endif

#include "lanes.h"

#include <cstdint>
#include <immintrin.h>

// SLEEF's deterministic functions for eight lanes, in the variant that does
// without fused multiply-add (see lanes_sse2.h).
extern "C" {
__m512d Sleef_cinz_sind8_u35avx512fnofma(__m512d) __attribute__((const));
__m512d Sleef_cinz_cosd8_u35avx512fnofma(__m512d) __attribute__((const));
__m512d Sleef_cinz_atand8_u35avx512fnofma(__m512d) __attribute__((const));
__m512d Sleef_cinz_exp10d8_u10avx512fnofma(__m512d) __attribute__((const));
}

namespace veltaro::astro::kernel {

struct Avx512 {
    using Reg = __m512d;
    using MaskReg = __mmask8;
    static constexpr int kWidth = 8;

    static Reg set1(double x) { return _mm512_set1_pd(x); }
    static Reg load(const double* p) { return _mm512_loadu_pd(p); }
    static void store(double* p, Reg a) { _mm512_storeu_pd(p, a); }

    static Reg add(Reg a, Reg b) { return _mm512_add_pd(a, b); }
    static Reg sub(Reg a, Reg b) { return _mm512_sub_pd(a, b); }
    static Reg mul(Reg a, Reg b) { return _mm512_mul_pd(a, b); }
    static Reg div(Reg a, Reg b) { return _mm512_div_pd(a, b); }
    static Reg neg(Reg a) {
        // The sign bit flipped with an integer xor: the double one is AVX-512DQ.
        return _mm512_castsi512_pd(
            _mm512_xor_si512(_mm512_castpd_si512(a), _mm512_set1_epi64(INT64_MIN)));
    }
    // The masked forms with every lane set: the plain ones start from an undefined
    // register, which GCC 12 takes for an uninitialised variable.
    static Reg sqrt(Reg a) { return _mm512_mask_sqrt_pd(a, 0xff, a); }

    // The predicates of C's <, <= and ==.
    static MaskReg lt(Reg a, Reg b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OS); }
    static MaskReg le(Reg a, Reg b) { return _mm512_cmp_pd_mask(a, b, _CMP_LE_OS); }
    static MaskReg eq(Reg a, Reg b) { return _mm512_cmp_pd_mask(a, b, _CMP_EQ_OQ); }
    static MaskReg maskAnd(MaskReg a, MaskReg b) { return static_cast<MaskReg>(a & b); }
    static MaskReg maskOr(MaskReg a, MaskReg b) { return static_cast<MaskReg>(a | b); }
    static MaskReg maskXor(MaskReg a, MaskReg b) { return static_cast<MaskReg>(a ^ b); }
    static MaskReg maskNot(MaskReg a) { return static_cast<MaskReg>(~a); }
    static Reg select(MaskReg m, Reg a, Reg b) { return _mm512_mask_blend_pd(m, b, a); }
    static unsigned bits(MaskReg m) { return m; }

    static Reg floor(Reg a) {
        return _mm512_mask_roundscale_pd(a, 0xff, a, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    }
    static Reg trunc(Reg a) {
        return _mm512_mask_roundscale_pd(a, 0xff, a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    }
    static Reg nearest(Reg a) {
        return _mm512_mask_roundscale_pd(a, 0xff, a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    }

    static Reg sin(Reg a) { return Sleef_cinz_sind8_u35avx512fnofma(a); }
    static Reg cos(Reg a) { return Sleef_cinz_cosd8_u35avx512fnofma(a); }
    static Reg atan(Reg a) { return Sleef_cinz_atand8_u35avx512fnofma(a); }
    static Reg exp10(Reg a) { return Sleef_cinz_exp10d8_u10avx512fnofma(a); }
};

} // namespace veltaro::astro::kernel
