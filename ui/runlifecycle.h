#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QAction;
class QProgressBar;
class QPushButton;
class QShortcut;
class QWidget;

namespace veltaro::plot {
class PlotController;
}

namespace veltaro::ui {

/// A drawing's life in the window, from the click that starts it to its end.
///
/// While it runs, the controls and menu items given to lock() are disabled, a
/// progress bar in the status bar shows how far it has come, the focus waits on
/// 中止 (so that neither it nor a key pressed meanwhile falls to 終了), and
/// Esc or 中止 stops it. When it ends, all is unlocked and the focus goes back
/// where it was, or to `fallback` when that control is gone or disabled, never
/// to `never` (where a Space would quit).
class RunLifecycle : public QObject {
    Q_OBJECT
public:
    /// `progress` and `stop` are shown only while a drawing runs; `plot` runs it.
    RunLifecycle(QWidget* window, plot::PlotController& plot, QProgressBar* progress,
                 QPushButton* stop, QWidget* fallback, QWidget* never);

    /// The controls and menu items locked while a drawing runs.
    void lock(std::vector<QWidget*> widgets, std::vector<QAction*> actions);

    /// A drawing is about to start: everything is locked and the focus waits on 中止.
    void begin();
    /// Stops the drawing under way, if one runs.
    void cancel();

signals:
    /// The inputs were locked (true) or unlocked again (false).
    void lockedChanged(bool locked);
    /// The drawing ended and all is unlocked; `cancelled` when it was stopped.
    void ended(bool cancelled);

private:
    void setLocked(bool locked);
    void finished(bool cancelled);

    QWidget* m_window;
    plot::PlotController& m_plot;
    QProgressBar* m_progress;
    QPushButton* m_stop;
    QWidget* m_fallback;
    QWidget* m_never;
    QShortcut* m_escape;
    std::vector<QWidget*> m_widgets;
    std::vector<QAction*> m_actions;
    QPointer<QWidget> m_focusBefore;
};

} // namespace veltaro::ui
