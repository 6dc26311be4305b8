// Veltaro: the tide-generating force of the Sun and the Moon, plotted for a place
// and a date.
#include "calendar/observation.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/notifysound.h"
#include "ui/qttranslations.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <csignal>

int main(int argc, char* argv[]) {
    // A save past a file-size limit fails with EFBIG and is reported, instead
    // of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    veltaro::ui::installQtJapanese(app);
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
    QObject::connect(&window, &veltaro::ui::frmushio::quitting, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
