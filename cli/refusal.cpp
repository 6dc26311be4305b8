// Refused input in words: every reason the programs give, in one place.
#include "cli/refusal.h"

#include "calendar/clockchoice.h"
#include "calendar/daterange.h"
#include "calendar/input.h"
#include "cli/eventkinds.h"

#include <cstdio>

namespace veltaro::cli {

namespace {

// Longest echo of a typed text, and longest line, in a refusal [characters].
constexpr qsizetype kLongestEcho = 40;
constexpr qsizetype kLongestLine = 240;

/// `text` cut to `length` characters with "…" after it, never inside a
/// surrogate pair; as it is when it is not longer.
QString shortened(const QString& text, qsizetype length) {
    if (text.size() <= length) {
        return text;
    }
    if (text[length - 1].isHighSurrogate()) {
        --length;
    }
    return text.left(length) + QChar(0x2026);
}

/// Control characters (and the Unicode line breaks) written as escapes, so
/// whatever was typed stays on one line: \n, \r, \t, \x1b, \u2028.
QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            out += u"\\n";
        } else if (u == u'\r') {
            out += u"\\r";
        } else if (u == u'\t') {
            out += u"\\t";
        } else if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QChar(u'0'));
        } else if (u == 0x2028 || u == 0x2029) {
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QChar(u'0'));
        } else {
            out += c;
        }
    }
    return out;
}

/// What a refusal is about and why, in words.
struct Words {
    QString what; ///< when the refusal names no option and echoes nothing
    QString reason;
};

/// "(see veltaro-tide run --help)"
QString seeHelp(const QString& program, const QString& command) {
    return command.isEmpty() ? QStringLiteral("(see %1 --help)").arg(program)
                             : QStringLiteral("(see %1 %2 --help)").arg(program, command);
}

QString commandList(const QString& program) {
    return QStringLiteral("the commands are moment, day, run, plot and phases %1")
        .arg(seeHelp(program, {}));
}

QString modeList() {
    QString list;
    for (std::size_t i = 0; i < plot::kModes.size(); ++i) {
        list += QLatin1String(i == 0 ? "" : i + 1 < plot::kModes.size() ? ", " : " or ");
        list += QLatin1String(plot::kModes[i].option);
    }
    return list;
}

QString clockList() {
    return QStringLiteral("local, jst, ut, or +HH:MM or -HH:MM ahead of UT up to %1:00")
        .arg(kMostClockOffsetMinutes / 60);
}

} // namespace

QString inputReason(const plot::RequestRefusal& refusal) {
    switch (refusal.problem) {
    case InputProblem::None:
        break;
    case InputProblem::Date:
        return QStringLiteral(
            "no such date (the month must be 1..12 and the day within the month).");
    case InputProblem::DateRange:
        return QStringLiteral("outside the dates drawn, %1-01-01 to %2-12-31.")
            .arg(kFirstYear)
            .arg(kLastYear);
    case InputProblem::LonNotNumber:
        return QStringLiteral("not a number of degrees (139.7447, or D:M:S 139:44:41).");
    case InputProblem::LatNotNumber:
        return QStringLiteral("not a number of degrees (35.6544, or D:M:S 35:39:16).");
    case InputProblem::LonRange:
        return QStringLiteral("beyond 180 degrees east or west (-180..180).");
    case InputProblem::LatRange:
        return QStringLiteral("beyond 90 degrees north or south (-90..90).");
    case InputProblem::ContDays:
        return QStringLiteral("not a whole number of days from 1 to %1.").arg(kMostContinuousDays);
    case InputProblem::ContinuousReach:
        return QStringLiteral("the drawing would run past %1-12-31; from this date it may draw at "
                              "most %2 %3.")
            .arg(kLastYear)
            .arg(refusal.longestDays)
            .arg(QLatin1String(refusal.longestDays == 1 ? "day" : "days"));
    }
    return QStringLiteral("refused.");
}

namespace {

Words wordsFor(const QString& program, const Refusal& r) {
    if (const auto* input = std::get_if<plot::RequestRefusal>(&r.why)) {
        return {{}, inputReason(*input)};
    }
    switch (std::get<Complaint>(r.why)) {
    case Complaint::NoCommand:
        return {QStringLiteral("command"),
                QStringLiteral("missing; ") + commandList(program) + u'.'};
    case Complaint::UnknownCommand:
        return {{}, QStringLiteral("unknown command; ") + commandList(program) + u'.'};
    case Complaint::UnknownOption:
        return {{}, QStringLiteral("unknown option %1.").arg(seeHelp(program, r.command))};
    case Complaint::MissingValue:
        return {{}, QStringLiteral("wants a value %1.").arg(seeHelp(program, r.command))};
    case Complaint::UnexpectedValue:
        return {{}, QStringLiteral("takes no value %1.").arg(seeHelp(program, r.command))};
    case Complaint::StrayArgument:
        return {{},
                QStringLiteral("unexpected argument: %1 takes options only %2.")
                    .arg(r.command.isEmpty() ? program : r.command, seeHelp(program, r.command))};
    case Complaint::MissingOption:
        return {{}, QStringLiteral("missing; %1 wants %2.").arg(r.command, r.detail)};
    case Complaint::NotUtf8:
        return {{}, QStringLiteral("not valid UTF-8.")};
    case Complaint::NotDate:
        return {{}, QStringLiteral("not a date YYYY-MM-DD.")};
    case Complaint::NotAngle:
        return {{}, QStringLiteral("neither decimal degrees (139.7447) nor D:M:S (139:44:41).")};
    case Complaint::NotTime:
        return {{}, QStringLiteral("not a time HH:MM from 00:00 to 23:59.")};
    case Complaint::NoSuchMode:
        return {{}, QStringLiteral("no such mode; %1.").arg(modeList())};
    case Complaint::NoSuchUnit:
        return {{}, QStringLiteral("no such unit; km, m or cm.")};
    case Complaint::NoSuchClock:
        return {{}, QStringLiteral("no such clock; %1.").arg(clockList())};
    case Complaint::NoSuchKind:
        return {{}, QStringLiteral("no such kind; %1, separated by commas.").arg(eventKindList())};
    case Complaint::NoSuchLook:
        return {{}, QStringLiteral("no such look; standard or presentation.")};
    case Complaint::NoPlaceForLocalClock:
        return {{},
                QStringLiteral("%1 has no place, so no local mean time; jst, ut, or +HH:MM or "
                               "-HH:MM ahead of UT.")
                    .arg(r.command)};
    case Complaint::DaysWithoutDayMode:
        return {{}, QStringLiteral("only with --mode day (60 and year draw one pass).")};
    case Complaint::NotPictureName:
        return {{}, QStringLiteral("the name must end in .png, .jpg, .jpeg, .svg or .pdf.")};
    case Complaint::ToBeforeFrom:
        return {{}, QStringLiteral("before --from '%1'.").arg(shortened(r.detail, kLongestEcho))};
    case Complaint::NotPlotCommand:
        return {QStringLiteral("command"),
                QStringLiteral("this program runs only the plot command of veltaro-tide %1.")
                    .arg(seeHelp(QStringLiteral("veltaro-tide"), QStringLiteral("plot")))};
    }
    return {QStringLiteral("input"), QStringLiteral("refused.")};
}

} // namespace

QString echoed(const QString& text, qsizetype length) {
    return escaped(shortened(text, length));
}

QString refusalLine(const QString& program, const Refusal& refusal) {
    const Words words = wordsFor(program, refusal);
    QString what = echoed(refusal.option, kLongestEcho);
    if (refusal.typed) {
        what += QLatin1String(what.isEmpty() ? "'" : " '") + echoed(*refusal.typed, kLongestEcho) +
                u'\'';
    }
    if (what.isEmpty()) {
        what = words.what;
    }
    return shortened(program + QStringLiteral(": ") + what + QStringLiteral(": ") +
                         escaped(words.reason),
                     kLongestLine);
}

int refuse(const Refusal& refusal) {
    std::fprintf(stderr, "%s\n",
                 refusalLine(QStringLiteral("veltaro-tide"), refusal).toUtf8().constData());
    return kBadInput;
}

} // namespace veltaro::cli
