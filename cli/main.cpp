// veltaro-tide: the tide-generating force of the Sun and the Moon on the command
// line, computed by the same code as the window.
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/toolwords.h"

#include "astro/simd.h"
#include "veltaro_version.h"

#include <QCoreApplication>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: veltaro-tide <command> [options]\n"
    "\n"
    "The equilibrium tide raised by the Sun and the Moon at one place, as the\n"
    "Veltaro window computes and draws it. Output is CSV on standard output;\n"
    "refused input gets one line on standard error and exit status 2.\n"
    "\n"
    "Commands:\n"
    "  moment   evaluate one moment: positions, angles and tide heights\n"
    "  day      the Julian day and the sexagenary name of a date\n"
    "  run      every step of a drawing (one day, several days, 60 days, a year)\n"
    "  plot     the picture of a drawing as PNG, SVG or PDF\n"
    "  phases   new Moon, first quarter, full Moon and last quarter between two dates\n"
    "\n"
    "'veltaro-tide <command> --help' describes a command's options;\n"
    "'veltaro-tide --version' prints the version. --lang ja|en chooses the\n"
    "language of the messages; without it LC_ALL, LC_MESSAGES or LANG does.\n";

constexpr const char* kUsageJapanese =
    "使い方: veltaro-tide <コマンド> [オプション]\n"
    "\n"
    "ある地点で太陽と月が起こす平衡潮汐を、Veltaro のウィンドウと同じ計算で\n"
    "求めます。出力は標準出力への CSV です。受け付けられない入力には標準エラーに\n"
    "1 行で理由を書き、終了ステータス 2 で終わります。数と日付の書き方は、\n"
    "言語によらず同じです（小数点は .、日付は YYYY-MM-DD）。\n"
    "\n"
    "コマンド:\n"
    "  moment   ある時刻の太陽と月の位置、角度、潮位\n"
    "  day      ある日のユリウス日と日干支\n"
    "  run      描画の各ステップ（1 日、連続する数日、60 日、1 年）\n"
    "  plot     描画の絵（PNG、SVG、PDF）\n"
    "  phases   2 つの日付の間の新月、上弦、満月、下弦\n"
    "\n"
    "'veltaro-tide <コマンド> --help' で各コマンドのオプションを、\n"
    "'veltaro-tide --version' でバージョンを表示します。--lang ja|en で\n"
    "メッセージの言語を選びます。指定がなければ LC_ALL、LC_MESSAGES、LANG に従います。\n";

/// Which instruction-set path the evaluation takes, and how to choose another.
std::string simdLine() {
    const auto path = std::string(veltaro::astro::simdPathName(veltaro::astro::activeSimdPath()));
    if (veltaro::cli::toolLanguage() == veltaro::cli::ToolLanguage::Japanese) {
        return "\n計算の経路: " + path +
               "。VELTARO_SIMD=auto|sse2|avx|avx512 で命令セットを選びます。\n"
               "既定の auto はプロセッサーが持つ最も幅の広いものを使います。どの経路でも\n"
               "最後のビットまで同じ数になります。\n";
    }
    return "\nEvaluation path: " + path +
           ". VELTARO_SIMD=auto|sse2|avx|avx512 chooses the instruction set;\n"
           "auto, the default, takes the widest the processor has. Every path gives\n"
           "the same numbers to the last bit.\n";
}

/// The plot command runs in a program of its own, VELTARO_PLOT_PROGRAM: only it
/// loads Qt Gui and Qt SVG, which would otherwise cost every command of this
/// tool some 12 ms at start-up. It is looked for beside this program (the build
/// tree), then where it is installed, VELTARO_PLOT_PROGRAM_DIR relative to this
/// program's folder. Returns only when neither can be run.
/// `language` ("--lang=ja"), when given, goes on to that program.
int runPlotProgram(int argc, char* argv[], std::string& language) {
    std::vector<char*> args(argv, argv + argc);
    if (!language.empty()) {
        args.push_back(language.data());
    }
    args.push_back(nullptr);
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    int error = errno;
    std::string folder;
    if (length > 0) {
        self[length] = '\0';
        folder = self;
        folder.erase(folder.rfind('/') + 1);
        error = 0;
    }
    for (const std::string& candidate :
         {folder + VELTARO_PLOT_PROGRAM,
          folder + VELTARO_PLOT_PROGRAM_DIR + "/" + VELTARO_PLOT_PROGRAM}) {
        if (folder.empty()) {
            break; // this program's own folder is not known
        }
        execv(candidate.c_str(), args.data());
        if (error == 0 || errno != ENOENT) {
            error = errno;
        }
    }
    std::fprintf(stderr, "veltaro-tide: cannot run %s for the plot command: %s\n",
                 VELTARO_PLOT_PROGRAM, std::strerror(error));
    return 1;
}

} // namespace

namespace {

int runCommand(int argc, char* argv[]) {
    using veltaro::cli::Complaint;
    using veltaro::cli::refuse;
    std::string language;
    if (const auto refused = veltaro::cli::takeLanguage(argc, argv, language)) {
        return *refused;
    }
    if (const auto refused = veltaro::cli::refuseInvalidUtf8(argc, argv)) {
        return *refused;
    }
    if (argc >= 2 && std::strcmp(argv[1], "plot") == 0) {
        return runPlotProgram(argc, argv, language);
    }
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltaro-tide"));
    veltaro::cli::sayWordsInToolLanguage();
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        return refuse({Complaint::NoCommand});
    }
    if (args[1] == u"--help" || args[1] == u"-h" || args[1] == u"help") {
        std::fputs(veltaro::cli::toolLanguage() == veltaro::cli::ToolLanguage::Japanese
                       ? kUsageJapanese
                       : kUsage,
                   stdout);
        std::fputs(simdLine().c_str(), stdout);
        return 0;
    }
    if (args[1] == u"--version") {
        std::printf("veltaro-tide %d.%d.%d\n", veltaro::version::major, veltaro::version::minor,
                    veltaro::version::revision);
        std::fputs(simdLine().c_str(), stdout);
        return 0;
    }
    const QString command = args.takeAt(1);
    args[0] = QStringLiteral("veltaro-tide ") + command;
    if (command == u"moment") {
        return veltaro::cli::momentCommand(args);
    }
    if (command == u"day") {
        return veltaro::cli::dayCommand(args);
    }
    if (command == u"run") {
        return veltaro::cli::runCommand(args);
    }
    if (command == u"phases") {
        return veltaro::cli::phasesCommand(args);
    }
    return refuse({Complaint::UnknownCommand, {}, command});
}

} // namespace

int main(int argc, char* argv[]) {
    // A write past a file-size limit fails with EFBIG and is reported, instead
    // of ending the program with nothing said.
    std::signal(SIGXFSZ, SIG_IGN);
    return veltaro::cli::finishOutput(runCommand(argc, argv));
}
