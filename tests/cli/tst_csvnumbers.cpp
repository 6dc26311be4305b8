// The tool's number formatting against printf, which it replaces.
#include "cli/csvnumbers.h"

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

using namespace veltaro::cli;

std::string number17(double v) {
    char buffer[kNumberRoom];
    return std::string(buffer, writeNumber17(buffer, v));
}

std::string printf17(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

TEST(writeNumber17, Cases) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {1, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.10000000000000001"},
        {1e-5, "1.0000000000000001e-05"},
        {0.0001, "0.0001"},           // the smallest fixed form
        {0.3, "0.29999999999999999"}, // 17 digits, not the shortest
        {123456.789, "123456.789"},   // trailing zeros dropped
        {1e16, "10000000000000000"},  // the largest fixed form
        {1e17, "1e+17"},
        {6.2831853071795862, "6.2831853071795862"},
        {1000000000000000.25, "1000000000000000.2"}, // a tie goes to the even digit
        {1000000000000000.75, "1000000000000000.8"},
        {99999999999999999.0, "1e+17"}, // rounding carries into a new digit
        {5e-324, "4.9406564584124654e-324"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {1e-300, "1e-300"},
        {inf, "inf"},
        {-inf, "-inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(number17(c.value), c.text) << c.text;
        EXPECT_EQ(number17(c.value), printf17(c.value)) << c.text;
    }
    EXPECT_EQ(number17(std::nan("")), printf17(std::nan("")));
}

TEST(writeNumber17, SameAsPrintfOverEveryMagnitude) {
    // Random bit patterns (every exponent) and values of the size the tool
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

TEST(writeZeroPadded, Cases) {
    const struct {
        int value, width;
        const char* text;
    } cases[] = {
        {2002, 4, "2002"}, {8, 2, "08"},        {0, 2, "00"},
        {-5, 4, "-005"},   {12345, 2, "12345"}, {INT_MIN, 1, "-2147483648"},
    };
    for (const auto& c : cases) {
        char buffer[kNumberRoom];
        const std::string text(buffer, writeZeroPadded(buffer, c.value, c.width));
        EXPECT_EQ(text, c.text);
        char expected[kNumberRoom];
        std::snprintf(expected, sizeof expected, "%0*d", c.width, c.value);
        EXPECT_EQ(text, expected);
    }
}

} // namespace
