#pragma once

#include "astro/angles.h"

#include <array>
#include <cstddef>

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

/// The angle of a term at time `t` [years], in radians for sin or cos; `t` is
/// a double or a vector of moments (the evaluation kernel's lanes).
///
/// Formed as the series were made: rate x T, added to the phase, then the sum in
/// degrees multiplied by kDeg. The angle is never reduced to one turn.
template <class V> constexpr V termAngle(double phase, double rate, V t) {
    return (phase + rate * t) * kDeg;
}
template <class V> constexpr V termAngle(const SeriesTerm& term, V t) {
    return termAngle(term.phase, term.rate, t);
}

/// A series table column by column, made from its rows at compile time, in
/// plain arrays the evaluation kernel reads directly.
template <std::size_t N> struct SeriesColumns {
    static constexpr std::size_t size = N;
    double amplitude[N];
    double phase[N];
    double rate[N];
};

template <std::size_t N>
constexpr SeriesColumns<N> columnsOf(const std::array<SeriesTerm, N>& rows) {
    SeriesColumns<N> columns{};
    for (std::size_t i = 0; i < N; ++i) {
        columns.amplitude[i] = rows[i].amplitude;
        columns.phase[i] = rows[i].phase;
        columns.rate[i] = rows[i].rate;
    }
    return columns;
}

} // namespace veltaro::astro
