// The date carries on arbitrary input: the spin-button fix-ups on any three
// texts, a real date stepped by a spin button, and datecheck after the
// driver's advances.
#include "check.h"

#include "astro/timeargs.h"
#include "calendar/calendar.h"
#include "calendar/daterange.h"
#include "calendar/input.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>

using namespace veltaro;

namespace {

using Fixup = DateTexts (*)(const DateTexts&);

int lengthOf(int year, int month) {
    MonthDays monthdays{};
    leapcheck(monthdays, year);
    return monthdays[static_cast<std::size_t>(month)];
}

/// Days from an epoch of a real date (julianday gives N + 0.5 at 0 h).
long long dayNumber(double year, double month, double day) {
    return std::llround(astro::julianday(year, month, day, 0, 0) - 0.5);
}

/// A box a fix-up wrote holds a whole number as plain digits.
bool plainWhole(const std::string& text) {
    const auto number = parseWholeNumber(text);
    return number && std::to_string(*number) == text;
}

/// The boxes hold whole numbers and a month of 1..12, so a fix-up may act.
bool readable(const DateTexts& t) {
    const auto month = parseWholeNumber(t.month);
    return parseWholeNumber(t.year) && month && *month >= 1 && *month <= 12 &&
           parseWholeNumber(t.day);
}

void anyTexts(FuzzedDataProvider& in) {
    DateTexts texts;
    texts.year = in.ConsumeRandomLengthString(3 * kMaxTypedLength);
    texts.month = in.ConsumeRandomLengthString(3 * kMaxTypedLength);
    texts.day = in.ConsumeRandomLengthString(3 * kMaxTypedLength);
    for (const Fixup fixup : {yearstep, monthstepdown, monthstepup, daystepdown, daystepup}) {
        const DateTexts out = fixup(texts);
        if (!readable(texts)) {
            FUZZ_CHECK(out == texts);
        }
        FUZZ_CHECK(out.year == texts.year || plainWhole(out.year));
        FUZZ_CHECK(out.month == texts.month || plainWhole(out.month));
        FUZZ_CHECK(out.day == texts.day || plainWhole(out.day));
    }
}

/// As a spin button steps its box: by one, wrapping at the ends of its range.
int spun(int value, int direction, int min, int max) {
    const int next = value + direction;
    return next > max ? min : next < min ? max : next;
}

void spinOfARealDate(FuzzedDataProvider& in) {
    const int year = in.ConsumeIntegralInRange(kFirstYear, kLastYear);
    const int month = in.ConsumeIntegralInRange(1, 12);
    const int day = in.ConsumeIntegralInRange(1, lengthOf(year, month));
    const int direction = in.ConsumeBool() ? 1 : -1;
    int y = year, m = month, d = day;
    Fixup fixup = yearstep;
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        y = spun(y, direction, kFirstYear, kLastYear);
        break;
    case 1:
        m = spun(m, direction, 1, 12);
        fixup = direction > 0 ? monthstepup : monthstepdown;
        break;
    default:
        d = spun(d, direction, 1, 31);
        fixup = direction > 0 ? daystepup : daystepdown;
        break;
    }
    const DateTexts out = fixup({std::to_string(y), std::to_string(m), std::to_string(d)});
    const auto read = readDate(out.year, out.month, out.day);
    // Still a real date; a step over the first or last year may leave the
    // accepted span, which the next drawing refuses as such.
    FUZZ_CHECK(read.problem == InputProblem::None || read.problem == InputProblem::DateRange);
    const auto ny = *parseWholeNumber(out.year);
    const auto nm = *parseWholeNumber(out.month);
    const auto nd = *parseWholeNumber(out.day);
    if (fixup == daystepup || fixup == daystepdown) {
        // The day spin button moves the date by one day.
        FUZZ_CHECK(dayNumber(ny, nm, nd) - dayNumber(year, month, day) == direction);
    } else if (fixup != yearstep) {
        // The month spin button moves to the neighbouring month, the day pulled back into it.
        FUZZ_CHECK((ny * 12 + nm) - (year * 12 + month) == direction);
        FUZZ_CHECK(nd == std::min(day, lengthOf(ny, nm)));
    } else {
        FUZZ_CHECK(ny == y && nm == month && nd == std::min(day, lengthOf(y, month)));
    }
}

void datecheckAfterAnAdvance(FuzzedDataProvider& in) {
    ObservationState s;
    s.obsyear = in.ConsumeIntegralInRange(kFirstYear, kLastYear + 1);
    s.obsmonth = in.ConsumeIntegralInRange(1, 12);
    s.obsday = in.ConsumeIntegralInRange(1, lengthOf(int(s.obsyear), int(s.obsmonth)));
    s.obshour = in.ConsumeIntegralInRange(0, 23);
    s.obsminute = in.ConsumeIntegralInRange(0, 59);
    const auto minutes = [](const ObservationState& at) {
        return dayNumber(at.obsyear, at.obsmonth, at.obsday) * 1440 +
               std::llround(at.obshour * 60 + at.obsminute);
    };
    const long long before = minutes(s);
    // The driver's three advances: 5 minutes, 10 minutes, an hour.
    const int advance = in.PickValueInArray({5, 10, 60});
    if (advance == 60) {
        s.obshour += 1;
    } else {
        s.obsminute += advance;
    }
    datecheck(s);
    FUZZ_CHECK(s.obsminute >= 0 && s.obsminute < 60 && s.obshour >= 0 && s.obshour < 24);
    FUZZ_CHECK(s.obsmonth >= 1 && s.obsmonth <= 12);
    FUZZ_CHECK(s.obsday >= 1 && s.obsday <= lengthOf(int(s.obsyear), int(s.obsmonth)));
    FUZZ_CHECK(minutes(s) - before == advance);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        anyTexts(in);
        break;
    case 1:
        spinOfARealDate(in);
        break;
    default:
        datecheckAfterAnAdvance(in);
        break;
    }
    return 0;
}
