// The CSV number formatting against printf, which it replaces.
#include "plot/csvnumbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

using namespace veltaro::plot;

std::string number17(double v) {
    char buffer[kNumberRoom];
    return std::string(buffer, writeNumber17(buffer, v));
}

std::string printf17(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

TEST(writeNumber17, SameAsPrintf) {
    // The edges of the format first: signed zeros, the smallest and largest fixed
    // forms (1e-4, 1e16), 17 digits rather than the shortest (0.3), trailing
    // zeros dropped, the smallest subnormal, the largest double; then 17 digits
    // of 2 pi, a tie to the even digit (…0.25, …0.75) and a carry into a new
    // digit (99999999999999999).
    const double inf = std::numeric_limits<double>::infinity();
    const double largest = std::numeric_limits<double>::max();
    const double nan = std::nan("");
    const double edges[] = {0.0,  -0.0, 1,      -2.5,   0.1,     1e-5, 0.0001, 0.3, 123456.789,
                            1e16, 1e17, 1e-300, 5e-324, largest, inf,  -inf,   nan};
    const double roundings[] = {6.2831853071795862, 1000000000000000.25, 1000000000000000.75,
                                99999999999999999.0};
    for (const double v : edges) {
        EXPECT_EQ(number17(v), printf17(v));
    }
    for (const double v : roundings) {
        EXPECT_EQ(number17(v), printf17(v));
    }
    // Then random bit patterns (every exponent) and values of the size the tool
    // prints: tide heights, angles, Julian days, distances.
    std::mt19937_64 random(1975);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double scales[] = {1e-4, 3e-10, 6.3, 2.4e6, 1.5e8, 1e12};
    for (int i = 0; i < 200000; ++i) {
        const double v = i % 2 == 0 ? std::bit_cast<double>(random())
                                    : unit(random) * scales[(i / 2) % std::size(scales)];
        if (std::isnan(v)) {
            continue;
        }
        ASSERT_EQ(number17(v), printf17(v)) << std::bit_cast<std::uint64_t>(v);
    }
}

TEST(writeZeroPadded, SameAsPrintf) {
    const struct {
        int value, width;
    } cases[] = {{2002, 4}, {8, 2}, {0, 2}, {-5, 4}, {12345, 2}, {INT_MIN, 1}};
    for (const auto& c : cases) {
        char buffer[kNumberRoom];
        char expected[kNumberRoom];
        std::snprintf(expected, sizeof expected, "%0*d", c.width, c.value);
        EXPECT_EQ(std::string(buffer, writeZeroPadded(buffer, c.value, c.width)), expected);
    }
}

} // namespace
