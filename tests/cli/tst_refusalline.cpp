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

} // namespace
