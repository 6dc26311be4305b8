#pragma once

#include "astro/angles.h"

namespace veltaro::astro {

/// One periodic term of a Sun or Moon series: amplitude x sin (or cos) of the
/// angle phase + rate x T degrees, T in years of 365.25 days from 1975 January 0.
///
/// A term whose angle falls with time carries a negative rate. phase + (-r) x T
/// is the same double as phase - r x T: negating a product is exact, and adding
/// a negated number is subtracting it.
struct SeriesTerm {
    double amplitude; ///< in the unit of the series' sum, signed
    double phase;     ///< [degrees]
    double rate;      ///< [degrees per year of 365.25 days], signed
};

/// The angle of a term at time `t` [years], in radians for sin or cos.
///
/// Formed as the series were made: rate x T, added to the phase, then the sum in
/// degrees multiplied by kDeg. The angle is never reduced to one turn.
constexpr double termAngle(const SeriesTerm& term, double t) {
    return (term.phase + term.rate * t) * kDeg;
}

} // namespace veltaro::astro
