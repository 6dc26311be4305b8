// The sexagenary (干支) day names and a day's place in their 60-day cycle.
#include "calendar/kansi.h"

#include <cmath>
#include <string_view>

namespace veltaro {

namespace {

// Entry i (1..60): the stem (i - 1) mod 10 of 甲乙丙丁戊己庚辛壬癸 followed by the
// branch (i - 1) mod 12 of 子丑寅卯辰巳午未申酉戌亥. Ten names a row.
constexpr auto kNames = std::to_array<std::string_view>({
    "甲子", "乙丑", "丙寅", "丁卯", "戊辰", "己巳", "庚午", "辛未", "壬申", "癸酉", //  1..10
    "甲戌", "乙亥", "丙子", "丁丑", "戊寅", "己卯", "庚辰", "辛巳", "壬午", "癸未", // 11..20
    "甲申", "乙酉", "丙戌", "丁亥", "戊子", "己丑", "庚寅", "辛卯", "壬辰", "癸巳", // 21..30
    "甲午", "乙未", "丙申", "丁酉", "戊戌", "己亥", "庚子", "辛丑", "壬寅", "癸卯", // 31..40
    "甲辰", "乙巳", "丙午", "丁未", "戊申", "己酉", "庚戌", "辛亥", "壬子", "癸丑", // 41..50
    "甲寅", "乙卯", "丙辰", "丁巳", "戊午", "己未", "庚申", "辛酉", "壬戌", "癸亥", // 51..60
});
static_assert(kNames.size() == 60, "six rows of ten names");

} // namespace

void kansiinit(KansiNames& names) {
    names[0].clear();
    for (std::size_t i = 1; i <= kNames.size(); ++i) {
        names[i] = kNames[i - 1];
    }
}

std::int16_t kansiindex(double x) {
    if (!std::isfinite(x)) {
        return 0;
    }
    // x is the whole day number floor(jd); a fraction is dropped the same way.
    // Remainder with the sign of the dividend: below x = 9 it is negative and the
    // result falls outside 1..60, which callers test before using it.
    const double r = std::fmod(std::floor(x) - 9, 60);
    if (r == 0) {
        return 60;
    }
    return static_cast<std::int16_t>(r);
}

std::optional<KansiParts> kansiParts(int index) {
    if (index < 1 || index > static_cast<int>(kNames.size())) {
        return std::nullopt;
    }
    return KansiParts{(index - 1) % kKansiStems, (index - 1) % kKansiBranches};
}

std::string kansiOfDay(const KansiNames& names, double jd) {
    const int index = kansiindex(std::floor(jd));
    if (index < 1 || index > 60) {
        return {};
    }
    return names[static_cast<std::size_t>(index)];
}

} // namespace veltaro
