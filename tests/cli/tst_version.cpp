// veltaro-tide --version and --help: the version and the evaluation path,
// which VELTARO_SIMD chooses. Which setting gives which path is tested in
// tests/astro; here that the tool reads the setting and names the path.
#include "toolrun.h"

#include "astro/simd.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

} // namespace
