// The options that choose a drawing, shared by run and plot.
#include "cli/drawingoptions.h"

#include "calendar/daterange.h"
#include "calendar/input.h"
#include "cli/helptext.h"

#include <veltaro_version.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace veltaro::cli {

DrawingOptions::DrawingOptions()
    : shared(say("The start date, YYYY-MM-DD, %1.", "開始日（YYYY-MM-DD、%1）。")
                 .arg(acceptedDates())),
      mode(QStringLiteral("mode"),
           say("day (the default: 24 hours), 60 (60 days) or year (360 days).",
               "day（既定。24 時間）、60（60 日）、year（360 日）のいずれかです。"),
           QStringLiteral("MODE")),
      days(QStringLiteral("days"),
           say("Continuous drawing of N consecutive days (1..%1), the last of them %2-12-31 at "
               "the latest; day mode only.",
               "連続する N 日（1〜%1）を重ねて描く連続描画。最後の日は遅くとも %2-12-31 です。"
               "--mode day のときだけ指定できます。")
               .arg(kMostContinuousDays)
               .arg(kLastYear),
           QStringLiteral("N")),
      clock(QStringLiteral("clock"), clockHelp(), QStringLiteral("CLOCK")) {}

void DrawingOptions::addTo(QCommandLineParser& parser,
                           std::vector<const QCommandLineOption*> more) const {
    more.insert(more.begin(),
                {&shared.help, &shared.date, &shared.lon, &shared.lat, &mode, &days, &clock});
    addOptions(parser, more);
}

std::optional<int> DrawingOptions::read(const QCommandLineParser& parser, const QString& command,
                                        plot::PlotRequest& request) const {
    plot::RequestTexts texts;
    Refusal refusal;
    if (!placeTexts(parser, shared, texts.place, refusal)) {
        return refuse(refusal);
    }
    const QString modeText =
        parser.isSet(mode) ? parser.value(mode).trimmed() : QStringLiteral("day");
    const auto named = std::find_if(plot::kModes.begin(), plot::kModes.end(), [&](const auto& m) {
        return modeText == QLatin1String(m.option);
    });
    texts.mode = named == plot::kModes.end() ? plot::PlotMode::Diurnal : named->mode;
    if (parser.isSet(days)) {
        texts.days = parser.value(days).toStdString();
    }
    const auto read = plot::readRequest(texts);
    const auto* readRefusal = std::get_if<plot::RequestRefusal>(&read);
    if (readRefusal && readRefusal->box != InputBox::ContDays) {
        return refuse(inputRefusal(parser, shared, &days, *readRefusal));
    }
    if (named == plot::kModes.end()) {
        refusal = Refusal{Complaint::NoSuchMode, QStringLiteral("--mode"), modeText};
        return refuse(refusal);
    }
    if (parser.isSet(days) && !named->severalDays) {
        refusal =
            Refusal{Complaint::DaysWithoutDayMode, QStringLiteral("--days"), parser.value(days)};
        return refuse(refusal);
    }
    if (readRefusal) {
        return refuse(inputRefusal(parser, shared, &days, *readRefusal));
    }
    const auto chosen = readClockOption(parser, clock, ClockChoice{}, true, command, refusal);
    if (!chosen) {
        return refuse(refusal);
    }
    request = std::get<plot::PlotRequest>(read);
    request.clock = *chosen;
    return std::nullopt;
}

std::optional<int> DrawingOptions::refuseMissing(const QCommandLineParser& parser,
                                                 const QString& command,
                                                 const QCommandLineOption* more,
                                                 const QString& moreUsage) const {
    const QString usage = QStringLiteral("--date YYYY-MM-DD --lon LON --lat LAT") + moreUsage;
    if (more != nullptr) {
        return cli::refuseMissing(parser, command, {&shared.date, &shared.lon, &shared.lat, more},
                                  usage);
    }
    return cli::refuseMissing(parser, command, {&shared.date, &shared.lon, &shared.lat}, usage);
}

QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(version::major)
        .arg(version::minor)
        .arg(version::revision);
}

QString clockHelp() {
    // The old Tokyo observatory, 139:44:41 E: how far its mean time runs ahead of JST.
    const double tokyoLon = 139 + 44 / 60.0 + 41 / 3600.0;
    const auto seconds = std::lround(minutesToLocalMean({ClockKind::Jst, 0}, tokyoLon) * 60);
    return say("The clock of the dates and times: local (the default: local mean time on the "
               "meridian of --lon, which the Sun keeps there on average), jst (Japan Standard "
               "Time, %1 hours ahead of UT: the mean time of 135 degrees east), ut (universal "
               "time) or +HH:MM / -HH:MM ahead of UT (up to %2:00). At 139:44:41 E local mean "
               "time is %3 min %4 s ahead of JST; a day drawn on JST runs from 00:00 to 24:00 "
               "JST. The clock moves the times, not the place.",
               "日付と時刻の時計。local（既定。--lon の子午線の地方平均時で、その地で太陽が平均"
               "して刻む時刻）、jst（日本標準時。UT より %1 時間進んだ、東経 135 度の平均時）、"
               "ut（世界時）、または UT より進んだ時差 +HH:MM / -HH:MM（%2:00 まで）。東経 "
               "139:44:41 では、地方平均時が JST より %3 分 %4 秒進んでいます。JST で描く 1 日は "
               "JST の 00:00 から 24:00 までです。時計が変えるのは時刻で、地点ではありません。")
        .arg(minutesAheadOfUt({ClockKind::Jst, 0}, 0) / 60)
        .arg(kMostClockOffsetMinutes / 60)
        .arg(seconds / 60)
        .arg(seconds % 60);
}

} // namespace veltaro::cli
