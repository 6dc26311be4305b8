// The options of veltaro-tide's plot, phases and run commands, called
// in-process with arguments made of the commands' own option names and
// arbitrary values: plot read up to the drawing (readPlotOptions, nothing
// painted), phases between any two dates, run with --unit, --total and
// --comments. Each ends with status 0 and nothing on standard error, or refuses
// with status 2 and exactly one line there; a plot job read without refusal is
// one the driver accepts, to be saved in the format its name ends with.
#include "toolargs.h"

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/plotoptions.h"
#include "plot/plotrequest.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdlib>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace {

/// An option of a command and values a user would give it.
struct Option {
    const char* name;
    std::array<const char*, 3> typical; ///< none for an option without a value
};

constexpr Option kPlot[] = {
    {"--date", {"2002-08-16", "2400-12-30", "1600-01-01"}},
    {"--lon", {"139:44:41", "-180", "139.7447"}},
    {"--lat", {"35:39:16", "90", "-35.5"}},
    {"--mode", {"day", "60", "year"}},
    {"--days", {"2", "32767", "0"}},
    {"--clock", {"jst", "local", "-03:30"}},
    {"--out", {"a.png", "/tmp/b.SVG", "c.pdf.txt"}},
    {"--help", {}},
};
constexpr Option kPhases[] = {
    {"--from", {"2024-04-01", "1600-01-01", "2400-12-31"}},
    {"--to", {"2024-05-31", "1600-01-02", "2024-03-31"}},
    {"--clock", {"ut", "jst", "+14:00"}},
    {"--help", {}},
};
constexpr Option kRun[] = {
    {"--date", {"2002-08-16", "2400-12-31", "1600-01-01"}},
    {"--lon", {"139:44:41", "0", "-135:30:0"}},
    {"--lat", {"35:39:16", "-90", "0.5"}},
    {"--unit", {"km", "m", "cm"}},
    {"--total", {}},
    {"--comments", {}},
    {"--days", {"1", "2", "3"}},
    {"--clock", {"local", "ut", "+05:30"}},
    {"--help", {}},
};

/// Arguments made of `options`: an option with a typical value, with an
/// arbitrary one (as the next argument or after '='), or an arbitrary argument.
std::vector<std::string> makeArgs(FuzzedDataProvider& in, std::span<const Option> options) {
    std::vector<std::string> args;
    const int count = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < count; ++i) {
        const Option& option =
            options[in.ConsumeIntegralInRange<std::size_t>(0, options.size() - 1)];
        const bool valued = option.typical[0] != nullptr;
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            args.push_back(in.ConsumeRandomLengthString(80));
            break;
        case 1:
            args.push_back(option.name);
            if (valued) {
                args.push_back(option.typical[in.ConsumeIntegralInRange(0, 2)]);
            }
            break;
        case 2:
            args.push_back(option.name);
            if (valued) {
                args.push_back(in.ConsumeRandomLengthString(40));
            }
            break;
        default:
            args.push_back(std::string(option.name) + "=" + in.ConsumeRandomLengthString(40));
            break;
        }
    }
    return args;
}

/// The last value given to `name` (the one QCommandLineParser reads), if any.
std::string lastValue(const std::vector<std::string>& args, const std::string& name) {
    std::string value;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size()) {
            value = args[i + 1];
        } else if (args[i].starts_with(name + "=")) {
            value = args[i].substr(name.size() + 1);
        }
    }
    return value;
}

/// Phases over more than two years take a second or more here: skipped.
bool longSpan(const std::vector<std::string>& args) {
    veltaro::cli::Refusal refusal;
    const auto from = veltaro::cli::parseDate(
        QString::fromStdString(lastValue(args, "--from")).trimmed(), refusal);
    const auto to =
        veltaro::cli::parseDate(QString::fromStdString(lastValue(args, "--to")).trimmed(), refusal);
    const auto days = [](const veltaro::ObservationInput& d) {
        return d.year * 372 + d.month * 31 + d.day;
    };
    return from && to && std::abs(days(*to) - days(*from)) > 2 * 372;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepareToolRuns(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int command = in.ConsumeIntegralInRange(0, 2);
    switch (command) {
    case 0: {
        const auto args = makeArgs(in, kPlot);
        if (refusedByMain(args)) {
            return -1;
        }
        const QStringList list = commandLine("plot", args);
        std::variant<veltaro::cli::PlotJob, int> read;
        const CommandEnd end = withStderrCaught([&] {
            read = veltaro::cli::readPlotOptions(list);
            const int* status = std::get_if<int>(&read);
            return status ? *status : 0;
        });
        checkEnd(end);
        if (const auto* job = std::get_if<veltaro::cli::PlotJob>(&read)) {
            FUZZ_CHECK(!veltaro::plot::requestRefusal(job->request));
            // The file's name ends with one of the format's suffixes, in any case.
            static const char* const kSuffixes[][2] = {
                {".png", ".png"}, {".svg", ".svg"}, {".pdf", ".pdf"}, {".jpg", ".jpeg"}};
            const auto& suffixes = kSuffixes[static_cast<int>(job->format)];
            FUZZ_CHECK(job->path.toLower().endsWith(QLatin1String(suffixes[0])) ||
                       job->path.toLower().endsWith(QLatin1String(suffixes[1])));
        }
        break;
    }
    case 1: {
        const auto args = makeArgs(in, kPhases);
        if (refusedByMain(args) || longSpan(args)) {
            return -1;
        }
        const QStringList list = commandLine("phases", args);
        checkEnd(withStderrCaught([&] { return veltaro::cli::phasesCommand(list); }));
        break;
    }
    default: {
        const auto args = makeArgs(in, kRun);
        if (refusedByMain(args) || long_run(args)) {
            return -1;
        }
        const QStringList list = commandLine("run", args);
        checkEnd(withStderrCaught([&] { return veltaro::cli::runCommand(list); }));
        break;
    }
    }
    return 0;
}
