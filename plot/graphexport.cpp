// The graph as a picture to keep, painted from the drawing record.
#include "plot/graphexport.h"
#include "plot/largeblocks.h"
#include "plot/pngencode.h"

#include "plot/words.h"

#include "plot/graphpainter.h"
#include "plot/windowlayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace veltaro::plot {

namespace {

// The picture in window pixels (15 twips to a pixel). Below the caption block
// the Moon pictures, the graph and their captions stand where the window has
// them (plot/windowlayout.h), shifted up so that the Moon pictures' top is the
// block's top.
constexpr int kMargin = 16;
constexpr int kWidth = 680;       // the window's client width and room for "360日"
constexpr int kLineHeight = 20;   // one title line of the caption block
constexpr int kLegendHeight = 22; // the legend row
constexpr int kBlockGap = 10;     // between caption block and Moon pictures
constexpr int kMaxTitles = 6;     // drawings named one by one; the rest are counted
// The Moon pictures' top on the window, and from there to the axis captions' bottom.
constexpr int kWindowTop = layout::pixels(layout::moonPicture(0).top);
constexpr int kPictureHeight =
    layout::pixels(layout::hourLabel(0).top + layout::hourLabel(0).height) - kWindowTop;

/// A part of the window in window pixels, `top` pixels further down.
QRectF windowRect(const layout::TwipsRect& r, int top = 0) {
    return {double(layout::pixels(r.left)), double(layout::pixels(r.top) + top),
            double(layout::pixels(r.width)), double(layout::pixels(r.height))};
}

QStringList titleLines(const DrawingRecord& record) {
    QStringList lines;
    const auto& drawings = record.drawings();
    for (std::size_t i = 0; i < drawings.size() && lines.size() < kMaxTitles; ++i) {
        lines << drawingTitle(drawings[i]);
    }
    if (drawings.size() > std::size_t(kMaxTitles)) {
        lines << QCoreApplication::translate("veltaro::words", "ほか %1 件の描画")
                     .arg(drawings.size() - std::size_t(kMaxTitles));
    }
    if (lines.isEmpty()) {
        lines << QCoreApplication::translate("veltaro::words", "（描画なし）");
    }
    return lines;
}

bool hasMarks(const DrawingRecord& record) {
    const auto& drawings = record.drawings();
    return std::any_of(drawings.begin(), drawings.end(),
                       [](const Drawing& d) { return !d.marks.empty(); });
}

/// A 60-day drawing names the tide of each day in a band of colours.
bool hasTideBand(const DrawingRecord& record) {
    const auto& drawings = record.drawings();
    return std::any_of(drawings.begin(), drawings.end(),
                       [](const Drawing& d) { return d.mode() == PlotMode::SixtyDay; });
}

/// The legend rows below the axis captions: the marks of the Moon's distance
/// and declination, and the key to the tide names' colours, each where
/// something drawn has them.
int footHeight(const DrawingRecord& record) {
    return (hasMarks(record) ? kLegendHeight : 0) + (hasTideBand(record) ? kLegendHeight : 0);
}

/// The key to the band of tide names: each name's colour with its character
/// on it, as the band writes it, and the name.
void paintTideKey(QPainter& p, double y) {
    p.setFont(pictureFont(12));
    const QFontMetricsF metrics(p.font());
    double x = kMargin;
    for (const TideNameDefinition& d : kTideNames) {
        const QString name = tideName(d.name);
        const QRectF swatch(x, y + 4, 18, kLegendHeight - 8);
        p.fillRect(swatch, tideNameFill(d.name));
        p.setPen(tideNameInk(d.name));
        p.drawText(swatch, Qt::AlignCenter, name.left(1).toUpper());
        x += swatch.width() + 5;
        p.setPen(Qt::black);
        p.drawText(QRectF(x, y, kWidth - kMargin - x, kLegendHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + 16;
    }
}

int captionHeight(const DrawingRecord& record) {
    return int(titleLines(record).size()) * kLineHeight + kLegendHeight + kBlockGap;
}

/// A caption one character per line, centred in `box`.
void verticalText(QPainter& p, const QRectF& box, const QString& text, int pixels) {
    p.setFont(pictureFont(pixels));
    // Latin letters stacked one under another cannot be read as a word: turned.
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x3000; })) {
        p.save();
        p.translate(box.left(), box.bottom());
        p.rotate(-90);
        p.drawText(QRectF(0, 0, box.height(), box.width()), Qt::AlignCenter, text);
        p.restore();
        return;
    }
    const double step = box.height() / std::max<qsizetype>(text.size(), 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        p.drawText(QRectF(box.left(), box.top() + step * double(i), box.width(), step),
                   Qt::AlignCenter, text.mid(i, 1));
    }
}

void paintCaptionBlock(QPainter& p, const DrawingRecord& record, const StyleLook& look) {
    p.setPen(Qt::black);
    double y = kMargin;
    for (const QString& line : titleLines(record)) {
        // A line longer than the picture is wide (a long place and clock) is
        // set smaller, down to 10 pixels, and only past that cut with "…".
        const QRectF box(kMargin, y, kWidth - 2 * kMargin, kLineHeight);
        constexpr int kTitlePixels = 14;
        const double wide = QFontMetricsF(pictureFont(kTitlePixels)).horizontalAdvance(line);
        const int pixels = wide <= box.width()
                               ? kTitlePixels
                               : std::max(10, static_cast<int>(kTitlePixels * box.width() / wide));
        p.setFont(pictureFont(pixels));
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(p.font()).elidedText(line, Qt::ElideRight, box.width()));
        y += kLineHeight;
    }
    // The legend: each curve's swatch in its colour, then its name.
    struct Entry {
        QRgb colour;
        const char* name;
    };
    const Entry entries[] = {
        {look.sun.colour, QT_TRANSLATE_NOOP("veltaro::words", "太陽による起潮力")},
        {look.moon.colour, QT_TRANSLATE_NOOP("veltaro::words", "月による起潮力")},
        {look.combined.colour, QT_TRANSLATE_NOOP("veltaro::words", "太陽＋月による起潮力")}};
    p.setFont(pictureFont(12));
    const QFontMetricsF metrics(p.font());
    double x = kMargin;
    const double mid = y + kLegendHeight / 2.0;
    for (const Entry& e : entries) {
        const double thickness = look.legendThickness;
        p.fillRect(QRectF(x, mid - thickness / 2, 36, thickness), QColor::fromRgb(e.colour));
        x += 42;
        const QString name = QCoreApplication::translate("veltaro::words", e.name);
        p.setPen(Qt::black);
        p.drawText(QRectF(x, y, 200, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + 24;
    }
    // What the new and full Moon marks on the time axis of a 60-day or annual
    // graph stand for; the other marks are named below the picture.
    if (hasMarks(record)) {
        p.drawText(QRectF(x, y, kWidth - kMargin - x, kLegendHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   markLegend({MarkKind::NewMoon, MarkKind::FullMoon}));
    }
}

/// A sunken two-pixel panel border around `inner` (window pixels).
void sunkenBorder(QPainter& p, const QRectF& inner) {
    const QRectF outer = inner.adjusted(-2, -2, 2, 2);
    p.fillRect(QRectF(outer.left(), outer.top(), outer.width(), 2), QColor(128, 128, 128));
    p.fillRect(QRectF(outer.left(), outer.top(), 2, outer.height()), QColor(128, 128, 128));
    p.fillRect(QRectF(outer.left(), outer.bottom() - 2, outer.width(), 2), QColor(224, 224, 224));
    p.fillRect(QRectF(outer.right() - 2, outer.top() + 2, 2, outer.height() - 2),
               QColor(224, 224, 224));
}

} // namespace

QSize exportSize(const DrawingRecord& record) {
    return {kWidth,
            kMargin + captionHeight(record) + kPictureHeight + footHeight(record) + kMargin};
}

QRect graphArea(const DrawingRecord& record, int scale) {
    using namespace geometry;
    const int top = kMargin + captionHeight(record) - kWindowTop;
    const QRectF outer = windowRect(layout::kGraph, top);
    return {QPoint((int(outer.left()) + kGraphBorder) * scale,
                   (int(outer.top()) + kGraphBorder) * scale),
            kGraphInner * scale};
}

void paintExport(QPainter& p, const DrawingRecord& record, int scale, QColor graphBackground,
                 GraphStyle style, MoonView moonView) {
    using namespace geometry;
    scale = std::max(scale, 1);
    const QSize size = exportSize(record);
    const int top = kMargin + captionHeight(record) - kWindowTop; // window y to picture y

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(scale, scale);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintCaptionBlock(p, record, lookOf(style));

    // Captions of the Moon pictures and of the graph, the axis captions.
    p.setPen(Qt::black);
    verticalText(p, windowRect(layout::kMoonCaption, top),
                 QCoreApplication::translate("veltaro::words", "月　影"), 13);
    verticalText(p, windowRect(layout::kGraphCaption, top),
                 QCoreApplication::translate("veltaro::words", "起潮力"), 16);
    const QStringList captions = axisCaptions(record.axisMode().value_or(PlotMode::Diurnal));
    p.setFont(pictureFont(15));
    for (int h = 0; h < kMoonPictures; ++h) {
        // Wider than the window's label, so that "360日" is not cut.
        const QRectF label = windowRect(layout::hourLabel(h), top);
        p.drawText(label.adjusted(-10, 0, 10, 0), Qt::AlignHCenter | Qt::AlignTop, captions[h]);
    }

    double footY = kMargin + captionHeight(record) + kPictureHeight;
    if (hasMarks(record)) {
        p.setFont(pictureFont(12));
        p.drawText(QRectF(kMargin, footY, kWidth - 2 * kMargin, kLegendHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   markLegend({MarkKind::Perigee, MarkKind::Apogee, MarkKind::GreatestNorth,
                               MarkKind::GreatestSouth}));
        footY += kLegendHeight;
    }
    if (hasTideBand(record)) {
        paintTideKey(p, footY);
    }

    // Picture1's border in the window text colour.
    const QRectF graphOuter = windowRect(layout::kGraph, top);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(graphOuter.adjusted(0.5, 0.5, -0.5, -0.5));
    for (int k = 0; k < kMoonPictures; ++k) {
        sunkenBorder(p, windowRect(layout::moonPicture(k), top)
                            .adjusted(kMoonBorder, kMoonBorder, -kMoonBorder, -kMoonBorder));
    }
    p.restore();

    // The Moon pictures and the graph in device pixels.
    for (int k = 0; k < kMoonPictures; ++k) {
        const QRectF outer = windowRect(layout::moonPicture(k), top);
        const QRectF inner((outer.left() + kMoonBorder) * scale,
                           (outer.top() + kMoonBorder) * scale, kMoonInner.width() * scale,
                           kMoonInner.height() * scale);
        if (const auto an = record.moonDrawnAngleRad(k, moonView)) {
            lunadraw(p, inner, scale, std::sin(*an), std::cos(*an));
        } else {
            p.fillRect(inner, QColor::fromRgb(colours::kNight));
        }
    }
    const QRect area = graphArea(record, scale);
    const bool raster = p.device() != nullptr && p.device()->devType() == QInternal::Image &&
                        p.transform().type() == QTransform::TxNone;
    if (raster) {
        // The window's own pixels: the dots set directly into the picture's
        // pixels, or into an image of the area copied there.
        auto& image = static_cast<QImage&>(*p.device());
        if (!renderGraphInto(image, area, record, scale, graphBackground, style)) {
            p.drawImage(area.topLeft(), renderGraph(record, scale, graphBackground, style));
        }
        p.drawImage(area.topLeft(), renderScale(area.size(), scale, graphBackground, style));
    } else {
        GraphPainter graph(p, area, scale, style);
        graph.erase(graphBackground);
        graph.redrawline();
        graph.plotRecord(record);
        QColor patch = graphBackground;
        patch.setAlphaF(kScalePatchOpacity);
        graph.drawScale(patch);
    }
}

void paintOnPage(QPainter& p, const QRectF& page, const DrawingRecord& record,
                 QColor graphBackground, GraphStyle style, MoonView moonView) {
    constexpr int kScale = kSvgScale;
    const QSizeF size = QSizeF(exportSize(record)) * kScale;
    const double fit = std::min(page.width() / size.width(), page.height() / size.height());
    p.save();
    p.translate(page.left() + (page.width() - size.width() * fit) / 2, page.top());
    p.scale(fit, fit);
    paintExport(p, record, kScale, graphBackground, style, moonView);
    p.restore();
}

namespace {

/// A blank Format_RGB32 image of `size`. A large one (a saved picture is some
/// 14 MB) is asked for in huge pages where the system gives them, so that
/// filling it does not take a page fault every 4 kB.
QImage pictureImage(QSize size) {
    const auto bytesPerLine = static_cast<qsizetype>(size.width()) * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine * size.height());
    if (size.width() > 0 && size.height() > 0 && bytes >= kLargeBlock) {
        if (void* memory = allocateLarge(bytes)) {
            return QImage(
                static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine,
                QImage::Format_RGB32, [](void* m) { std::free(m); }, memory);
        }
    }
    return QImage(size, QImage::Format_RGB32);
}

} // namespace

QImage exportImage(const DrawingRecord& record, int scale, QColor graphBackground, GraphStyle style,
                   MoonView moonView) {
    // paintExport fills every pixel.
    QImage image = pictureImage(exportSize(record) * scale);
    QPainter p(&image);
    paintExport(p, record, scale, graphBackground, style, moonView);
    return image;
}

std::optional<PictureFormat> pictureFormatOf(const QString& path) {
    // Read off the name itself, whatever its length: QFileInfo gives no suffix
    // for a name of some 32 000 characters or more.
    const QStringView name = QStringView(path).mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString suffix = dot < 0 ? QString() : name.mid(dot + 1).toString().toLower();
    if (suffix == u"png"_s) {
        return PictureFormat::Png;
    }
    if (suffix == u"svg"_s) {
        return PictureFormat::Svg;
    }
    if (suffix == u"pdf"_s) {
        return PictureFormat::Pdf;
    }
    if (suffix == u"jpg"_s || suffix == u"jpeg"_s) {
        return PictureFormat::Jpeg;
    }
    return std::nullopt;
}

bool writePicture(QIODevice& device, PictureFormat format, const DrawingRecord& record,
                  QColor graphBackground, const QString& title, GraphStyle style,
                  MoonView moonView) {
    switch (format) {
    case PictureFormat::Png: {
        const QByteArray png =
            encodePng(exportImage(record, kPngScale, graphBackground, style, moonView));
        return !png.isEmpty() && device.write(png) == png.size();
    }
    case PictureFormat::Jpeg:
        // False where Qt has no JPEG writer (its qjpeg plugin).
        return exportImage(record, kPngScale, graphBackground, style, moonView)
            .save(&device, "JPEG", kJpegQuality);
    case PictureFormat::Svg: {
        const QSize size = exportSize(record);
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setResolution(96); // one window pixel is one CSS pixel
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size * kSvgScale));
        svg.setTitle(title);
        svg.setDescription(titleLines(record).join(u'\n'));
        QPainter p;
        if (!p.begin(&svg)) {
            return false;
        }
        paintExport(p, record, kSvgScale, graphBackground, style, moonView);
        return p.end();
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setTitle(title);
        pdf.setCreator(u"Veltaro"_s);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&pdf)) {
            return false;
        }
        paintOnPage(p, QRectF(0, 0, pdf.width(), pdf.height()), record, graphBackground, style,
                    moonView);
        return p.end();
    }
    }
    return false;
}

} // namespace veltaro::plot
