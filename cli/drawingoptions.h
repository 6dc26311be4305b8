#pragma once

#include "cli/common.h"
#include "plot/plotrequest.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <vector>

namespace veltaro::cli {

/// The options that choose a drawing, shared by run and plot: the date and
/// point, --mode, --days and --clock.
struct DrawingOptions {
    DrawingOptions();
    SharedOptions shared;
    QCommandLineOption mode;
    QCommandLineOption days;
    QCommandLineOption clock;

    /// Adds --help, --date, --lon, --lat, --mode, --days and --clock to
    /// `parser`, then the command's own `more` (addOptions).
    void addTo(QCommandLineParser& parser, std::vector<const QCommandLineOption*> more) const;
    /// Reads every given option into `request`, in the order date, lon, lat,
    /// mode, days, clock, and refuses the first bad one (status 2).
    std::optional<int> read(const QCommandLineParser& parser, const QString& command,
                            plot::PlotRequest& request) const;
    /// Refuses the first of --date, --lon, --lat and `more` that is missing.
    std::optional<int> refuseMissing(const QCommandLineParser& parser, const QString& command,
                                     const QCommandLineOption* more = nullptr,
                                     const QString& moreUsage = {}) const;
};

/// The program's version as plain digits: "2.0.38".
QString versionText();

/// The help of --clock for run and plot: the clocks it takes, what they are.
QString clockHelp();

} // namespace veltaro::cli
