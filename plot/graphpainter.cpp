// Drawing the graph and the Moon pictures into images.
#include "plot/graphpainter.h"

#include <QPen>
#include <QPointF>
#include <QRectF>
#include <cmath>

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

} // namespace

QImage makeGraphImage(double dpr, QColor background) {
    QImage image(deviceSize(geometry::kGraphInner, dpr), QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QImage makeMoonImage(double dpr) {
    QImage image(deviceSize(geometry::kMoonInner, dpr), QImage::Format_RGB32);
    image.fill(QColor::fromRgb(colours::kNight));
    return image;
}

// --- the graph ----------------------------------------------------------------

GraphPainter::GraphPainter(QImage& image, double dpr)
    : m_image(image), m_dpr(dpr), m_width(image.width()), m_height(image.height()) {}

GraphPainter::~GraphPainter() = default;

QPainter& GraphPainter::painter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
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
    if (m_painter) {
        m_painter->fillRect(m_image.rect(), background);
    } else {
        m_image.fill(background);
    }
}

void GraphPainter::redrawline() {
    QPainter& p = painter();
    const int width = deviceWidth(1, m_dpr);
    QPen pen(QColor::fromRgb(colours::kFrame), width, Qt::DotLine, Qt::FlatCap);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen);
    // A line of `width` device pixels centred so that it covers exactly the
    // pixels from the one that holds the coordinate onwards.
    const double half = width / 2.0;
    const double bottom = m_image.height();
    const double right = m_image.width();
    for (int i = 1; i <= 11; ++i) {
        const double x = column(static_cast<float>(720 * i)) + half;
        p.drawLine(QPointF(x, 0), QPointF(x, bottom));
    }
    const double y = row(static_cast<float>(geometry::kZeroLine)) + half;
    p.drawLine(QPointF(0, y), QPointF(right, y));
    p.restore();
}

void GraphPainter::dot(float x, float y, QRgb colour, int width) {
    const int size = deviceWidth(width, m_dpr);
    const double cx = deviceX(x) - size / 2.0 + 0.5;
    const double cy = deviceY(y) - size / 2.0 + 0.5;
    if (!(std::abs(cx) < kFarAway && std::abs(cy) < kFarAway)) {
        return;
    }
    const int left = static_cast<int>(std::floor(cx));
    const int top = static_cast<int>(std::floor(cy));
    const QRect square = QRect(left, top, size, size).intersected(m_image.rect());
    if (square.isEmpty()) {
        return;
    }
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32) {
        painter().fillRect(square, QColor::fromRgb(colour));
        return;
    }
    // A handful of pixels: set them directly, which costs a fraction of a
    // painter call. bits() also detaches the image from any copy handed out.
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int row = square.top(); row <= square.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + row * stride);
        for (int col = square.left(); col <= square.right(); ++col) {
            line[col] = colour;
        }
    }
}

void GraphPainter::plotStep(PlotMode mode, int t, const astro::TideEvaluation& e) {
    const float x = static_cast<float>(t);
    dot(x, static_cast<float>(sunY(e.Ssea)), colours::kSun, 1);
    dot(x, static_cast<float>(moonY(e.Msea)), colours::kMoon, 1);
    dot(x, static_cast<float>(sunY(e.Ssea + e.Msea)), colours::kCombined,
        mode == PlotMode::Diurnal ? 2 : 1);
}

// --- the Moon -----------------------------------------------------------------

void lunadraw(QImage& image, double dpr, double an) {
    lunadraw(image, dpr, std::sin(an), std::cos(an));
}

void lunadraw(QImage& image, double dpr, double sinAn, double cosAn) {
    using namespace geometry;
    constexpr int kHalfTurn = 180 * 16; // QPainter angles are sixteenths of a degree
    constexpr int kTwelve = 90 * 16;    // 12 o'clock
    constexpr int kSix = 270 * 16;      // 6 o'clock

    image.fill(QColor::fromRgb(colours::kNight));
    QPainter p(&image);
    // Whole pixels, as the pictures always had: no blending at the edges.
    p.setRenderHint(QPainter::Antialiasing, false);
    // Twips from here on.
    const double scale = dpr / kTwipsPerPixel;
    p.scale(scale, scale);
    const QPointF centre(kDiscCentre, kDiscCentre);
    const QRectF disc(kDiscCentre - kDiscRadius, kDiscCentre - kDiscRadius, 2 * kDiscRadius,
                      2 * kDiscRadius);
    auto line = [dpr](QRgb colour) {
        QPen pen(QColor::fromRgb(colour), std::max(1.0, dpr));
        pen.setCosmetic(true);
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
    const double halfWidth = kDiscRadius * std::abs(cosAn);
    if (halfWidth > 0 && std::isfinite(halfWidth)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(cosAn > 0 ? colours::kNight : colours::kLit));
        p.drawEllipse(centre, halfWidth, kDiscRadius);
    }

    // The rim over everything.
    p.setBrush(Qt::NoBrush);
    p.setPen(line(colours::kRim));
    p.drawEllipse(centre, kDiscRadius, kDiscRadius);
}

// --- a run into images --------------------------------------------------------

PictureSink::PictureSink(QImage& graph, double graphDpr, std::array<QImage*, 13> moons,
                         double moonDpr)
    : m_graphImage(graph), m_graphDpr(graphDpr), m_moons(moons), m_moonDpr(moonDpr) {}

void PictureSink::step(PlotMode mode, const Moment& moment, const astro::TideEvaluation& e) {
    if (!m_graph) {
        m_graph = std::make_unique<GraphPainter>(m_graphImage, m_graphDpr);
    }
    m_graph->plotStep(mode, moment.t, e);
}

void PictureSink::moonPhase(int k, double msangle) {
    if (k >= 0 && k < 13 && m_moons[static_cast<std::size_t>(k)]) {
        lunadraw(*m_moons[static_cast<std::size_t>(k)], m_moonDpr, msangle);
    }
}

void PictureSink::flush() {
    m_graph.reset();
}

} // namespace veltaro::plot
