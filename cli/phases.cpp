// veltaro-tide phases: new Moon, the quarters and full Moon between two dates,
// and on request the Moon's perigee, apogee, greatest declinations and equator
// crossings.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/eventkinds.h"
#include "cli/helptext.h"

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
    parser.setApplicationDescription(
        say("The Moon's principal phases between two dates, found from the Sun and Moon\n"
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
            "reads nothing but its options.",
            "2 つの日付の間の月の主な位相を、ウィンドウが描画に使う太陽と月の級数から\n"
            "求めます。月の黄経が太陽の黄経より 0 度（新月）、90 度（上弦）、180 度\n"
            "（満月）、270 度（下弦）大きくなる時刻です。出力は CSV で、列は\n"
            "kind,date,time です。--from の 00:00 から --to の終わりまで 1 つの位相が 1 行\n"
            "で、kind は new、first、full、last のいずれか、date と time は --clock の時計\n"
            "（指定がなければ世界時）で分に丸めた日時です。1900 年から 2100 年までは公表\n"
            "されている時刻と 1 分ほどで合い、1600 年と 2400 年に向かってずれが最大 7 分と\n"
            "9 分に増えます。--kinds を指定すると、月の近地点と遠地点（距離が最小と最大に\n"
            "なるとき）、赤緯が北と南に最大になるとき、赤道を横切るときも、同じ形の行で\n"
            "時刻の順に出力します。1900 年から 2100 年までは、赤緯に関わる時刻は IAU SOFA\n"
            "の月と 2 分以内で合い、距離の短い級数から求める近地点と遠地点はそれぞれ 6 時間\n"
            "と 3 時間以内で合います。オプションのほかは何も読みません。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  say("Show this help.", "このヘルプを表示します。"));
    const QCommandLineOption from(
        QStringLiteral("from"),
        requiredHelp(say("The first day, YYYY-MM-DD, %1.", "最初の日（YYYY-MM-DD、%1）。")
                         .arg(acceptedDates())),
        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption to(
        QStringLiteral("to"),
        requiredHelp(say("The last day, YYYY-MM-DD, not before --from.",
                         "最後の日（YYYY-MM-DD）。--from より前にはできません。")),
        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption clock(
        QStringLiteral("clock"),
        say("The clock of the dates and times: ut (the default: universal time), jst (Japan "
            "Standard Time, %1 hours ahead of UT) or +HH:MM / -HH:MM ahead of UT (up to %2:00). "
            "On JST a new Moon at 20:00 UT is at 05:00 the next day, and --from and --to are "
            "days on JST. Not local: local mean time needs a place, which phases has not.",
            "日付と時刻の時計。ut（既定。世界時）、jst（日本標準時。UT より %1 時間進んでい"
            "ます）、または UT より進んだ時差 +HH:MM / -HH:MM（%2:00 まで）。JST では UT で "
            "20:00 の新月が翌日の 05:00 になり、--from と --to も JST での日付になります。local "
            "は使えません。地方平均時には地点が要りますが、phases には地点がないからです。")
            .arg(minutesAheadOfUt({ClockKind::Jst, 0}, 0) / 60)
            .arg(kMostClockOffsetMinutes / 60),
        QStringLiteral("CLOCK"));
    const QCommandLineOption kinds(
        QStringLiteral("kinds"),
        say("The kinds to list, separated by commas: %1 (the Moon at its least and greatest "
            "distance), %2 (at its greatest northern and southern declination), %3 (crossing "
            "the equator northwards and southwards). Without it the four phases, %4.",
            "出力する種類をコンマで区切って指定します。%1（月の距離が最小と最大になるとき）、"
            "%2（赤緯が北と南に最大になるとき）、%3（赤道を北向きと南向きに横切るとき）。指定"
            "がなければ 4 つの位相 %4 です。")
            .arg(kindNames(4, 2), kindNames(6, 2), kindNames(8, 2), kindNames(0, 4)),
        QStringLiteral("KINDS"));
    addOptions(parser, {&help, &from, &to, &clock, &kinds});
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
