// The graph and Moon widgets and the controller that runs a drawing into them:
// the signals the window receives, in order, and what the pictures show.
#include "astro/fault.h"
#include "astro/tide.h"
#include "calendar/kansi.h"
#include "plot/drawingrecord.h"
#include "plot/graphpainter.h"
#include "plot/graphwidget.h"
#include "plot/plotcontroller.h"
#include "tests/support/testsupport.h"

#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>

using namespace veltaro;
using namespace veltaro::plot;
using namespace Qt::StringLiterals;

namespace {

PlotRequest request(PlotMode mode, bool continuous = false, int days = 1) {
    PlotRequest r;
    r.mode = mode;
    r.start = support::kDefaultStart;
    r.continuous = continuous;
    r.days = days;
    return r;
}

double msangleAt(int day, int hour) {
    return astro::calc(tideInputOf(support::stateAt(2002, 8, day, hour))).MSangle;
}

/// A window's worth: the document, its pictures and a controller that draws into it.
struct Bench {
    ObservationState state = support::freshState();
    DrawingRecord record;
    GraphWidget graph{record};
    std::array<std::unique_ptr<MoonWidget>, kMoonPictures> moonWidgets;
    std::unique_ptr<PlotController> controller;

    Bench() {
        for (int k = 0; k < kMoonPictures; ++k) {
            moonWidgets[std::size_t(k)] = std::make_unique<MoonWidget>(record, k);
        }
        controller = std::make_unique<PlotController>(state, record);
    }
};

/// Colours of the curves present in an image.
int curvePixels(const QImage& image, int fromColumn = 0) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromColumn; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += p == colours::kSun || p == colours::kMoon || p == colours::kCombined;
        }
    }
    return n;
}

} // namespace

class TestPlotController : public QObject {
    Q_OBJECT

private slots:
    void widgetsKeepTheirPictures();
    void synchronousRuns_data();
    void synchronousRuns();
    void continuousRunEndsOnTheNextDay();
    void eventLoopRunFinishes();
    void cancelWritesBackWholeDaysOnly();
    void faultStopsTheRun();
};

void TestPlotController::widgetsKeepTheirPictures() {
    DrawingRecord record;
    GraphWidget graph(record);
    QCOMPARE(graph.sizeHint(), QSize(576, 300));
    QCOMPARE(graph.image().size(),
             QSize(qRound(574 * graph.imageRatio()), qRound(298 * graph.imageRatio())));
    const QRgb background = graph.palette().color(QPalette::Base).rgb();
    QCOMPARE(graph.image().pixel(0, 0), background);
    const QImage framed = graph.image();
    QVERIFY(framed != makeGraphImage(graph.imageRatio(), QColor::fromRgb(background)));
    graph.redrawline();
    QCOMPARE(graph.image(), framed);
    // A step drawn into the document shows; clearing the document wipes it.
    record.beginDrawing(request(PlotMode::Diurnal), 1);
    astro::TideEvaluation e{};
    e.MSangle = 3.14159;
    record.addStep(Moment{}, e);
    record.publishGrowth();
    QVERIFY(graph.image() != framed);
    record.clear();
    QCOMPARE(graph.image(), framed);

    // Shown on screen, the widget paints its picture inside the one-pixel border.
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    const QImage shot = graph.grab().toImage();
    const int column = int(std::floor(720 * 574.0 / 8640));
    int dark = 0;
    for (int y = 1; y < 299; ++y) {
        dark += qGray(shot.pixel(1 + column, y)) < 64;
    }
    QVERIFY2(dark > 50, "the column line shows on screen");

    MoonWidget moon(record, 0);
    QCOMPARE(moon.sizeHint(), QSize(43, 43));
    QCOMPARE(moon.image(), makeMoonImage(moon.imageRatio()));
    record.beginDrawing(request(PlotMode::Diurnal), 1);
    record.addStep(Moment{}, e);
    record.publishGrowth();
    QVERIFY(moon.image() != makeMoonImage(moon.imageRatio()));
    moon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&moon));
    moon.update();
    QTest::qWait(20);
    QVERIFY(moon.image() != makeMoonImage(moon.imageRatio())); // kept across a repaint
    record.clear();
    QCOMPARE(moon.image(), makeMoonImage(moon.imageRatio()));
}

void TestPlotController::synchronousRuns_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("ages");
    QTest::newRow("one day") << int(PlotMode::Diurnal) << 289 << 0 << 1;
    QTest::newRow("60 days") << int(PlotMode::SixtyDay) << 8641 << 0 << 0;
    QTest::newRow("annual") << int(PlotMode::Annual) << 8641 << 1 << 0;
}

void TestPlotController::synchronousRuns() {
    QFETCH(int, mode);
    QFETCH(int, steps);
    QFETCH(int, hidden);
    QFETCH(int, ages);
    Bench b;
    PlotController& c = *b.controller;
    QSignalSpy captions(&c, &PlotController::axisCaptions);
    QSignalSpy age(&c, &PlotController::moonPhase);
    QSignalSpy hide(&c, &PlotController::dayChoiceHidden);
    QSignalSpy date(&c, &PlotController::dateReached);
    QSignalSpy name(&c, &PlotController::dayName);
    QSignalSpy progress(&c, &PlotController::progress);
    QSignalSpy finished(&c, &PlotController::finished);
    QSignalSpy failed(&c, &PlotController::failed);

    c.runToEnd(request(PlotMode(mode)));

    QVERIFY(!c.running());
    QCOMPARE(captions.count(), 1);
    QCOMPARE(captions.at(0).at(0).value<PlotMode>(), PlotMode(mode));
    for (int k = 0; k < kMoonPictures; ++k) {
        QCOMPARE(b.record.moonTooltipAngleRad(k), b.record.moonAngleRad(k));
    }
    QCOMPARE(age.count(), ages);
    QCOMPARE(hide.count(), hidden);
    QCOMPARE(date.count(), 0); // the boxes stay
    QCOMPARE(name.count(), 1);
    QCOMPARE(name.at(0).at(0).toString(), u"丙辰"_s);
    QCOMPARE(progress.last().at(0).toInt(), steps);
    QCOMPARE(progress.last().at(1).toInt(), steps);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(failed.count(), 0);
    QVERIFY(curvePixels(b.graph.image()) > 500);
    for (const auto& moon : b.moonWidgets) {
        QVERIFY(moon->image() != makeMoonImage(moon->imageRatio()));
    }
}

void TestPlotController::continuousRunEndsOnTheNextDay() {
    Bench b;
    PlotController& c = *b.controller;
    QSignalSpy date(&c, &PlotController::dateReached);
    QSignalSpy name(&c, &PlotController::dayName);
    QSignalSpy age(&c, &PlotController::moonPhase);
    c.runToEnd(request(PlotMode::Diurnal, true, 3));
    QCOMPARE(date.count(), 1);
    QCOMPARE(date.at(0), (QList<QVariant>{2002, 8, 19}));
    QCOMPARE(name.count(), 2);
    QCOMPARE(name.last().at(0).toString(), u"己未"_s); // 2002-08-19
    QCOMPARE(b.state.obsyear, 2002.0);
    QCOMPARE(b.state.obsmonth, 8.0);
    QCOMPARE(b.state.obsday, 19.0);
    // picmoon(12) shows 00:00 of the 19th, its tooltip that angle in degrees.
    const double an = msangleAt(19, 0);
    QImage expected = makeMoonImage(b.moonWidgets[12]->imageRatio());
    lunadraw(expected, b.moonWidgets[12]->imageRatio(), an);
    QCOMPARE(b.moonWidgets[12]->image(), expected);
    QCOMPARE(b.record.moonTooltipAngleRad(12), an);
    QCOMPARE(age.count(), 3);
}

void TestPlotController::eventLoopRunFinishes() {
    Bench b;
    PlotController& c = *b.controller;
    QSignalSpy finished(&c, &PlotController::finished);
    QSignalSpy progress(&c, &PlotController::progress);
    c.setSliceSteps(500); // many slices, each painted on what the last ones painted
    c.start(request(PlotMode::Annual));
    QVERIFY(c.running());
    c.start(request(PlotMode::Diurnal)); // ignored while a run is under way
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QVERIFY(!c.running());
    QCOMPARE(progress.last().at(0).toInt(), 8641);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    // The same picture as a synchronous annual run.
    Bench direct;
    direct.controller->runToEnd(request(PlotMode::Annual));
    QCOMPARE(b.graph.image(), direct.graph.image());
}

void TestPlotController::cancelWritesBackWholeDaysOnly() {
    // Slices of 50 steps: the run is cancelled at the first progress report
    // past each threshold, well before its 867 steps are done.
    for (int threshold : {1, 289, 600}) {
        Bench b;
        PlotController& c = *b.controller;
        c.setSliceSteps(50);
        QSignalSpy date(&c, &PlotController::dateReached);
        QSignalSpy finished(&c, &PlotController::finished);
        int doneAtCancel = -1;
        connect(&c, &PlotController::progress, &c, [&](int done, int) {
            if (doneAtCancel < 0 && done >= threshold && c.running()) {
                doneAtCancel = done;
                c.cancel();
            }
        });
        c.start(request(PlotMode::Diurnal, true, 3));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
        QVERIFY(doneAtCancel >= threshold && doneAtCancel < threshold + 50);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        const int wholeDays = doneAtCancel / 289;
        if (wholeDays == 0) {
            QCOMPARE(date.count(), 0);
        } else {
            QCOMPARE(date.count(), 1);
            QCOMPARE(date.at(0), (QList<QVariant>{2002, 8, 16 + wholeDays}));
        }
    }
    // A cancelled 60-day run leaves the boxes alone.
    Bench b;
    QSignalSpy date(b.controller.get(), &PlotController::dateReached);
    QSignalSpy finished(b.controller.get(), &PlotController::finished);
    b.controller->start(request(PlotMode::SixtyDay));
    b.controller->cancel();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(date.count(), 0);
    QVERIFY(!b.controller->running());
}

void TestPlotController::faultStopsTheRun() {
    Bench b;
    PlotController& c = *b.controller;
    int calls = 0;
    c.setEvaluator([&calls](const astro::TideInput& s) {
        if (++calls > 500) {
            throw ArithmeticFault("overflow");
        }
        return astro::calc(s);
    });
    QStringList order;
    connect(&c, &PlotController::failed, &c, [&](const QString& m) { order << u"failed:"_s + m; });
    connect(&c, &PlotController::finished, &c,
            [&](bool cancelled) { order << (cancelled ? u"cancelled"_s : u"finished"_s); });
    c.start(request(PlotMode::SixtyDay));
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), 2, 30000);
    QVERIFY(order.at(0).startsWith(u"failed:"_s));
    QVERIFY(order.at(0).size() > 8);
    QCOMPARE(order.at(1), u"finished"_s);
    QVERIFY(!c.running());
    // What was drawn stays: the first 500 steps (t = 0..499), nothing beyond.
    const QImage img = b.graph.image();
    const int lastColumn = int(std::floor(499 * 574.0 * b.graph.imageRatio() / 8640));
    QVERIFY(curvePixels(img) > 100);
    QCOMPARE(curvePixels(img, lastColumn + int(b.graph.imageRatio()) + 1), 0);
    // The next run works normally.
    c.setEvaluator([](const astro::TideInput& s) { return astro::calc(s); });
    QSignalSpy finished(&c, &PlotController::finished);
    c.runToEnd(request(PlotMode::Diurnal));
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(TestPlotController)
#include "tst_plotcontroller.moc"
