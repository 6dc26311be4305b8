// veltaro-tide run: every step of a drawing, as the window's plot driver makes it.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/runcsv.h"

#include "astro/calcworker.h"
#include "astro/fault.h"
#include "astro/tide.h"
#include "calendar/input.h"
#include "calendar/kansi.h"
#include "plot/plotrun.h"

#include <QCommandLineParser>
#include <cstdio>

namespace veltaro::cli {

int runCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Every step of a drawing, in the order the window draws it: one day (289 steps\n"
        "of 5 minutes), several consecutive days, 60 days (8641 steps of 10 minutes) or\n"
        "a year of 360 days (8641 steps of an hour). Prints CSV:\n"
        "t,date,time,Ssea,Msea,MSangle,MSGangle, where date and time are the moment\n"
        "evaluated (clock time on the meridian of --lon), Ssea and Msea in km and the\n"
        "angles in radians."));
    const SharedOptions options(
        QStringLiteral("The start date, YYYY-MM-DD, between 1600-01-01 and 2400-12-31."));
    const QCommandLineOption mode(
        QStringLiteral("mode"),
        QStringLiteral("day (the default), 60 (60 days) or year (360 days)."),
        QStringLiteral("MODE"));
    const QCommandLineOption days(
        QStringLiteral("days"),
        QStringLiteral("Continuous drawing of N consecutive days (1..32767); day mode only."),
        QStringLiteral("N"));
    for (const auto* option :
         {&options.help, &options.date, &options.lon, &options.lat, &mode, &days}) {
        parser.addOption(*option);
    }
    if (const auto status = parseCommandLine(
            parser, args, QStringLiteral("run"), {&options.date, &options.lon, &options.lat},
            QStringLiteral("--date YYYY-MM-DD --lon LON --lat LAT"))) {
        return *status;
    }

    plot::PlotRequest request;
    QString error;
    const auto start = readDateAndPoint(parser, options, error);
    if (!start) {
        return fail(error);
    }
    request.start = *start;

    const QString modeText =
        parser.isSet(mode) ? parser.value(mode).trimmed() : QStringLiteral("day");
    if (modeText == u"day") {
        request.mode = plot::PlotMode::Diurnal;
    } else if (modeText == u"60") {
        request.mode = plot::PlotMode::SixtyDay;
    } else if (modeText == u"year") {
        request.mode = plot::PlotMode::Annual;
    } else {
        return fail(QStringLiteral("--mode wants day, 60 or year, got '%1'").arg(modeText));
    }
    if (parser.isSet(days)) {
        if (request.mode != plot::PlotMode::Diurnal) {
            return fail(QStringLiteral("--days goes with --mode day only"));
        }
        const auto read = readContinuousDays(parser.value(days).toStdString());
        if (!read.ok()) {
            return fail(QStringLiteral("--days '%1': %2")
                            .arg(parser.value(days), reasonText(read.problem)));
        }
        request.continuous = true;
        request.days = *read.value;
    }

    ObservationState state;
    kansiinit(state.kansiname);
    static constexpr char kHeader[] = "t,date,time,Ssea,Msea,MSangle,MSGangle\n";
    std::fwrite(kHeader, 1, sizeof kHeader - 1, stdout);
    RunCsvSink sink(stdout);
    // Both cores: a long run's batches are shared with the worker's helper thread.
    astro::CalcWorker worker;
    plot::PlotRun run(state, request, sink,
                      [&worker](std::span<const astro::TideInput> at,
                                std::span<astro::TideEvaluation> out) { return worker(at, out); });
    run.runToEnd();
    sink.finish();
    if (run.fault()) {
        std::fprintf(stderr, "veltaro-tide: arithmetic fault: %s\n", run.fault()->c_str());
        return 1;
    }
    return 0;
}

} // namespace veltaro::cli
