#pragma once

// The Sun's periodic terms. Rows are in the order they are summed.

#include "astro/series.h"

#include <array>

namespace veltaro::astro {

/// Sun's longitude, terms 2 to 19 (term 0, the mean longitude, and term 1, whose
/// amplitude depends on T, are written out in sunlon).
/// Amplitude [degrees], phase [degrees], rate [degrees/year]; each term is
/// amplitude x sin(angle).
inline constexpr auto kSunlonTerms = std::to_array<SeriesTerm>({
    {0.02, 353.06, 719.981},    // 2
    {-0.0048, 248.64, -19.341}, // 3
    {0.002, 285.0, 329.64},     // 4
    {0.0018, 334.2, -4452.67},  // 5
    {0.0018, 293.7, -0.2},      // 6
    {0.0015, 242.4, 450.37},    // 7
    {0.0013, 211.1, 225.18},    // 8
    {0.0008, 208.0, 659.29},    // 9
    // terms 10 to 19
    {0.0007, 53.5, 90.38},    // 10
    {0.0007, 12.1, -30.35},   // 11
    {0.0006, 239.1, 337.18},  // 12
    {0.0005, 10.1, -1.5},     // 13
    {0.0005, 99.1, -22.81},   // 14
    {0.0004, 264.8, 315.56},  // 15
    {0.0004, 233.8, 299.3},   // 16
    {-0.0004, 198.1, 720.02}, // 17
    {0.0003, 349.6, 1079.97}, // 18
    {0.0003, 241.2, -44.43},  // 19
});
static_assert(kSunlonTerms.size() == 18, "rows for terms 2 to 19");

/// Sun's distance, terms c to f of the log10 series (term a, whose coefficient
/// depends on T, and the constant b are written out in sundist).
/// Coefficient [log10 of astronomical units], phase [degrees], rate
/// [degrees/year]; each term is coefficient x cos(angle).
inline constexpr auto kSundistTerms = std::to_array<SeriesTerm>({
    {-0.000091, 353.1, 719.98}, // c
    {0.000013, 205.8, 4452.67}, // d
    {0.000007, 62.0, 450.4},    // e
    {0.000007, 105.0, 329.6},   // f
});
static_assert(kSundistTerms.size() == 4, "rows for terms c to f");

} // namespace veltaro::astro
