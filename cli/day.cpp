// veltaro-tide day: the Julian day, the sexagenary name and the tide name of one date.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/helptext.h"

#include "astro/timeargs.h"
#include "calendar/kansi.h"
#include "plot/tidename.h"

#include <QCommandLineParser>
#include <cmath>
#include <cstdio>

namespace veltaro::cli {

namespace {

/// The rule of the tide names as the help states it, from the table itself:
/// "1-2 大潮, 3-6 中潮, ...".
QString lunarDayRule() {
    QStringList parts;
    int first = 1;
    for (int day = 1; day <= plot::kLongestLunarMonth; ++day) {
        const plot::TideName name = plot::tideNameOfLunarDay(day);
        if (day == plot::kLongestLunarMonth || plot::tideNameOfLunarDay(day + 1) != name) {
            const QString days =
                first == day ? QString::number(day) : QStringLiteral("%1-%2").arg(first).arg(day);
            parts << days + u' ' + QString::fromUtf8(plot::tideNameDefinition(name).word);
            first = day + 1;
        }
    }
    // Five to a line.
    QString text;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        text += (i == 0       ? QString()
                 : i % 5 == 0 ? QStringLiteral(",\n")
                              : QStringLiteral(", ")) +
                parts[i];
    }
    return text;
}

} // namespace

int dayCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        say("The Julian day of 0 h of a date and the sexagenary (干支) name of that day,\n"
            "as the window shows it beside 日干支, and the day's tide name (潮名) as\n"
            "Japanese tide tables give it. Prints CSV:\n"
            "date,jd,kansi_index,kansi,lunar_day,tide_name, the date written YYYY-MM-DD\n"
            "however it was typed. lunar_day is the day of the lunar month, 1 on the\n"
            "date that holds the new Moon (%1 at most), and tide_name follows from it\n"
            "by the Japan Coast Guard's rule, lunar days to name:\n%2.\n"
            "Both depend on the clock the date is read on (--clock).",
            "ある日付の 0 時のユリウス日と、その日の干支（ウィンドウの日干支の欄と同じ）、\n"
            "日本の潮汐表にならったその日の潮名を求めます。出力は CSV で、列は\n"
            "date,jd,kansi_index,kansi,lunar_day,tide_name です。日付は、どう入力しても\n"
            "YYYY-MM-DD で書きます。lunar_day は新月を含む日を 1 とする、月の満ち欠けの\n"
            "何日目か（最大 %1）で、tide_name はそこから海上保安庁の決まりで決まります。\n"
            "月の満ち欠けの日と潮名:\n%2。\n"
            "どちらも、日付を読む時計（--clock）によって変わります。")
            .arg(plot::kLongestLunarMonth)
            .arg(lunarDayRule()));
    const SharedOptions options(
        say("The date, YYYY-MM-DD, %1.", "日付（YYYY-MM-DD、%1）。").arg(acceptedDates()));
    const QCommandLineOption clock(
        QStringLiteral("clock"),
        say("The clock the date is a day on, for lunar_day and tide_name: jst (the default, as "
            "Japanese tide tables reckon), ut, or +HH:MM / -HH:MM ahead of UT (up to %1:00). A "
            "new Moon at 20:00 UT is on the next date on JST. Not local: local mean time needs a "
            "place, which day has not.",
            "lunar_day と tide_name のための、日付を 1 日として数える時計。jst（既定。日本の"
            "潮汐表と同じ）、ut、または UT より進んだ時差 +HH:MM / -HH:MM（%1:00 まで）。UT で "
            "20:00 の新月は、JST では翌日の日付になります。local は使えません。地方平均時には"
            "地点が要りますが、day には地点がないからです。")
            .arg(kMostClockOffsetMinutes / 60),
        QStringLiteral("CLOCK"));
    addOptions(parser, {&options.help, &options.date, &clock});
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("day"))) {
        return *status;
    }
    if (const auto status = refuseMissing(parser, QStringLiteral("day"), {&options.date},
                                          QStringLiteral("--date YYYY-MM-DD"))) {
        return *status;
    }

    Refusal refusal;
    const auto read = parseDate(parser.value(options.date).trimmed(), refusal);
    if (!read) {
        return refuse(refusal);
    }
    const auto chosen = readClockOption(parser, clock, ClockChoice{ClockKind::Jst, 0}, false,
                                        QStringLiteral("day"), refusal);
    if (!chosen) {
        return refuse(refusal);
    }

    const double jd = astro::julianday(read->year, read->month, read->day, 0, 0);
    KansiNames names;
    kansiinit(names);
    const int index = kansiindex(std::floor(jd));
    const std::string name = kansiOfDay(names, jd);

    // The date as the run command writes it, whatever form it was typed in.
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", static_cast<int>(read->year),
                  static_cast<int>(read->month), static_cast<int>(read->day));
    const long dayNumber = plot::dayNumberOf(
        static_cast<int>(read->year), static_cast<int>(read->month), static_cast<int>(read->day));
    const auto tide = plot::tideDays(dayNumber, dayNumber, minutesAheadOfUt(*chosen, 0));
    QByteArray out = "date,jd,kansi_index,kansi,lunar_day,tide_name\n";
    out += QByteArray(date) + ',' + number17(jd) + ',' + QByteArray::number(index) + ',' +
           QByteArray::fromStdString(name) + ',';
    if (!tide.empty()) {
        out += QByteArray::number(tide.front().lunarDay) + ',' +
               QByteArray::fromStdString(plot::tideNameWord(tide.front().name));
    } else {
        out += ',';
    }
    out += '\n';
    writeOut(std::string_view(out.constData(), static_cast<std::size_t>(out.size())));
    return 0;
}

} // namespace veltaro::cli
