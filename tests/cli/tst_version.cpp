// veltaro-tide --version and --help: the version and the evaluation path,
// which VELTARO_SIMD chooses.
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
    const struct {
        const char* setting;
        SimdPath path;
    } rows[] = {{"sse2", SimdPath::Sse2}, {"avx", SimdPath::Avx}, {"avx512", SimdPath::Avx512}};
    for (const auto& row : rows) {
        if (!simdPathSupported(row.path)) {
            continue;
        }
        SCOPED_TRACE(row.setting);
        setenv("VELTARO_SIMD", row.setting, 1);
        const ToolRun version = runTool("--version");
        const ToolRun help = runTool("--help");
        EXPECT_EQ(version.status, 0);
        const auto first = lines(version.out).at(0);
        EXPECT_EQ(first.rfind("veltaro-tide ", 0), 0u) << first;
        const std::string named = "Evaluation path: " + std::string(row.setting) + ".";
        EXPECT_NE(version.out.find(named), std::string::npos) << version.out;
        EXPECT_NE(help.out.find(named), std::string::npos) << help.out;
    }
    unsetenv("VELTARO_SIMD");
    const ToolRun automatic = runTool("--version");
    if (given) {
        setenv("VELTARO_SIMD", kept.c_str(), 1);
    }
    const std::string widest =
        "Evaluation path: " + std::string(simdPathName(chooseSimdPath(nullptr))) + ".";
    EXPECT_NE(automatic.out.find(widest), std::string::npos) << automatic.out;
}

} // namespace
