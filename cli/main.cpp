// veltaro-tide: the tide-generating force of the Sun and the Moon on the command
// line, computed by the same code as the window.
#include "cli/commands.h"
#include "cli/common.h"

#include "astro/simd.h"
#include "veltaro_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage: veltaro-tide <command> [options]\n"
    "\n"
    "The equilibrium tide raised by the Sun and the Moon at one place, as the\n"
    "Veltaro window computes and draws it. Output is CSV on standard output;\n"
    "refused input gets one line on standard error and exit status 2.\n"
    "\n"
    "Commands:\n"
    "  moment   evaluate one moment: positions, angles and tide heights\n"
    "  day      the Julian day and the sexagenary name of a date\n"
    "  run      every step of a drawing (one day, several days, 60 days, a year)\n"
    "  plot     the picture of a drawing as PNG, SVG or PDF\n"
    "  phases   new Moon, first quarter, full Moon and last quarter between two dates\n"
    "\n"
    "'veltaro-tide <command> --help' describes a command's options;\n"
    "'veltaro-tide --version' prints the version.\n";

/// Which instruction-set path the evaluation takes, and how to choose another.
std::string simdLine() {
    const auto path = veltaro::astro::simdPathName(veltaro::astro::activeSimdPath());
    return "\nEvaluation path: " + std::string(path) +
           ". VELTARO_SIMD=auto|sse2|avx|avx512 chooses the instruction set;\n"
           "auto, the default, takes the widest the processor has. Every path gives\n"
           "the same numbers to the last bit.\n";
}

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

// The one line that answers a missing or unknown command.
constexpr const char* kCommands = "the commands are moment, day, run, plot and phases; "
                                  "veltaro-tide --help describes them";

} // namespace

int main(int argc, char* argv[]) {
    using veltaro::cli::fail;
    // Qt would turn bytes that are not UTF-8 into U+FFFD before any option is read.
    for (int i = 1; i < argc; ++i) {
        if (!veltaro::isValidUtf8(argv[i])) {
            return fail(
                QStringLiteral("argument '%1' is not valid UTF-8").arg(QString::fromUtf8(argv[i])));
        }
    }
    // Only plot paints. It draws off screen: no display is needed or asked for.
    const bool painting = argc >= 2 && std::strcmp(argv[1], "plot") == 0;
    if (painting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (painting) {
        qtHandler = qInstallMessageHandler(quietHandler);
    }
    const std::unique_ptr<QCoreApplication> app =
        painting ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltaro-tide"));
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        return fail(QStringLiteral("no command given: %1").arg(QLatin1String(kCommands)));
    }
    if (args[1] == u"--help" || args[1] == u"-h" || args[1] == u"help") {
        std::fputs(kUsage, stdout);
        std::fputs(simdLine().c_str(), stdout);
        return 0;
    }
    if (args[1] == u"--version") {
        std::printf("veltaro-tide %d.%d.%d\n", veltaro::version::major, veltaro::version::minor,
                    veltaro::version::revision);
        std::fputs(simdLine().c_str(), stdout);
        return 0;
    }
    const QString command = args.takeAt(1);
    args[0] = QStringLiteral("veltaro-tide ") + command;
    if (command == u"moment") {
        return veltaro::cli::momentCommand(args);
    }
    if (command == u"day") {
        return veltaro::cli::dayCommand(args);
    }
    if (command == u"run") {
        return veltaro::cli::runCommand(args);
    }
    if (command == u"plot") {
        return veltaro::cli::plotCommand(args);
    }
    if (command == u"phases") {
        return veltaro::cli::phasesCommand(args);
    }
    return fail(QStringLiteral("unknown command '%1': %2").arg(command, QLatin1String(kCommands)));
}
