// Which zoom steps fit a screen and the largest size that does, from the sizes
// alone: the window at 100 % (663 x 551 on this platform, menu and status bar
// included), the desktop's frame and the screen's available area.
#include "ui/layoutzoom.h"

#include <QTest>

#include <cmath>

using veltaro::ui::fitZoom;
using veltaro::ui::kSmallestZoom;
using veltaro::ui::kZoomSteps;
using veltaro::ui::largestFittingStep;
using veltaro::ui::zoomFits;
using veltaro::ui::ZoomRoom;

namespace {
const QSize kWindow(663, 551);
} // namespace

class TestZoomFit : public QObject {
    Q_OBJECT
private slots:
    void stepsAndFit_data();
    void stepsAndFit();
};

void TestZoomFit::stepsAndFit_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QList<double>>("fitting"); // the steps that fit
    QTest::addColumn<double>("fit");

    // Heights: 551 x 1.25 = 688.75, x 1.5 = 826.5, x 2 = 1102.
    QTest::newRow("1366 x 768 without frame: 768 / 551 = 1.394")
        << QSize(0, 0) << QSize(1366, 768) << QList<double>{1, 1.25} << 1.39;
    QTest::newRow("1366 x 740 under a panel, frame 10 x 37: 703 / 551 = 1.276")
        << QSize(10, 37) << QSize(1366, 740) << QList<double>{1, 1.25} << 1.27;
    QTest::newRow("1024 x 768: 200 % too wide and too high")
        << QSize(0, 0) << QSize(1024, 768) << QList<double>{1, 1.25} << 1.39;
    QTest::newRow("1920 x 1200 takes 200 %: 1200 / 551 = 2.178")
        << QSize(0, 0) << QSize(1920, 1200) << QList<double>{1, 1.25, 1.5, 2} << 2.17;
    QTest::newRow("150 % exactly: 994.5 x 826.5 rounded up")
        << QSize(0, 0) << QSize(995, 827) << QList<double>{1, 1.25, 1.5} << 1.5;
    QTest::newRow("a pixel short of 150 %")
        << QSize(0, 0) << QSize(995, 826) << QList<double>{1, 1.25} << 1.49;
    QTest::newRow("wide and low, the height decides: 600 / 551 = 1.089")
        << QSize(0, 0) << QSize(1920, 600) << QList<double>{1} << 1.08;
    QTest::newRow("800 x 600 with a frame of 10 x 37: 563 / 551 = 1.022")
        << QSize(10, 37) << QSize(800, 600) << QList<double>{1} << 1.02;
    QTest::newRow("narrow, the width decides: 600 / 663 = 0.905")
        << QSize(0, 0) << QSize(600, 1000) << QList<double>{} << 0.9;
    QTest::newRow("smaller than half the window: no smaller than half")
        << QSize(0, 0) << QSize(300, 200) << QList<double>{} << kSmallestZoom;
}

void TestZoomFit::stepsAndFit() {
    QFETCH(QSize, frame);
    QFETCH(QSize, available);
    QFETCH(QList<double>, fitting);
    QFETCH(double, fit);
    const ZoomRoom room{QSize(663, 551), frame, available};

    for (const double step : kZoomSteps) {
        QCOMPARE(zoomFits(step, room), fitting.contains(step));
    }
    // 100 % stays when nothing fits: only the fit goes below it.
    QCOMPARE(largestFittingStep(room), fitting.isEmpty() ? 1.0 : fitting.back());
    QCOMPARE(fitZoom(room), fit);
    // The fit is the largest hundredth that fits.
    if (fit > kSmallestZoom) {
        QVERIFY(zoomFits(fit, room));
        QVERIFY(!zoomFits(std::round(fit * 100 + 1) / 100, room));
    }
}

QTEST_APPLESS_MAIN(TestZoomFit)
#include "tst_zoomfit.moc"
