// The one line of a refusal: whatever was typed, it stays one line, echoes at
// most 40 characters of each typed text, and takes its numbers from the values.
#include "cli/refusal.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

using veltaro::cli::Complaint;
using veltaro::cli::Refusal;
using veltaro::cli::refusalLine;

TEST(RefusalLine, TypedTextStaysOneShortLine) {
    const QString forty(40, u'7');
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8C\x95"); // two UTF-16 units
    const struct {
        const char* name;
        Refusal refusal;
        QString has;    // the line holds this
        QString hasNot; // and not this
    } rows[] = {
        {"a long value is cut after 40 characters",
         {Complaint::NotDate, QStringLiteral("--date"), forty + QStringLiteral("89")},
         forty + QChar(0x2026),
         forty + u'8'},
        {"a long option name too",
         {Complaint::UnknownOption, QStringLiteral("--") + forty + QStringLiteral("89")},
         QStringLiteral("--") + forty.left(38) + QChar(0x2026),
         forty.left(39)},
        {"a cut never splits a surrogate pair",
         {Complaint::NotDate, QStringLiteral("--date"), QString(39, u'7') + emoji + u'8'},
         QString(39, u'7') + QChar(0x2026),
         emoji},
        {"control characters are escaped",
         {Complaint::StrayArgument, {}, QStringLiteral("a\nb\x1b[31m\u2028")},
         QStringLiteral("'a\\nb\\x1b[31m\\u2028'"),
         QStringLiteral("\n")},
        {"the program's own help",
         {Complaint::UnknownOption, QStringLiteral("--x")},
         QStringLiteral("--x: unknown option (see veltaro --help)."),
         QStringLiteral("tide")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString line = refusalLine(QStringLiteral("veltaro"), row.refusal);
        EXPECT_TRUE(line.startsWith(u"veltaro: ")) << line.toStdString();
        EXPECT_TRUE(line.contains(row.has)) << line.toStdString();
        EXPECT_FALSE(line.contains(row.hasNot)) << line.toStdString();
        EXPECT_LE(line.size(), 240);
    }
}

TEST(RefusalLine, ReasonsTakeTheirNumbersFromTheRefusal) {
    using veltaro::InputProblem;
    const struct {
        int longestDays;
        const char* says;
    } rows[] = {{1, "at most 1 day."}, {2, "at most 2 days."}, {31, "at most 31 days."}};
    for (const auto& row : rows) {
        const QString reason = veltaro::cli::inputReason(
            {InputProblem::ContinuousReach, veltaro::InputBox::ContDays, row.longestDays});
        EXPECT_TRUE(reason.endsWith(QLatin1String(row.says))) << reason.toStdString();
    }
}

TEST(RefusalLine, EveryReasonInBothLanguages) {
    using veltaro::InputProblem;
    using veltaro::cli::ToolLanguage;
    auto input = [](InputProblem problem) {
        return Refusal{veltaro::plot::RequestRefusal{problem, veltaro::InputBox::None, 3}};
    };
    const struct {
        Refusal refusal;
        const char* english;
        const char* japanese;
    } rows[] = {
        {{Complaint::NoCommand}, "command: missing", "コマンド: ありません"},
        {{Complaint::UnknownCommand}, "unknown command", "不明なコマンド"},
        {{Complaint::UnknownOption}, "unknown option (see", "不明なオプションです（"},
        {{Complaint::MissingValue}, "wants a value", "値がありません"},
        {{Complaint::UnexpectedValue}, "takes no value", "値をとりません"},
        {{Complaint::StrayArgument}, "unexpected argument", "余分な引数"},
        {{Complaint::MissingOption}, "missing; ", "ありません。"},
        {{Complaint::NotUtf8}, "not valid UTF-8", "UTF-8 ではありません"},
        {{Complaint::NotDate}, "not a date", "日付 YYYY-MM-DD ではありません"},
        {{Complaint::NotAngle}, "neither decimal degrees", "度:分:秒（139:44:41）でも"},
        {{Complaint::NotTime}, "not a time", "時刻 HH:MM ではありません"},
        {{Complaint::NoSuchMode}, "no such mode; day, 60 or year", "day、60、year のいずれか"},
        {{Complaint::NoSuchUnit}, "no such unit", "その単位はありません"},
        {{Complaint::NoSuchClock}, "no such clock; local", "その時計はありません。local"},
        {{Complaint::NoSuchPlacelessClock}, "no such clock; jst", "その時計はありません。jst"},
        {{Complaint::NoSuchLook}, "no such look", "その見た目はありません"},
        {{Complaint::NoSuchKind}, "no such kind", "その種類はありません"},
        {{Complaint::NoPlaceForLocalClock}, "no local mean time", "地方平均時は使えません"},
        {{Complaint::DaysWithoutDayMode}, "only with --mode day", "--mode day のときだけ"},
        {{Complaint::NotPictureName}, "must end in .png", ".pdf で終えてください"},
        {{Complaint::ToBeforeFrom}, "before --from", "より前です"},
        {{Complaint::NotPlotCommand}, "only the plot command", "plot コマンドだけ"},
        {{Complaint::NoSuchLanguage}, "no such language", "その言語はありません"},
        {input(InputProblem::Date), "no such date", "その日付はありません"},
        {input(InputProblem::DateRange), "outside the dates drawn", "描ける日付"},
        {input(InputProblem::LonNotNumber), "(139.7447, or D:M:S", "（139.7447、または"},
        {input(InputProblem::LatNotNumber), "(35.6544, or D:M:S", "（35.6544、または"},
        {input(InputProblem::LonRange), "180 degrees east or west", "東西 180 度"},
        {input(InputProblem::LatRange), "90 degrees north or south", "南北 90 度"},
        {input(InputProblem::ContDays), "not a whole number of days", "整数の日数ではありません"},
        {input(InputProblem::ContinuousReach), "at most 3 days", "3 日まで描けます"},
    };
    for (const auto& row : rows) {
        const QString english =
            refusalLine(QStringLiteral("veltaro-tide"), row.refusal, ToolLanguage::English);
        const QString japanese =
            refusalLine(QStringLiteral("veltaro-tide"), row.refusal, ToolLanguage::Japanese);
        EXPECT_TRUE(english.contains(QString::fromUtf8(row.english))) << english.toStdString();
        EXPECT_TRUE(japanese.contains(QString::fromUtf8(row.japanese))) << japanese.toStdString();
    }
}

} // namespace
