// A drawing's life in the window: locked inputs, progress, focus and stopping.
#include "ui/runlifecycle.h"

#include "plot/plotcontroller.h"

#include <QAction>
#include <QKeySequence>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace veltaro::ui {

RunLifecycle::RunLifecycle(QWidget* window, plot::PlotController& plot, QProgressBar* progress,
                           QPushButton* stop, QWidget* fallback, QWidget* never)
    : QObject(window), m_window(window), m_plot(plot), m_progress(progress), m_stop(stop),
      m_fallback(fallback), m_never(never),
      m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), window)) {
    m_progress->hide();
    m_stop->hide();
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &RunLifecycle::cancel);
    connect(m_stop, &QPushButton::clicked, this, &RunLifecycle::cancel);
    connect(&m_plot, &plot::PlotController::progress, this, [this](int done, int total) {
        m_progress->setRange(0, std::max(total, 1));
        m_progress->setValue(std::clamp(done, 0, std::max(total, 1)));
    });
    connect(&m_plot, &plot::PlotController::finished, this, &RunLifecycle::finished);
}

void RunLifecycle::lock(std::vector<QWidget*> widgets, std::vector<QAction*> actions) {
    m_widgets = std::move(widgets);
    m_actions = std::move(actions);
}

void RunLifecycle::begin() {
    m_focusBefore = m_window->focusWidget();
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->show();
    m_stop->show();
    m_stop->setFocus(Qt::OtherFocusReason);
    setLocked(true);
}

void RunLifecycle::cancel() {
    if (m_plot.running()) {
        m_plot.cancel();
    }
}

void RunLifecycle::finished(bool cancelled) {
    m_progress->hide();
    m_stop->hide();
    setLocked(false);
    QWidget* back = m_focusBefore;
    if (back == nullptr || back == m_never || back == m_stop || !back->isEnabled() ||
        !back->isVisibleTo(m_window)) {
        back = m_fallback;
    }
    back->setFocus(Qt::OtherFocusReason);
    m_focusBefore = nullptr;
    emit ended(cancelled);
}

void RunLifecycle::setLocked(bool locked) {
    for (QWidget* w : m_widgets) {
        w->setEnabled(!locked);
    }
    for (QAction* a : m_actions) {
        a->setEnabled(!locked);
    }
    m_escape->setEnabled(locked);
    emit lockedChanged(locked);
}

} // namespace veltaro::ui
