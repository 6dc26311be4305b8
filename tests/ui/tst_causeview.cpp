// The view of the cause through the window: it follows the graph's read-out,
// and its slider leads the graph's cursor. Its numbers are the drawn step's.
#include "plot/graphwidget.h"
#include "plot/words.h"
#include "tests/support/mainwindow.h"
#include "ui/causeview.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <QTest>

using namespace Qt::StringLiterals;
using veltaro::plot::GraphWidget;
using veltaro::ui::CauseView;
using veltaro::ui::frmushio;

class TestCauseView : public QObject, veltaro::support::WindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void followsTheStepUnderTheMouse();
    void sliderLeadsTheGraphsCursor();

private:
    GraphWidget* graph() const { return find<GraphWidget>(u"Picture1"_s); }
    /// A one-day diurnal drawing at the default point, and the view opened.
    void drawAndOpen() {
        QTest::mouseClick(find<QAbstractButton>(u"optday"_s), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(u"btnhyouji"_s), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(!m_window->drawing(), "the drawing never ended", 30000);
        find<QAction>(u"mnucause"_s)->trigger();
        QVERIFY(find<CauseView>(u"frmcause"_s)->isVisible());
    }
    /// The view shows step `index` of the drawing, with its heights bit for bit.
    void showsStep(const CauseView& view, std::size_t index) {
        const auto& drawing = graph()->record().drawings().back();
        const auto& step = drawing.steps[index];
        QVERIFY(view.shownStep().has_value());
        QCOMPARE(view.shownStep()->step, index);
        QVERIFY(view.cause().has_value());
        QCOMPARE(view.cause()->sun.heightKm, step.Ssea);
        QCOMPARE(view.cause()->moon.heightKm, step.Msea);
        QVERIFY(find<QLabel>(u"lblcausetime"_s)
                    ->text()
                    .endsWith(veltaro::plot::stepText(drawing, step)));
    }
};

void TestCauseView::initTestCase() {
    prepareApplication();
}

void TestCauseView::init() {
    openWindow();
}

void TestCauseView::cleanup() {
    closeWindow();
}

void TestCauseView::followsTheStepUnderTheMouse() {
    drawAndOpen();
    auto* view = find<CauseView>(u"frmcause"_s);
    QVERIFY(!view->cause());
    // Column 100 of 574 reads the step t = 1500 (tst_classroom), the 51st.
    QTest::mouseMove(graph(), QPoint(1 + 100, 100));
    QCOMPARE(graph()->cursorT(), std::optional<int>(1500));
    showsStep(*view, 1500 / 30);
    QCOMPARE(find<QSlider>(u"sldcause"_s)->value(), 1500 / 30);
}

void TestCauseView::sliderLeadsTheGraphsCursor() {
    drawAndOpen();
    auto* view = find<CauseView>(u"frmcause"_s);
    find<QSlider>(u"sldcause"_s)->setValue(200);
    showsStep(*view, 200);
    QCOMPARE(graph()->cursorT(), std::optional<int>(200 * 30));
}

QTEST_MAIN(TestCauseView)
#include "tst_causeview.moc"
