#pragma once

// The main window as the widget tests start it.

#include "calendar/observation.h"
#include "ui/frmushio.h"

#include <QDate>
#include <QTest>
#include <QtGlobal>

#include <memory>

namespace veltaro::support {

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

} // namespace veltaro::support
