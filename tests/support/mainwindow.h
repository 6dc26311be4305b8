#pragma once

// The main window as the widget tests start it.

#include "calendar/observation.h"
#include "tests/support/findchild.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"

#include <QApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtGlobal>

#include <memory>

namespace veltaro::support {

/// The window's ten text boxes, the date first, then the point, then the days.
inline const QStringList kAllBoxes{QStringLiteral("txtnen"),  QStringLiteral("txtgetu"),
                                   QStringLiteral("txtniti"), QStringLiteral("txtkei"),
                                   QStringLiteral("txtkeim"), QStringLiteral("txtkeis"),
                                   QStringLiteral("txtido"),  QStringLiteral("txtidom"),
                                   QStringLiteral("txtidos"), QStringLiteral("txtcont")};
/// Their spin buttons, in the same order.
inline const QStringList kAllSpins{QStringLiteral("upd1"),     QStringLiteral("upd2"),
                                   QStringLiteral("upd3"),     QStringLiteral("UpDown5"),
                                   QStringLiteral("UpDown6"),  QStringLiteral("UpDown7"),
                                   QStringLiteral("UpDown8"),  QStringLiteral("UpDown9"),
                                   QStringLiteral("UpDown10"), QStringLiteral("UpDown1")};

/// The main window over `state`, emptied first, on a clock stopped at 16 August
/// 2002, shown. A window that never appears ends the test run.
inline std::unique_ptr<ui::frmushio> shownMainWindow(ObservationState& state) {
    state = {};
    auto window = std::make_unique<ui::frmushio>(state, [] { return QDate(2002, 8, 16); });
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("the main window was never shown");
    }
    return window;
}

/// What the widget tests of the window share: the state, the window shown over
/// it for each test function, and its controls by name.
class WindowFixture {
protected:
    /// Before the first test function: the picture's faces, and an application
    /// that stays when a test closes its last window.
    static void prepareApplication() {
        ui::installGothicSubstitutes();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void openWindow() { m_window = shownMainWindow(m_state); }
    void closeWindow() { m_window.reset(); }
    template <typename T = QWidget> T* find(const QString& name) const {
        return findNamed<T>(m_window.get(), name);
    }

    ObservationState m_state;
    std::unique_ptr<ui::frmushio> m_window;
};

} // namespace veltaro::support
