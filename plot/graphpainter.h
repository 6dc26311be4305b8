#pragma once

// Drawing the graph (Picture1) and the Moon pictures (picmoon) on a QPainter
// surface: the window's images, a saved PNG, SVG or PDF, a printed page. Only
// QtGui: usable without widgets, in the tool and the benchmarks.

#include "astro/tide.h"
#include "plot/drawingrecord.h"
#include "plot/graphstyle.h"
#include "plot/plotrequest.h"
#include "plot/plotrun.h"
#include "plot/tidename.h"
#include "plot/windowlayout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <array>
#include <memory>
#include <span>

namespace veltaro::plot {

/// Sizes on the window, in device-independent pixels (15 twips to a pixel),
/// from the window's layout.
namespace geometry {
inline constexpr double kTwipsPerPixel = layout::kTwipsPerPixel;
/// Picture1: 8640 x 4500 twips outside, a flat one-pixel border.
inline constexpr QSize kGraphOuter{layout::pixels(layout::kGraph.width),
                                   layout::pixels(layout::kGraph.height)};
inline constexpr int kGraphBorder = 1;
inline constexpr QSize kGraphInner = kGraphOuter - QSize(2 * kGraphBorder, 2 * kGraphBorder);
/// The graph's user scale: x 0..8640 to the right, y 0..4500 downwards.
inline constexpr double kScaleWidth = 8640;
inline constexpr double kScaleHeight = 4500;
inline constexpr double kZeroLine = 2250;
/// New and full Moon marks: centred on this y of the user scale, near the time
/// axis below the curves, with this radius [pixels].
inline constexpr double kMarkY = 4380;
inline constexpr double kMarkRadius = 3.5;
/// The band of tide names (潮名) along the time axis, just above the row of the
/// marks, from this y to this y of the user scale (about 14 pixels, -53 to
/// -59 cm): below every curve, whose lowest points, about -31 cm (y = 3335),
/// are those of the combined curve where the Sun and the Moon are both on the
/// horizon.
inline constexpr double kTideBandTop = 4090;
inline constexpr double kTideBandBottom = 4300;
/// Perigee and apogee (diamonds) centred on the row above the tide names, the
/// greatest declinations (triangles) on the row above that, reaching this far
/// from their centre [pixels]: clear of the curves' lowest points as well.
inline constexpr double kDistanceMarkY = 4020;
inline constexpr double kDeclinationMarkY = 3880;
inline constexpr double kMarkHalfWidth = 4;
/// picmoon: 650 x 650 twips outside with a sunken two-pixel border.
inline constexpr QSize kMoonOuter{layout::pixels(layout::moonPicture(0).width),
                                  layout::pixels(layout::moonPicture(0).height)};
inline constexpr int kMoonBorder = 2;
inline constexpr QSize kMoonInner = kMoonOuter - QSize(2 * kMoonBorder, 2 * kMoonBorder);
/// The radius of the Moon's disc inside a picmoon [twips], where it fits with
/// its rim (discPlace); the disc is centred in the picture.
inline constexpr double kDiscRadius = 290;
} // namespace geometry

/// Colours of the curves (in the standard style) and of the Moon pictures.
namespace colours {
inline constexpr QRgb kSun = lookOf(GraphStyle::Standard).sun.colour;           // 222, 51, 0
inline constexpr QRgb kMoon = lookOf(GraphStyle::Standard).moon.colour;         // 87, 67, 0
inline constexpr QRgb kCombined = lookOf(GraphStyle::Standard).combined.colour; // 21, 24, 255
inline constexpr QRgb kFrame = 0xff000000;                                      // colour value 0
inline constexpr QRgb kNight = 0xff000080;                                      // 0, 0, 128
inline constexpr QRgb kLit = 0xffedffb5;                                        // 237, 255, 181
inline constexpr QRgb kLitEdge = 0xffffff00;                                    // 255, 255, 0
inline constexpr QRgb kRim = 0xff808000;                                        // 128, 128, 0
} // namespace colours

/// The proportional Gothic face the picture's texts are written in, `pixels`
/// high: IPAPGothic, or the first of its stand-ins the system has.
QFont pictureFont(int pixels);
/// The colour of a tide name's stretch in the band along the time axis, and
/// of the name's character written on it.
QColor tideNameFill(TideName name);
QColor tideNameInk(TideName name);

/// The height scale at the left edge of the graph [centimetres of the
/// equilibrium tide]: a tick every kScaleTickCm up to kScaleTopCm either way
/// (the graph spans about +-64 cm), a number every kScaleLabelCm from
/// kScaleLowestLabelCm up; the row of the new and full Moon marks, just above
/// the bottom edge, is left to them.
inline constexpr int kScaleTickCm = 10;
inline constexpr int kScaleLabelCm = 20;
inline constexpr int kScaleTopCm = 60;
inline constexpr int kScaleLowestLabelCm = -40;
/// How much of what lies under a number of the scale its patch hides.
inline constexpr double kScalePatchOpacity = 0.85;

/// A blank graph image of the inner area of Picture1 at `dpr` device pixels per
/// pixel, filled with `background`.
QImage makeGraphImage(double dpr, QColor background);
/// The same of `size` device pixels (a graph shown larger than its design size).
QImage makeGraphImage(QSize size, QColor background);
/// A blank Moon picture (inner area) at `dpr`, night blue.
QImage makeMoonImage(double dpr);

/// Draws the graph in the user scale 8640 x 4500, mapped onto the whole inner area.
///
/// On an image of the inner area the dots are set as pixels (fast, for the
/// window); on any other painter they are filled squares, so a vector surface
/// (SVG, PDF, a printer) receives them as vector shapes. Both give the same
/// squares in the same places.
class GraphPainter {
public:
    /// On an image holding exactly the inner area. `dpr` is the image's device
    /// pixels per pixel (line and dot widths are in pixels).
    GraphPainter(QImage& image, double dpr, GraphStyle style = GraphStyle::Standard);
    /// On `painter`, whose inner area of the graph is `area` (in the painter's
    /// coordinates, which count device pixels at `dpr` per pixel; whole numbers).
    GraphPainter(QPainter& painter, const QRect& area, double dpr,
                 GraphStyle style = GraphStyle::Standard);
    ~GraphPainter();
    GraphPainter(const GraphPainter&) = delete;
    GraphPainter& operator=(const GraphPainter&) = delete;

    /// Device x of the column that holds user x (pixel index, may be outside the image).
    int column(float x) const;
    /// Device y of the row that holds user y.
    int row(float y) const;
    /// The square of device pixels a dot `width` pixels wide at (x, y) covers
    /// within the inner area (its coordinates); empty when it falls outside.
    QRect square(float x, float y, int width) const;

    /// Fills the whole graph with `background`.
    void erase(QColor background);
    /// The 11 dotted column lines x = 720 .. 7920 and the dotted zero line
    /// y = 2250 in the style's grid colour (black in the standard style), over
    /// whatever the graph holds.
    void redrawline();
    /// The height scale at the left edge: a tick every kScaleTickCm, and every
    /// kScaleLabelCm from kScaleLowestLabelCm up its number on a patch of
    /// `patch`, the top one followed by the unit ("60 cm"). Drawn over the
    /// curves, with a patch that lets them show through (renderScale).
    void drawScale(QColor patch);

    /// One dot `width` pixels wide at (x, y) of the user scale; a dot outside
    /// the graph is not seen.
    void dot(float x, float y, QRgb colour, int width);
    /// The three points of one step: Sun, Moon, then both together, each as
    /// wide as the style has it (standard: one pixel, the combined curve two in
    /// the diurnal mode).
    void plotStep(PlotMode mode, int t, const astro::TideEvaluation& e);
    /// The same from the two heights [km].
    void plotStep(PlotMode mode, int t, double Ssea, double Msea);
    /// plotStep for each of `steps` in turn, of a drawing in `mode`. `before` is
    /// the step the drawing drew just before them, if any: a style that joins
    /// the points joins the first point to it.
    void plotSteps(PlotMode mode, std::span<const RecordedStep> steps,
                   const RecordedStep* before = nullptr);
    /// The new (●) and full (○) Moon, perigee (◆), apogee (◇) and greatest
    /// northern (▲) and southern (▼) declination marks of `drawing` that lie
    /// within what it drew, over its tide names (plotTideNames).
    void plotPhases(const Drawing& drawing);
    /// Every step of every drawing of `record`, in the order they were drawn,
    /// each drawing followed by its new and full Moon marks.
    void plotRecord(const DrawingRecord& record);

private:
    /// The device pixels a dot covers, clipped to the inner area (inclusive).
    struct Cover {
        int left, top, right, bottom;
    };
    /// The curves of a step, in the order they are drawn.
    enum Curve { kSunCurve, kMoonCurve, kCombinedCurve, kCurves };

    /// The tide names (潮名) of what `drawing` drew, in the band above the
    /// marks: in the 60-day graph a stretch of each name's colour under the
    /// days it holds, its first character where it begins (where that fits);
    /// in the diurnal graph the name of the drawn day ("8月16日 中潮（旧暦9日）"),
    /// or the days where the name changes, at the right end of the band.
    void plotTideNames(const Drawing& drawing);
    /// What both ways of painting share: an inner area `width` x `height`
    /// device pixels at `dpr`, in `style`.
    GraphPainter(int width, int height, double dpr, GraphStyle style);
    QPainter& painter();
    void setCurveSizes();
    QRect areaRect() const { return {0, 0, static_cast<int>(m_width), static_cast<int>(m_height)}; }
    // Device coordinates of user coordinates; multiplied before dividing, so
    // that whole units on a pixel boundary land exactly on it.
    double deviceX(float x) const {
        return static_cast<double>(x) * m_width / geometry::kScaleWidth;
    }
    double deviceY(float y) const {
        return static_cast<double>(y) * m_height / geometry::kScaleHeight;
    }
    /// Device pixels across a dot `width` pixels wide.
    int dotSize(int width) const;
    /// One axis: `pixels` device pixels for `units` of the user scale.
    struct Axis {
        double pixels;
        double units;
        double perUnit; // pixels / units
    };
    static Axis axis(double pixels, double units) { return {pixels, units, pixels / units}; }
    /// The first device pixel along `axis` of a dot `size` device pixels wide
    /// at user coordinate `u`: floor(u * pixels / units - size / 2 + 0.5);
    /// false when that is far off the area or not a number.
    bool corner(float u, Axis axis, int size, int& first) const;
    /// What a dot `size` device pixels wide at user (x, y) covers; false when
    /// nothing (off the area, or not a finite place). The one rule for where
    /// a dot falls: square(), dot() and plotStep() all use it.
    bool cover(float x, float y, int size, Cover& c) const;
    /// The same, stretched up or down to the row the dot at (x, `from`) would
    /// start on: the bar that joins a point to the one before it.
    bool cover(float x, float y, float from, int size, Cover& c) const;
    /// Sets the pixels of `c` on the image, whose pixels start at `bits`.
    void fill(uchar* bits, const Cover& c, QRgb colour) const;
    /// The pixels of `c` on whatever this draws on.
    void fill(const Cover& c, QRgb colour);
    /// The three dots of a step, each handed to `fill` with its curve; joined
    /// to `before`'s where the style joins the points in `mode`, `before` is
    /// given and lies to the left.
    template <class Fill>
    void stepDots(PlotMode mode, const RecordedStep& step, const RecordedStep* before, Fill fill);

    QImage* m_image = nullptr;    // the image of the inner area, or
    QPainter* m_target = nullptr; // a painter with the inner area at m_origin
    QPoint m_origin;
    double m_dpr;
    double m_width;                      // device pixels across
    double m_height;                     // and down
    bool m_pixels = false;               // m_image's pixels are set directly (32 bits each)
    qsizetype m_stride = 0;              // m_image's bytes per line
    std::array<int, 3> m_dotSizes{};     // dotSize(0..2), worked out once
    StyleLook m_look;                    // the style's colours and widths
    std::array<QRgb, kCurves> m_colours; // each curve's colour
    // Each curve's dot size in the diurnal mode [0] and the others [1].
    std::array<std::array<int, kCurves>, 2> m_curveSizes{};
    Axis m_across;                       // user x to device x
    Axis m_down;                         // user y to device y
    std::unique_ptr<QPainter> m_painter; // on m_image, made when first needed
};

/// The graph as `record` holds it on an image of the inner area at `dpr`:
/// background, frame, then every step in order; exactly what the window shows
/// after drawing the same steps.
QImage renderGraph(const DrawingRecord& record, double dpr, QColor background,
                   GraphStyle style = GraphStyle::Standard);
/// The same on an image of `size` device pixels, with lines and dots `dpr`
/// device pixels to a pixel: the graph shown at a zoom.
QImage renderGraph(const DrawingRecord& record, QSize size, double dpr, QColor background,
                   GraphStyle style = GraphStyle::Standard);
/// The same drawn in place into `area` (device pixels) of `image`, a picture
/// the graph is part of; the pixels are those renderGraph gives for the area's
/// size. False, and nothing drawn, unless `image` is Format_RGB32 and holds `area`.
bool renderGraphInto(QImage& image, const QRect& area, const DrawingRecord& record, double dpr,
                     QColor background, GraphStyle style = GraphStyle::Standard);

/// The height scale (GraphPainter::drawScale) alone on a transparent image of
/// the strip it covers at the left edge of a graph of `size` device pixels at
/// `dpr` (as high, at most as wide), the numbers' patches `background` at
/// kScalePatchOpacity: laid over the graph's image from its top left corner
/// wherever the graph is shown, so that the numbers stay legible over the
/// curves without hiding them.
QImage renderScale(QSize size, double dpr, QColor background,
                   GraphStyle style = GraphStyle::Standard);

/// The graph of a record drawn into a new image a slice at a time, so that a
/// large record does not hold up the window while the graph is drawn anew at
/// another size. The result is renderGraph's: the frame, then each drawing's
/// steps followed by its new and full Moon marks.
///
/// The record may grow between slices (a drawing under way writes to it): the
/// render follows it. The marks of the drawing still open wait for its end, as
/// the window draws them only then; the window goes on drawing that drawing
/// into the image once the render has caught up.
class GraphRender {
public:
    /// An image of `size` device pixels, lines and dots `dpr` device pixels to
    /// a pixel, filled with `background` and framed; and the height scale to
    /// lay over it.
    GraphRender(QSize size, double dpr, QColor background, GraphStyle style = GraphStyle::Standard);

    /// Draws up to `maxSteps` more steps of `record` (the marks of a drawing
    /// count as none); true when the image holds everything the record holds.
    bool advance(const DrawingRecord& record, std::size_t maxSteps);

    QImage& image() { return m_image; }
    /// renderScale for the image, to be drawn over it; made when first asked
    /// for (it needs the fonts of a running application).
    const QImage& scale() const;
    double dpr() const { return m_dpr; }
    GraphStyle style() const { return m_style; }

private:
    QImage m_image;
    mutable QImage m_scale;
    QColor m_background;
    double m_dpr;
    GraphStyle m_style;
    std::size_t m_drawing = 0; // the drawing being drawn
    std::size_t m_step = 0;    // its next step
};

/// y of a Sun point (and of the combined curve) for the value v [km].
inline double sunY(double v) {
    return geometry::kZeroLine - (0.35 * v) * 1e7;
}
/// The height [km] whose Sun point stands at y: sunY's inverse.
inline double heightAtY(double y) {
    return (geometry::kZeroLine - y) / (0.35 * 1e7);
}
/// y of a Moon point: the product is formed the other way round.
inline double moonY(double v) {
    return geometry::kZeroLine - (v * 0.35) * 1e7;
}

/// Where the Moon's disc lies in a Moon picture whose inner area is `inner`
/// (device pixels at `dpr` per pixel): centred in it, radius 290 twips or
/// less, so that the rim, its line max(1, dpr) device pixels wide, stays
/// inside with max(1, round(dpr)) device pixels of night blue all round. The
/// 290-twip disc of a 585-twip box would touch the box's edges at 100 % and
/// lose its outermost pixels at 150 % and more.
struct DiscPlace {
    QPointF centre; ///< device pixels, in the painter's coordinates
    double radius;  ///< of the rim's line [device pixels]
};
DiscPlace discPlace(const QRectF& inner, double dpr);

/// The Moon's phase for the Sun-to-Moon angle `an` [radians] on a Moon picture
/// image of `dpr` device pixels per pixel.
void lunadraw(QImage& image, double dpr, double an);
/// The same from the sine and cosine of the angle. A cosine of exactly zero
/// (which no double angle produces, but a caller may) gives an exact half disc.
void lunadraw(QImage& image, double dpr, double sinAn, double cosAn);
/// The same on any painter, whose Moon picture's inner area is `inner` (device
/// pixels at `dpr` per pixel).
void lunadraw(QPainter& painter, const QRectF& inner, double dpr, double sinAn, double cosAn);

} // namespace veltaro::plot
