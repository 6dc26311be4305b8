// The sexagenary day names and the index of a day in their cycle.
#include "calendar/kansi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace veltaro {
namespace {

// The ten stems and twelve branches, one character (three UTF-8 bytes) each.
const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                   "午", "未", "申", "酉", "戌", "亥"};

/// Name i (1..60) built from the stem and branch lists, independent of the table.
std::string derivedName(int i) {
    return std::string(kStems[(i - 1) % 10]) + kBranches[(i - 1) % 12];
}

KansiNames filledTable() {
    KansiNames names;
    kansiinit(names);
    return names;
}

TEST(Kansiinit, EveryEntryIsItsStemAndBranch) {
    const KansiNames names = filledTable();
    EXPECT_TRUE(names[0].empty());
    for (int i = 1; i <= 60; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(names[static_cast<std::size_t>(i)], derivedName(i));
    }
    EXPECT_EQ(names[1], "甲子");
    EXPECT_EQ(names[60], "癸亥");
}

TEST(Kansiindex, KnownValues) {
    struct Row {
        const char* name;
        double x;
        int index;
    };
    const Row rows[] = {
        {"1 January 2000, JD 2451544.5: 戊午", 2451544, 55},
        {"16 August 2002, JD 2452502.5: 丙辰", 2452502, 53},
        {"x = 69 is the last of a cycle", 69, 60},
        {"x = 70 starts one", 70, 1},
        {"x = 9 gives 0, read as 60", 9, 60},
        {"x = 10", 10, 1},
        {"x = 8 below the start: negative", 8, -1},
        {"x = 0: negative", 0, -9},
        {"x = -51 divides evenly: 60", -51, 60},
        {"a fraction is dropped", 2451544.75, 55},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kansiindex(row.x), row.index);
    }
}

TEST(Kansiindex, NonFiniteIsOutsideTheCycle) {
    EXPECT_EQ(kansiindex(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(kansiindex(std::numeric_limits<double>::infinity()), 0);
}

TEST(KansiParts, StemAndBranchOfAName) {
    struct Row {
        const char* name;
        int index;
        std::optional<KansiParts> parts;
    };
    const Row rows[] = {
        {"甲子 first", 1, KansiParts{0, 0}},
        {"癸酉: the stems end first", 10, KansiParts{9, 9}},
        {"甲戌: the stems start again", 11, KansiParts{0, 10}},
        {"丙辰, 16 August 2002", 53, KansiParts{2, 4}},
        {"戊午, 1 January 2000", 55, KansiParts{4, 6}},
        {"癸亥 last", 60, KansiParts{9, 11}},
        {"0, what kansiindex gives a day that is not a number", 0, std::nullopt},
        {"61", 61, std::nullopt},
        {"negative, below the cycle", -1, std::nullopt},
    };
    const KansiNames names = filledTable();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<KansiParts> parts = kansiParts(row.index);
        ASSERT_EQ(parts.has_value(), row.parts.has_value());
        if (parts) {
            EXPECT_EQ(parts->stem, row.parts->stem);
            EXPECT_EQ(parts->branch, row.parts->branch);
            EXPECT_EQ(std::string(kStems[parts->stem]) + kBranches[parts->branch],
                      names[static_cast<std::size_t>(row.index)]);
        }
    }
}

TEST(KansiOfDay, NamedDays) {
    const KansiNames names = filledTable();
    struct Row {
        const char* name;
        double jd;
        const char* kansi;
    };
    const Row rows[] = {
        {"1 January 2000", 2451544.5, "戊午"},
        {"16 August 2002", 2452502.5, "丙辰"},
        {"index 60 at x = 69", 69.5, "癸亥"},
        {"index 1 at x = 70", 70.5, "甲子"},
        {"below the cycle's start", 8.5, ""},
        {"far below", -1000.5, ""},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kansiOfDay(names, row.jd), row.kansi);
    }
}

TEST(KansiOfDay, EmptyTableGivesEmptyName) {
    const KansiNames empty{};
    EXPECT_EQ(kansiOfDay(empty, 2451544.5), "");
}

TEST(KansiOfDay, ConsecutiveDaysAreConsecutiveInTheCycle) {
    // 1000 days from 1 January 2000 (index 55): each day one further, 60
    // followed by 1, and the name the stem and branch of that position.
    const KansiNames names = filledTable();
    int previous = kansiindex(2451544);
    for (int n = 1; n < 1000; ++n) {
        const double jd = 2451544.5 + n;
        const int index = kansiindex(std::floor(jd));
        SCOPED_TRACE(n);
        ASSERT_EQ(index, previous == 60 ? 1 : previous + 1);
        ASSERT_EQ(index, (55 - 1 + n) % 60 + 1); // counted on from 戊午

        ASSERT_EQ(kansiOfDay(names, jd), derivedName(index));
        previous = index;
    }
}

} // namespace
} // namespace veltaro
