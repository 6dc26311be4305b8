#pragma once

// What the fuzz targets of veltaro-tide's commands share: the arguments they
// make up, the commands' standard error caught in memory, and the one property
// every command holds.

#include "check.h"

#include "calendar/input.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

/// The program runs its commands inside a QCoreApplication, and what they
/// print on standard output is not looked at: for LLVMFuzzerInitialize.
inline void prepareToolRuns(int* argc, char*** argv) {
    new QCoreApplication(*argc, *argv);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
}

/// True when main would refuse one of `args` before any command sees it.
inline bool refusedByMain(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (!veltaro::isValidUtf8(a)) {
            return true;
        }
    }
    return false;
}

/// `args` after the command's name, as main hands them to the command.
inline QStringList commandLine(const char* command, const std::vector<std::string>& args) {
    QStringList list{QStringLiteral("veltaro-tide ") + QLatin1String(command)};
    for (const std::string& a : args) {
        list << QString::fromStdString(a);
    }
    return list;
}

/// Runs that draw more than a few days, or 60 days or a year, take a second
/// or more here; they belong to the tests and benchmarks, and are skipped.
inline bool long_run(const std::vector<std::string>& args) {
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

/// What a command returned and wrote on standard error.
struct CommandEnd {
    int status;
    std::string err;
};

/// Calls `command`, its standard error going into memory.
template <class Command> CommandEnd withStderrCaught(Command command) {
    char* text = nullptr;
    std::size_t length = 0;
    FILE* captured = open_memstream(&text, &length);
    FILE* const saved = stderr;
    stderr = captured;
    const int status = command();
    std::fflush(stdout);
    stderr = saved;
    std::fclose(captured);
    CommandEnd end{status, std::string(text, length)};
    std::free(text);
    return end;
}

/// Every command ends with status 0 and nothing on standard error, or refuses
/// with status 2 and exactly one line there, valid UTF-8.
inline void checkEnd(const CommandEnd& end) {
    FUZZ_CHECK(end.status == 0 || end.status == 2);
    if (end.status == 0) {
        FUZZ_CHECK(end.err.empty());
    } else {
        FUZZ_CHECK(end.err.starts_with("veltaro-tide: ") &&
                   end.err.find('\n') == end.err.size() - 1);
        FUZZ_CHECK(veltaro::isValidUtf8(end.err));
    }
}
