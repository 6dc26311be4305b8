#include "ui/windowzoom.h"

#include "ui/helpwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QChildEvent>
#include <QEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

int percent(double factor) {
    return static_cast<int>(std::lround(factor * 100));
}

/// `frame` moved, where it can be, inside `area`; a frame larger than the area
/// keeps its top left corner in it.
QRect keptInside(QRect frame, const QRect& area) {
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height())));
    return frame;
}

} // namespace

WindowZoom::WindowZoom(QMainWindow* window, QMenu* menu, std::function<LayoutZoom*()> layout)
    : QObject(window), m_window(window), m_menu(menu), m_layout(std::move(layout)) {
    setObjectName(u"windowzoom"_s);
    // One size is ticked at a time; none while the window is at a size of its own.
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const double step : kZoomSteps) {
        auto* a = menu->addAction(tr("%1 %").arg(percent(step)));
        a->setObjectName(u"mnuzoom%1"_s.arg(percent(step)));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, step] { showInWindow(step, false); });
        m_steps.push_back(a);
    }
    m_steps.front()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_fit = menu->addAction(QString());
    m_fit->setObjectName(u"mnuzoomfit"_s);
    m_fit->setCheckable(true);
    group->addAction(m_fit);
    connect(m_fit, &QAction::triggered, this, &WindowZoom::fitToScreen);

    menu->addSeparator()->setObjectName(u"mnuline5"_s);
    m_zoomIn = menu->addAction(QString());
    m_zoomIn->setObjectName(u"mnuzoomin"_s);
    // Ctrl++ as the platform names it, and Ctrl+= for keyboards that need Shift for +.
    m_zoomIn->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(m_zoomIn, &QAction::triggered, this, [this] { stepBy(+1); });
    m_zoomOut = menu->addAction(QString());
    m_zoomOut->setObjectName(u"mnuzoomout"_s);
    m_zoomOut->setShortcut(QKeySequence(QKeySequence::ZoomOut));
    connect(m_zoomOut, &QAction::triggered, this, [this] { stepBy(-1); });

    menu->addSeparator()->setObjectName(u"mnuline6"_s);
    m_full = menu->addAction(QString());
    m_full->setObjectName(u"mnufullscreen"_s);
    m_full->setCheckable(true);
    // F11 everywhere, and the desktop's own key for it where it has another.
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::FullScreen)) {
        if (!keys.contains(key)) {
            keys << key;
        }
    }
    m_full->setShortcuts(keys);
    connect(m_full, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });

    // Esc leaves full screen; only then, and never while a drawing runs, when
    // Esc stops the drawing.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, [this] { setFullScreen(false); });
    connect(menu->menuAction(), &QAction::enabledChanged, this, [this](bool enabled) {
        if (enabled && m_lookPending) {
            lookAtScreen();
        }
        updateMenu();
    });

    window->installEventFilter(this);
    retranslate();
}

double WindowZoom::shownFactor() const {
    const LayoutZoom* layout = m_layout();
    return layout != nullptr ? layout->factor() : 1.0;
}

bool WindowZoom::locked() const {
    return !m_menu->menuAction()->isEnabled();
}

void WindowZoom::noteSizes() {
    if (m_fullScreen) {
        return;
    }
    if (const LayoutZoom* layout = m_layout(); layout != nullptr && layout->factor() == 1) {
        m_at100 = m_window->sizeHint();
    }
    if (m_window->isVisible()) {
        m_frame = m_window->frameGeometry().size() - m_window->size();
    }
}

ZoomRoom WindowZoom::room(bool whole) const {
    const QScreen* screen = m_window->screen();
    QSize available;
    if (screen != nullptr) {
        available = whole ? screen->geometry().size() : screen->availableGeometry().size();
    }
    return {m_at100, whole ? QSize(0, 0) : m_frame, available};
}

void WindowZoom::setFactor(double factor) {
    showInWindow(factor, false);
}

void WindowZoom::fitToScreen() {
    noteSizes();
    showInWindow(fitZoom(room(false)), true);
}

void WindowZoom::stepBy(int direction) {
    noteSizes();
    const double next = nextZoomStep(m_factor, direction);
    if (m_fullScreen || next == m_factor || (direction > 0 && !zoomFits(next, room(false)))) {
        return;
    }
    showInWindow(next, false);
}

void WindowZoom::showInWindow(double factor, bool fitted) {
    if (m_layout() == nullptr || locked()) {
        updateMenu(); // a ticked item the click changed goes back
        return;
    }
    noteSizes(); // at 100 % before leaving it
    const bool changed = factor != m_factor || m_fullScreen;
    m_factor = factor;
    m_fitted = fitted;
    if (m_fullScreen) {
        leaveFullScreen();
    } else if (shownFactor() != factor) {
        layOutInWindow(nullptr);
    }
    updateMenu();
    if (changed) {
        emit this->changed(m_factor, m_fullScreen);
    }
}

void WindowZoom::layOutInWindow(const QPoint* topLeft) {
    LayoutZoom* layout = m_layout();
    const QPoint centre = m_window->frameGeometry().center();
    layout->apply(m_factor);
    emit scaled(m_factor);
    m_window->adjustSize();

    QRect frame = m_window->frameGeometry();
    if (topLeft != nullptr) {
        frame.moveTopLeft(*topLeft);
    } else {
        frame.moveCenter(centre);
    }
    if (const QScreen* screen = m_window->screen()) {
        frame = keptInside(frame, screen->availableGeometry());
    }
    m_window->move(frame.topLeft());
    followHelp();
}

void WindowZoom::setFullScreen(bool on) {
    if (on) {
        enterFullScreen();
    } else if (m_fullScreen && !locked()) {
        leaveFullScreen();
        updateMenu();
        emit changed(m_factor, m_fullScreen);
    } else {
        updateMenu();
    }
}

void WindowZoom::enterFullScreen() {
    if (m_fullScreen || m_layout() == nullptr || locked()) {
        updateMenu();
        return;
    }
    noteSizes();
    m_normalPos = m_window->pos();
    m_fullScreen = true;
    // The window takes the whole screen; the layout, as large as fits, stands
    // in the middle of the room the menu bar and the status bar leave.
    QLayout* main = m_window->layout();
    m_constraint = main->sizeConstraint();
    main->setSizeConstraint(QLayout::SetDefaultConstraint);
    m_window->setMinimumSize(0, 0);
    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (QWidget* client = m_window->centralWidget()) {
        client->installEventFilter(this);
    }
    m_window->showFullScreen();
    layOutFullScreen();
    updateMenu();
    emit changed(m_factor, m_fullScreen);
}

void WindowZoom::layOutFullScreen() {
    LayoutZoom* layout = m_layout();
    const QScreen* screen = m_window->screen();
    if (layout == nullptr || screen == nullptr) {
        return;
    }
    const double factor = fitZoom(room(true));
    const bool changed = layout->factor() != factor;
    layout->applyCentred(factor);
    if (changed) {
        emit scaled(factor);
        followHelp();
    }
    // Where no window manager takes the window to the whole screen, it goes
    // itself (the widget's own setGeometry would end the full-screen state).
    if (QWindow* handle = m_window->windowHandle();
        handle != nullptr && m_window->geometry() != screen->geometry()) {
        handle->setGeometry(screen->geometry());
    }
}

void WindowZoom::leaveFullScreen() {
    m_fullScreen = false;
    m_factor = fittingFactor(room(false)); // the screen may have changed meanwhile
    m_window->showNormal();
    m_window->layout()->setSizeConstraint(m_constraint);
    layOutInWindow(&m_normalPos);
}

double WindowZoom::fittingFactor(const ZoomRoom& room) const {
    if (m_fitted) {
        return fitZoom(room);
    }
    return zoomFits(m_factor, room) ? m_factor : std::min(m_factor, largestFittingStep(room));
}

void WindowZoom::lookAtScreen() {
    // A drawing paints into the graph: the layout stays until it ends.
    if (locked()) {
        m_lookPending = true;
        return;
    }
    m_lookPending = false;
    noteSizes();
    if (m_layout() == nullptr || m_window->screen() == nullptr) {
        return;
    }
    if (m_fullScreen && !m_window->isFullScreen() && !m_window->isMinimized()) {
        // The desktop took the window out of full screen.
        leaveFullScreen();
        emit changed(m_factor, m_fullScreen);
    } else if (m_fullScreen) {
        layOutFullScreen();
    } else {
        const double wanted = fittingFactor(room(false));
        if (wanted != m_factor) {
            m_factor = wanted;
            layOutInWindow(nullptr);
            emit changed(m_factor, m_fullScreen);
        }
    }
    updateMenu();
}

void WindowZoom::watchScreen(QScreen* screen) {
    if (m_screen != nullptr) {
        disconnect(m_screen, nullptr, this, nullptr);
    }
    m_screen = screen;
    if (screen != nullptr) {
        connect(screen, &QScreen::availableGeometryChanged, this, &WindowZoom::lookAtScreen);
        connect(screen, &QScreen::geometryChanged, this, &WindowZoom::lookAtScreen);
    }
}

void WindowZoom::followHelp() {
    for (HelpWindow* help :
         m_window->findChildren<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        help->setZoom(shownFactor());
    }
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && m_fullScreen && watched == m_window->centralWidget()) {
        if (LayoutZoom* layout = m_layout()) {
            layout->centre();
        }
    }
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            if (QWindow* handle = m_window->windowHandle(); handle != nullptr && !m_screen) {
                connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
                    watchScreen(screen);
                    lookAtScreen();
                });
                watchScreen(handle->screen());
            }
            // Once the window is on the screen, with its frame as far as it is known.
            QTimer::singleShot(0, this, &WindowZoom::lookAtScreen);
            break;
        case QEvent::WindowStateChange:
            // The desktop may have taken the window out of full screen.
            if (m_fullScreen && !m_window->isFullScreen()) {
                lookAtScreen();
            }
            break;
        case QEvent::ChildPolished:
            // A help window made meanwhile, shown for the first time.
            if (auto* help = qobject_cast<HelpWindow*>(static_cast<QChildEvent*>(event)->child())) {
                help->setZoom(shownFactor());
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowZoom::retranslate() {
    m_zoomIn->setText(tr("拡大(&I)"));
    m_zoomOut->setText(tr("縮小(&O)"));
    m_full->setText(tr("全画面表示(&F)"));
    updateMenu();
}

void WindowZoom::updateMenu() {
    noteSizes();
    const ZoomRoom r = room(false);
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        // 100 % is the window's own size: always there.
        m_steps[i]->setEnabled(kZoomSteps[i] == 1.0 || zoomFits(kZoomSteps[i], r));
        m_steps[i]->setChecked(!m_fitted && kZoomSteps[i] == m_factor);
    }
    m_fit->setText(tr("画面に合わせる（%1 %）(&W)").arg(percent(fitZoom(r))));
    m_fit->setChecked(m_fitted);
    m_zoomIn->setEnabled(!m_fullScreen);
    m_zoomOut->setEnabled(!m_fullScreen);
    m_full->setChecked(m_fullScreen);
    m_escape->setEnabled(m_fullScreen && !locked());
}

} // namespace veltaro::ui
