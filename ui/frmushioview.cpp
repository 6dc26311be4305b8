// The main window's aids for the classroom: the read-out of the graph and the
// Moon pictures under the mouse, and the window shown larger (表示 → 拡大表示).
#include "ui/frmushio.h"

#include "plot/graphwidget.h"
#include "plot/words.h"
#include "ui/layoutzoom.h"
#include "ui/windowzoom.h"

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
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
            show(text.value_or(QString()));
        });
    }
}

void frmushio::buildZoomMenu(QMenu* mnuvision) {
    auto* line = mnuvision->addSeparator();
    line->setObjectName(u"mnuline4"_s);
    m_mnuzoom = mnuvision->addMenu(QString());
    m_wording.keep([this] { m_mnuzoom->setTitle(tr("拡大表示(&Z)")); });
    m_mnuzoom->setObjectName(u"mnuzoom"_s);
    m_mnuzoom->menuAction()->setObjectName(u"mnuzoom"_s);

    m_zoom = new WindowZoom(this, m_mnuzoom, [this] { return m_layoutZoom.get(); });
    // What the window places by itself follows the layout.
    connect(m_zoom, &WindowZoom::scaled, this, [this](double factor) {
        placeDaysCaption(factor);
        m_progress->setFixedWidth(static_cast<int>(std::lround(kProgressWidth * factor)));
    });
}

double frmushio::zoom() const {
    return m_zoom->factor();
}

void frmushio::setZoom(double factor) {
    // Not while a drawing paints into the graph.
    if (!drawing()) {
        m_zoom->setFactor(factor);
    }
}

} // namespace veltaro::ui
