// veltaro-tide phases: new Moon, the quarters and full Moon between two dates.
#include "cli/commands.h"
#include "cli/common.h"

#include "astro/moonphase.h"
#include "astro/timeargs.h"

#include <QCommandLineParser>
#include <QDate>
#include <cmath>
#include <cstdio>

namespace veltaro::cli {

namespace {

constexpr const char* kKindNames[] = {"new", "first", "full", "last"};

/// A moment rounded to the minute: the Julian day number of its date and the
/// minute of that day, so that 23:59:40 becomes 00:00 of the next date.
struct Minute {
    qint64 dayNumber;
    int minuteOfDay;
};

/// The moment `jdUT` on a clock `aheadMinutes` ahead of universal time.
Minute roundedToTheMinute(double jdUT, double aheadMinutes) {
    // 0 h of the date with day number N is the Julian day N - 0.5; every
    // accepted date has a positive day number.
    const auto minutes = static_cast<qint64>(std::llround((jdUT + 0.5) * 1440 + aheadMinutes));
    return {minutes / 1440, static_cast<int>(minutes % 1440)};
}

qint64 dayNumberOf(const ObservationInput& date) {
    return static_cast<qint64>(astro::julianday(date.year, date.month, date.day, 0, 0) + 0.5);
}

} // namespace

int phasesCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Moon's principal phases between two dates, found from the Sun and Moon\n"
        "series the window draws with: the moments when the Moon's ecliptic longitude\n"
        "exceeds the Sun's by 0 (new Moon), 90 (first quarter), 180 (full Moon) and\n"
        "270 degrees (last quarter). Prints CSV: kind,date,time, one row a phase from\n"
        "00:00 of --from to the end of --to, kind new, first, full or last, date and\n"
        "time on the clock of --clock (universal time unless told) rounded to the\n"
        "minute. From 1900 to 2100 the times agree with published ones to about a\n"
        "minute; towards 1600 and 2400 they drift by up to 7 and 9 minutes. It reads\n"
        "nothing but its options."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption from(
        QStringLiteral("from"),
        requiredHelp(QStringLiteral("The first day, YYYY-MM-DD, %1.").arg(acceptedDates())),
        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption to(
        QStringLiteral("to"),
        requiredHelp(QStringLiteral("The last day, YYYY-MM-DD, not before --from.")),
        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption clock(
        QStringLiteral("clock"),
        QStringLiteral("The clock of the dates and times: ut (the default: universal time), jst "
                       "(Japan Standard Time, %1 hours ahead of UT) or +HH:MM / -HH:MM ahead of "
                       "UT (up to %2:00). On JST a new Moon at 20:00 UT is at 05:00 the next "
                       "day, and --from and --to are days on JST. Not local: local mean time "
                       "needs a place, which phases has not.")
            .arg(minutesAheadOfUt({ClockKind::Jst, 0}, 0) / 60)
            .arg(kMostClockOffsetMinutes / 60),
        QStringLiteral("CLOCK"));
    for (const auto* option : {&help, &from, &to, &clock}) {
        parser.addOption(*option);
    }
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("phases"))) {
        return *status;
    }

    // The given dates are read first, so that a bad one is reported even when
    // the other is missing.
    Refusal refusal;
    const QString fromText = parser.value(from).trimmed();
    const QString toText = parser.value(to).trimmed();
    std::optional<ObservationInput> first;
    std::optional<ObservationInput> last;
    if (parser.isSet(from) && !(first = parseDate(fromText, refusal, QStringLiteral("--from")))) {
        return refuse(refusal);
    }
    if (parser.isSet(to) && !(last = parseDate(toText, refusal, QStringLiteral("--to")))) {
        return refuse(refusal);
    }
    const auto chosen = readClockOption(parser, clock, ClockChoice{ClockKind::Ut, 0}, false,
                                        QStringLiteral("phases"), refusal);
    if (!chosen) {
        return refuse(refusal);
    }
    if (const auto status = refuseMissing(parser, QStringLiteral("phases"), {&from, &to},
                                          QStringLiteral("--from YYYY-MM-DD --to YYYY-MM-DD"))) {
        return *status;
    }
    const qint64 firstDay = dayNumberOf(*first);
    const qint64 lastDay = dayNumberOf(*last);
    if (lastDay < firstDay) {
        refusal = Refusal{Complaint::ToBeforeFrom, QStringLiteral("--to"), toText};
        refusal.detail = fromText;
        return refuse(refusal);
    }

    // The days asked for are days on the clock: each starts `ahead` [days]
    // before 0 h UT of its date. A minute either side, then the rows whose
    // rounded date lies in the span.
    constexpr double kMinute = 1.0 / 1440;
    const double aheadMinutes = minutesAheadOfUt(*chosen, 0);
    const double ahead = aheadMinutes / 1440;
    const auto events = astro::moonPhaseEvents(double(firstDay) - 0.5 - ahead - kMinute,
                                               double(lastDay) + 0.5 - ahead + kMinute);
    QByteArray out = "kind,date,time\n";
    for (const astro::MoonPhaseEvent& event : events) {
        const Minute at = roundedToTheMinute(event.jdUT, aheadMinutes);
        if (at.dayNumber < firstDay || at.dayNumber > lastDay) {
            continue;
        }
        const QDate date = QDate::fromJulianDay(at.dayNumber);
        char row[64];
        std::snprintf(row, sizeof row, "%s,%04d-%02d-%02d,%02d:%02d\n",
                      kKindNames[static_cast<int>(event.kind)], date.year(), date.month(),
                      date.day(), at.minuteOfDay / 60, at.minuteOfDay % 60);
        out += row;
    }
    writeOut(std::string_view(out.constData(), static_cast<std::size_t>(out.size())));
    return 0;
}

} // namespace veltaro::cli
