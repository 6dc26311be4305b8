// The graph area and the Moon pictures on the window: each paints an off-screen
// image that holds everything drawn so far, in device pixels.
#include "plot/graphwidget.h"

#include "plot/graphpainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace veltaro::plot {

namespace {

/// `image` redrawn for a new device pixel ratio, keeping what it shows.
QImage rescaled(const QImage& image, QSize logical, double ratio) {
    const QSize size(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

// --- Picture1 -----------------------------------------------------------------

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(geometry::kGraphOuter);
    m_ratio = devicePixelRatioF();
    m_image = makeGraphImage(m_ratio, background());
}

void GraphWidget::matchScreen() {
    const double ratio = devicePixelRatioF();
    if (ratio != m_ratio) {
        // Drawn anew from the record: sharp at the new ratio.
        m_image = renderGraph(m_record, ratio, background());
        m_ratio = ratio;
    }
}

void GraphWidget::redrawline() {
    matchScreen();
    GraphPainter(m_image, m_ratio).redrawline();
    update();
}

void GraphWidget::erase() {
    matchScreen();
    m_image.fill(background());
    m_record.clear();
    update();
}

QColor GraphWidget::background() const {
    return palette().color(QPalette::Base);
}

QImage GraphWidget::image() const {
    return m_image;
}

QImage& GraphWidget::surface() {
    matchScreen();
    return m_image;
}

QSize GraphWidget::sizeHint() const {
    return geometry::kGraphOuter;
}

void GraphWidget::paintEvent(QPaintEvent*) {
    matchScreen();
    QPainter p(this);
    // Flat one-pixel border in the window text colour.
    p.setPen(palette().color(QPalette::WindowText));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    const int b = geometry::kGraphBorder;
    p.drawImage(QRectF(QPointF(b, b), QSizeF(geometry::kGraphInner)), m_image);
}

// --- picmoon ------------------------------------------------------------------

MoonWidget::MoonWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(geometry::kMoonOuter);
    m_ratio = devicePixelRatioF();
    m_image = makeMoonImage(m_ratio);
}

void MoonWidget::matchScreen() {
    const double ratio = devicePixelRatioF();
    if (ratio != m_ratio) {
        m_image = rescaled(m_image, geometry::kMoonInner, ratio);
        m_ratio = ratio;
    }
}

void MoonWidget::lunadraw(double an) {
    matchScreen();
    plot::lunadraw(m_image, m_ratio, an);
    update();
}

void MoonWidget::erase() {
    matchScreen();
    m_image.fill(QColor::fromRgb(colours::kNight));
    update();
}

QImage MoonWidget::image() const {
    return m_image;
}

QSize MoonWidget::sizeHint() const {
    return geometry::kMoonOuter;
}

void MoonWidget::paintEvent(QPaintEvent*) {
    matchScreen();
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), true);
    const int b = geometry::kMoonBorder;
    p.drawImage(QRectF(QPointF(b, b), QSizeF(geometry::kMoonInner)), m_image);
}

} // namespace veltaro::plot
