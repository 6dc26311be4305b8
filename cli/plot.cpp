// veltaro-tide plot: the picture the window draws, saved as PNG, SVG or PDF.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/drawingoptions.h"
#include "cli/plotoptions.h"

#include "astro/tide.h"
#include "calendar/kansi.h"
#include "plot/drawingrecord.h"
#include "plot/graphexport.h"
#include "plot/plotrun.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace veltaro::cli {

std::variant<PlotJob, int> readPlotOptions(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws a drawing as the window would (same code, no display needed) and saves\n"
        "the picture: a caption block naming the date or period, the place and the\n"
        "mode, with the legend in the curves' colours; the 13 Moon pictures; the graph\n"
        "with its axis captions. The suffix of --out chooses the format:\n"
        "  .png  an image at 3 pixels for every pixel of the window\n"
        "  .svg  a vector drawing (the points, lines and Moon discs as shapes)\n"
        "  .pdf  the picture fitted to an A4 landscape page, as vector shapes\n"
        "The file is written under a temporary name beside it and renamed when\n"
        "complete, so a failed run never leaves a half-written file. Refused input\n"
        "exits with status 2, a file that cannot be written with status 1."));
    const DrawingOptions options;
    options.addTo(parser);
    const QCommandLineOption out(QStringLiteral("out"),
                                 requiredHelp(QStringLiteral("The file to write: FILE.png, "
                                                             "FILE.svg or FILE.pdf.")),
                                 QStringLiteral("FILE"));
    parser.addOption(out);
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("plot"))) {
        return *status;
    }

    plot::PlotRequest request;
    if (const auto status = options.read(parser, request)) {
        return *status;
    }
    const QString path = parser.value(out);
    const auto format = plot::pictureFormatOf(path);
    if (parser.isSet(out) && !format) {
        return fail(
            QStringLiteral("--out wants a name ending in .png, .svg or .pdf, got '%1'").arg(path));
    }
    if (const auto status = options.refuseMissing(parser, QStringLiteral("plot"), &out,
                                                  QStringLiteral(" --out FILE"))) {
        return *status;
    }
    return PlotJob{request, path, *format};
}

int plotCommand(const QStringList& args) {
    const auto read = readPlotOptions(args);
    if (const int* status = std::get_if<int>(&read)) {
        return *status;
    }
    const PlotJob& job = std::get<PlotJob>(read);
    const plot::PlotRequest& request = job.request;
    const QString& path = job.path;
    const std::optional<plot::PictureFormat> format = job.format;

    ObservationState state;
    kansiinit(state.kansiname);
    plot::DrawingRecord record;
    plot::RecordSink sink(record, request);
    plot::PlotRun run(state, request, sink, astro::calc);
    run.runToEnd();
    sink.finish(!run.fault());
    if (run.fault()) {
        std::fprintf(stderr, "veltaro-tide: arithmetic fault: %s\n", run.fault()->c_str());
        return 1;
    }

    auto cannotWrite = [&path](const QString& reason) {
        std::fprintf(stderr, "veltaro-tide: cannot write '%s': %s\n", path.toUtf8().constData(),
                     reason.toUtf8().constData());
        return 1;
    };
    if (QFileInfo(path).isDir()) {
        return cannotWrite(QStringLiteral("it is a folder"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return cannotWrite(file.errorString());
    }
    const QString title = QStringLiteral("Veltaro %1").arg(versionText());
    if (!plot::writePicture(file, *format, record, Qt::white, title) || !file.flush()) {
        file.cancelWriting();
        return cannotWrite(file.errorString());
    }
    if (!file.commit()) {
        return cannotWrite(file.errorString());
    }
    return 0;
}

} // namespace veltaro::cli
