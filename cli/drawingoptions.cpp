// The options that choose a drawing, shared by run and plot.
#include "cli/drawingoptions.h"

#include "calendar/daterange.h"
#include "calendar/input.h"
#include "plot/drawingrecord.h"

#include <veltaro_version.h>

#include <algorithm>
#include <array>

namespace veltaro::cli {

namespace {
constexpr std::array kModes{plot::PlotMode::Diurnal, plot::PlotMode::SixtyDay,
                            plot::PlotMode::Annual};
} // namespace

DrawingOptions::DrawingOptions()
    : shared(QStringLiteral("The start date, YYYY-MM-DD, %1.").arg(acceptedDates())),
      mode(QStringLiteral("mode"),
           QStringLiteral("day (the default: 24 hours), 60 (60 days) or year (360 days)."),
           QStringLiteral("MODE")),
      days(QStringLiteral("days"),
           QStringLiteral("Continuous drawing of N consecutive days (1..%1), the last of them\n"
                          "%2-12-31 at the latest; day mode only.")
               .arg(kMostContinuousDays)
               .arg(kLastYear),
           QStringLiteral("N")) {}

void DrawingOptions::addTo(QCommandLineParser& parser) const {
    for (const auto* option :
         {&shared.help, &shared.date, &shared.lon, &shared.lat, &mode, &days}) {
        parser.addOption(*option);
    }
}

std::optional<int> DrawingOptions::read(const QCommandLineParser& parser,
                                        plot::PlotRequest& request) const {
    QString error;
    if (!readDateAndPoint(parser, shared, request.start, error)) {
        return fail(error);
    }
    const QString modeText =
        parser.isSet(mode) ? parser.value(mode).trimmed() : QStringLiteral("day");
    const auto named = std::find_if(kModes.begin(), kModes.end(), [&](plot::PlotMode m) {
        return modeText == QString::fromStdString(plot::modeOption(m));
    });
    if (named == kModes.end()) {
        return fail(QStringLiteral("--mode wants day, 60 or year, got '%1'").arg(modeText));
    }
    request.mode = *named;
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
        // How far a run may go depends on its start, so only with a start date.
        if (const auto refusal = plot::requestRefusal(request);
            refusal && parser.isSet(shared.date)) {
            return fail(QStringLiteral("--days '%1': %2")
                            .arg(parser.value(days), QString::fromStdString(*refusal)));
        }
    }
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

} // namespace veltaro::cli
