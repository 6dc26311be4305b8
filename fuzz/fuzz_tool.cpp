// veltaro-tide's commands called in-process with arbitrary arguments: each
// ends with status 0 and nothing on standard error, or refuses with status 2
// and exactly one line there; an arithmetic fault (status 1) is a finding, as
// accepted input never causes one.
#include "check.h"

#include "calendar/input.h"
#include "cli/commands.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

/// Runs that draw more than a few days, or 60 days or a year, take a second
/// or more here; they belong to the tests and benchmarks, and are skipped.
bool long_run(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string next = i + 1 < args.size() ? args[i + 1] : std::string();
        std::string value;
        if (a.starts_with("--mode=") || a.starts_with("--days=")) {
            value = a.substr(7);
        } else if (a == "--mode" || a == "--days") {
            value = next;
        } else {
            continue;
        }
        if (value.find("60") != std::string::npos || value.find("year") != std::string::npos) {
            return true;
        }
        const auto days = veltaro::readContinuousDays(value);
        if (days.ok() && *days.value > 3) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The program runs its commands inside a QCoreApplication; so do these.
    new QCoreApplication(*argc, *argv);
    // What the commands print on standard output is not looked at.
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int command = in.ConsumeIntegralInRange(0, 2);
    std::vector<std::string> args;
    const int count = in.ConsumeIntegralInRange(0, 10);
    for (int i = 0; i < count; ++i) {
        args.push_back(in.ConsumeRandomLengthString(200));
    }
    for (const std::string& a : args) {
        if (!veltaro::isValidUtf8(a)) {
            return -1; // refused by main before any command sees it
        }
    }
    if (command == 2 && long_run(args)) {
        return -1;
    }
    static const char* const names[] = {"moment", "day", "run"};
    QStringList list{QStringLiteral("veltaro-tide ") + QLatin1String(names[command])};
    for (const std::string& a : args) {
        list << QString::fromStdString(a);
    }

    // Standard error, as the commands write it, into memory.
    char* text = nullptr;
    std::size_t length = 0;
    FILE* captured = open_memstream(&text, &length);
    FILE* const saved = stderr;
    stderr = captured;
    int status = -1;
    switch (command) {
    case 0:
        status = veltaro::cli::momentCommand(list);
        break;
    case 1:
        status = veltaro::cli::dayCommand(list);
        break;
    default:
        status = veltaro::cli::runCommand(list);
        break;
    }
    std::fflush(stdout);
    stderr = saved;
    std::fclose(captured);
    const std::string err(text, length);
    std::free(text);

    FUZZ_CHECK(status == 0 || status == 2);
    if (status == 0) {
        FUZZ_CHECK(err.empty());
    } else {
        FUZZ_CHECK(err.starts_with("veltaro-tide: ") && err.find('\n') == err.size() - 1);
        FUZZ_CHECK(veltaro::isValidUtf8(err));
    }
    return 0;
}
