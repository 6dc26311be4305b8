// Each command's --help in the tool's language: the locale chooses, --lang
// overrides it (also on its way to the plot program), and in either language
// every line fits a terminal of 80 columns and opens with no comma or stop.
// And the rules Japanese option texts are broken by.
#include "toolrun.h"

#include "cli/helptext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <string>
#include <vector>

namespace {

/// Columns `line` (UTF-8) fills on a terminal, as the C library counts them.
int columnsOf(const std::string& line) {
    std::vector<wchar_t> wide(line.size() + 1);
    const size_t count = std::mbstowcs(wide.data(), line.c_str(), wide.size());
    return count == size_t(-1) ? -1 : wcswidth(wide.data(), count);
}

/// The line of the help that describes --date.
std::string dateLine(const std::string& help) {
    for (const std::string& line : lines(help)) {
        if (line.rfind("  --date ", 0) == 0) {
            return line;
        }
    }
    return {};
}

bool hasNonAscii(const std::string& text) {
    for (const unsigned char c : text) {
        if (c >= 0x80) {
            return true;
        }
    }
    return false;
}

const std::string kJapaneseLocale = "env -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 " VELTARO_TIDE;

TEST(CommandHelp, SpeaksTheLanguageChosen) {
    const struct {
        const char* name;
        std::string program;
        const char* args;
        bool japanese;
    } rows[] = {
        {"the locale", kJapaneseLocale, "run --help", true},
        {"--lang over the locale", kJapaneseLocale, "run --help --lang en", false},
        {"--lang passed on to the plot program", VELTARO_TIDE, "--lang ja plot --help", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = runProgram(row.program, row.args);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string line = dateLine(run.out);
        ASSERT_FALSE(line.empty()) << run.out;
        EXPECT_EQ(hasNonAscii(line), row.japanese) << line;
    }
    // English is English whatever chose it.
    EXPECT_EQ(runProgram(kJapaneseLocale, "run --help --lang en").out, runTool("run --help").out);
}

TEST(CommandHelp, EveryLineFitsAndOpensWithNoStop) {
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    std::vector<std::string> commands;
    bool listed = false;
    for (const std::string& line : lines(runTool("--help").out)) {
        if (line == "Commands:") {
            listed = true;
        } else if (listed && line.rfind("  ", 0) == 0) {
            commands.push_back(line.substr(2, line.find(' ', 2) - 2));
        } else {
            listed = false;
        }
    }
    ASSERT_FALSE(commands.empty());
    for (const std::string& command : commands) {
        for (const char* lang : {"en", "ja"}) {
            const std::string args = command + " --help --lang " + lang;
            SCOPED_TRACE(args);
            const ToolRun run = runTool(args);
            EXPECT_EQ(run.status, 0) << run.err;
            for (const std::string& line : lines(run.out)) {
                const int columns = columnsOf(line);
                EXPECT_GE(columns, 0) << line;
                EXPECT_LE(columns, 80) << line;
                const std::string text =
                    line.substr(std::min(line.find_first_not_of(' '), line.size()));
                for (const char* mark : {"、", "。", "）"}) {
                    EXPECT_NE(text.rfind(mark, 0), 0u) << line;
                }
            }
        }
    }
}

TEST(WrappedToColumns, BreaksWhereJapaneseMay) {
    const struct {
        const char* name;
        const char* text;
        int columns;
        const char* lines;
    } rows[] = {
        {"at a blank, which goes", "ab cd", 3, "ab\ncd"},
        {"between two wide characters", "あいうえ", 4, "あい\nうえ"},
        {"never before a stop", "あい。う", 4, "あ\nい。\nう"},
        {"never after an opening bracket", "あ（い）", 4, "あ\n（い）"},
        {"after a comma, before anything", "あ、ab", 4, "あ、\nab"},
        {"not between wide and narrow", "あaあ", 3, "あaあ"},
        {"a line end stays", "あ\nいう", 4, "あ\nいう"},
        {"a piece with nowhere to break stays whole", "abcdef", 3, "abcdef"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(
            veltaro::cli::wrappedToColumns(QString::fromUtf8(row.text), row.columns).toStdString(),
            row.lines);
    }
}

} // namespace
