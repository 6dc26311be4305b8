// veltaro-tide-plot: the plot command of veltaro-tide, which runs this program
// for it; the only part of the tool that paints (Qt Gui and Qt SVG, off screen).
#include "cli/commands.h"
#include "cli/common.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

/// Qt's messages, less the one about XDG_RUNTIME_DIR that a script run without
/// a desktop session would otherwise get from every plot.
QtMessageHandler qtHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    if (qtHandler) {
        qtHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(type, context, message).toUtf8().constData());
    }
}

} // namespace

/// Takes veltaro-tide's arguments as they are: `plot` and its options.
int main(int argc, char* argv[]) {
    if (const auto refused = veltaro::cli::refuseInvalidUtf8(argc, argv)) {
        return *refused;
    }
    // It draws off screen: no display is needed or asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtHandler = qInstallMessageHandler(quietHandler);
    const QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltaro-tide"));
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args[1] != u"plot") {
        return veltaro::cli::fail(QStringLiteral(
            "this program runs veltaro-tide's plot command: veltaro-tide plot --help"));
    }
    args.removeAt(1);
    args[0] = QStringLiteral("veltaro-tide plot");
    return veltaro::cli::plotCommand(args);
}
