// The graph area and the Moon pictures on the window: each paints an off-screen
// image that holds everything drawn so far, in device pixels.
#include "plot/graphwidget.h"

#include "plot/graphpainter.h"
#include "plot/words.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

#include <cmath>
#include <cstdint>

namespace veltaro::plot {

namespace {

QSize deviceSize(QSize logical, double ratio) {
    return {qRound(logical.width() * ratio), qRound(logical.height() * ratio)};
}

/// How far from a new or full Moon mark the mouse still reads it [user units]:
/// its radius and a pixel, at any size.
constexpr double kMarkReach =
    (geometry::kMarkRadius + 1) * geometry::kScaleWidth / geometry::kGraphInner.width();

} // namespace

// --- Picture1 -----------------------------------------------------------------

GraphWidget::GraphWidget(const DrawingRecord& record, QWidget* parent)
    : QWidget(parent), m_record(record) {
    setFixedSize(geometry::kGraphOuter);
    setMouseTracking(true);
    m_ratio = devicePixelRatioF();
    m_screen = std::make_unique<GraphRender>(deviceInnerSize(m_ratio), zoomedRatio(m_ratio),
                                             background(), m_style);
    m_screen->advance(m_record, SIZE_MAX);
    m_renderTimer.setInterval(0);
    connect(&m_renderTimer, &QTimer::timeout, this, &GraphWidget::renderSlice);
    m_observer = m_record.observe([this](RecordChange change) { follow(change); });
}

GraphWidget::~GraphWidget() {
    m_record.unobserve(m_observer);
}

QSize GraphWidget::innerSize() const {
    const int b = geometry::kGraphBorder;
    return size() - QSize(2 * b, 2 * b);
}

QSize GraphWidget::deviceInnerSize(double ratio) const {
    return deviceSize(innerSize(), ratio);
}

double GraphWidget::zoomedRatio(double ratio) const {
    return ratio * width() / geometry::kGraphOuter.width();
}

double GraphWidget::imageRatio() const {
    return m_screen->dpr();
}

void GraphWidget::follow(RecordChange change) {
    if (change == RecordChange::Cleared) {
        m_renderTimer.stop();
        m_render.reset();
        m_ratio = devicePixelRatioF();
        m_screen = std::make_unique<GraphRender>(deviceInnerSize(m_ratio), zoomedRatio(m_ratio),
                                                 background(), m_style);
        setReading(std::nullopt, QString());
    } else {
        // The new steps, on what is shown; a new rendering under way catches up
        // in its own slices.
        m_screen->advance(m_record, SIZE_MAX);
    }
    update();
}

void GraphWidget::matchScreen() {
    const double ratio = devicePixelRatioF();
    const QSize device = deviceInnerSize(ratio);
    const bool matched = m_render ? ratio == m_renderRatio && device == m_render->image().size()
                                  : ratio == m_ratio && device == m_screen->image().size();
    if (!matched) {
        startRender(device, ratio);
    }
}

void GraphWidget::startRender(QSize device, double ratio) {
    // Drawn anew from the record: sharp at the new ratio and size, in the
    // style in use. A first slice at once, which is all a small record needs.
    m_render = std::make_unique<GraphRender>(device, zoomedRatio(ratio), background(), m_style);
    m_renderRatio = ratio;
    renderSlice();
}

void GraphWidget::setGraphStyle(GraphStyle style) {
    if (style == m_style) {
        return;
    }
    m_style = style;
    const double ratio = devicePixelRatioF();
    startRender(deviceInnerSize(ratio), ratio);
    update();
}

void GraphWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The tide names along the axis are words of the language in use.
        const double ratio = devicePixelRatioF();
        startRender(deviceInnerSize(ratio), ratio);
        update();
    }
}

void GraphWidget::renderSlice() {
    QElapsedTimer clock;
    clock.start();
    // About a millisecond of drawing between two looks at the clock.
    constexpr std::size_t kStepsPerLook = 4096;
    bool complete = false;
    while (!complete && clock.elapsed() < kSliceMs) {
        complete = m_render->advance(m_record, kStepsPerLook);
    }
    if (!complete) {
        m_renderTimer.start();
        return;
    }
    m_renderTimer.stop();
    m_screen = std::move(m_render);
    m_ratio = m_renderRatio;
    update();
}

void GraphWidget::redrawline() {
    matchScreen();
    GraphPainter(m_screen->image(), m_screen->dpr(), m_screen->style()).redrawline();
    if (m_render) {
        GraphPainter(m_render->image(), m_render->dpr(), m_render->style()).redrawline();
    }
    update();
}

QColor GraphWidget::background() const {
    return palette().color(QPalette::Base);
}

QImage GraphWidget::image() const {
    return m_screen->image();
}

QImage GraphWidget::shownImage() const {
    QImage shown = m_screen->image().copy();
    QPainter(&shown).drawImage(0, 0, m_screen->scale());
    return shown;
}

QSize GraphWidget::sizeHint() const {
    return geometry::kGraphOuter;
}

void GraphWidget::setReading(std::optional<int> t, const QString& text) {
    if (t != m_cursorT) {
        m_cursorT = t;
        update();
    }
    emit readout(text);
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    const int b = geometry::kGraphBorder;
    const QSize inner = innerSize();
    const int column = static_cast<int>(std::floor(event->position().x())) - b;
    const int row = static_cast<int>(std::floor(event->position().y())) - b;
    std::optional<GraphReading> reading;
    if (column >= 0 && column < inner.width() && row >= 0 && row < inner.height()) {
        // The cursor's height on the Sun's scale, and a reach of four pixels,
        // pick the day of a continuous drawing whose curve is pointed at.
        const double unitsPerPixel = geometry::kScaleHeight / inner.height();
        const double y = (row + 0.5) * unitsPerPixel;
        const GraphPoint point{scaleXOfColumn(column, inner.width()), heightAtY(y),
                               heightAtY(0) - heightAtY(4 * unitsPerPixel)};
        reading = readGraph(m_record, point, kMarkReach);
    }
    // A mark's words also beside the cursor, whole even where the read-out's
    // line is too short for them.
    setToolTip(reading ? reading->mark : QString());
    if (reading) {
        setReading(reading->t, reading->text);
    } else {
        setReading(std::nullopt, QString());
    }
    emit stepPointed(reading ? reading->step : nullptr);
    QWidget::mouseMoveEvent(event);
}

void GraphWidget::leaveEvent(QEvent* event) {
    setReading(std::nullopt, QString());
    QWidget::leaveEvent(event);
}

void GraphWidget::resizeEvent(QResizeEvent* event) {
    matchScreen();
    QWidget::resizeEvent(event);
}

void GraphWidget::paintEvent(QPaintEvent*) {
    matchScreen();
    QPainter p(this);
    // Flat one-pixel border in the window text colour.
    p.setPen(palette().color(QPalette::WindowText));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    const int b = geometry::kGraphBorder;
    const QSizeF inner(innerSize());
    const QImage& image = m_screen->image();
    p.drawImage(QRectF(QPointF(b, b), inner), image);
    // The scale's strip, at the scale the image is shown at.
    const QImage& scale = m_screen->scale();
    p.drawImage(QRectF(QPointF(b, b), QSizeF(inner.width() * scale.width() / image.width(),
                                             inner.height() * scale.height() / image.height())),
                scale);
    if (m_cursorT) {
        // The cursor: the column of image pixels the step's dots stand in.
        const double column = std::floor(*m_cursorT * double(image.width()) / kLastT);
        const double width = std::max(1.0, std::round(m_screen->dpr()));
        const double perPixel = inner.width() / image.width();
        p.fillRect(QRectF(b + column * perPixel, b, width * perPixel, inner.height()),
                   QColor(0, 0, 0, 110));
    }
}

// --- picmoon ------------------------------------------------------------------

MoonWidget::MoonWidget(const DrawingRecord& record, int k, QWidget* parent)
    : QWidget(parent), m_record(record), m_k(k) {
    setFixedSize(geometry::kMoonOuter);
    m_ratio = devicePixelRatioF();
    m_scale = m_ratio;
    m_image = makeMoonImage(m_ratio);
    follow();
    m_observer = m_record.observe([this](RecordChange) { follow(); });
}

MoonWidget::~MoonWidget() {
    m_record.unobserve(m_observer);
}

void MoonWidget::setMoonView(MoonView view) {
    m_view = view;
    follow();
}

void MoonWidget::follow() {
    const std::optional<double> angle = m_record.moonDrawnAngleRad(m_k, m_view);
    if (angle != m_angle) {
        m_angle = angle;
        m_stale = true;
        update();
    }
}

void MoonWidget::refresh() const {
    if (!m_stale) {
        return;
    }
    m_stale = false;
    m_image.fill(QColor::fromRgb(colours::kNight));
    if (m_angle) {
        plot::lunadraw(m_image, m_scale, *m_angle);
    }
}

void MoonWidget::matchScreen() {
    const double ratio = devicePixelRatioF();
    const int b = geometry::kMoonBorder;
    const QSize inner = size() - QSize(2 * b, 2 * b);
    const QSize device = deviceSize(inner, ratio);
    if (ratio != m_ratio || device != m_image.size()) {
        m_ratio = ratio;
        m_scale = ratio * inner.width() / geometry::kMoonInner.width();
        m_image = QImage(device, QImage::Format_RGB32);
        m_stale = true;
    }
}

QImage MoonWidget::image() const {
    refresh();
    return m_image;
}

QSize MoonWidget::sizeHint() const {
    return geometry::kMoonOuter;
}

void MoonWidget::resizeEvent(QResizeEvent* event) {
    matchScreen();
    QWidget::resizeEvent(event);
}

void MoonWidget::enterEvent(QEnterEvent* event) {
    emit hovered(true);
    QWidget::enterEvent(event);
}

void MoonWidget::leaveEvent(QEvent* event) {
    emit hovered(false);
    QWidget::leaveEvent(event);
}

void MoonWidget::paintEvent(QPaintEvent*) {
    matchScreen();
    refresh();
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), true);
    const int b = geometry::kMoonBorder;
    p.drawImage(QRectF(QPointF(b, b), QSizeF(size() - QSize(2 * b, 2 * b))), m_image);
}

} // namespace veltaro::plot
