#pragma once

#include "astro/angles.h"

#include <array>
#include <cmath>
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

/// The angle of a term at time `t` [years], in radians for sin or cos.
///
/// Formed as the series were made: rate x T, added to the phase, then the sum in
/// degrees multiplied by kDeg. The angle is never reduced to one turn.
constexpr double termAngle(const SeriesTerm& term, double t) {
    return (term.phase + term.rate * t) * kDeg;
}

/// A series table column by column, made from its rows at compile time: the
/// angles of all terms can then be formed together, as the machine likes.
template <std::size_t N> struct SeriesColumns {
    std::array<double, N> amplitude{};
    std::array<double, N> phase{};
    std::array<double, N> rate{};
};

template <std::size_t N>
constexpr SeriesColumns<N> columnsOf(const std::array<SeriesTerm, N>& rows) {
    SeriesColumns<N> columns;
    for (std::size_t i = 0; i < N; ++i) {
        columns.amplitude[i] = rows[i].amplitude;
        columns.phase[i] = rows[i].phase;
        columns.rate[i] = rows[i].rate;
    }
    return columns;
}

/// Adds amplitude x wave(angle) of every term of a table to `sum`, one after
/// another in table order, and returns the sum.
///
/// The angles are all formed first, exactly as termAngle forms them; then each
/// wave is taken, multiplied by its amplitude and added. The result is the
/// same double as adding term after term in one pass.
template <std::size_t N, typename Wave>
inline double addTerms(double sum, const SeriesColumns<N>& table, double t, Wave wave) {
    std::array<double, N> angle;
    for (std::size_t i = 0; i < N; ++i) {
        angle[i] = (table.phase[i] + table.rate[i] * t) * kDeg;
    }
    for (std::size_t i = 0; i < N; ++i) {
        sum += table.amplitude[i] * wave(angle[i]);
    }
    return sum;
}

/// Sine terms: amplitude x sin((phase + rate t) k), added in table order.
template <std::size_t N>
inline double addSines(double sum, const SeriesColumns<N>& table, double t) {
    return addTerms(sum, table, t, [](double a) { return std::sin(a); });
}

/// Cosine terms: amplitude x cos((phase + rate t) k), added in table order.
template <std::size_t N>
inline double addCosines(double sum, const SeriesColumns<N>& table, double t) {
    return addTerms(sum, table, t, [](double a) { return std::cos(a); });
}

} // namespace veltaro::astro
