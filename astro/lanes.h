#pragma once

// The number types the evaluation kernel is written for: a plain double (one
// moment) and Vec<Isa>, one moment in each lane of a vector register. The
// kernel (kernel_*.h) is a set of templates over these types; every operation
// it uses is one of the IEEE operations below, rounded on its own, so each
// lane of a vector gets the same bits as a double would.
//
// The elementary functions are SLEEF's deterministic no-FMA functions, whose
// results are the same bits for one value and for 2, 4 or 8 lanes:
//   sine, cosine  3.5 ulp (u35). Their arguments are angles of series terms,
//                 up to 172 600 rad, and of the sky geometry; the series add
//                 amplitude x sine to sums whose last bit is far coarser than
//                 the sine's error, and in the geometry the argument itself,
//                 an angle in degrees times kDeg, is rounded to about the same
//                 size. The 1-ulp functions cost 2.3 times as much. Where
//                 sepangle's cosine comes within a few ulp of +-1 (new and
//                 full Moon, a body overhead) its arccosine form turns one ulp
//                 into about 1e-16/sin(d) rad of the angle d, 2e-10 rad a
//                 second of time from an exact full Moon; the 1-ulp cosine
//                 there would cost 2.5 % of the evaluation.
//   arctan        3.5 ulp (u35). Its results are right ascensions and the
//                 arccosine form of an angle; 3.5 ulp of a quarter turn is
//                 8e-16 rad, below what the quotient it is taken of carries.
//   powerOfTen    1 ulp (u10): 10^q for the Sun's distance, one call a moment.
//                 SLEEF's exp10, a quarter of the cost of its pow(10, q).
// Square roots, floor, trunc and round-to-nearest are exact everywhere.
//
// The names (sine, floorOf, ...) are the kernel's own, not the C library's,
// so that a kernel instantiated for double cannot call libm by accident.

#include <cmath>

/// For kernel routines that are to be merged into their caller: the elementary
/// functions are declared __attribute__((const)), so the compiler makes a call
/// it sees twice with equal arguments in one function once (the terms the
/// Moon's series repeat), and a routine's few operations need no call of its own.
#define VELTARO_KERNEL_INLINE [[gnu::always_inline]] inline

namespace veltaro::astro::kernel {

// ---------------------------------------------------------------- one moment

double sine(double x);
double cosine(double x);
double arctan(double x);
double powerOfTen(double x);

inline double squareRoot(double x) {
    return std::sqrt(x);
}
inline double floorOf(double x) {
    return std::floor(x);
}
inline double truncOf(double x) {
    return std::trunc(x);
}
/// To the nearest whole number, halves to the even one (the default rounding).
inline double nearestOf(double x) {
    return std::nearbyint(x);
}
inline double select(bool condition, double ifTrue, double ifFalse) {
    return condition ? ifTrue : ifFalse;
}
/// Each moment's fault flags as bits, lane 0 in bit 0.
inline unsigned laneBits(bool m) {
    return m ? 1u : 0u;
}

// ---------------------------------------------------------------- lanes

template <class Isa> struct VecMask;

/// One value in each of the Isa's lanes. `Isa` supplies the register type and
/// the instructions (lanes_sse2.h, lanes_avx.h, lanes_avx512.h).
template <class Isa> struct Vec {
    using Reg = typename Isa::Reg;
    using Mask = VecMask<Isa>;
    static constexpr int kWidth = Isa::kWidth;

    Reg v;

    Vec() = default;
    Vec(Reg r) : v(r) {}
    Vec(double x) : v(Isa::set1(x)) {}

    static Vec load(const double* p) { return Isa::load(p); }
    void store(double* p) const { Isa::store(p, v); }

    friend Vec operator+(Vec a, Vec b) { return Isa::add(a.v, b.v); }
    friend Vec operator-(Vec a, Vec b) { return Isa::sub(a.v, b.v); }
    friend Vec operator*(Vec a, Vec b) { return Isa::mul(a.v, b.v); }
    friend Vec operator/(Vec a, Vec b) { return Isa::div(a.v, b.v); }
    /// The sign flipped, as -x flips it: exact, and -0 for 0.
    friend Vec operator-(Vec a) { return Isa::neg(a.v); }
    Vec& operator+=(Vec b) { return *this = *this + b; }
    Vec& operator-=(Vec b) { return *this = *this - b; }

    friend Mask operator<(Vec a, Vec b) { return Mask{Isa::lt(a.v, b.v)}; }
    friend Mask operator<=(Vec a, Vec b) { return Mask{Isa::le(a.v, b.v)}; }
    friend Mask operator>(Vec a, Vec b) { return Mask{Isa::lt(b.v, a.v)}; }
    friend Mask operator>=(Vec a, Vec b) { return Mask{Isa::le(b.v, a.v)}; }
    friend Mask operator==(Vec a, Vec b) { return Mask{Isa::eq(a.v, b.v)}; }

    friend Vec squareRoot(Vec a) { return Isa::sqrt(a.v); }
    friend Vec floorOf(Vec a) { return Isa::floor(a.v); }
    friend Vec truncOf(Vec a) { return Isa::trunc(a.v); }
    friend Vec nearestOf(Vec a) { return Isa::nearest(a.v); }
    friend Vec sine(Vec a) { return Isa::sin(a.v); }
    friend Vec cosine(Vec a) { return Isa::cos(a.v); }
    friend Vec arctan(Vec a) { return Isa::atan(a.v); }
    friend Vec powerOfTen(Vec a) { return Isa::exp10(a.v); }
};

/// A condition per lane, as the comparisons of Vec give it.
template <class Isa> struct VecMask {
    typename Isa::MaskReg m;

    friend VecMask operator&(VecMask a, VecMask b) { return {Isa::maskAnd(a.m, b.m)}; }
    friend VecMask operator|(VecMask a, VecMask b) { return {Isa::maskOr(a.m, b.m)}; }
    friend VecMask operator^(VecMask a, VecMask b) { return {Isa::maskXor(a.m, b.m)}; }
    friend VecMask operator!(VecMask a) { return {Isa::maskNot(a.m)}; }

    /// ifTrue in the lanes where the condition holds, ifFalse in the others.
    friend Vec<Isa> select(VecMask c, Vec<Isa> ifTrue, Vec<Isa> ifFalse) {
        return Isa::select(c.m, ifTrue.v, ifFalse.v);
    }
    friend unsigned laneBits(VecMask c) { return Isa::bits(c.m); }
};

/// Whether each lane holds a finite number: x - x is 0 for those, NaN for
/// infinities and NaN. Needs no library and survives any optimisation allowed
/// without -ffast-math.
template <class V> auto finite(V x) {
    return (x - x) == V(0.0);
}

} // namespace veltaro::astro::kernel
