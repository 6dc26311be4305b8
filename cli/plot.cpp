// veltaro-tide plot: the picture the window draws, saved as PNG, SVG or PDF.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/drawingoptions.h"
#include "cli/plotoptions.h"

#include "astro/calcworker.h"
#include "astro/simd.h"
#include "astro/tide.h"
#include "calendar/kansi.h"
#include "plot/drawingrecord.h"
#include "plot/graphexport.h"
#include "plot/plotrun.h"
#include "plot/savefile.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <functional>
#include <span>
#include <thread>

namespace veltaro::cli {

std::variant<PlotJob, int> readPlotOptions(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        say("Draws a drawing as the window would (same code, no display needed) and saves\n"
            "the picture: a caption block naming the date or period, the place, the mode\n"
            "and the clock of --clock, with the legend in the curves' colours; the 13 Moon\n"
            "pictures; the graph with its axis captions. The suffix of --out chooses the\n"
            "format:\n"
            "  .png  an image at 3 pixels for every pixel of the window\n"
            "  .jpg  the PNG's image as a JPEG (also .jpeg), for programs that take no PNG\n"
            "  .svg  a vector drawing (the points, lines and Moon discs as shapes)\n"
            "  .pdf  the picture fitted to an A4 landscape page, as vector shapes\n"
            "The file is written under a temporary name beside it and renamed when\n"
            "complete, so a failed run never leaves a half-written file. A name that is\n"
            "a symbolic link, a folder or a device is refused. Refused input exits with\n"
            "status 2, a file that cannot be written with status 1. It reads nothing but\n"
            "its options and writes nothing but that file.",
            "ウィンドウと同じコードで（ディスプレイなしで）描画し、その絵を保存します。\n"
            "絵には、日付か期間、地点、モード、--clock の時計を示す見出しと曲線の色で書いた\n"
            "凡例、13 個の月の絵、軸の見出しの付いたグラフが入ります。--out の拡張子で形式\n"
            "が決まります:\n"
            "  .png  ウィンドウの 1 ピクセルを 3 ピクセルで描いた画像\n"
            "  .jpg  PNG と同じ画像の JPEG（.jpeg も可）。PNG を読めないプログラムのため\n"
            "  .svg  ベクター形式の図（点、線、月の円を図形として）\n"
            "  .pdf  A4 横のページに合わせた絵（ベクター形式の図形）\n"
            "ファイルはその横に一時的な名前で書き、できあがってから名前を変えるので、\n"
            "失敗しても書きかけのファイルは残りません。シンボリックリンク、フォルダー、\n"
            "デバイスの名前は受け付けません。受け付けられない入力では終了ステータス 2、\n"
            "書けないファイルでは終了ステータス 1 で終わります。オプションのほかは何も\n"
            "読まず、そのファイルのほかは何も書きません。"));
    const DrawingOptions options;
    const QCommandLineOption out(
        QStringLiteral("out"),
        requiredHelp(say("The file to write: FILE.png, FILE.jpg, FILE.svg or FILE.pdf.",
                         "書き出すファイル。FILE.png、FILE.jpg、FILE.svg、FILE.pdf の"
                         "いずれかです。")),
        QStringLiteral("FILE"));
    const QCommandLineOption style(
        QStringLiteral("look"),
        say("standard (the default: the window's own look) or presentation (thick curves in "
            "colours that stay apart for colour-blind readers and on a projector, as the "
            "window's 見やすい表示).",
            "standard（既定。ウィンドウのいつもの見た目）か presentation（ウィンドウの"
            "「見やすい表示」と同じ、色覚の違う人にもプロジェクターでも見分けやすい色の太い"
            "曲線）。"),
        QStringLiteral("LOOK"));
    options.addTo(parser, {&out, &style});
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("plot"))) {
        return *status;
    }

    plot::PlotRequest request;
    if (const auto status = options.read(parser, QStringLiteral("plot"), request)) {
        return *status;
    }
    const QString path = parser.value(out);
    const auto format = plot::pictureFormatOf(path);
    if (parser.isSet(out) && !format) {
        return refuse({Complaint::NotPictureName, QStringLiteral("--out"), path});
    }
    plot::GraphStyle look = plot::GraphStyle::Standard;
    if (parser.isSet(style)) {
        const QString name = parser.value(style);
        if (name == QStringLiteral("presentation")) {
            look = plot::GraphStyle::Presentation;
        } else if (name != QStringLiteral("standard")) {
            return refuse({Complaint::NoSuchLook, QStringLiteral("--look"), name});
        }
    }
    if (const auto status = options.refuseMissing(parser, QStringLiteral("plot"), &out,
                                                  QStringLiteral(" --out FILE"))) {
        return *status;
    }
    return PlotJob{request, path, *format, look};
}

int plotCommand(const QStringList& args, const std::function<void()>& startPainting) {
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
    // The batches go to both cores, as the window's and the run command's do.
    astro::CalcWorker worker;
    plot::PlotRun run(state, request, sink,
                      [&worker](std::span<const astro::TideInput> at,
                                std::span<astro::TideEvaluation> out) { return worker(at, out); });
    // The drawing is evaluated on a thread of its own while the painting gets
    // ready (Qt's start-up and its fonts), which needs nothing of it. The
    // evaluation reads its one setting from the environment first, as Qt's
    // start-up sets and unsets variables meanwhile.
    astro::activeSimdPath();
    std::thread evaluation([&run, &sink] {
        run.runToEnd();
        sink.finish(!run.fault());
    });
    startPainting();
    evaluation.join();
    if (run.fault()) {
        std::fprintf(stderr, "veltaro-tide: arithmetic fault: %s\n", run.fault()->c_str());
        return 1;
    }

    // The whole picture is made in memory and then saved in one checked piece:
    // the painters do not report a short write.
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    if (!plot::writePicture(picture, *format, record, Qt::white,
                            QStringLiteral("Veltaro %1").arg(versionText()), job.style)) {
        return cannotWrite(path, QStringLiteral("the picture could not be made"));
    }
    const QByteArray& bytes = picture.data();
    const plot::SaveResult saved =
        plot::saveFile(QFile::encodeName(path).toStdString(),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return saved.ok() ? 0 : cannotWrite(path, saveProblemText(saved));
}

} // namespace veltaro::cli
