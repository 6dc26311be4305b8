// Reading what the user typed: numbers, whole numbers, dates, angles, the
// continuous-days box, and the texts of the messages.
#include "calendar/input.h"

#include "calendar/daterange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace veltaro {
namespace {

const std::optional<double> kNone;

// ---------------------------------------------------------------------------
// parseNumber

TEST(ParseNumber, TypedTexts) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<double> want;
    };
    const Row rows[] = {
        // well-formed
        {"digits", "12", 12},
        {"negative", "-135", -135},
        {"plus sign", "+5", 5},
        {"fraction", "35.5", 35.5},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"signed leading point", "-.25", -0.25},
        {"zero", "0", 0},
        {"leading zeros", "007", 7},
        {"huge but finite", "99999999999", 99999999999.0},
        // full-width forms
        {"full-width year", "２００２", 2002},
        {"full-width minus", "－１３５", -135},
        {"full-width plus", "＋５", 5},
        {"full-width point", "３５．５", 35.5},
        {"minus sign U+2212", "−135", -135},
        {"mixed widths", "1２.５", 12.5},
        // blanks
        {"spaces around", "  12  ", 12},
        {"tabs around", "\t12\t", 12},
        {"ideographic spaces around", "　12　", 12},
        {"mixed blanks", " \t　４５　 ", 45},
        // refused
        {"empty", "", kNone},
        {"only blanks", "   ", kNone},
        {"only an ideographic space", "　", kNone},
        {"letters", "abc", kNone},
        {"number then letters", "12abc", kNone},
        {"number then kanji", "12日", kNone},
        {"letters then number", "x12", kNone},
        {"blank inside", "1 2", kNone},
        {"blank after sign", "- 5", kNone},
        {"two signs", "--5", kNone},
        {"plus minus", "+-5", kNone},
        {"sign alone", "-", kNone},
        {"point alone", ".", kNone},
        {"two points", "1.2.3", kNone},
        {"digit grouping", "1,000", kNone},
        {"full-width comma", "１，０００", kNone},
        {"decimal comma", "35,5", kNone},
        {"hexadecimal", "0x1A", kNone},
        {"exponent", "1e3", kNone},
        {"huge exponent", "1e400", kNone},
        {"full-width exponent", "１ｅ３", kNone},
        {"nan", "nan", kNone},
        {"NaN", "NaN", kNone},
        {"inf", "inf", kNone},
        {"-inf", "-inf", kNone},
        {"infinity", "Infinity", kNone},
        {"invalid UTF-8", "1\xff", kNone},
        {"cut-off UTF-8", "1\xe3\x80", kNone},
        {"katakana long mark is not a minus", "ー5", kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto got = parseNumber(row.text);
        ASSERT_EQ(got.has_value(), row.want.has_value());
        if (row.want) {
            EXPECT_EQ(*got, *row.want);
        }
    }
}

TEST(ParseNumber, MinusZeroKeepsItsSign) {
    for (const std::string text : {"-0", "－０", "-0.0", "−0"}) {
        SCOPED_TRACE(text);
        const auto got = parseNumber(text);
        ASSERT_TRUE(got);
        EXPECT_EQ(*got, 0);
        EXPECT_TRUE(std::signbit(*got));
    }
}

TEST(IsValidUtf8, Sequences) {
    const struct {
        const char* name;
        std::string text;
        bool valid;
    } rows[] = {
        {"empty", "", true},
        {"ASCII", "35:39:16", true},
        {"full-width digits", "２００２", true},
        {"four bytes", "\xf0\x9f\x8c\x99", true},
        {"a stray byte", "3\xff", false},
        {"a lone continuation byte", "\x80", false},
        {"cut off", "1\xe3\x80", false},
        {"overlong slash", "\xc0\xaf", false},
        {"surrogate", "\xed\xa0\x80", false},
        {"past U+10FFFF", "\xf4\x90\x80\x80", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(isValidUtf8(row.text), row.valid);
    }
}

TEST(ParseNumber, LengthLimit) {
    const std::string longest = std::string(kMaxTypedLength - 1, '0') + "7";
    EXPECT_EQ(parseNumber(longest), 7);
    EXPECT_EQ(parseNumber(longest + "0"), std::nullopt);
    // The limit counts characters, not bytes: 64 full-width digits are fine.
    std::string wide;
    for (std::size_t i = 0; i < kMaxTypedLength; ++i) {
        wide += "１";
    }
    ASSERT_TRUE(parseNumber(wide));
    EXPECT_EQ(parseNumber(wide + " "), std::nullopt);
}

// ---------------------------------------------------------------------------
// roundHalfEven and parseWholeNumber

TEST(RoundHalfEven, Halves) {
    const double rows[][2] = {{0.5, 0},
                              {1.5, 2},
                              {2.5, 2},
                              {3.5, 4},
                              {-0.5, 0},
                              {-1.5, -2},
                              {-2.5, -2},
                              {2.4, 2},
                              {2.6, 3},
                              {-2.6, -3},
                              {7, 7},
                              {1e17, 1e17},
                              {0.49999999999999994, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(roundHalfEven(row[0]), row[1]);
    }
}

TEST(ParseWholeNumber, TypedTexts) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<int> want;
    };
    const Row rows[] = {
        {"plain", "2002", 2002},
        {"full-width", "２００２", 2002},
        {"2.5 to even 2", "2.5", 2},
        {"3.5 to even 4", "3.5", 4},
        {"-2.5 to even -2", "-2.5", -2},
        {"12.4 down", "１２．４", 12},
        {"largest", "32767", 32767},
        {"32767.4 still in range", "32767.4", 32767},
        {"32767.5 rounds out of range", "32767.5", std::nullopt},
        {"one past", "32768", std::nullopt},
        {"smallest", "-32768", -32768},
        {"-32768.5 to even -32768", "-32768.5", -32768},
        {"one below", "-32769", std::nullopt},
        {"huge", "99999999999", std::nullopt},
        {"minus zero", "-0", 0},
        {"not a number", "abc", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(parseWholeNumber(row.text), row.want);
    }
}

// ---------------------------------------------------------------------------
// readDate

TEST(ReadDate, Boxes) {
    struct Row {
        const char* name;
        const char *year, *month, *day;
        InputProblem problem;
        int y = 0, m = 0, d = 0; // when accepted
    };
    const InputProblem ok = InputProblem::None;
    const InputProblem bad = InputProblem::Date;
    const InputProblem range = InputProblem::DateRange;
    const Row rows[] = {
        {"an ordinary date", "2002", "8", "16", ok, 2002, 8, 16},
        {"full-width", "２００２", "８", "１６", ok, 2002, 8, 16},
        {"blanks", " 2002 ", "　8", "16\t", ok, 2002, 8, 16},
        {"leap day of 2000", "2000", "2", "29", ok, 2000, 2, 29},
        {"no leap day in 2001", "2001", "2", "29", bad},
        {"no 31 April", "2002", "4", "31", bad},
        {"day 31 of December", "2002", "12", "31", ok, 2002, 12, 31},
        {"day 0", "2002", "8", "0", bad},
        {"negative day", "2002", "8", "-3", bad},
        {"day -0.4 rounds to 0", "2002", "8", "-0.4", bad},
        {"month 0", "2002", "0", "1", bad},
        {"month 13", "2002", "13", "1", bad},
        {"negative month", "2002", "-1", "1", bad},
        {"month 12.5 rounds to 12", "2002", "12.5", "1", ok, 2002, 12, 1},
        {"day 28.5 rounds to even 28", "2002", "2", "28.5", ok, 2002, 2, 28},
        {"day 29.5 rounds to 30: no such day", "2004", "2", "29.5", bad},
        {"empty year", "", "8", "16", bad},
        {"empty day", "2002", "8", "", bad},
        {"letters", "2002", "Aug", "16", bad},
        {"year beyond 16 bits", "99999", "1", "1", bad},
        {"first accepted day", "1600", "1", "1", ok, 1600, 1, 1},
        {"last accepted day", "2400", "12", "31", ok, 2400, 12, 31},
        {"day before the range", "1599", "12", "31", range},
        {"day after the range", "2401", "1", "1", range},
        {"leap day outside the range", "1596", "2", "29", range},
        {"invalid before out of range", "1599", "2", "29", bad},
        {"negative year", "-500", "3", "1", range},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readDate(row.year, row.month, row.day);
        EXPECT_EQ(read.problem, row.problem);
        ASSERT_EQ(read.ok(), row.problem == ok);
        if (read.ok()) {
            EXPECT_EQ(read.value->year, row.y);
            EXPECT_EQ(read.value->month, row.m);
            EXPECT_EQ(read.value->day, row.d);
        }
    }
}

// ---------------------------------------------------------------------------
// readAngle

TEST(ReadAngle, Boxes) {
    struct Row {
        const char* name;
        const char *deg, *min, *sec;
        bool latitude;
        InputProblem problem;
        double want; // when accepted
    };
    using P = InputProblem;
    const Row rows[] = {
        {"default longitude", "139", "44", "41", false, P::None, 139 + 44 / 60.0 + 41 / 3600.0},
        {"default latitude", "35", "39", "16", true, P::None, 35 + 39 / 60.0 + 16 / 3600.0},
        {"west: sign applies to the whole", "-135", "30", "0", false, P::None, -135.5},
        {"full-width west", "－１３５", "３０", "０", false, P::None, -135.5},
        {"minus zero counts as zero", "-0", "30", "0", true, P::None, 0.5},
        {"full-width minus zero", "－０", "30", "0", true, P::None, 0.5},
        {"small negative degrees", "-0.5", "30", "0", true, P::None, -1.0},
        {"minutes taken as typed", "10", "90", "0", false, P::None, 11.5},
        {"negative minutes taken as typed", "10", "-30", "0", false, P::None, 9.5},
        {"fractional seconds", "35", "0", "36.0", true, P::None, 0.01 + 35},
        {"longitude limit", "180", "0", "0", false, P::None, 180},
        {"western limit", "-180", "0", "0", false, P::None, -180},
        {"limit reached by minutes", "179", "60", "0", false, P::None, 180},
        {"past the limit by a second", "180", "0", "1", false, P::LonRange, 0},
        {"past the limit by minutes", "179", "61", "0", false, P::LonRange, 0},
        {"far west", "-181", "0", "0", false, P::LonRange, 0},
        {"latitude limit", "90", "0", "0", true, P::None, 90},
        {"south pole", "-90", "0", "0", true, P::None, -90},
        {"past the pole", "90", "0", "0.1", true, P::LatRange, 0},
        {"longitude value as latitude", "139", "0", "0", true, P::LatRange, 0},
        {"huge degrees", "99999999999", "0", "0", false, P::LonRange, 0},
        {"empty degrees", "", "0", "0", false, P::LonNotNumber, 0},
        {"empty minutes", "139", "", "0", false, P::LonNotNumber, 0},
        {"empty seconds", "35", "0", "", true, P::LatNotNumber, 0},
        {"letters", "E139", "0", "0", false, P::LonNotNumber, 0},
        {"nan minutes", "35", "nan", "0", true, P::LatNotNumber, 0},
        {"infinite seconds", "35", "0", "inf", true, P::LatNotNumber, 0},
        {"overflowing exponent", "1e400", "0", "0", false, P::LonNotNumber, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readAngle(row.deg, row.min, row.sec, row.latitude);
        EXPECT_EQ(read.problem, row.problem);
        ASSERT_EQ(read.ok(), row.problem == P::None);
        if (read.ok()) {
            EXPECT_NEAR(*read.value, row.want, 1e-12);
        }
    }
}

TEST(ReadAngle, MinusZeroAloneIsPlusZero) {
    const auto read = readAngle("-0", "0", "0", true);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read.value, 0);
    EXPECT_FALSE(std::signbit(*read.value));
}

// ---------------------------------------------------------------------------
// readObservation

TEST(ReadObservation, AllFieldsCarried) {
    const auto read = readObservation({"２００２", "8", "16", "-135", "30", "0", "-0", "30", "0"});
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value->year, 2002);
    EXPECT_EQ(read.value->month, 8);
    EXPECT_EQ(read.value->day, 16);
    EXPECT_EQ(read.value->lon, -135.5);
    EXPECT_EQ(read.value->lat, 0.5);
}

// ---------------------------------------------------------------------------
// readContinuousDays

TEST(ReadContinuousDays, Texts) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<int> want;
    };
    const Row rows[] = {
        {"plain", "3", 3},
        {"one", "1", 1},
        {"with 日", "3日", 3},
        {"with blank and word", " 3 日間", 3},
        {"full-width", "３", 3},
        {"full-width with 日", "３日", 3},
        {"plus sign", "+3", 3},
        {"whole with a point", "3.0", 3},
        {"blanks around", "　7　", 7},
        {"largest", "32767", 32767},
        {"one past", "32768", std::nullopt},
        {"zero", "0", std::nullopt},
        {"negative", "-1", std::nullopt},
        {"fraction", "2.5", std::nullopt},
        {"fraction with 日", "3.5日", std::nullopt},
        {"empty", "", std::nullopt},
        {"blanks only", "  ", std::nullopt},
        {"word first", "日3", std::nullopt},
        {"letters", "abc", std::nullopt},
        {"exponent", "1e3", std::nullopt},
        {"number run into letters", "12abc", std::nullopt},
        {"digit grouping", "3,000", std::nullopt},
        {"two points", "3..", std::nullopt},
        // Only a blank or a non-ASCII word may follow the number: any other
        // ASCII character, full-width ones folded, is refused alike.
        {"apostrophe group", "3'000", std::nullopt},
        {"slash", "3/4", std::nullopt},
        {"colon", "3:00", std::nullopt},
        {"control character", "3\n", std::nullopt},
        {"full-width slash", "３／４", std::nullopt},
        {"word after a blank", "3 days", 3},
        {"word after a tab", "3\t/4", 3},
        {"huge", "99999999999", std::nullopt},
        {"nan", "nan", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readContinuousDays(row.text);
        ASSERT_EQ(read.ok(), row.want.has_value());
        if (row.want) {
            EXPECT_EQ(*read.value, *row.want);
            EXPECT_EQ(read.problem, InputProblem::None);
        } else {
            EXPECT_EQ(read.problem, InputProblem::ContDays);
            EXPECT_EQ(read.box, InputBox::ContDays);
        }
    }
}

} // namespace
} // namespace veltaro
