// The main window's aids for the classroom: the read-out of the graph and the
// Moon pictures under the mouse, and the window shown larger (表示 → 拡大表示).
#include "ui/frmushio.h"

#include "plot/graphwidget.h"
#include "plot/readout.h"
#include "ui/layoutzoom.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

#include <cmath>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

// The progress bar's width at 100 % [pixels].
constexpr int kProgressWidth = 200;

} // namespace

void frmushio::buildReadout() {
    m_readout = new QLabel(statusBar());
    m_readout->setObjectName(u"lblreadout"_s);
    m_readout->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_readout, 1);

    auto show = [this](const QString& text) {
        // A passing message (saved, stopped) gives way to what the mouse points at.
        if (!text.isEmpty()) {
            statusBar()->clearMessage();
        }
        m_readout->setText(text);
    };
    connect(m_picture1, &plot::GraphWidget::readout, this, show);
    for (int k = 0; k < 13; ++k) {
        connect(m_picmoon[k], &plot::MoonWidget::hovered, this, [this, k, show](bool inside) {
            const auto text = inside ? plot::readMoonPicture(m_record, k) : std::nullopt;
            show(text ? QString::fromStdString(*text) : QString());
        });
    }
}

void frmushio::buildZoomMenu(QMenu* mnuvision) {
    auto* line = mnuvision->addSeparator();
    line->setObjectName(u"mnuline4"_s);
    m_mnuzoom = mnuvision->addMenu(tr("拡大表示(&Z)"));
    m_mnuzoom->setObjectName(u"mnuzoom"_s);
    m_mnuzoom->menuAction()->setObjectName(u"mnuzoom"_s);

    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const double step : kZoomSteps) {
        const int percent = static_cast<int>(std::lround(step * 100));
        auto* a = m_mnuzoom->addAction(tr("%1 %").arg(percent));
        a->setObjectName(u"mnuzoom%1"_s.arg(percent));
        a->setCheckable(true);
        a->setChecked(step == 1.0);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, step] { setZoom(step); });
        m_zoomSteps.push_back(a);
    }
    m_zoomSteps.front()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    m_mnuzoom->addSeparator()->setObjectName(u"mnuline5"_s);
    auto* zoomIn = m_mnuzoom->addAction(tr("拡大(&I)"));
    zoomIn->setObjectName(u"mnuzoomin"_s);
    // Ctrl++ as the platform names it, and Ctrl+= for keyboards that need Shift for +.
    zoomIn->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn, &QAction::triggered, this, [this] { zoomBy(+1); });
    auto* zoomOut = m_mnuzoom->addAction(tr("縮小(&O)"));
    zoomOut->setObjectName(u"mnuzoomout"_s);
    zoomOut->setShortcut(QKeySequence(QKeySequence::ZoomOut));
    connect(zoomOut, &QAction::triggered, this, [this] { zoomBy(-1); });
}

double frmushio::zoom() const {
    return m_layoutZoom ? m_layoutZoom->factor() : 1.0;
}

void frmushio::zoomBy(int direction) {
    setZoom(nextZoomStep(zoom(), direction));
}

void frmushio::setZoom(double factor) {
    if (!m_layoutZoom) {
        return;
    }
    // Not while a drawing paints into the graph; the menu shows the size kept.
    if (drawing()) {
        factor = zoom();
    }
    for (std::size_t i = 0; i < m_zoomSteps.size(); ++i) {
        m_zoomSteps[i]->setChecked(kZoomSteps[i] == factor);
    }
    if (factor == zoom()) {
        return;
    }
    const QPoint centre = frameGeometry().center();
    m_layoutZoom->apply(factor);
    placeDaysCaption(factor);
    m_progress->setFixedWidth(static_cast<int>(std::lround(kProgressWidth * factor)));
    adjustSize();

    // Grown or shrunk about its centre, kept on the screen where it fits.
    QRect frame = frameGeometry();
    frame.moveCenter(centre);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width())));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

} // namespace veltaro::ui
