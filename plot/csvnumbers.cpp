// Decimal forms of numbers without printf.
#include "plot/csvnumbers.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace veltaro::plot {

namespace {

/// 5^p for p = 0..27, the powers that fit 64 bits.
constexpr auto kPow5 = [] {
    struct Table {
        std::uint64_t value[28];
    } t{};
    t.value[0] = 1;
    for (int p = 1; p < 28; ++p) {
        t.value[p] = t.value[p - 1] * 5;
    }
    return t;
}();

constexpr std::uint64_t kTen16 = 10'000'000'000'000'000ULL;
constexpr std::uint64_t kTen17 = 100'000'000'000'000'000ULL;

constexpr char kPairs[] = "00010203040506070809"
                          "10111213141516171819"
                          "20212223242526272829"
                          "30313233343536373839"
                          "40414243444546474849"
                          "50515253545556575859"
                          "60616263646566676869"
                          "70717273747576777879"
                          "80818283848586878889"
                          "90919293949596979899";

/// The eight digits of v < 10^8 into d[0..7].
void eightDigits(std::uint32_t v, char* d) {
    const std::uint32_t high = v / 10000;
    const std::uint32_t low = v % 10000;
    std::memcpy(d, kPairs + 2 * (high / 100), 2);
    std::memcpy(d + 2, kPairs + 2 * (high % 100), 2);
    std::memcpy(d + 4, kPairs + 2 * (low / 100), 2);
    std::memcpy(d + 6, kPairs + 2 * (low % 100), 2);
}

/// The 17 digits of 10^16 <= q < 10^17 into digits[0..16].
void seventeenDigits(std::uint64_t q, char* digits) {
    const auto high = static_cast<std::uint32_t>(q / 100'000'000); // nine digits
    const auto low = static_cast<std::uint32_t>(q % 100'000'000);
    digits[0] = static_cast<char>('0' + high / 100'000'000);
    eightDigits(high % 100'000'000, digits + 1);
    eightDigits(low, digits + 9);
}

/// The value scaled to 17 significant digits and rounded to the nearest
/// whole number, halves to even, as an exact calculation gives it: |v| = q x
/// 10^(exponent - 16), 10^16 <= q < 10^17. False when the value lies outside
/// what 5^p up to 5^27 reaches exactly (below about 1e-11, from 1e17 on).
bool scaled(std::uint64_t mantissa, int binaryExponent, std::uint64_t& q, int& exponent) {
    // |v| = mantissa x 2^binaryExponent with mantissa in [2^52, 2^53), so
    // 10^e <= |v| < 2 x 10^(e+1) for e the floor of log10(2^(binaryExponent + 52)).
    const int k = binaryExponent + 52;
    int e = static_cast<int>((static_cast<std::int64_t>(k) * 78913) >> 18);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int p = 16 - e; // |v| x 10^p should have 17 digits before the point
        if (p < 0 || p > 27) {
            return false;
        }
        // |v| x 10^p = mantissa x 5^p x 2^(binaryExponent + p), exactly.
        const unsigned __int128 n = static_cast<unsigned __int128>(mantissa) * kPow5.value[p];
        const int shift = binaryExponent + p;
        unsigned __int128 whole;
        bool roundUp = false;
        if (shift >= 0) {
            whole = shift >= 64 ? ~static_cast<unsigned __int128>(0) : n << shift;
        } else if (-shift >= 128) {
            whole = 0;
        } else {
            const int s = -shift;
            whole = n >> s;
            const unsigned __int128 rest = n & ((static_cast<unsigned __int128>(1) << s) - 1);
            const unsigned __int128 half = static_cast<unsigned __int128>(1) << (s - 1);
            roundUp = rest > half || (rest == half && (whole & 1) != 0);
        }
        if (whole >= kTen17) {
            ++e;
            continue;
        }
        if (whole < kTen16) {
            --e;
            continue;
        }
        q = static_cast<std::uint64_t>(whole) + (roundUp ? 1 : 0);
        exponent = e;
        if (q == kTen17) {
            q = kTen16;
            ++exponent;
        }
        return true;
    }
    return false;
}

} // namespace

char* writeNumber17(char* out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t q = 0;
    int exponent = 0;
    // Zero, subnormal numbers, infinities, NaN and the far ends of the range
    // take the library's exact conversion, which is the same text, slower.
    if (biased == 0 || biased == 0x7ff ||
        !scaled((bits & ((1ULL << 52) - 1)) | (1ULL << 52), biased - 1075, q, exponent)) {
        return std::to_chars(out, out + kNumberRoom, value, std::chars_format::general, 17).ptr;
    }
    if (bits >> 63) {
        *out++ = '-';
    }
    // The digits with room behind them: the copies below are of fixed length
    // (no library call), and what they write past the number's end is left
    // for the next write to cover.
    char digits[33];
    seventeenDigits(q, digits);
    std::memset(digits + 17, '0', 16);
    int used = 17;
    while (used > 1 && digits[used - 1] == '0') {
        --used;
    }
    if (exponent >= 0 && exponent < 17) {
        // The whole part, then the point and the fraction if digits are left.
        const int whole = exponent + 1;
        std::memcpy(out, digits, 17);
        if (used <= whole) {
            return out + whole;
        }
        out[whole] = '.';
        std::memcpy(out + whole + 1, digits + whole, 16);
        return out + used + 1;
    }
    if (exponent >= -4 && exponent < 0) {
        std::memcpy(out, "0.000", 5);
        out += 1 - exponent; // "0." and the zeros after the point
        std::memcpy(out, digits, 17);
        return out + used;
    }
    out[0] = digits[0];
    out[1] = '.';
    std::memcpy(out + 2, digits + 1, 16);
    out += used > 1 ? used + 1 : 1;
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    return writeZeroPadded(out, exponent < 0 ? -exponent : exponent, 2);
}

char* writeZeroPadded(char* out, int value, int width) {
    // The common cases of the CSV (months, days, hours, minutes, years) by pairs.
    if (width == 2 && value >= 0 && value < 100) {
        std::memcpy(out, kPairs + 2 * value, 2);
        return out + 2;
    }
    if (width == 4 && value >= 0 && value < 10000) {
        std::memcpy(out, kPairs + 2 * (value / 100), 2);
        std::memcpy(out + 2, kPairs + 2 * (value % 100), 2);
        return out + 4;
    }
    unsigned magnitude = static_cast<unsigned>(value);
    if (value < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
        --width;
    }
    char digits[12];
    char* p = digits + sizeof digits;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int length = static_cast<int>(digits + sizeof digits - p);
    for (int pad = length; pad < width; ++pad) {
        *out++ = '0';
    }
    std::memcpy(out, p, static_cast<std::size_t>(length));
    return out + length;
}

} // namespace veltaro::plot
