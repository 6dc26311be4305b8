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
    parser.setApplicationDescription(QStringLiteral(
        "Every step of a drawing, in the order the window draws it: one day (289 steps\n"
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
        "of the next, as the window draws it at both ends of the graph."));
    const DrawingOptions options;
    options.addTo(parser);
    const QCommandLineOption unit(
        QStringLiteral("unit"),
        QStringLiteral("Unit of Ssea, Msea and total: km (the default), m or cm."),
        QStringLiteral("UNIT"));
    const QCommandLineOption total(
        QStringLiteral("total"),
        QStringLiteral("Add a last column total = Ssea + Msea, the combined curve."));
    const QCommandLineOption comments(
        QStringLiteral("comments"),
        QStringLiteral("Start with lines beginning with '#' that name the inputs (date, place, "
                       "mode, unit, and the clock unless it is local) and the version."));
    for (const auto* option : {&unit, &total, &comments}) {
        parser.addOption(*option);
    }
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
