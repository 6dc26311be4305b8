// veltaro-tide run: every step of a drawing, as the window's plot driver makes it.
#include "cli/commands.h"
#include "cli/common.h"

#include "astro/fault.h"
#include "astro/tide.h"
#include "calendar/daterange.h"
#include "calendar/input.h"
#include "calendar/kansi.h"
#include "plot/plotrun.h"

#include <QCommandLineParser>
#include <charconv>
#include <cstdio>
#include <string>

namespace veltaro::cli {

namespace {

/// Writes one CSV row per step to standard output through a large buffer.
class CsvSink : public plot::PlotSink {
public:
    CsvSink() { m_buffer.reserve(kFlushAt + 512); }
    ~CsvSink() override { flush(); }

    void step(plot::PlotMode, const plot::Moment& m, const astro::TideEvaluation& e) override {
        char line[256];
        char* p = line;
        char* const end = line + sizeof line;
        p = std::to_chars(p, end, m.t).ptr;
        p += std::snprintf(p, static_cast<std::size_t>(end - p), ",%04d-%02d-%02d,%02d:%02d",
                           static_cast<int>(m.year), static_cast<int>(m.month),
                           static_cast<int>(m.day), static_cast<int>(m.hour),
                           static_cast<int>(m.minute));
        for (double v : {e.Ssea, e.Msea, e.MSangle, e.MSGangle}) {
            *p++ = ',';
            p = std::to_chars(p, end, v, std::chars_format::general, 17).ptr;
        }
        *p++ = '\n';
        m_buffer.append(line, p);
        if (m_buffer.size() >= kFlushAt) {
            flush();
        }
    }

    void flush() {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        m_buffer.clear();
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    std::string m_buffer;
};

} // namespace

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
        QStringLiteral("Continuous drawing of N consecutive days (1..%1), the last of them\n"
                       "%2-12-31 at the latest; day mode only.")
            .arg(kMostContinuousDays)
            .arg(kLastYear),
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
        if (const auto refusal = plot::requestRefusal(request)) {
            return fail(QStringLiteral("--days '%1': %2")
                            .arg(parser.value(days), QString::fromStdString(*refusal)));
        }
    }

    ObservationState state;
    kansiinit(state.kansiname);
    CsvSink sink;
    static constexpr char kHeader[] = "t,date,time,Ssea,Msea,MSangle,MSGangle\n";
    std::fwrite(kHeader, 1, sizeof kHeader - 1, stdout);
    plot::PlotRun run(state, request, sink, astro::calc);
    run.runToEnd();
    sink.flush();
    if (run.fault()) {
        std::fprintf(stderr, "veltaro-tide: arithmetic fault: %s\n", run.fault()->c_str());
        return 1;
    }
    return 0;
}

} // namespace veltaro::cli
