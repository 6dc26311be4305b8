// Veltaro: the tide-generating force of the Sun and the Moon, plotted for a place
// and a date.
#include "calendar/observation.h"
#include "cli/refusal.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/language.h"
#include "ui/notifysound.h"
#include "veltaro_version.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QSettings>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <variant>

namespace {

constexpr const char* kHelp =
    "Usage: veltaro [options]\n"
    "\n"
    "Opens the Veltaro window: the equilibrium tide that the Sun and the Moon raise\n"
    "at a place, plotted over a day, 60 days or a year. veltaro-tide (veltaro-tide\n"
    "--help) computes the same on the command line.\n"
    "\n"
    "Options:\n"
    "  -h, --help  Show this help.\n"
    "  --version   Print the version.\n"
    "  --lang ja|en\n"
    "              Show the window in Japanese or English for this run. Without it,\n"
    "              the language chosen under View > Language, else the desktop's.\n"
    "\n"
    "The options every Qt program takes, such as -platform and -style, are taken\n"
    "too; any other argument is refused.\n";

/// --help and --version, answered before a display is asked for: the status to
/// exit with, or nothing when neither is given.
std::optional<int> answerHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("veltaro %d.%d.%d\n", veltaro::version::major, veltaro::version::minor,
                        veltaro::version::revision);
        } else {
            continue;
        }
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    return std::nullopt;
}

/// Takes --lang CODE (or --lang=CODE) out of `args`: the code, empty when the
/// option is not given, or the refusal of a value that is no language.
std::variant<QString, veltaro::cli::Refusal> takeLanguage(QStringList& args) {
    using veltaro::cli::Complaint;
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i] == option) {
            if (i + 1 == args.size()) {
                return veltaro::cli::Refusal{Complaint::MissingValue, option};
            }
            value = args.takeAt(i + 1);
        } else if (args[i].startsWith(option + u'=')) {
            value = args[i].mid(option.size() + 1);
        } else {
            continue;
        }
        args.removeAt(i);
        if (veltaro::ui::knownLanguage(value).isEmpty()) {
            veltaro::cli::Refusal refusal{Complaint::NoSuchLanguage, option, value};
            QStringList codes;
            for (const veltaro::ui::Language& language : veltaro::ui::languages()) {
                codes << QString::fromLatin1(language.code);
            }
            refusal.detail = codes.join(u", ");
            return refusal;
        }
        return value;
    }
    return QString();
}

/// Refuses the first argument left once Qt has taken its own: one line on
/// standard error, status 2. Nothing when none is left.
std::optional<int> refuseArguments(const QStringList& left) {
    if (left.isEmpty()) {
        return std::nullopt;
    }
    using veltaro::cli::Complaint;
    const QString& first = left.constFirst();
    const veltaro::cli::Refusal refusal =
        first.startsWith(u'-') && first.size() > 1
            ? veltaro::cli::Refusal{Complaint::UnknownOption, first}
            : veltaro::cli::Refusal{Complaint::StrayArgument, {}, first};
    std::fprintf(
        stderr, "%s\n",
        veltaro::cli::refusalLine(QStringLiteral("veltaro"), refusal, veltaro::cli::toolLanguage())
            .toUtf8()
            .constData());
    return veltaro::cli::kBadInput;
}

} // namespace

int main(int argc, char* argv[]) {
    // Refusals on the command line speak the language of its locale.
    veltaro::cli::setToolLanguage(veltaro::cli::languageOfLocale(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    if (const auto status = answerHelpOrVersion(argc, argv)) {
        return *status;
    }
    // A save past a file-size limit fails with EFBIG and is reported, instead
    // of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // QApplication has taken the options of its own out of the arguments.
    QStringList args = QCoreApplication::arguments().mid(1);
    const auto language = takeLanguage(args);
    if (const auto* refusal = std::get_if<veltaro::cli::Refusal>(&language)) {
        std::fprintf(stderr, "%s\n",
                     veltaro::cli::refusalLine(QStringLiteral("veltaro"), *refusal,
                                               veltaro::cli::toolLanguage())
                         .toUtf8()
                         .constData());
        return veltaro::cli::kBadInput;
    }
    if (const auto status = refuseArguments(args)) {
        return *status;
    }
    // The desktop's language; the one chosen in the window, when it is
    // remembered, replaces it below, and --lang replaces both.
    veltaro::ui::useLanguage(veltaro::ui::chooseLanguage(QLocale::system().uiLanguages()));
    // No line on standard error about a missing sound server.
    veltaro::ui::quietSoundBackEnd();
    veltaro::ui::installGothicSubstitutes();
    // Dialogs such as the version box take the application's font.
    QApplication::setFont(veltaro::ui::gothicFont(9));
    // The icon in every size drawn for it; the desktop picks the one it shows.
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icons")).entryInfoList()) {
        icon.addFile(size.filePath());
    }
    QApplication::setWindowIcon(icon);
    // Desktops match the window to its installed menu entry by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.veltaro.Veltaro"));

    // The program's one observation state, alive for the whole run.
    veltaro::ObservationState state;
    veltaro::ui::frmushio window(state);
    // The view settings (clock, zoom) in ~/.config/veltaro/veltaro.conf.
    window.useSettings(
        std::make_unique<QSettings>(QStringLiteral("veltaro"), QStringLiteral("veltaro")));
    if (const QString& asked = std::get<QString>(language); !asked.isEmpty()) {
        veltaro::ui::useLanguage(asked);
    }
    QObject::connect(&window, &veltaro::ui::frmushio::quitting, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
