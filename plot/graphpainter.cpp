// Drawing the graph and the Moon pictures into images.
#include "plot/graphpainter.h"

#include <QFontMetricsF>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace veltaro::plot {

namespace {

QSize deviceSize(QSize logical, double dpr) {
    return QSize(static_cast<int>(std::lround(logical.width() * dpr)),
                 static_cast<int>(std::lround(logical.height() * dpr)));
}

/// A line or dot width of `pixels` pixels in device pixels, at least one.
int deviceWidth(int pixels, double dpr) {
    return std::max(1, static_cast<int>(std::lround(pixels * dpr)));
}

// Device coordinates beyond this are far off the image; they are not drawn.
constexpr double kFarAway = 1e6;

/// std::floor of `v` as an int, for |v| < kFarAway: a comparison rather than a
/// call, which the floor of a double is without SSE4.1.
int floorOf(double v) {
    const int i = static_cast<int>(v); // towards zero
    return v < i ? i - 1 : i;
}

/// The union of squares as rectangles: each column's squares, sorted from the
/// top, joined where they touch or overlap. Exact for squares that share their
/// left edge and width, which all squares of one curve in one column do.
QList<QRect> columnRuns(std::vector<QRect> squares) {
    std::sort(squares.begin(), squares.end(), [](const QRect& a, const QRect& b) {
        return a.left() != b.left()     ? a.left() < b.left()
               : a.width() != b.width() ? a.width() < b.width()
                                        : a.top() < b.top();
    });
    QList<QRect> runs;
    for (const QRect& q : squares) {
        if (!runs.isEmpty()) {
            QRect& last = runs.last();
            if (last.left() == q.left() && last.width() == q.width() &&
                q.top() <= last.bottom() + 1) {
                last.setBottom(std::max(last.bottom(), q.bottom()));
                continue;
            }
        }
        runs.push_back(q);
    }
    return runs;
}

} // namespace

QFont pictureFont(int pixels) {
    QFont font;
    font.setFamilies({u"IPAPGothic"_s, u"Noto Sans CJK JP"_s, u"VL PGothic"_s, u"TakaoPGothic"_s,
                      u"ＭＳ Ｐゴシック"_s});
    font.setPixelSize(pixels);
    font.setWeight(QFont::Normal);
    return font;
}

QImage makeGraphImage(double dpr, QColor background) {
    return makeGraphImage(deviceSize(geometry::kGraphInner, dpr), background);
}

QImage makeGraphImage(QSize size, QColor background) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QImage makeMoonImage(double dpr) {
    QImage image(deviceSize(geometry::kMoonInner, dpr), QImage::Format_RGB32);
    image.fill(QColor::fromRgb(colours::kNight));
    return image;
}

// --- the graph ----------------------------------------------------------------

GraphPainter::GraphPainter(QImage& image, double dpr, GraphStyle style)
    : GraphPainter(image.width(), image.height(), dpr, style) {
    m_image = &image;
    m_pixels = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    m_stride = image.bytesPerLine();
}

GraphPainter::GraphPainter(QPainter& painter, const QRect& area, double dpr, GraphStyle style)
    : GraphPainter(area.width(), area.height(), dpr, style) {
    m_target = &painter;
    m_origin = area.topLeft();
}

GraphPainter::GraphPainter(int width, int height, double dpr, GraphStyle style)
    : m_dpr(dpr), m_width(width),
      m_height(height), m_dotSizes{deviceWidth(0, dpr), deviceWidth(1, dpr), deviceWidth(2, dpr)},
      m_look(lookOf(style)), m_colours{m_look.sun.colour, m_look.moon.colour,
                                       m_look.combined.colour},
      m_across(axis(m_width, geometry::kScaleWidth)),
      m_down(axis(m_height, geometry::kScaleHeight)) {
    setCurveSizes();
}

void GraphPainter::setCurveSizes() {
    const CurveLook* curves[kCurves] = {&m_look.sun, &m_look.moon, &m_look.combined};
    for (std::size_t c = 0; c < kCurves; ++c) {
        m_curveSizes[0][c] = dotSize(curves[c]->diurnalWidth);
        m_curveSizes[1][c] = dotSize(curves[c]->width);
    }
}

GraphPainter::~GraphPainter() = default;

QPainter& GraphPainter::painter() {
    if (m_target) {
        return *m_target;
    }
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_image);
    }
    return *m_painter;
}

int GraphPainter::column(float x) const {
    return static_cast<int>(std::floor(deviceX(x)));
}

int GraphPainter::row(float y) const {
    return static_cast<int>(std::floor(deviceY(y)));
}

void GraphPainter::erase(QColor background) {
    if (m_image && !m_painter) {
        m_image->fill(background);
        return;
    }
    painter().fillRect(areaRect().translated(m_origin), background);
}

void GraphPainter::redrawline() {
    QPainter& p = painter();
    const int width = deviceWidth(1, m_dpr);
    QPen pen(QColor::fromRgba(m_look.grid), width, Qt::DotLine, Qt::FlatCap);
    p.save();
    p.translate(m_origin);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen);
    // A line of `width` device pixels centred so that it covers exactly the
    // pixels from the one that holds the coordinate onwards.
    const double half = width / 2.0;
    const double bottom = m_height;
    const double right = m_width;
    for (int i = 1; i <= 11; ++i) {
        const double x = column(static_cast<float>(720 * i)) + half;
        p.drawLine(QPointF(x, 0), QPointF(x, bottom));
    }
    const double y = row(static_cast<float>(geometry::kZeroLine)) + half;
    p.drawLine(QPointF(0, y), QPointF(right, y));
    p.restore();
}

namespace {

/// Where the height scale's numbers stand at `dpr` device pixels a pixel.
struct ScaleLayout {
    QFont font;
    double gap;    ///< around a number's patch [device pixels]
    double left;   ///< of the numbers' boxes
    double number; ///< width of the widest number
    double unit;   ///< width of the unit after the top one
};

QString scaleNumber(int cm) {
    return cm < 0 ? u"\u2212"_s + QString::number(-cm) : QString::number(cm);
}

const QString kScaleUnit = u"\u2009cm"_s;

ScaleLayout scaleLayout(double dpr) {
    ScaleLayout s{pictureFont(static_cast<int>(std::lround(11 * dpr))), 1.5 * dpr, 0, 0, 0};
    const QFontMetricsF metrics(s.font);
    s.left = deviceWidth(5, dpr) + s.gap;
    s.number = metrics.horizontalAdvance(scaleNumber(kScaleLowestLabelCm)); // the widest
    s.unit = metrics.horizontalAdvance(kScaleUnit);
    return s;
}

} // namespace

void GraphPainter::drawScale(QColor patch) {
    QPainter& p = painter();
    p.save();
    p.translate(m_origin);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    // Numbers with a true minus sign, right-aligned after the ticks; the unit
    // after the top one, with a thin space, ends clear of the first column line.
    const ScaleLayout s = scaleLayout(m_dpr);
    p.setFont(s.font);
    const QFontMetricsF metrics(p.font());
    for (int cm = -kScaleTopCm; cm <= kScaleTopCm; cm += kScaleTickCm) {
        // A tick on the rows a one-pixel point of that height covers.
        const QRect rows = square(0, static_cast<float>(sunY(cm / 1e5)), 1);
        const int y = rows.top();
        const bool major = cm % kScaleLabelCm == 0;
        p.fillRect(QRect(0, y, deviceWidth(major ? 5 : 3, m_dpr), rows.height()),
                   QColor::fromRgba(m_look.grid));
        if (!major || cm < kScaleLowestLabelCm) {
            continue;
        }
        const QString unit = cm == kScaleTopCm ? kScaleUnit : QString();
        const QRectF box(s.left, y + rows.height() / 2.0 - metrics.height() / 2, s.number,
                         metrics.height());
        p.fillRect(box.adjusted(-s.gap / 2, 0, metrics.horizontalAdvance(unit) + s.gap / 2, 0),
                   patch);
        p.setPen(QColor::fromRgb(colours::kFrame));
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, scaleNumber(cm));
        p.drawText(box.translated(s.number, 0), Qt::AlignLeft | Qt::AlignVCenter, unit);
    }
    p.restore();
}

int GraphPainter::dotSize(int width) const {
    return width >= 0 && width < int(m_dotSizes.size()) ? m_dotSizes[std::size_t(width)]
                                                        : deviceWidth(width, m_dpr);
}

inline bool GraphPainter::corner(float u, Axis axis, int size, int& first) const {
    // device - size / 2 + 0.5, its floor the first pixel of the dot's square.
    // A product with the pixels per unit is within 1e-9 of the device value,
    // which multiplies before dividing: its floor is the same unless it lies
    // that close to a whole number; then the division decides.
    const double half = size / 2.0;
    const double quick = static_cast<double>(u) * axis.perUnit - half + 0.5;
    if (std::abs(quick) < kFarAway - 1) {
        const int i = floorOf(quick);
        const double fraction = quick - i;
        if (fraction > 1e-6 && fraction < 1 - 1e-6) {
            first = i;
            return true;
        }
    }
    const double exact = static_cast<double>(u) * axis.pixels / axis.units - half + 0.5;
    if (!(std::abs(exact) < kFarAway)) {
        return false;
    }
    first = floorOf(exact);
    return true;
}

inline bool GraphPainter::cover(float x, float y, int size, Cover& c) const {
    // The square of `size` device pixels centred on the place, its corner on
    // the pixel that holds it.
    int left = 0;
    int top = 0;
    if (!corner(x, m_across, size, left) || !corner(y, m_down, size, top)) {
        return false;
    }
    c.left = std::max(left, 0);
    c.top = std::max(top, 0);
    c.right = std::min(left + size, static_cast<int>(m_width)) - 1;
    c.bottom = std::min(top + size, static_cast<int>(m_height)) - 1;
    return c.left <= c.right && c.top <= c.bottom;
}

inline void GraphPainter::fill(uchar* bits, const Cover& c, QRgb colour) const {
    for (int row = c.top; row <= c.bottom; ++row) {
        QRgb* const line = reinterpret_cast<QRgb*>(bits + row * m_stride);
        std::fill(line + c.left, line + c.right + 1, colour);
    }
}

void GraphPainter::fill(const Cover& c, QRgb colour) {
    if (m_pixels) {
        // A handful of pixels: set directly, a fraction of a painter call.
        // bits() also detaches the image from any copy handed out.
        fill(m_image->bits(), c, colour);
        return;
    }
    painter().fillRect(QRect(QPoint(c.left, c.top), QPoint(c.right, c.bottom)).translated(m_origin),
                       QColor::fromRgb(colour));
}

QRect GraphPainter::square(float x, float y, int width) const {
    Cover c{};
    if (!cover(x, y, dotSize(width), c)) {
        return {};
    }
    return {QPoint(c.left, c.top), QPoint(c.right, c.bottom)};
}

void GraphPainter::dot(float x, float y, QRgb colour, int width) {
    Cover c{};
    if (cover(x, y, dotSize(width), c)) {
        fill(c, colour);
    }
}

void GraphPainter::plotStep(PlotMode mode, int t, const astro::TideEvaluation& e) {
    plotStep(mode, t, e.Ssea, e.Msea);
}

inline bool GraphPainter::cover(float x, float y, float from, int size, Cover& c) const {
    int left = 0;
    int top = 0;
    int fromTop = 0;
    if (!corner(x, m_across, size, left) || !corner(y, m_down, size, top)) {
        return false;
    }
    if (!corner(from, m_down, size, fromTop)) {
        fromTop = top; // nothing to join to: the dot alone
    }
    // The columns of the dot, the rows from one dot's first to the other's last.
    c.left = std::max(left, 0);
    c.right = std::min(left + size, static_cast<int>(m_width)) - 1;
    c.top = std::max(std::min(top, fromTop), 0);
    c.bottom = std::min(std::max(top, fromTop) + size, static_cast<int>(m_height)) - 1;
    return c.left <= c.right && c.top <= c.bottom;
}

template <class Fill>
inline void GraphPainter::stepDots(PlotMode mode, const RecordedStep& step,
                                   const RecordedStep* before, Fill fill) {
    // dot() three times, with the sizes worked out once.
    const auto x = static_cast<float>(step.t);
    const auto& sizes = m_curveSizes[mode == PlotMode::Diurnal ? 0 : 1];
    const double y[kCurves] = {sunY(step.Ssea), moonY(step.Msea), sunY(step.Ssea + step.Msea)};
    if (m_look.joinedDiurnal && mode == PlotMode::Diurnal && before != nullptr &&
        before->t < step.t) {
        const double from[kCurves] = {sunY(before->Ssea), moonY(before->Msea),
                                      sunY(before->Ssea + before->Msea)};
        for (int curve = 0; curve < kCurves; ++curve) {
            Cover c{};
            if (cover(x, static_cast<float>(y[curve]), static_cast<float>(from[curve]),
                      sizes[curve], c)) {
                fill(curve, c);
            }
        }
        return;
    }
    for (int curve = 0; curve < kCurves; ++curve) {
        Cover c{};
        if (cover(x, static_cast<float>(y[curve]), sizes[curve], c)) {
            fill(curve, c);
        }
    }
}

void GraphPainter::plotStep(PlotMode mode, int t, double Ssea, double Msea) {
    RecordedStep step{};
    step.Ssea = Ssea;
    step.Msea = Msea;
    step.t = static_cast<std::int16_t>(t);
    stepDots(mode, step, nullptr,
             [this](int curve, const Cover& c) { fill(c, m_colours[std::size_t(curve)]); });
}

void GraphPainter::plotSteps(PlotMode mode, std::span<const RecordedStep> steps,
                             const RecordedStep* before) {
    if (!m_pixels) {
        for (const RecordedStep& s : steps) {
            stepDots(mode, s, before,
                     [this](int curve, const Cover& c) { fill(c, m_colours[std::size_t(curve)]); });
            before = &s;
        }
        return;
    }
    // The image's pixels once for all the steps: nothing else touches the
    // image meanwhile.
    uchar* const bits = m_image->bits();
    const auto set = [this, bits](int curve, const Cover& c) {
        fill(bits, c, m_colours[std::size_t(curve)]);
    };
    for (const RecordedStep& s : steps) {
        stepDots(mode, s, before, set);
        before = &s;
    }
}

void GraphPainter::plotPhases(const Drawing& drawing) {
    plotTideNames(drawing);
    const int lastT = drawing.lastT();
    if (drawing.marks.empty() || lastT < 0) {
        return;
    }
    QPainter& p = painter();
    p.save();
    p.translate(m_origin);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double radius = geometry::kMarkRadius * m_dpr;
    const double y = deviceY(static_cast<float>(geometry::kMarkY));
    const QColor ink = QColor::fromRgb(colours::kFrame);
    p.setPen(QPen(ink, std::max(1.0, m_dpr)));
    const double half = geometry::kMarkHalfWidth * m_dpr;
    for (const AxisMark& m : drawing.marks) {
        if (m.x > lastT) {
            continue;
        }
        const double x = m.x * m_width / geometry::kScaleWidth;
        switch (m.kind) {
        case MarkKind::NewMoon:
        case MarkKind::FullMoon:
            // ● new Moon, ○ full Moon.
            p.setBrush(m.kind == MarkKind::NewMoon ? ink : QColor(Qt::white));
            p.drawEllipse(QPointF(x, y), radius, radius);
            break;
        case MarkKind::Perigee:
        case MarkKind::Apogee: {
            // ◆ perigee, ◇ apogee.
            const double rowY = deviceY(static_cast<float>(geometry::kDistanceMarkY));
            const QPointF diamond[] = {
                {x, rowY - half}, {x + half, rowY}, {x, rowY + half}, {x - half, rowY}};
            p.setBrush(m.kind == MarkKind::Perigee ? ink : QColor(Qt::white));
            p.drawPolygon(diamond, 4);
            break;
        }
        case MarkKind::GreatestNorth:
        case MarkKind::GreatestSouth: {
            // ▲ greatest northern, ▼ greatest southern declination.
            const double rowY = deviceY(static_cast<float>(geometry::kDeclinationMarkY));
            const double tip = m.kind == MarkKind::GreatestNorth ? -half : half;
            const QPointF triangle[] = {
                {x, rowY + tip}, {x + half, rowY - tip * 0.75}, {x - half, rowY - tip * 0.75}};
            p.setBrush(ink);
            p.drawPolygon(triangle, 3);
            break;
        }
        }
    }
    p.restore();
}

void GraphPainter::plotRecord(const DrawingRecord& record) {
    if (m_image) {
        for (const Drawing& d : record.drawings()) {
            plotSteps(d.mode(), d.steps);
            plotPhases(d);
        }
        return;
    }
    // On a vector surface each curve of a drawing becomes one shape: the same
    // squares as on an image, those that coincide kept once and those stacked
    // in a column joined, so that a year's drawing stays a file of a useful
    // size. The Sun's curve lies under the Moon's, both under the combined one.
    QPainter& p = painter();
    for (const Drawing& d : record.drawings()) {
        std::array<std::vector<QRect>, kCurves> curves;
        const RecordedStep* before = nullptr;
        for (const RecordedStep& s : d.steps) {
            stepDots(d.mode(), s, before, [&curves](int curve, const Cover& c) {
                curves[std::size_t(curve)].emplace_back(QPoint(c.left, c.top),
                                                        QPoint(c.right, c.bottom));
            });
            before = &s;
        }
        for (std::size_t c = 0; c < kCurves; ++c) {
            const QList<QRect> shape = columnRuns(std::move(curves[c]));
            p.save();
            p.translate(m_origin);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromRgb(m_colours[c]));
            p.drawRects(shape.constData(), static_cast<int>(shape.size()));
            p.restore();
        }
        plotPhases(d);
    }
}

QImage renderGraph(const DrawingRecord& record, double dpr, QColor background, GraphStyle style) {
    return renderGraph(record, deviceSize(geometry::kGraphInner, dpr), dpr, background, style);
}

QImage renderGraph(const DrawingRecord& record, QSize size, double dpr, QColor background,
                   GraphStyle style) {
    QImage image(size, QImage::Format_RGB32);
    renderGraphInto(image, image.rect(), record, dpr, background, style);
    return image;
}

bool renderGraphInto(QImage& image, const QRect& area, const DrawingRecord& record, double dpr,
                     QColor background, GraphStyle style) {
    if (image.format() != QImage::Format_RGB32 || !image.rect().contains(area) || area.isEmpty()) {
        return false;
    }
    // An image of the area over the pixels of `image`: drawn on as on an image
    // of its own, with nothing to copy afterwards.
    const qsizetype stride = image.bytesPerLine();
    uchar* const corner = image.bits() + area.top() * stride + area.left() * qsizetype(4);
    QImage graph(corner, area.width(), area.height(), stride, QImage::Format_RGB32);
    graph.fill(background);
    GraphPainter painter(graph, dpr, style);
    painter.redrawline();
    painter.plotRecord(record);
    return true;
}

QImage renderScale(QSize size, double dpr, QColor background, GraphStyle style) {
    // Only the strip at the left edge that the scale covers, with room for
    // the glyphs' edges: the rest would be transparent, to be allocated,
    // cleared and laid over the graph for nothing.
    const ScaleLayout s = scaleLayout(dpr);
    const int strip = static_cast<int>(std::ceil(s.left + s.number + s.unit + s.gap + 4 * dpr));
    QImage image(QSize(std::min(size.width(), strip), size.height()),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    background.setAlphaF(kScalePatchOpacity);
    GraphPainter(image, dpr, style).drawScale(background);
    return image;
}

GraphRender::GraphRender(QSize size, double dpr, QColor background, GraphStyle style)
    : m_image(makeGraphImage(size, background)), m_background(background), m_dpr(dpr),
      m_style(style) {
    GraphPainter(m_image, m_dpr, m_style).redrawline();
}

const QImage& GraphRender::scale() const {
    if (m_scale.isNull()) {
        m_scale = renderScale(m_image.size(), m_dpr, m_background, m_style);
    }
    return m_scale;
}

bool GraphRender::advance(const DrawingRecord& record, std::size_t maxSteps) {
    const std::vector<Drawing>& drawings = record.drawings();
    GraphPainter painter(m_image, m_dpr, m_style);
    while (m_drawing < drawings.size()) {
        const Drawing& d = drawings[m_drawing];
        // Counted from what is left, so that any maxSteps, SIZE_MAX too, is safe.
        const std::size_t end = m_step + std::min(maxSteps, d.steps.size() - m_step);
        maxSteps -= end - m_step;
        painter.plotSteps(d.mode(), std::span(d.steps).subspan(m_step, end - m_step),
                          m_step > 0 ? &d.steps[m_step - 1] : nullptr);
        m_step = end;
        if (m_step < d.steps.size()) {
            return false;
        }
        if (m_drawing + 1 == drawings.size() && record.drawingOpen()) {
            return true;
        }
        painter.plotPhases(d);
        ++m_drawing;
        m_step = 0;
    }
    return true;
}

// --- the Moon -----------------------------------------------------------------

void lunadraw(QImage& image, double dpr, double an) {
    lunadraw(image, dpr, std::sin(an), std::cos(an));
}

void lunadraw(QImage& image, double dpr, double sinAn, double cosAn) {
    QPainter p(&image);
    lunadraw(p, QRectF(image.rect()), dpr, sinAn, cosAn);
}

DiscPlace discPlace(const QRectF& inner, double dpr) {
    using namespace geometry;
    const double line = std::max(1.0, dpr);
    const double margin = std::max(1.0, std::round(dpr));
    const double room =
        std::min(inner.width(), inner.height()) / 2 - margin - std::max(line / 2, 0.5);
    return {inner.center(), std::min(kDiscRadius * dpr / kTwipsPerPixel, room)};
}

void lunadraw(QPainter& p, const QRectF& inner, double dpr, double sinAn, double cosAn) {
    using namespace geometry;
    constexpr int kHalfTurn = 180 * 16; // QPainter angles are sixteenths of a degree
    constexpr int kTwelve = 90 * 16;    // 12 o'clock
    constexpr int kSix = 270 * 16;      // 6 o'clock

    p.save();
    p.fillRect(inner, QColor::fromRgb(colours::kNight));
    // Whole pixels, as the pictures always had: no blending at the edges.
    p.setRenderHint(QPainter::Antialiasing, false);
    const DiscPlace place = discPlace(inner, dpr);
    const QPointF centre = place.centre;
    const double radius = place.radius;
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    // Lines max(1, dpr) device pixels wide: on an image a cosmetic pen, on a
    // vector surface a pen of that width, so that it scales with the page.
    const bool raster = p.device() != nullptr && p.device()->devType() == QInternal::Image;
    // Flat ends: the diameter ends on the rim rather than half a line beyond it.
    auto line = [dpr, raster](QRgb colour) {
        QPen pen(QColor::fromRgb(colour), std::max(1.0, dpr), Qt::SolidLine, Qt::FlatCap);
        pen.setCosmetic(raster);
        return pen;
    };

    // The lit half, outlined with its arc and diameter, and the other half's rim.
    const bool litRight = sinAn >= 0;
    p.setPen(line(colours::kLitEdge));
    p.setBrush(QColor::fromRgb(colours::kLit));
    p.drawPie(disc, litRight ? kSix : kTwelve, kHalfTurn);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(colours::kRim));
    p.drawArc(disc, litRight ? kTwelve : kSix, kHalfTurn);

    // The terminator: a dark ellipse eats into the lit half (crescent), a lit
    // one reaches into the dark half (gibbous). With a cosine of zero it has no
    // width and the half disc stays as it is.
    const double halfWidth = radius * std::abs(cosAn);
    if (halfWidth > 0 && std::isfinite(halfWidth)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(cosAn > 0 ? colours::kNight : colours::kLit));
        p.drawEllipse(centre, halfWidth, radius);
    }

    // The rim over everything.
    p.setBrush(Qt::NoBrush);
    p.setPen(line(colours::kRim));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

} // namespace veltaro::plot
