// veltaro-tide: the tide-generating force of the Sun and the Moon on the command
// line, computed by the same code as the window.
#include "cli/commands.h"

#include "astro/simd.h"
#include "veltaro_version.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltaro-tide"));
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args[1] == u"--help" || args[1] == u"-h" || args[1] == u"help") {
        std::FILE* to = args.size() < 2 ? stderr : stdout;
        std::fputs(kUsage, to);
        std::fputs(simdLine().c_str(), to);
        return args.size() < 2 ? 2 : 0;
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
    std::fprintf(stderr, "veltaro-tide: unknown command '%s'\n%s", command.toUtf8().constData(),
                 kUsage);
    return 2;
}
