#pragma once

#include "tests/support/testsupport.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Runs veltaro-tide with `args` (already shell-quoted) and collects what it printed.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline ToolRun runProgram(const std::string& program, const std::string& args) {
    char errPath[] = "/tmp/veltaro-tide-stderr-XXXXXX";
    const int fd = mkstemp(errPath);
    if (fd >= 0) {
        close(fd);
    }
    // The refusals in English, whatever the locale the tests run in.
    const std::string command = "LC_ALL=C " + program + " " + args + " 2>" + errPath;
    ToolRun run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, n);
        }
        const int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::ifstream err(errPath);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::remove(errPath);
    return run;
}

inline ToolRun runTool(const std::string& args) {
    return runProgram(VELTARO_TIDE, args);
}

// The lines of a text, without their line ends.
inline std::vector<std::string> lines(const std::string& text) {
    return veltaro::support::split(text, '\n');
}
