#pragma once

#include "calendar/observation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltaro {

/// Fills `names`[1..60] with the sexagenary day names, 甲子 first, 癸亥 last.
void kansiinit(KansiNames& names);

/// Position 1..60 in the sexagenary cycle of the day whose Julian day at 0 h has
/// the integer part `x` (x = floor(jd)): (x - 9) mod 60, 0 read as 60.
/// Values of x below 9 (never a calendar date) give a negative remainder and an
/// index outside 1..60, except x = 9 - 60k, which gives 60. A fraction of x is
/// dropped (floor).
std::int16_t kansiindex(double x);

/// How many stems and branches there are; their cycles meet again after 60 days.
inline constexpr int kKansiStems = 10;
inline constexpr int kKansiBranches = 12;

/// The two parts of a sexagenary name: its stem, 0..9 for 甲乙丙丁戊己庚辛壬癸, and
/// its branch, 0..11 for 子丑寅卯辰巳午未申酉戌亥.
struct KansiParts {
    int stem;
    int branch;
};

/// The stem and branch of name `index` (1..60, as kansiindex gives it): stem
/// (index - 1) mod 10, branch (index - 1) mod 12. Nothing for an index outside 1..60.
std::optional<KansiParts> kansiParts(int index);

/// The name of the day whose 0 h Julian day is `jd`, or an empty text if its
/// index falls outside 1..60 or the table is not filled.
std::string kansiOfDay(const KansiNames& names, double jd);

} // namespace veltaro
