// veltaro-tide plot: the window's picture written as PNG, SVG or PDF, run as the
// real tool (off screen, without a display).
#include "toolrun.h"

#include "plot/plotrequest.h"
#include "plot/words.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kDrawing = "plot --date 2002-08-16 --lon 139:44:41 --lat 35:39:16";

struct Folder {
    Folder() {
        char name[] = "/tmp/veltaro-plot-XXXXXX";
        path = mkdtemp(name);
    }
    ~Folder() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    fs::path path;
};

std::string head(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), std::streamsize(n));
    return bytes.substr(0, std::size_t(in.gcount()));
}

} // namespace

TEST(PlotCommand, EachFormatIsWritten) {
    // The tool picks the off-screen platform itself: no display is asked for.
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("DISPLAY");
    // Nor a runtime folder (cron, ssh without a session): none is made.
    const Folder temp;
    unsetenv("XDG_RUNTIME_DIR");
    setenv("TMPDIR", temp.path.c_str(), 1);
    const struct {
        const char* name;
        const char* more;
        const char* start;
    } rows[] = {
        {"day.png", "", "\x89PNG"},
        {"year.svg", " --mode year", "<?xml"},
        {"days.pdf", " --days 3", "%PDF-"},
        {"day.jpg", "", "\xff\xd8\xff"},
        {"sixty.JPEG", " --mode 60", "\xff\xd8\xff"},
        {"projector.png", " --look presentation", "\x89PNG"},
    };
    Folder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = runTool(kDrawing + row.more + " --out " + folder.file(row.name));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(head(folder.file(row.name), 5).substr(0, std::strlen(row.start)), row.start);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()),
              std::ssize(rows));
    EXPECT_TRUE(fs::is_empty(temp.path));
    unsetenv("TMPDIR");
}

// The caption names the clock, in the tool's language.
TEST(PlotCommand, TheCaptionNamesTheClockOfTheTimes) {
    const Folder folder;
    const std::string japanese =
        veltaro::plot::clockFullName({veltaro::ClockKind::Jst, 0}).toStdString();
    for (const bool inJapanese : {true, false}) {
        const std::string svg = folder.file(inJapanese ? "ja.svg" : "en.svg");
        const ToolRun run = runTool(kDrawing + " --clock jst --lang " + (inJapanese ? "ja" : "en") +
                                    " --out " + svg);
        ASSERT_EQ(run.status, 0) << run.err;
        std::ifstream in(svg);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(text.find(japanese) != std::string::npos, inJapanese);
    }
}

TEST(PlotCommand, RefusalsLeaveNoFile) {
    Folder folder;
    fs::create_directory(folder.path / "taken.png");
    std::ofstream(folder.file("old.svg")) << "old";
    std::ofstream(folder.file("target.png")) << "target";
    fs::create_symlink(folder.file("target.png"), folder.file("link.png"));
    // A file-size limit stands in for a full disk (dash counts it in 512-byte blocks).
    const std::string fullDisk = "ulimit -f 16; ";
    const struct {
        std::string before; // shell words before the program
        std::string args;
        int status;
        const char* says;
    } rows[] = {
        {"", kDrawing + " --out " + folder.file("g.gif"), 2, "must end in .png"},
        {"", kDrawing, 2, "--out: missing"},
        {"", kDrawing + " --look bold --out " + folder.file("g.png"), 2, "no such look"},
        {"", kDrawing + " --out " + folder.file("none/g.png"), 1, "cannot write"},
        {"", kDrawing + " --out " + folder.file("taken.png"), 1, "folder"},
        {"", kDrawing + " --out " + folder.file("link.png"), 1, "symbolic link"},
        {"", kDrawing + " --out " + folder.file(std::string(33000, 'a') + ".svg"), 1,
         "File name too long"},
        // A new line and an escape sequence in the name are written as escapes.
        {"", kDrawing + " --out \"" + folder.file("none/$(printf 'a\\nb\\033[31m.png')") + "\"", 1,
         "a\\nb\\x1b[31m"},
        {fullDisk, kDrawing + " --out " + folder.file("full.png"), 1, "File too large"},
        {fullDisk, kDrawing + " --mode year --out " + folder.file("old.svg"), 1, "File too large"},
        {fullDisk, kDrawing + " --mode 60 --out " + folder.file("full.pdf"), 1, "File too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before + row.args.substr(0, 200));
        const ToolRun run = runProgram(row.before + VELTARO_TIDE, row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_LT(run.err.size(), 300u) << run.err;
    }
    // Only what was made above is there, as it was.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 4);
    EXPECT_EQ(head(folder.file("old.svg"), 10), "old");
    EXPECT_EQ(head(folder.file("target.png"), 10), "target");
    EXPECT_TRUE(fs::is_symlink(folder.file("link.png")));
}

TEST(PlotCommand, PlotProgramMissingOrRunAlone) {
    // The tool alone, without veltaro-tide-plot beside it or installed: every
    // other command runs, and plot says what is missing.
    Folder folder;
    const fs::path tool = folder.path / "veltaro-tide";
    fs::copy_file(VELTARO_TIDE, tool);
    const ToolRun plot = runProgram(tool.string(), kDrawing + " --out " + folder.file("g.png"));
    EXPECT_EQ(plot.status, 1);
    EXPECT_NE(plot.err.find("cannot run veltaro-tide-plot"), std::string::npos) << plot.err;
    EXPECT_EQ(plot.err.find('\n'), plot.err.size() - 1) << plot.err;
    EXPECT_FALSE(fs::exists(folder.file("g.png")));
    EXPECT_EQ(runProgram(tool.string(), "day --date 2002-08-16").status, 0);

    // The plot program run on its own takes nothing but plot, and checks the
    // bytes of its arguments as the tool does.
    const ToolRun alone = runProgram(VELTARO_TIDE_PLOT, "--help");
    EXPECT_EQ(alone.status, 2);
    EXPECT_NE(alone.err.find("veltaro-tide plot --help"), std::string::npos) << alone.err;
    const ToolRun bytes = runProgram(VELTARO_TIDE_PLOT, "plot --date \"$(printf '\\377')\"");
    EXPECT_EQ(bytes.status, 2);
    EXPECT_NE(bytes.err.find("not valid UTF-8"), std::string::npos) << bytes.err;
}
