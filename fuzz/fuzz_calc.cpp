// calc over the whole domain the program evaluates: every date from the first
// accepted day to the last a drawing reaches (a year past the last accepted
// day), any clock time, latitude and longitude. Every result is finite and
// within its documented range, and the evaluation is repeatable.
#include "check.h"

#include "astro/tide.h"
#include "calendar/calendar.h"
#include "calendar/daterange.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

using namespace veltaro;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    astro::TideInput at;
    at.year = in.ConsumeIntegralInRange(kFirstYear, kLastYear + 1);
    at.month = in.ConsumeIntegralInRange(1, 12);
    MonthDays monthdays{};
    leapcheck(monthdays, at.year);
    at.day = in.ConsumeIntegralInRange<int>(1, monthdays[static_cast<std::size_t>(at.month)]);
    at.hour = in.ConsumeIntegralInRange(0, 23);
    at.minute = in.ConsumeFloatingPointInRange(0.0, std::nextafter(60.0, 0.0));
    at.lat = in.ConsumeFloatingPointInRange(-90.0, 90.0);
    at.lon = in.ConsumeFloatingPointInRange(-180.0, 180.0);

    const astro::TideEvaluation e = astro::calc(at); // an ArithmeticFault is a finding
    FUZZ_CHECK(within(e.sunlon, -360, 360) && within(e.moonlon, -360, 360));
    FUZZ_CHECK(within(e.sundist, 147.0e6, 152.2e6) && within(e.moondist, 356.6e3, 416.9e3));
    FUZZ_CHECK(within(e.moonlat, -5.4, 5.4));
    FUZZ_CHECK(within(e.SSlon, -90, 270) && within(e.MMlon, -90, 270));
    FUZZ_CHECK(within(e.zs, 0, kTwoPi) && within(e.zm, 0, kTwoPi));
    FUZZ_CHECK(within(e.MSangle, 0, kTwoPi) && within(e.MSGangle, 0, kTwoPi));
    // The heights: at most mu R^4 / r^3, with the body at the zenith or nadir, and
    // at least half of that below zero, on the horizon.
    for (const auto [height, mu, r] : {std::array{e.Ssea, astro::kSunMassRatio, e.sundist},
                                       std::array{e.Msea, astro::kMoonMassRatio, e.moondist}}) {
        const double most = mu * std::pow(6378.14, 4) / (r * r * r);
        FUZZ_CHECK(within(height, -0.5 * most * (1 + 1e-9), most * (1 + 1e-9)));
    }
    FUZZ_CHECK(std::isfinite(e.jd) && std::isfinite(e.T) && std::isfinite(e.obliquity) &&
               std::isfinite(e.theta));

    const astro::TideEvaluation again = astro::calc(at);
    FUZZ_CHECK(std::memcmp(&e, &again, sizeof e) == 0);
    return 0;
}
