// veltaro-tide run: every step of a drawing, as the window's plot driver makes it.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/drawingoptions.h"
#include "cli/runcsv.h"

#include "astro/calcworker.h"
#include "astro/fault.h"
#include "astro/tide.h"
#include "calendar/daterange.h"
#include "calendar/input.h"
#include "calendar/kansi.h"
#include "plot/csvformat.h"
#include "plot/plotrun.h"
#include "plot/words.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <span>

namespace veltaro::cli {

namespace {

/// The comment line naming the clock of the time column.
std::string clockComment(const ClockChoice& clock) {
    switch (clock.kind) {
    case ClockKind::LocalMean:
        break;
    case ClockKind::Jst:
        return "Japan Standard Time (JST), --clock jst";
    case ClockKind::Ut:
        return "universal time (UT), --clock ut";
    case ClockKind::Offset:
        return "UT" + clockOption(clock) + ", --clock " + clockOption(clock);
    }
    return "clock time on the meridian of the place (local mean time)";
}

} // namespace

int runCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        say("Every step of a drawing, in the order the window draws it: one day (289 steps\n"
            "of 5 minutes), several consecutive days, 60 days (8641 steps of 10 minutes) or\n"
            "a year of 360 days (8641 steps of an hour). Prints CSV, one row per step:\n"
            "t,date,time,Ssea,Msea,MSangle,MSGangle (and total with --total):\n"
            "  t         the step, also the x of the plotted point, 0..8640. It counts\n"
            "            differently in each mode:\n"
            "              day   0, 30, 60, ... 8640, a step every 5 minutes: t / 360 is\n"
            "                    the hour, t = 8640 is 24:00, the next day's midnight;\n"
            "              60    0, 1, 2, ... 8640, a step every 10 minutes: t / 144 is\n"
            "                    the day since the start date;\n"
            "              year  0, 1, 2, ... 8640, a step every hour: t / 24 is the day\n"
            "                    since the start date (360 days).\n"
            "  date      the date of the moment evaluated, YYYY-MM-DD\n"
            "  time      its time, HH:MM, on the clock of --clock: local mean time on the\n"
            "            meridian of --lon unless told, not zone time\n"
            "  Ssea      equilibrium tide height raised by the Sun, in --unit (km unless\n"
            "            told), signed: above the undisturbed sea surface is positive\n"
            "  Msea      the same raised by the Moon\n"
            "  MSangle   eastward angle from the Sun to the Moon on the sky, radians\n"
            "            0..2pi (the Moon pictures show it)\n"
            "  MSGangle  the same along the ecliptic, radians 0..2pi; MSGangle / 2pi x 28\n"
            "            is the phase on a scale of 28 steps (月相: 0 new Moon, 7 first\n"
            "            quarter, 14 full Moon), not the age in days since new Moon (月齢)\n"
            "  total     with --total: Ssea + Msea, the combined curve the window plots,\n"
            "            in --unit\n"
            "Every number has 17 significant digits.\n"
            "\n"
            "A day's pass ends with t = 8640 at 00:00 of the next day. With --days N the\n"
            "next day starts again at t = 0 with that same midnight, so each midnight\n"
            "between two drawn days is printed twice, as t = 8640 of one day and t = 0\n"
            "of the next, as the window draws it at both ends of the graph.",
            "描画の各ステップを、ウィンドウが描く順に出力します。描画は 1 日（5 分ごとの\n"
            "289 ステップ）、連続する数日、60 日（10 分ごとの 8641 ステップ）、360 日の 1 年\n"
            "（1 時間ごとの 8641 ステップ）のいずれかです。出力は 1 ステップ 1 行の CSV で、\n"
            "列は t,date,time,Ssea,Msea,MSangle,MSGangle（--total のときは total も）です:\n"
            "  t         ステップ。描いた点の x 座標でもあり、0〜8640。数え方はモードで\n"
            "            違います:\n"
            "              day   0, 30, 60, ... 8640。5 分ごとのステップで、t / 360 が\n"
            "                    時、t = 8640 は 24:00、つまり翌日の 0 時です。\n"
            "              60    0, 1, 2, ... 8640。10 分ごとのステップで、t / 144 が\n"
            "                    開始日からの日数です。\n"
            "              year  0, 1, 2, ... 8640。1 時間ごとのステップで、t / 24 が\n"
            "                    開始日からの日数です（360 日）。\n"
            "  date      評価した時点の日付（YYYY-MM-DD）\n"
            "  time      その時刻（HH:MM）。--clock の時計により、指定がなければ --lon の\n"
            "            子午線の地方平均時です（標準時ではありません）\n"
            "  Ssea      太陽による平衡潮汐の高さ。単位は --unit（指定がなければ km）、\n"
            "            潮汐のない海面より上が正\n"
            "  Msea      同じく月によるもの\n"
            "  MSangle   天球上で太陽から月まで東向きに測った角度。ラジアン、0〜2π\n"
            "            （月の絵が表す角度）\n"
            "  MSGangle  同じ角度を黄道に沿って測ったもの。ラジアン、0〜2π。\n"
            "            MSGangle / 2π × 28 が 28 段階の月相（0 が新月、7 が上弦、14 が\n"
            "            満月）で、新月からの日数である月齢ではありません\n"
            "  total     --total のとき: Ssea + Msea。ウィンドウが描く合成の曲線で、単位は\n"
            "            --unit\n"
            "数はどれも有効数字 17 桁です。\n"
            "\n"
            "1 日の描画は、翌日 00:00 の t = 8640 で終わります。--days N では次の日が\n"
            "同じ 0 時から t = 0 で始まり直すので、描いた 2 日の間の 0 時はどれも 2 回、\n"
            "前の日の t = 8640 と次の日の t = 0 として出力されます。ウィンドウがグラフの\n"
            "両端に描くのと同じです。"));
    const DrawingOptions options;
    const QCommandLineOption unit(
        QStringLiteral("unit"),
        say("Unit of Ssea, Msea and total: km (the default), m or cm.",
            "Ssea、Msea、total の単位。km（既定）、m、cm のいずれかです。"),
        QStringLiteral("UNIT"));
    const QCommandLineOption total(QStringLiteral("total"),
                                   say("Add a last column total = Ssea + Msea, the combined curve.",
                                       "最後の列に、合成の曲線 total = Ssea + Msea を加えます。"));
    const QCommandLineOption comments(
        QStringLiteral("comments"),
        say("Start with lines beginning with '#' that name the inputs (date, place, mode, unit, "
            "and the clock unless it is local) and the version.",
            "入力（日付、地点、モード、単位、local でなければ時計）とバージョンを書いた、'#' "
            "で始まる行を先頭に付けます。"));
    options.addTo(parser, {&unit, &total, &comments});
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("run"))) {
        return *status;
    }

    plot::PlotRequest request;
    if (const auto status = options.read(parser, QStringLiteral("run"), request)) {
        return *status;
    }
    plot::CsvColumns columns;
    columns.total = parser.isSet(total);
    if (parser.isSet(unit)) {
        const QString text = parser.value(unit).trimmed();
        const plot::HeightUnit units[] = {plot::HeightUnit::Km, plot::HeightUnit::M,
                                          plot::HeightUnit::Cm};
        const auto* named = std::find_if(std::begin(units), std::end(units), [&](auto u) {
            return text == QLatin1String(plot::unitName(u));
        });
        if (named == std::end(units)) {
            return refuse({Complaint::NoSuchUnit, QStringLiteral("--unit"), text});
        }
        columns.unit = *named;
    }
    if (const auto status = options.refuseMissing(parser, QStringLiteral("run"))) {
        return *status;
    }

    ObservationState state;
    kansiinit(state.kansiname);
    std::string head;
    if (parser.isSet(comments)) {
        head += "# veltaro-tide " + versionText().toStdString() + " run\n";
        head += "# " + plot::requestComment(request, plot::modeNames()) + "\n";
        head += "# " + plot::unitComment(columns.unit) + "\n";
        head += "# time: " + clockComment(request.clock) + "\n";
    }
    head += plot::csvHeader(columns);
    writeOut(head);
    // The rows are formatted and written on a thread of their own.
    RunCsvSink sink(columns);
    // Both cores: a long run's batches are shared with the worker's helper thread.
    astro::CalcWorker worker;
    plot::PlotRun run(state, request, sink,
                      [&worker](std::span<const astro::TideInput> at,
                                std::span<astro::TideEvaluation> out) { return worker(at, out); });
    // In slices, so that output that can no longer be written (a full disk, a
    // closed pipe) ends the run at once.
    constexpr int kStepsPerLook = 4096;
    while (!run.done() && !outputFailed()) {
        run.advance(kStepsPerLook);
    }
    sink.finish();
    if (run.fault()) {
        std::fprintf(stderr, "veltaro-tide: arithmetic fault: %s\n", run.fault()->c_str());
        return 1;
    }
    return 0;
}

} // namespace veltaro::cli
