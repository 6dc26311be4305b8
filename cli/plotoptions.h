#pragma once

#include "plot/graphexport.h"
#include "plot/plotrequest.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace veltaro::cli {

/// A drawing the plot command is to save, its options read and accepted.
struct PlotJob {
    plot::PlotRequest request;
    QString path;                                        ///< --out
    plot::PictureFormat format;                          ///< as the suffix of `path` names it
    plot::GraphStyle style = plot::GraphStyle::Standard; ///< --look
};

/// Reads the plot command's arguments (as plotCommand takes them) up to the
/// drawing: the job, or the status the command ends with there (0 after
/// printing --help; 2 after one line on standard error for refused input).
/// Paints nothing and needs no QGuiApplication.
std::variant<PlotJob, int> readPlotOptions(const QStringList& args);

} // namespace veltaro::cli
