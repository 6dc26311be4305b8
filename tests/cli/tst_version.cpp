// veltaro-tide --version and --help: the version and the evaluation path,
// which VELTARO_SIMD chooses. Which setting gives which path is tested in
// tests/astro; here that the tool reads the setting and names the path. And the
// window's --help and --version, answered without a display.
#include "toolrun.h"

#include "astro/simd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace veltaro::astro;

TEST(VersionOption, NamesThePathVeltaroSimdChooses) {
    const char* given = std::getenv("VELTARO_SIMD");
    const std::string kept = given ? given : "";
    // Every x86-64 processor has SSE2; where it is also the widest path, the
    // forced and the automatic runs name the same.
    setenv("VELTARO_SIMD", "sse2", 1);
    const ToolRun version = runTool("--version");
    const ToolRun help = runTool("--help");
    unsetenv("VELTARO_SIMD");
    const ToolRun automatic = runTool("--version");
    if (given) {
        setenv("VELTARO_SIMD", kept.c_str(), 1);
    }
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("veltaro-tide ", 0), 0u) << version.out;
    const std::string forced = "Evaluation path: sse2.";
    EXPECT_NE(version.out.find(forced), std::string::npos) << version.out;
    EXPECT_NE(help.out.find(forced), std::string::npos) << help.out;
    const std::string widest =
        "Evaluation path: " + std::string(simdPathName(chooseSimdPath(nullptr))) + ".";
    EXPECT_NE(automatic.out.find(widest), std::string::npos) << automatic.out;
}

TEST(WindowOptions, HelpAndVersionNeedNoDisplay) {
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::string tool = lines(runTool("--version").out).at(0);
    const std::string version = tool.substr(tool.find(' '));
    // Qt takes its own options; anything else is refused before a window opens.
    char runtime[] = "/tmp/veltaro-runtime-XXXXXX";
    ASSERT_NE(mkdtemp(runtime), nullptr);
    const std::string offscreen = std::string("env XDG_RUNTIME_DIR=") + runtime +
                                  " QT_QPA_PLATFORM=offscreen " VELTARO_WINDOW;
    const struct {
        std::string program;
        const char* args;
        int status;
        std::string out; // what standard output starts with
        const char* err; // what standard error contains
    } rows[] = {
        {VELTARO_WINDOW, "--help", 0, "Usage: veltaro", ""},
        {VELTARO_WINDOW, "--version", 0, "veltaro" + version + "\n", ""},
        {offscreen, "-platform offscreen --bogus", 2, "",
         "veltaro: --bogus: unknown option (see veltaro --help)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args);
        const ToolRun run = runProgram(row.program, row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out.substr(0, row.out.size()), row.out);
        EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), *row.err ? 1 : 0) << run.err;
    }
    std::filesystem::remove_all(runtime);
}

} // namespace
