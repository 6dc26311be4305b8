// What veltaro-tide writes does not depend on the locale or the time zone, and
// output that cannot be written ends a command with one line and status 1.
#include "toolrun.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string kPoint(veltaro::support::kDefaultPointOptions);

// One command of each kind, with every option that prints numbers of its own.
const std::string kCommands[] = {
    "run --date 2002-08-16 --mode 60 --unit cm --total --comments " + kPoint,
    "run --date 2002-08-16 " + kPoint,
    "moment --date 2002-08-16 --time 09:30 " + kPoint,
    "day --date 2002-08-16",
    "phases --from 2002-01-01 --to 2002-12-31",
    "--help",
};

} // namespace

TEST(ToolOutput, TheSameBytesInEveryLocaleAndTimeZone) {
    // German writes 35,6544 where the C locale writes 35.6544.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing (tools/dev makes it)";
    std::setlocale(LC_ALL, "C");
    for (const std::string& command : kCommands) {
        SCOPED_TRACE(command);
        const ToolRun plain = runProgram("env LC_ALL=C TZ=UTC " VELTARO_TIDE, command);
        const ToolRun german =
            runProgram("env LC_ALL=de_DE.UTF-8 TZ=Pacific/Kiritimati " VELTARO_TIDE, command);
        ASSERT_EQ(plain.status, 0) << plain.err;
        EXPECT_EQ(german.status, 0) << german.err;
        EXPECT_EQ(german.out, plain.out);
    }
}

TEST(ToolOutput, OutputThatCannotBeWrittenEndsTheCommand) {
    for (const std::string& command : kCommands) {
        SCOPED_TRACE(command);
        // /dev/full refuses every write as a full disk does.
        const ToolRun full = runTool(command + " >/dev/full");
        EXPECT_EQ(full.status, 1);
        EXPECT_EQ(full.err, "veltaro-tide: cannot write the output: No space left on device\n");
    }
}

TEST(ToolOutput, AClosedPipeEndsTheRunAtOnce) {
    // A reader that leaves after one byte, with SIGPIPE ignored as some
    // supervisors and language runtimes leave it: the longest run stops at the
    // closed pipe instead of computing its 9.47 million rows on.
    int toReader[2];
    ASSERT_EQ(pipe(toReader), 0);
    char errPath[] = "/tmp/veltaro-tide-stderr-XXXXXX";
    const int err = mkstemp(errPath);
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGPIPE, SIG_IGN);
        dup2(toReader[1], 1);
        dup2(err, 2);
        close(toReader[0]);
        execl(VELTARO_TIDE, VELTARO_TIDE, "run", "--date", "1600-01-01", "--days", "32767", "--lon",
              "139:44:41", "--lat", "35:39:16", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toReader[1]);
    char first = 0;
    EXPECT_EQ(read(toReader[0], &first, 1), 1);
    close(toReader[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(first, 't');
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream said(errPath);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(said), {}),
              "veltaro-tide: cannot write the output: Broken pipe\n");
    close(err);
    std::remove(errPath);
}
