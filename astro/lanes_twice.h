#pragma once

namespace veltaro::astro::kernel {

/// Two registers of an instruction set side by side, every instruction issued
/// once for each half: the arithmetic of each lane is exactly that of `Isa`,
/// but twice as many independent chains are in flight. The sky geometry is one
/// long chain of elementary functions (a sine feeds a quotient, an arctangent,
/// a cosine, another arctangent), whose latency one register's lanes cannot
/// hide; with four registers side by side the processor overlaps them.
template <class Isa> struct Twice {
    struct Reg {
        typename Isa::Reg lo, hi;
    };
    struct MaskReg {
        typename Isa::MaskReg lo, hi;
    };
    static constexpr int kWidth = 2 * Isa::kWidth;
    static_assert(kWidth <= 32, "a batch reports its lanes' faults as bits of an unsigned");

    static Reg set1(double x) { return {Isa::set1(x), Isa::set1(x)}; }
    static Reg load(const double* p) { return {Isa::load(p), Isa::load(p + Isa::kWidth)}; }
    static void store(double* p, Reg a) {
        Isa::store(p, a.lo);
        Isa::store(p + Isa::kWidth, a.hi);
    }

    static Reg add(Reg a, Reg b) { return {Isa::add(a.lo, b.lo), Isa::add(a.hi, b.hi)}; }
    static Reg sub(Reg a, Reg b) { return {Isa::sub(a.lo, b.lo), Isa::sub(a.hi, b.hi)}; }
    static Reg mul(Reg a, Reg b) { return {Isa::mul(a.lo, b.lo), Isa::mul(a.hi, b.hi)}; }
    static Reg div(Reg a, Reg b) { return {Isa::div(a.lo, b.lo), Isa::div(a.hi, b.hi)}; }
    static Reg neg(Reg a) { return {Isa::neg(a.lo), Isa::neg(a.hi)}; }
    static Reg sqrt(Reg a) { return {Isa::sqrt(a.lo), Isa::sqrt(a.hi)}; }

    static MaskReg lt(Reg a, Reg b) { return {Isa::lt(a.lo, b.lo), Isa::lt(a.hi, b.hi)}; }
    static MaskReg le(Reg a, Reg b) { return {Isa::le(a.lo, b.lo), Isa::le(a.hi, b.hi)}; }
    static MaskReg eq(Reg a, Reg b) { return {Isa::eq(a.lo, b.lo), Isa::eq(a.hi, b.hi)}; }
    static MaskReg maskAnd(MaskReg a, MaskReg b) {
        return {Isa::maskAnd(a.lo, b.lo), Isa::maskAnd(a.hi, b.hi)};
    }
    static MaskReg maskOr(MaskReg a, MaskReg b) {
        return {Isa::maskOr(a.lo, b.lo), Isa::maskOr(a.hi, b.hi)};
    }
    static MaskReg maskXor(MaskReg a, MaskReg b) {
        return {Isa::maskXor(a.lo, b.lo), Isa::maskXor(a.hi, b.hi)};
    }
    static MaskReg maskNot(MaskReg a) { return {Isa::maskNot(a.lo), Isa::maskNot(a.hi)}; }
    static Reg select(MaskReg m, Reg a, Reg b) {
        return {Isa::select(m.lo, a.lo, b.lo), Isa::select(m.hi, a.hi, b.hi)};
    }
    static unsigned bits(MaskReg m) { return Isa::bits(m.lo) | Isa::bits(m.hi) << Isa::kWidth; }

    static Reg floor(Reg a) { return {Isa::floor(a.lo), Isa::floor(a.hi)}; }
    static Reg trunc(Reg a) { return {Isa::trunc(a.lo), Isa::trunc(a.hi)}; }
    static Reg nearest(Reg a) { return {Isa::nearest(a.lo), Isa::nearest(a.hi)}; }

    static Reg sin(Reg a) { return {Isa::sin(a.lo), Isa::sin(a.hi)}; }
    static Reg cos(Reg a) { return {Isa::cos(a.lo), Isa::cos(a.hi)}; }
    static Reg atan(Reg a) { return {Isa::atan(a.lo), Isa::atan(a.hi)}; }
    static Reg exp10(Reg a) { return {Isa::exp10(a.lo), Isa::exp10(a.hi)}; }
};

} // namespace veltaro::astro::kernel
