// Every reader of typed input on arbitrary texts: what it accepts lies within
// its documented range, and it refuses with the problem its place calls for.
#include "check.h"

#include "calendar/calendar.h"
#include "calendar/daterange.h"
#include "calendar/input.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>

using namespace veltaro;

namespace {

constexpr std::size_t kLongest = 3 * kMaxTypedLength;

void checkNumber(const std::string& text) {
    const auto number = parseNumber(text);
    FUZZ_CHECK(!number || (std::isfinite(*number) && isValidUtf8(text)));
    const auto whole = parseWholeNumber(text);
    FUZZ_CHECK(!whole || (number && *whole >= -32768 && *whole <= 32767 &&
                          std::fabs(*whole - *number) <= 0.5));
}

void checkAngle(const Read<double>& angle, bool latitude) {
    if (angle.ok()) {
        FUZZ_CHECK(angle.problem == InputProblem::None);
        FUZZ_CHECK(std::isfinite(*angle.value) && std::fabs(*angle.value) <= (latitude ? 90 : 180));
    } else if (latitude) {
        FUZZ_CHECK(angle.problem == InputProblem::LatNotNumber ||
                   angle.problem == InputProblem::LatRange);
    } else {
        FUZZ_CHECK(angle.problem == InputProblem::LonNotNumber ||
                   angle.problem == InputProblem::LonRange);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    InputTexts t;
    for (std::string* box : {&t.year, &t.month, &t.day, &t.lonDeg, &t.lonMin, &t.lonSec, &t.latDeg,
                             &t.latMin, &t.latSec}) {
        *box = in.ConsumeRandomLengthString(kLongest);
        checkNumber(*box);
    }
    const std::string days = in.ConsumeRandomLengthString(kLongest);
    checkNumber(days);

    const auto date = readDate(t.year, t.month, t.day);
    if (date.ok()) {
        const ObservationInput& d = *date.value;
        MonthDays monthdays{};
        leapcheck(monthdays, d.year);
        FUZZ_CHECK(d.year >= kFirstYear && d.year <= kLastYear);
        FUZZ_CHECK(d.month >= 1 && d.month <= 12);
        FUZZ_CHECK(d.day >= 1 && d.day <= monthdays[static_cast<std::size_t>(d.month)]);
    } else {
        FUZZ_CHECK(date.problem == InputProblem::Date || date.problem == InputProblem::DateRange);
    }
    const auto lon = readAngle(t.lonDeg, t.lonMin, t.lonSec, false);
    const auto lat = readAngle(t.latDeg, t.latMin, t.latSec, true);
    checkAngle(lon, false);
    checkAngle(lat, true);

    // All nine boxes: the first problem, in the order date, longitude, latitude.
    const auto all = readObservation(t);
    const InputProblem first = !date.ok() ? date.problem : !lon.ok() ? lon.problem : lat.problem;
    FUZZ_CHECK(all.problem == first);
    FUZZ_CHECK(all.ok() == (first == InputProblem::None));
    if (all.ok()) {
        FUZZ_CHECK(all.value->lon == *lon.value && all.value->lat == *lat.value);
    }

    const auto count = readContinuousDays(days);
    if (count.ok()) {
        FUZZ_CHECK(*count.value >= 1 && *count.value <= kMostContinuousDays);
    } else {
        FUZZ_CHECK(count.problem == InputProblem::ContDays);
    }
    return 0;
}
