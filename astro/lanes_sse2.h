#pragma once

// Two lanes in the SSE2 registers every x86-64 processor has.

#if !defined(__SSE2__)
#error "lanes_sse2.h needs SSE2, which every x86-64 compiler enables"
#endif

#include "lanes.h"

#include <emmintrin.h>

// SLEEF's deterministic no-FMA functions for two lanes, declared here with
// __attribute__((const)) (sleef.h has a const return type only), so that the
// compiler may share calls with the same argument.
extern "C" {
__m128d Sleef_cinz_sind2_u35sse2(__m128d) __attribute__((const));
__m128d Sleef_cinz_cosd2_u35sse2(__m128d) __attribute__((const));
__m128d Sleef_cinz_atand2_u35sse2(__m128d) __attribute__((const));
__m128d Sleef_cinz_exp10d2_u10sse2(__m128d) __attribute__((const));
}

namespace veltaro::astro::kernel {

struct Sse2 {
    using Reg = __m128d;
    using MaskReg = __m128d;
    static constexpr int kWidth = 2;

    static Reg set1(double x) { return _mm_set1_pd(x); }
    static Reg load(const double* p) { return _mm_loadu_pd(p); }
    static void store(double* p, Reg a) { _mm_storeu_pd(p, a); }

    static Reg add(Reg a, Reg b) { return _mm_add_pd(a, b); }
    static Reg sub(Reg a, Reg b) { return _mm_sub_pd(a, b); }
    static Reg mul(Reg a, Reg b) { return _mm_mul_pd(a, b); }
    static Reg div(Reg a, Reg b) { return _mm_div_pd(a, b); }
    static Reg neg(Reg a) { return _mm_xor_pd(a, _mm_set1_pd(-0.0)); }
    static Reg sqrt(Reg a) { return _mm_sqrt_pd(a); }

    static MaskReg lt(Reg a, Reg b) { return _mm_cmplt_pd(a, b); }
    static MaskReg le(Reg a, Reg b) { return _mm_cmple_pd(a, b); }
    static MaskReg eq(Reg a, Reg b) { return _mm_cmpeq_pd(a, b); }
    static MaskReg maskAnd(MaskReg a, MaskReg b) { return _mm_and_pd(a, b); }
    static MaskReg maskOr(MaskReg a, MaskReg b) { return _mm_or_pd(a, b); }
    static MaskReg maskXor(MaskReg a, MaskReg b) { return _mm_xor_pd(a, b); }
    static MaskReg maskNot(MaskReg a) {
        return _mm_xor_pd(a, _mm_castsi128_pd(_mm_set1_epi32(-1)));
    }
    static Reg select(MaskReg m, Reg a, Reg b) {
        return _mm_or_pd(_mm_and_pd(m, a), _mm_andnot_pd(m, b));
    }
    static unsigned bits(MaskReg m) { return static_cast<unsigned>(_mm_movemask_pd(m)); }

    // SSE2 has no rounding instruction. Below 2^52 adding and taking away 2^52
    // rounds a magnitude to the nearest whole number (halves to even); from
    // 2^52 on, and for infinities and NaN, the value is whole already and is
    // returned as it is. The results are those of nearbyint, floor and trunc.
    static Reg magnitude(Reg a) { return _mm_andnot_pd(_mm_set1_pd(-0.0), a); }
    static Reg signOf(Reg a) { return _mm_and_pd(_mm_set1_pd(-0.0), a); }
    static MaskReg small(Reg a) { return _mm_cmplt_pd(magnitude(a), _mm_set1_pd(0x1p52)); }
    static Reg nearestMagnitude(Reg a) {
        const Reg two52 = _mm_set1_pd(0x1p52);
        return _mm_sub_pd(_mm_add_pd(magnitude(a), two52), two52);
    }
    static Reg nearest(Reg a) {
        return select(small(a), _mm_or_pd(nearestMagnitude(a), signOf(a)), a);
    }
    static Reg floor(Reg a) {
        const Reg r = nearest(a);
        return _mm_sub_pd(r, _mm_and_pd(_mm_cmplt_pd(a, r), _mm_set1_pd(1.0)));
    }
    static Reg trunc(Reg a) {
        const Reg m = magnitude(a);
        Reg r = nearestMagnitude(a);
        r = _mm_sub_pd(r, _mm_and_pd(_mm_cmplt_pd(m, r), _mm_set1_pd(1.0)));
        return select(small(a), _mm_or_pd(r, signOf(a)), a);
    }

    static Reg sin(Reg a) { return Sleef_cinz_sind2_u35sse2(a); }
    static Reg cos(Reg a) { return Sleef_cinz_cosd2_u35sse2(a); }
    static Reg atan(Reg a) { return Sleef_cinz_atand2_u35sse2(a); }
    static Reg exp10(Reg a) { return Sleef_cinz_exp10d2_u10sse2(a); }
};

} // namespace veltaro::astro::kernel
