// Pixels of the rendered graph and Moon pictures: the frame, the curves of a
// real drawing where their values put them, and the Moon's phases.
//
// Set VELTARO_SAVE_PNG to a folder to keep the rendered images for a look.
#include "astro/tide.h"
#include "calendar/kansi.h"
#include "plot/drawingrecord.h"
#include "plot/graphpainter.h"
#include "plot/plotrun.h"
#include "tests/support/testsupport.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

using namespace veltaro;
using namespace veltaro::plot;

namespace {

const QColor kWhite(255, 255, 255);

void keep(const QImage& image, const std::string& name) {
    if (const char* dir = std::getenv("VELTARO_SAVE_PNG")) {
        image.save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
    }
}

// The mapping of the user scale onto the inner area, worked out here from the
// sizes alone: Picture1's inner area is 574 x 298 pixels for 8640 x 4500 units.
int pixelX(double x, double dpr) {
    return int(std::floor(double(float(x)) * 574 * dpr / 8640));
}
int pixelY(double y, double dpr) {
    return int(std::floor(double(float(y)) * 298 * dpr / 4500));
}

bool dark(QRgb p) {
    return qRed(p) < 64 && qGreen(p) < 64 && qBlue(p) < 64;
}

QImage frame(double dpr) {
    QImage image = makeGraphImage(dpr, kWhite);
    GraphPainter(image, dpr).redrawline();
    return image;
}

} // namespace

// --- the frame ----------------------------------------------------------------------

TEST(Frame, ElevenDottedColumnLinesAndTheZeroLine) {
    for (double dpr : {1.0, 2.0}) {
        const QImage img = frame(dpr);
        ASSERT_EQ(img.size(), QSize(int(574 * dpr), int(298 * dpr)));
        const int zeroRow = pixelY(2250, dpr);
        const int lineWidth = int(dpr);
        auto onZeroLine = [&](int y) { return y >= zeroRow && y < zeroRow + lineWidth; };
        std::vector<int> lineColumns;
        for (int i = 1; i <= 11; ++i) {
            for (int w = 0; w < lineWidth; ++w) {
                lineColumns.push_back(pixelX(720 * i, dpr) + w);
            }
        }
        auto isLineColumn = [&](int x) {
            return std::find(lineColumns.begin(), lineColumns.end(), x) != lineColumns.end();
        };
        for (int x = 0; x < img.width(); ++x) {
            int darkCount = 0;
            for (int y = 0; y < img.height(); ++y) {
                const QRgb p = img.pixel(x, y);
                if (!onZeroLine(y)) {
                    darkCount += dark(p);
                }
                // Every pixel is either the background or black.
                ASSERT_TRUE(p == kWhite.rgb() || p == qRgb(0, 0, 0)) << x << "," << y;
            }
            const int rows = img.height() - lineWidth;
            if (isLineColumn(x)) {
                // Dotted: a good part dark, a good part not.
                EXPECT_GT(darkCount, rows / 5) << "dpr " << dpr << " column " << x;
                EXPECT_LT(darkCount, rows * 4 / 5) << "dpr " << dpr << " column " << x;
            } else {
                EXPECT_EQ(darkCount, 0) << "dpr " << dpr << " column " << x;
            }
        }
        for (int y = 0; y < img.height(); ++y) {
            int darkCount = 0;
            for (int x = 0; x < img.width(); ++x) {
                darkCount += !isLineColumn(x) && dark(img.pixel(x, y));
            }
            if (onZeroLine(y)) {
                EXPECT_GT(darkCount, img.width() / 5) << "dpr " << dpr << " row " << y;
                EXPECT_LT(darkCount, img.width() * 4 / 5) << "dpr " << dpr << " row " << y;
            } else {
                EXPECT_EQ(darkCount, 0) << "dpr " << dpr << " row " << y;
            }
        }
        keep(img, "frame-dpr" + std::to_string(int(dpr)));
    }
}

TEST(Frame, ColumnsOfTheLines) {
    // x = 720 i at 574/8640 pixels a unit: 47.8, 95.7, ... 526.2.
    const QImage img = frame(1);
    const int expected[] = {47, 95, 143, 191, 239, 287, 334, 382, 430, 478, 526};
    for (int x : expected) {
        int darkCount = 0;
        for (int y = 0; y < img.height(); ++y) {
            darkCount += dark(img.pixel(x, y));
        }
        EXPECT_GT(darkCount, 50) << x;
    }
    EXPECT_TRUE(dark(img.pixel(0, 149)) || dark(img.pixel(1, 149))); // zero line row 149
}

TEST(Frame, ClearingTwiceGivesTheSamePictureAsOnce) {
    QImage img = frame(1);
    {
        GraphPainter g(img, 1);
        for (int t = 0; t <= 8640; t += 7) {
            g.dot(float(t), float(2250 - 1000 * std::sin(t / 500.0)), colours::kCombined, 2);
        }
    }
    ASSERT_NE(img, frame(1));
    auto clear = [](QImage& image) {
        GraphPainter g(image, 1);
        g.erase(kWhite);
        g.redrawline();
    };
    clear(img);
    const QImage once = img;
    clear(img);
    EXPECT_EQ(img, once);
    EXPECT_EQ(once, frame(1));
}

// --- points ---------------------------------------------------------------------------

TEST(Points, WidthPerModeAndColourPerCurve) {
    // One step with known values on an empty image: which pixels each curve sets.
    astro::TideEvaluation e{};
    e.Ssea = 1e-4;  // y = 2250 - 350 = 1900
    e.Msea = -2e-4; // y = 2250 + 700 = 2950
                    // both: -1e-4, y = 2600
    const struct {
        GraphStyle style;
        PlotMode mode;
        int width[3]; // Sun, Moon, both [pixels]
    } rows[] = {
        {GraphStyle::Standard, PlotMode::Diurnal, {1, 1, 2}},
        {GraphStyle::Standard, PlotMode::SixtyDay, {1, 1, 1}},
        {GraphStyle::Standard, PlotMode::Annual, {1, 1, 1}},
        {GraphStyle::Presentation, PlotMode::Diurnal, {2, 2, 3}},
        {GraphStyle::Presentation, PlotMode::Annual, {2, 2, 2}},
    };
    for (const auto& row : rows) {
        const StyleLook look = lookOf(row.style);
        const QRgb colour[] = {look.sun.colour, look.moon.colour, look.combined.colour};
        const double y[] = {1900, 2950, 2600};
        for (double dpr : {1.0, 2.0}) {
            QImage img = makeGraphImage(dpr, kWhite);
            GraphPainter(img, dpr, row.style).plotStep(row.mode, 4000, e);
            for (int c = 0; c < 3; ++c) {
                int seen = 0;
                for (int py = 0; py < img.height(); ++py) {
                    for (int px = 0; px < img.width(); ++px) {
                        seen += img.pixel(px, py) == colour[c];
                    }
                }
                // d x d pixels, centred: starting (d - 1) / 2 pixels left of and above the point.
                const int d = int(dpr) * row.width[c];
                const double half = d / 2.0 - 0.5;
                EXPECT_EQ(seen, d * d) << int(row.style) << int(row.mode) << c << " dpr " << dpr;
                EXPECT_EQ(img.pixel(int(std::floor(float(4000) * 574 * dpr / 8640 - half)),
                                    int(std::floor(float(y[c]) * 298 * dpr / 4500 - half))),
                          colour[c]);
            }
        }
    }
}

TEST(Points, ThePresentationStyleJoinsTheDiurnalCurves) {
    // Two steps of the combined curve (the Sun alone) at y = 2425 and 1830,
    // drawn a step at a time: whether the second step's column is filled
    // between them.
    const struct {
        GraphStyle style;
        PlotMode mode;
        int firstT, secondT;
        bool joined;
    } rows[] = {{GraphStyle::Presentation, PlotMode::Diurnal, 3000, 3030, true},
                {GraphStyle::Standard, PlotMode::Diurnal, 3000, 3030, false},
                {GraphStyle::Presentation, PlotMode::SixtyDay, 3000, 3001, false},
                // The next day of a continuous drawing starts again at the left.
                {GraphStyle::Presentation, PlotMode::Diurnal, 8640, 0, false}};
    for (const auto& row : rows) {
        DrawingRecord record;
        record.beginDrawing({row.mode, support::kDefaultStart}, 2);
        astro::TideEvaluation low{}, high{};
        low.Ssea = -0.5e-4;
        high.Ssea = 1.2e-4;
        record.addStep(Moment{row.firstT}, low);
        record.addStep(Moment{row.secondT}, high);
        GraphRender render(makeGraphImage(1, kWhite).size(), 1, kWhite, row.style);
        while (!render.advance(record, 1)) {
        }
        int filled = 0;
        const int top = pixelY(1830, 1) + 3, bottom = pixelY(2425, 1) - 2;
        for (int y = top; y < bottom; ++y) {
            filled += render.image().pixel(pixelX(row.secondT, 1), y) ==
                      lookOf(row.style).combined.colour;
        }
        EXPECT_EQ(filled, row.joined ? bottom - top : 0) << int(row.mode) << " " << row.firstT;
    }
}

TEST(Points, OutsideTheGraphLeaveAGap) {
    const struct {
        float x, y;
    } rows[] = {{100, -20},   {100, 4520},   {-30, 100}, {8660, 100},
                {100, 1e30f}, {100, -1e30f}, {100, NAN}, {INFINITY, 100}};
    for (const auto& row : rows) {
        QImage img = makeGraphImage(1, kWhite);
        GraphPainter(img, 1).dot(row.x, row.y, colours::kSun, 1);
        EXPECT_EQ(img, makeGraphImage(1, kWhite)) << row.x << "," << row.y;
    }
    // The last row and column inside still show.
    QImage img = makeGraphImage(1, kWhite);
    GraphPainter(img, 1).dot(8639, 4499, colours::kSun, 1);
    EXPECT_EQ(img.pixel(573, 297), colours::kSun);
}

/// The device pixels a dot covers, worked out as written: its square, corner
/// on the pixel that holds (device x - size / 2 + 0.5), cut to the graph.
QRect squareAsWritten(const QImage& img, double dpr, float x, float y, int width) {
    const int size = std::max(1, int(std::lround(width * dpr)));
    const double cx = double(x) * img.width() / 8640 - size / 2.0 + 0.5;
    const double cy = double(y) * img.height() / 4500 - size / 2.0 + 0.5;
    return QRect(int(std::floor(cx)), int(std::floor(cy)), size, size) & img.rect();
}

TEST(Points, ADotOverTheEdgeKeepsThePartInside) {
    // Counted pixel by pixel.
    const struct {
        float x, y;
        int width;
    } rows[] = {{0, 0, 2},       {0, 4500, 2},  {8640, 0, 2},       {8640, 4500, 2}, {-10, 2250, 2},
                {8650, 2250, 2}, {4000, -5, 1}, {4000, 4499.9f, 2}, {8639, 4499, 1}, {7, 7, 2}};
    for (double dpr : {1.0, 1.5, 2.0, 3.0}) {
        for (const auto& row : rows) {
            QImage img = makeGraphImage(dpr, kWhite);
            GraphPainter(img, dpr).dot(row.x, row.y, colours::kMoon, row.width);
            const QRect want = squareAsWritten(img, dpr, row.x, row.y, row.width);
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    ASSERT_EQ(img.pixel(x, y) == colours::kMoon, want.contains(x, y))
                        << "dpr " << dpr << " dot " << row.x << "," << row.y << " pixel " << x
                        << "," << y;
                }
            }
        }
    }
}

TEST(Points, EveryColumnAndRowWhereTheDivisionPutsIt) {
    // Every step's column, and rows on, just above and just below each pixel
    // boundary, at the window's sizes: where a quicker product could round
    // the other way.
    for (double dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        QImage img = makeGraphImage(dpr, kWhite);
        const GraphPainter g(img, dpr);
        for (int width : {1, 2}) {
            for (int t = 0; t <= 8640; ++t) {
                ASSERT_EQ(g.square(float(t), 2250, width),
                          squareAsWritten(img, dpr, float(t), 2250, width))
                    << "dpr " << dpr << " t " << t;
            }
            for (int k = 0; k <= 2 * img.height(); ++k) {
                const float on = float(k * 4500.0 / (2 * img.height()));
                for (float y : {std::nextafter(on, -1e9f), on, std::nextafter(on, 1e9f)}) {
                    ASSERT_EQ(g.square(4000, y, width), squareAsWritten(img, dpr, 4000, y, width))
                        << "dpr " << dpr << " y " << y;
                }
            }
        }
    }
}

// --- a real drawing ------------------------------------------------------------------

TEST(Drawing, DiurnalCurvesLieWhereTheirValuesPutThem) {
    // 2002-08-16 at the default point, one day, drawn by the driver.
    ObservationState state = support::freshState();
    PlotRequest request;
    request.start = support::kDefaultStart;
    DrawingRecord record;
    {
        RecordSink sink(record, request);
        PlotRun run(state, request, sink, astro::calc);
        run.runToEnd();
        sink.finish(true);
    }
    const QImage img = renderGraph(record, 1, kWhite);
    keep(img, "diurnal-2002-08-16");

    int sunSeen = 0, moonSeen = 0;
    for (int i = 0; i <= 288; ++i) {
        const ObservationState s =
            support::stateAt(2002, 8, i == 288 ? 17 : 16, i * 5 % 1440 / 60, i * 5 % 60);
        const astro::TideEvaluation e = astro::calc(tideInputOf(s));
        const int t = 30 * i;
        const double ySun = 2250 - 0.35 * e.Ssea * 1e7;
        const double yMoon = 2250 - 0.35 * e.Msea * 1e7;
        const double yBoth = 2250 - 0.35 * (e.Ssea + e.Msea) * 1e7;
        ASSERT_TRUE(yBoth > 0 && yBoth < 4500 && ySun > 0 && yMoon < 4500) << i;

        // The combined curve: a 2 x 2 square centred on its point, drawn last.
        const int bx = int(std::floor(double(float(t)) * 574 / 8640 - 0.5));
        const int by = int(std::floor(double(float(yBoth)) * 298 / 4500 - 0.5));
        for (int dx = 0; dx < 2; ++dx) {
            for (int dy = 0; dy < 2; ++dy) {
                if (!img.valid(bx + dx, by + dy)) {
                    continue; // half of the first dot lies left of the graph
                }
                ASSERT_EQ(img.pixel(bx + dx, by + dy), colours::kCombined)
                    << "step " << i << " pixel " << bx + dx << "," << by + dy;
            }
        }
        auto underBoth = [&](int x, int y) {
            return x >= bx && x < bx + 2 && y >= by && y < by + 2;
        };
        const int sx = pixelX(t, 1), sy = pixelY(ySun, 1), my = pixelY(yMoon, 1);
        if (!img.valid(sx, my) || !img.valid(sx, sy)) {
            continue; // t = 8640 is the right edge, just outside the inner area
        }
        if (!underBoth(sx, my)) {
            EXPECT_EQ(img.pixel(sx, my), colours::kMoon) << "step " << i;
            ++moonSeen;
        }
        if (!underBoth(sx, sy) && sy != my) {
            EXPECT_EQ(img.pixel(sx, sy), colours::kSun) << "step " << i;
            ++sunSeen;
        }
    }
    // Most points of both single curves stand clear of the others.
    EXPECT_GT(sunSeen, 200);
    EXPECT_GT(moonSeen, 200);
}

TEST(Drawing, SixtyDayAndAnnualRunsFillTheWidth) {
    for (PlotMode mode : {PlotMode::SixtyDay, PlotMode::Annual}) {
        ObservationState state = support::freshState();
        PlotRequest request;
        request.mode = mode;
        request.start = support::kDefaultStart;
        DrawingRecord record;
        {
            RecordSink sink(record, request);
            PlotRun run(state, request, sink, astro::calc);
            run.runToEnd();
            sink.finish(true);
        }
        const QImage img = renderGraph(record, 1, kWhite);
        keep(img, mode == PlotMode::SixtyDay ? "sixty-day" : "annual");
        // Every column of the graph holds a point of the combined curve.
        for (int x = 0; x < img.width(); ++x) {
            bool seen = false;
            for (int y = 0; y < img.height() && !seen; ++y) {
                seen = img.pixel(x, y) == colours::kCombined;
            }
            EXPECT_TRUE(seen) << "column " << x;
        }
        // Each Moon picture has its step.
        for (int k = 0; k < kMoonPictures; ++k) {
            EXPECT_TRUE(record.moonAngleRad(k)) << k;
        }
    }
}

// --- the Moon ---------------------------------------------------------------------------

namespace {

/// The pixel at an offset from the disc centre [twips].
QRgb moonAt(const QImage& img, double dpr, double dx, double dy) {
    const double s = dpr / 15;
    const QPointF centre = discPlace(QRectF(img.rect()), dpr).centre;
    return img.pixel(int(std::floor(centre.x() + dx * s)), int(std::floor(centre.y() + dy * s)));
}

enum class Side { Night, Lit };

QRgb colourOf(Side side) {
    return side == Side::Lit ? colours::kLit : colours::kNight;
}

} // namespace

struct PhaseCase {
    const char* name;
    double sinAn, cosAn;
    // Samples on the horizontal through the centre, 60 twips above it [twips from the centre].
    Side farLeft, nearLeft, nearRight, farRight; // x = -230, -80, +80, +230
    bool diameterShows;                          // the light-yellow diameter is visible
};

// Cases print as their name, so ctest lists them readably.
void PrintTo(const PhaseCase& c, std::ostream* os) {
    *os << c.name;
}

class Phase : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(Phase, LitPartsRimAndDiameter) {
    const PhaseCase& c = GetParam();
    // The inner areas of the window's pictures at 100, 125, 150 and 200 %, and
    // of the saved PNG.
    for (int size : {39, 49, 50, 60, 78, 82, 117}) {
        const double dpr = size / 39.0;
        QImage img(size, size, QImage::Format_RGB32);
        lunadraw(img, dpr, c.sinAn, c.cosAn);
        keep(img, std::string("moon-") + c.name + "-" + std::to_string(size));
        EXPECT_EQ(moonAt(img, dpr, -230, -60), colourOf(c.farLeft)) << "dpr " << dpr;
        EXPECT_EQ(moonAt(img, dpr, -80, -60), colourOf(c.nearLeft)) << "dpr " << dpr;
        EXPECT_EQ(moonAt(img, dpr, 80, -60), colourOf(c.nearRight)) << "dpr " << dpr;
        EXPECT_EQ(moonAt(img, dpr, 230, -60), colourOf(c.farRight)) << "dpr " << dpr;

        // Walking out from the centre to 3, 12, 9 and 6 o'clock, the last pixel
        // that is not night blue is the dark-yellow rim, about its radius out
        // (290 twips, less what keeps it inside the box).
        const double s = dpr / 15;
        const DiscPlace place = discPlace(QRectF(img.rect()), dpr);
        const double cx = place.centre.x() / s, cy = place.centre.y() / s; // twips
        const double radius = place.radius / s;
        for (int dir = 0; dir < 4; ++dir) {
            const int ux = dir == 0 ? 1 : dir == 2 ? -1 : 0;
            const int uy = dir == 1 ? -1 : dir == 3 ? 1 : 0;
            int lastX = -1, lastY = -1;
            double lastR = 0;
            for (double r = 0; r < 330; r += 1) {
                const int x = int(std::floor((cx + r * ux) * s));
                const int y = int(std::floor((cy + r * uy) * s));
                if (!img.valid(x, y)) {
                    break;
                }
                if (img.pixel(x, y) != colours::kNight) {
                    lastX = x, lastY = y, lastR = r;
                }
            }
            ASSERT_GE(lastX, 0) << "dpr " << dpr << " direction " << dir;
            EXPECT_EQ(img.pixel(lastX, lastY), colours::kRim) << "dpr " << dpr << " dir " << dir;
            EXPECT_NEAR(lastR, radius, 1.6 / s) << "dpr " << dpr << " direction " << dir;
        }
        // Nothing beyond the rim, in any direction; the rim just inside a
        // margin of night blue max(1, round(dpr)) pixels wide on every side.
        int first = size, last = -1; // the rim's extent across and down
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const double r = std::hypot((x + 0.5) / s - cx, (y + 0.5) / s - cy);
                if (img.pixel(x, y) != colours::kNight) {
                    ASSERT_LE(r, radius + 1.5 / s) << x << "," << y;
                    first = std::min({first, x, y});
                    last = std::max({last, x, y});
                }
            }
        }
        EXPECT_EQ(first, std::max(1L, std::lround(dpr))) << size;
        EXPECT_EQ(size - 1 - last, std::max(1L, std::lround(dpr))) << size;

        // The diameter: light-yellow pixels on the vertical through the centre.
        int yellow = 0;
        for (double dy = -250; dy <= 250; dy += 5) {
            for (double dx : {-15.0 / dpr, 0.0, 15.0 / dpr}) {
                yellow += moonAt(img, dpr, dx, dy) == colours::kLitEdge;
            }
        }
        if (c.diameterShows) {
            EXPECT_GT(yellow, 50) << "dpr " << dpr;
        } else {
            EXPECT_EQ(yellow, 0) << "dpr " << dpr;
        }
    }
}

constexpr double kPi = std::numbers::pi;
constexpr Side N = Side::Night;
constexpr Side L = Side::Lit;

INSTANTIATE_TEST_SUITE_P(
    Angles, Phase,
    ::testing::Values(
        // New Moon: the dark ellipse of full size covers the lit half and its diameter.
        PhaseCase{"New", std::sin(0.0), std::cos(0.0), N, N, N, N, false},
        // First quarter (the cosine of the nearest double to pi/2 is 6e-17, not 0).
        PhaseCase{"FirstQuarter", std::sin(kPi / 2), std::cos(kPi / 2), N, N, L, L, true},
        // Full Moon: the lit ellipse of full size covers everything inside the rim.
        PhaseCase{"Full", std::sin(kPi), std::cos(kPi), L, L, L, L, false},
        // Last quarter: a negative sine puts the lit half on the left.
        PhaseCase{"LastQuarter", std::sin(3 * kPi / 2), std::cos(3 * kPi / 2), L, L, N, N, true},
        // A cosine of exactly zero: the terminator has no width, the half disc stays.
        PhaseCase{"ExactQuarterRight", 1.0, 0.0, N, N, L, L, true},
        PhaseCase{"ExactQuarterRightMinusZero", 1.0, -0.0, N, N, L, L, true},
        PhaseCase{"ExactQuarterLeft", -1.0, 0.0, L, L, N, N, true},
        // Crescent (cos 0.5): the dark ellipse, 145 twips wide, eats the inner lit part.
        PhaseCase{"Crescent60", std::sin(kPi / 3), std::cos(kPi / 3), N, N, N, L, false},
        // Gibbous (cos -0.5): the lit ellipse reaches 145 twips into the dark half.
        PhaseCase{"Gibbous120", std::sin(2 * kPi / 3), std::cos(2 * kPi / 3), N, L, L, L, false},
        // A negative angle: the crescent on the left.
        PhaseCase{"CrescentMinus60", std::sin(-kPi / 3), std::cos(-kPi / 3), L, N, N, N, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Moon, AngleFormMatchesSineCosineForm) {
    for (double an : {0.0, 0.3, kPi / 2, 2.0, kPi, 4.0, 3 * kPi / 2, 6.0, -1.0}) {
        QImage a = makeMoonImage(1), b = makeMoonImage(1);
        lunadraw(a, 1, an);
        lunadraw(b, 1, std::sin(an), std::cos(an));
        EXPECT_EQ(a, b) << an;
    }
}

TEST(Moon, EachDrawingStartsFromScratch) {
    for (double an : {0.0, 1.0, kPi, 5.0}) {
        QImage once = makeMoonImage(1);
        lunadraw(once, 1, an);
        QImage twice = makeMoonImage(1);
        lunadraw(twice, 1, kPi - an); // something else first
        lunadraw(twice, 1, an);
        lunadraw(twice, 1, an);
        EXPECT_EQ(twice, once) << an;
    }
}

TEST(Moon, PictureSize) {
    // 650 twips with a two-pixel border: 39 pixels inside, per device pixel ratio.
    EXPECT_EQ(makeMoonImage(1).size(), QSize(39, 39));
    EXPECT_EQ(makeMoonImage(2).size(), QSize(78, 78));
    EXPECT_EQ(makeMoonImage(1.5).size(), QSize(59, 59));
}

// --- the height scale ----------------------------------------------------------------

TEST(Scale, TicksWhereTheCurvesPutTheHeightsAndNumbersBesideThem) {
    // The numbers need fonts, and they an application; one that ends with the
    // test, so that the fonts it loaded are let go of before the leak check.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {const_cast<char*>("tst_drawing"), nullptr};
    QGuiApplication app(argc, argv);
    const struct {
        int cm, tick; // the height, the tick's length [pixels]
        bool number;  // a number beside it
    } rows[] = {{60, 5, true},   {50, 3, false}, {40, 5, true},  {0, 5, true},
                {-10, 3, false}, {-40, 5, true}, {-60, 5, false}}; // the marks' row left free
    for (double dpr : {1.0, 2.0}) {
        const QImage scale = renderScale(makeGraphImage(dpr, kWhite).size(), dpr, kWhite);
        for (const auto& row : rows) {
            // The first row a point of that height takes: 35 units a centimetre.
            QImage img = makeGraphImage(dpr, kWhite);
            const int y = GraphPainter(img, dpr).square(4000, float(2250 - 35 * row.cm), 1).top();
            const int tick = int(row.tick * dpr);
            EXPECT_EQ(qAlpha(scale.pixel(tick - 1, y)), 255) << row.cm << " cm, dpr " << dpr;
            EXPECT_EQ(qAlpha(scale.pixel(tick, y)), 0) << row.cm << " cm, dpr " << dpr;
            // The number's rightmost dark pixel: "60 cm" ends some 16 pixels
            // further right than the others, clear of the column line at 47.8.
            int right = -1;
            for (int x = tick + 1; x < 48 * dpr; ++x) {
                for (int dy = int(-5 * dpr); dy <= int(5 * dpr); ++dy) {
                    const QRgb p = scale.valid(x, y + dy) ? scale.pixel(x, y + dy) : 0;
                    right = qAlpha(p) > 200 && dark(p) ? x : right;
                }
            }
            EXPECT_EQ(right >= 0, row.number) << row.cm << " cm, dpr " << dpr;
            EXPECT_EQ(right > 36 * dpr, row.cm == 60) << row.cm << " cm, dpr " << dpr;
            EXPECT_LT(right, 47 * dpr);
        }
    }
}

// --- new and full Moon --------------------------------------------------------------

TEST(PhaseMarks, OnTheTimeAxisAsFarAsTheDrawingGot) {
    // A 60-day drawing from 2002-08-16 at the default point: full Moon at x 1054.8,
    // new Moon at x 3242.9. Flat curves on the zero line keep the axis clear.
    auto drawn = [](int steps) {
        DrawingRecord record;
        record.beginDrawing({PlotMode::SixtyDay, support::kDefaultStart}, steps);
        for (int t = 0; t < steps; ++t) {
            record.addStep(Moment{t, 2002, 8, 16, 0, 0}, astro::TideEvaluation{});
        }
        record.endDrawing(steps == 8641);
        return record;
    };
    for (double dpr : {1.0, 2.0}) {
        const int row = pixelY(geometry::kMarkY, dpr);
        const int rim = int(std::lround(geometry::kMarkRadius * dpr)); // from the centre
        const DrawingRecord stopped = drawn(2000);
        const QImage partly = renderGraph(stopped, dpr, kWhite);
        keep(partly, "marks-stopped-" + std::to_string(int(dpr)));
        std::vector<AxisMark> marks = stopped.drawings().back().marks;
        std::erase_if(marks, [](const AxisMark& m) {
            return m.kind != MarkKind::NewMoon && m.kind != MarkKind::FullMoon;
        });
        ASSERT_GE(marks.size(), 2u);
        // ○ full Moon: white inside a dark ring.
        const int full = pixelX(marks[0].x, dpr);
        EXPECT_EQ(partly.pixel(full, row), kWhite.rgb()) << dpr;
        EXPECT_TRUE(dark(partly.pixel(full, row - rim))) << dpr;
        EXPECT_TRUE(dark(partly.pixel(full - rim, row))) << dpr;
        // ● new Moon: not reached by the stopped drawing, then drawn dark.
        const int next = pixelX(marks[1].x, dpr);
        EXPECT_EQ(partly.pixel(next, row), kWhite.rgb()) << dpr;
        const QImage whole = renderGraph(drawn(8641), dpr, kWhite);
        keep(whole, "marks-" + std::to_string(int(dpr)));
        EXPECT_TRUE(dark(whole.pixel(next, row))) << dpr;
        EXPECT_TRUE(dark(whole.pixel(next + rim - 1, row))) << dpr;
        EXPECT_EQ(whole.pixel(next + rim + 2, row), kWhite.rgb()) << dpr;
    }
}

// --- drawn anew in slices -----------------------------------------------------------

TEST(Render, InSlicesAsAtOnceWhileTheDrawingStillGrows) {
    // 60 days that grow between slices: the render follows them and leaves the
    // marks to the window, which draws them at the drawing's end.
    DrawingRecord record;
    record.beginDrawing({PlotMode::SixtyDay, support::kDefaultStart}, 8641);
    GraphRender render(QSize(861, 447), 1.5, kWhite); // the graph at 150 %
    int t = 0;
    do {
        for (const int end = std::min(t + 1000, 8641); t < end; ++t) {
            astro::TideEvaluation e{};
            e.Msea = 5.5e-5 * std::sin(t * 0.004);
            record.addStep(Moment{t}, e);
        }
    } while (!render.advance(record, 700) || t < 8641);
    record.endDrawing(true);
    GraphPainter(render.image(), 1.5).plotPhases(record.drawings().back());
    EXPECT_TRUE(render.image() == renderGraph(record, QSize(861, 447), 1.5, kWhite));
}
