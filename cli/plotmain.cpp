// veltaro-tide-plot: the plot command of veltaro-tide, which runs this program
// for it; the only part of the tool that paints (Qt Gui and Qt SVG, off screen).
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/toolwords.h"

#include "plot/graphpainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace {

/// Where Qt may look for a runtime folder while it starts, when the session
/// gives none (cron, ssh without a session). Qt's platform start-up looks into
/// that folder even for the off-screen painting, which needs none; without one
/// it would make /tmp/runtime-$USER, a name another user may have taken first.
/// Instead it gets a private, empty folder of an unguessable name, which is
/// removed as soon as the application is up.
class StartupRuntimeFolder {
public:
    StartupRuntimeFolder() {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            return;
        }
        const QByteArray temp =
            qEnvironmentVariableIsEmpty("TMPDIR") ? QByteArray("/tmp") : qgetenv("TMPDIR");
        m_path = temp + "/veltaro-tide-XXXXXX";
        if (mkdtemp(m_path.data()) == nullptr) {
            m_path.clear();
            return;
        }
        qputenv("XDG_RUNTIME_DIR", m_path);
    }
    ~StartupRuntimeFolder() { release(); }
    StartupRuntimeFolder(const StartupRuntimeFolder&) = delete;
    StartupRuntimeFolder& operator=(const StartupRuntimeFolder&) = delete;

    void release() {
        if (!m_path.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
            rmdir(m_path.constData());
            m_path.clear();
        }
    }

private:
    QByteArray m_path;
};

} // namespace

/// Takes veltaro-tide's arguments as they are: `plot` and its options.
int main(int argc, char* argv[]) {
    std::string language;
    if (const auto refused = veltaro::cli::takeLanguage(argc, argv, language)) {
        return *refused;
    }
    if (const auto refused = veltaro::cli::refuseInvalidUtf8(argc, argv)) {
        return *refused;
    }
    // It draws off screen: no display is needed or asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A save past a file-size limit fails with EFBIG and is reported, instead
    // of ending the program with nothing said.
    std::signal(SIGXFSZ, SIG_IGN);
    // The options are read from argv before Qt starts, so that the drawing is
    // evaluated while it does; refusals need no application.
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QString::fromUtf8(argv[i]); // checked to be UTF-8 above
    }
    if (args.size() < 2 || args[1] != u"plot") {
        veltaro::cli::Refusal refusal{veltaro::cli::Complaint::NotPlotCommand};
        if (args.size() >= 2) {
            refusal.typed = args[1];
        }
        return veltaro::cli::refuse(refusal);
    }
    args.removeAt(1);
    args[0] = QStringLiteral("veltaro-tide plot");
    std::optional<QGuiApplication> app;
    const auto startPainting = [&app, &argc, argv] {
        StartupRuntimeFolder runtime;
        app.emplace(argc, argv);
        runtime.release();
        QCoreApplication::setApplicationName(QStringLiteral("veltaro-tide"));
        veltaro::cli::sayWordsInToolLanguage();
        // The fonts are looked up now rather than at the first caption.
        QFontMetrics(veltaro::plot::pictureFont(15)).height();
    };
    return veltaro::cli::finishOutput(veltaro::cli::plotCommand(args, startPainting));
}
