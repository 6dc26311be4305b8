#pragma once

#include "ui/layoutzoom.h"

#include <QLayout>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QScreen;
class QShortcut;

namespace veltaro::ui {

/// The window shown larger for a class: the sizes of 表示 → 拡大表示 that fit
/// the screen, the fit to the screen and the full-screen view.
///
/// - A step of kZoomSteps at which the window, frame included, would be larger
///   than its screen's available area is greyed out, and 拡大 (Ctrl++) stops
///   below it. 画面に合わせる shows the window at the largest size that fits.
/// - When the window is shown, moves to another screen or its screen changes
///   size, the sizes are looked at again: a size that no longer fits gives way
///   to the largest step that does, and a window fitted to its screen is fitted
///   to the new one.
/// - 全画面表示 (F11) shows the window over the whole screen, its layout at the
///   largest size that fits there and centred; F11 again, or Esc, goes back to
///   the window as it was.
/// - The help window follows the size the layout is shown at.
///
/// The window locks the 拡大表示 menu while a drawing paints into the graph;
/// meanwhile the size stays as it is, F11 does nothing and Esc is left to stop
/// the drawing. What the screen asked for meanwhile is done when the lock goes.
class WindowZoom : public QObject {
    Q_OBJECT
public:
    /// Fills `menu` with the sizes (mnuzoom100 .. mnuzoom200), 画面に合わせる
    /// (mnuzoomfit), 拡大 (mnuzoomin), 縮小 (mnuzoomout) and 全画面表示
    /// (mnufullscreen). `layout` gives the window's layout, asked for at each
    /// change: the window notes it once all its menus are made.
    WindowZoom(QMainWindow* window, QMenu* menu, std::function<LayoutZoom*()> layout);

    /// The window's size in a window of its own [factor]: a step, the fit to the
    /// screen, or whatever setFactor() was given. Full screen keeps it for the
    /// way back.
    double factor() const { return m_factor; }
    /// Shows the window at `factor`, out of full screen. A factor too large for
    /// the screen is shown as asked; the next look at the screen steps it down.
    void setFactor(double factor);
    /// One step of kZoomSteps larger (+1, only if it fits) or smaller (-1).
    void stepBy(int direction);
    /// Shows the window at the largest size that fits its screen, and keeps it
    /// fitted when the screen changes.
    void fitToScreen();
    /// True while the window is fitted to its screen (画面に合わせる).
    bool fitted() const { return m_fitted; }

    bool fullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on);

    /// The size the layout is shown at now [factor]: factor() in a window, the
    /// fit to the whole screen in full screen.
    double shownFactor() const;

    /// Says the menu's items again in the language in use.
    void retranslate();

signals:
    /// factor() or fullScreen() changed: what the next session may start with.
    void changed(double factor, bool fullScreen);
    /// The layout was just shown at `shownFactor`, before the window's size is
    /// settled: the window places what it places by itself.
    void scaled(double shownFactor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool locked() const;
    /// Notes the window's size at 100 % and its frame while they can be seen.
    void noteSizes();
    /// The room on the window's screen: its available area (`whole` false) or
    /// the whole screen.
    ZoomRoom room(bool whole) const;
    void showInWindow(double factor, bool fitted);
    /// The size in a window that `room` takes: the fit when fitted(), else
    /// factor() or, where it no longer fits, the largest step that does.
    double fittingFactor(const ZoomRoom& room) const;
    /// Lays the window out at factor() in a window of its own; its frame at
    /// `topLeft`, or grown about its centre, inside the screen where it fits.
    void layOutInWindow(const QPoint* topLeft);
    void enterFullScreen();
    void leaveFullScreen();
    void layOutFullScreen();
    /// Fits the window to its screen again, once nothing is locked.
    void lookAtScreen();
    void watchScreen(QScreen* screen);
    void followHelp();
    void updateMenu();

    QMainWindow* m_window;
    QMenu* m_menu;
    std::function<LayoutZoom*()> m_layout;
    std::vector<QAction*> m_steps;
    QAction* m_fit = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_full = nullptr;
    QShortcut* m_escape = nullptr;
    QPointer<QScreen> m_screen;

    double m_factor = 1;
    bool m_fitted = false;
    bool m_fullScreen = false;
    bool m_lookPending = false; // the screen changed while locked
    QSize m_at100{0, 0};        // the window without frame at 100 %
    QSize m_frame{0, 0};        // what the frame adds
    QPoint m_normalPos;         // the window's place before full screen
    QLayout::SizeConstraint m_constraint = QLayout::SetFixedSize;
};

} // namespace veltaro::ui
