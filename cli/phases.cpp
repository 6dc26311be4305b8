// veltaro-tide phases: new Moon, the quarters and full Moon between two dates,
// and on request the Moon's perigee, apogee, greatest declinations and equator
// crossings.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/eventkinds.h"

#include "astro/moonevents.h"
#include "astro/moonphase.h"
#include "astro/timeargs.h"

#include <QCommandLineParser>
#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace veltaro::cli {

namespace {

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

/// "perigee, apogee": the names of `count` kinds from `first` on.
QString kindNames(std::size_t first, std::size_t count) {
    QString names;
    for (std::size_t i = first; i < first + count; ++i) {
        names += QLatin1String(i == first ? "" : ", ") + QLatin1String(kEventKinds[i].name);
    }
    return names;
}

/// Which of kEventKinds are asked for.
using KindChoice = std::array<bool, kEventKinds.size()>;

/// The comma list of --kinds; nothing, with the reason in `refusal`, when a
/// name is none of kEventKinds.
std::optional<KindChoice> readKinds(const QString& text, Refusal& refusal) {
    KindChoice chosen{};
    for (const QString& part : text.split(u',')) {
        const QString name = part.trimmed();
        const auto* kind = std::find_if(kEventKinds.begin(), kEventKinds.end(),
                                        [&name](const EventKind& k) { return name == k.name; });
        if (kind == kEventKinds.end()) {
            refusal = Refusal{Complaint::NoSuchKind, QStringLiteral("--kinds"), text};
            return std::nullopt;
        }
        chosen[std::size_t(kind - kEventKinds.begin())] = true;
    }
    return chosen;
}

/// The index in kEventKinds of `event`.
template <typename Event> std::size_t kindIndex(Event event) {
    const auto* kind =
        std::find_if(kEventKinds.begin(), kEventKinds.end(), [event](const EventKind& k) {
            const auto* e = std::get_if<Event>(&k.event);
            return e != nullptr && *e == event;
        });
    return std::size_t(kind - kEventKinds.begin());
}

/// One row to print: its moment and its kind.
struct Moment {
    double jdUT;
    std::size_t kind; ///< index in kEventKinds
};

/// The moments of the chosen kinds in [fromUT, toUT], in time order.
std::vector<Moment> chosenMoments(const KindChoice& chosen, double fromUT, double toUT) {
    std::vector<Moment> moments;
    if (std::any_of(chosen.begin(), chosen.begin() + kDefaultEventKinds,
                    [](bool b) { return b; })) {
        for (const astro::MoonPhaseEvent& e : astro::moonPhaseEvents(fromUT, toUT)) {
            moments.push_back({e.jdUT, kindIndex(e.kind)});
        }
    }
    if (std::any_of(chosen.begin() + kDefaultEventKinds, chosen.end(), [](bool b) { return b; })) {
        for (const astro::MoonEventMoment& e : astro::moonEvents(fromUT, toUT)) {
            moments.push_back({e.jdUT, kindIndex(e.kind)});
        }
    }
    std::erase_if(moments, [&chosen](const Moment& m) { return !chosen[m.kind]; });
    std::stable_sort(moments.begin(), moments.end(),
                     [](const Moment& a, const Moment& b) { return a.jdUT < b.jdUT; });
    return moments;
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
        "minute; towards 1600 and 2400 they drift by up to 7 and 9 minutes. With\n"
        "--kinds it lists the Moon's perigee and apogee (least and greatest distance),\n"
        "its greatest northern and southern declination and its crossings of the\n"
        "equator as well, in the same rows in time order. From 1900 to 2100 the\n"
        "declination's moments agree with the IAU SOFA Moon within 2 minutes; perigee\n"
        "and apogee, from a short series of the distance, within 6 and 3 hours. It\n"
        "reads nothing but its options."));
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
    const QCommandLineOption kinds(
        QStringLiteral("kinds"),
        QStringLiteral("The kinds to list, separated by commas: %1 (the Moon at its least "
                       "and greatest distance), %2 (at its greatest northern and southern "
                       "declination), %3 (crossing the equator northwards and southwards). "
                       "Without it the four phases, %4.")
            .arg(kindNames(4, 2), kindNames(6, 2), kindNames(8, 2), kindNames(0, 4)),
        QStringLiteral("KINDS"));
    for (const auto* option : {&help, &from, &to, &clock, &kinds}) {
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
    KindChoice chosenKinds{};
    std::fill_n(chosenKinds.begin(), kDefaultEventKinds, true);
    if (parser.isSet(kinds)) {
        const auto read = readKinds(parser.value(kinds), refusal);
        if (!read) {
            return refuse(refusal);
        }
        chosenKinds = *read;
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
    const auto moments = chosenMoments(chosenKinds, double(firstDay) - 0.5 - ahead - kMinute,
                                       double(lastDay) + 0.5 - ahead + kMinute);
    QByteArray out = "kind,date,time\n";
    for (const Moment& moment : moments) {
        const Minute at = roundedToTheMinute(moment.jdUT, aheadMinutes);
        if (at.dayNumber < firstDay || at.dayNumber > lastDay) {
            continue;
        }
        const QDate date = QDate::fromJulianDay(at.dayNumber);
        char row[64];
        std::snprintf(row, sizeof row, "%s,%04d-%02d-%02d,%02d:%02d\n",
                      kEventKinds[moment.kind].name, date.year(), date.month(), date.day(),
                      at.minuteOfDay / 60, at.minuteOfDay % 60);
        out += row;
    }
    writeOut(std::string_view(out.constData(), static_cast<std::size_t>(out.size())));
    return 0;
}

} // namespace veltaro::cli
