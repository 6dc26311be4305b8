// The window's aids for a class, through the window: the read-out under the
// mouse over the graph and a Moon picture, and the window shown larger
// (表示 → 拡大表示, Ctrl++ / Ctrl+- / Ctrl+0).
#include "calendar/observation.h"
#include "plot/graphpainter.h"
#include "plot/graphwidget.h"
#include "plot/words.h"
#include "tests/support/mainwindow.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QTest>
#include <QTranslator>

#include <cmath>

using namespace Qt::StringLiterals;
using veltaro::plot::GraphWidget;
using veltaro::plot::MoonWidget;
using veltaro::ui::frmushio;

namespace {

/// Every control placed on the window, by name: its geometry and its font's size.
struct Placed {
    QRect geometry;
    double pt;
};
QMap<QString, Placed> placedControls(const frmushio& window) {
    QMap<QString, Placed> placed;
    for (QWidget* w : window.centralWidget()->findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        const bool inFrame = parent->objectName().startsWith(u"Frame"_s);
        if (!w->objectName().isEmpty() && (parent == window.centralWidget() || inFrame)) {
            placed.insert(w->objectName(), {w->geometry(), w->font().pointSizeF()});
        }
    }
    return placed;
}

} // namespace

class TestClassroom : public QObject, veltaro::support::WindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hoverOverTheGraphReadsTheRecord();
    void hoverOverAMoonPicture();
    void zoomKeepsTheLayoutsProportionsAndTheDrawing();
    void zoomKeys_data();
    void zoomKeys();
    void qtTextsInJapanese();
    void aZoomedWindowGoneLeavesMenusAsTheyWere();

private:
    GraphWidget* graph() const { return find<GraphWidget>(u"Picture1"_s); }
    QString readout() const { return find<QLabel>(u"lblreadout"_s)->text(); }
    // While the mouse reads nothing, the read-out names the place to be drawn.
    bool readsNothing() const { return readout().startsWith(u"観測地点 東経 139°44′41″"_s); }
    void draw(const QString& mode) {
        QTest::mouseClick(find<QAbstractButton>(mode), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(u"btnhyouji"_s), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->drawing(), 30000);
    }
    /// The mouse over pixel column `column` of the graph's inner area.
    void hoverGraph(int column) { QTest::mouseMove(graph(), QPoint(1 + column, 100)); }
};

void TestClassroom::initTestCase() {
    prepareApplication();
}

void TestClassroom::init() {
    openWindow();
}

void TestClassroom::cleanup() {
    closeWindow();
}

void TestClassroom::hoverOverTheGraphReadsTheRecord() {
    hoverGraph(287);
    QVERIFY(readsNothing()); // nothing drawn, nothing read
    QVERIFY(!graph()->cursorT());

    draw(u"optday"_s);
    // Column 100 of 574 is x = 1512.7: the step t = 1500, 04:10.
    hoverGraph(100);
    QCOMPARE(graph()->cursorT(), std::optional<int>(1500));
    // The words are the read-out's own (tst_readout): the step's, then the
    // day's tide name.
    const auto& drawing = graph()->record().drawings().back();
    const auto& step = drawing.steps[1500 / 30];
    QCOMPARE(int(step.t), 1500);
    const QString stepWords = veltaro::plot::stepText(drawing, step);
    QVERIFY2(readout().startsWith(stepWords + u"　潮名 "_s), qPrintable(readout()));
    // The cursor is drawn over the graph in the column of the step's dots
    // (floor(1500 x 574 / 8640) = 99), not into the graph's image.
    const QImage shown = graph()->grab().toImage();
    QVERIFY(shown.pixel(1 + 99, 5) != graph()->image().pixel(99, 4));
    QCOMPARE(shown.pixel(1 + 98, 5), graph()->image().pixel(98, 4));

    QTest::mouseMove(m_window->centralWidget(), QPoint(5, 5)); // off the graph
    QVERIFY(readsNothing());
    QVERIFY(!graph()->cursorT());
}

void TestClassroom::hoverOverAMoonPicture() {
    auto* moon = find<MoonWidget>(u"picmoon6"_s);
    QTest::mouseMove(moon);
    QVERIFY(readsNothing());
    draw(u"optday"_s);
    QTest::mouseMove(m_window->centralWidget(), QPoint(5, 5));
    QTest::mouseMove(moon);
    // The tooltip's number in words with its unit, the moment of the picture and
    // 月相 as the label beside it gives it at noon (the words: tst_readout).
    const QString text = readout();
    QVERIFY2(text.startsWith(u"太陽から月までの角度 "_s + moon->toolTip() + u"°"_s),
             qPrintable(text));
    QVERIFY2(
        text.contains(u"2002年8月16日 12:00 地方時　月相 "_s + find<QLabel>(u"lblmage"_s)->text()),
        qPrintable(text));
    QTest::mouseMove(m_window->centralWidget(), QPoint(5, 5));
    QVERIFY(readsNothing());
}

void TestClassroom::zoomKeepsTheLayoutsProportionsAndTheDrawing() {
    draw(u"opt60"_s);
    const auto before = placedControls(*m_window);
    QVERIFY(before.contains(u"txtnen"_s) && before.contains(u"optyes"_s) &&
            before.contains(u"picmoon12"_s));
    const double windowPt = m_window->font().pointSizeF();
    const double menuPt = QApplication::font("QMenu").pointSizeF();
    const QImage image = graph()->image();

    find<QAction>(u"mnuzoom150"_s)->trigger();
    QVERIFY(find<QAction>(u"mnuzoom150"_s)->isChecked());
    QVERIFY(!find<QAction>(u"mnuzoom100"_s)->isChecked());
    QCOMPARE(m_window->centralWidget()->size(), QSize(995, 761)); // 663 x 507, half as much again
    QCOMPARE(m_window->font().pointSizeF(), windowPt * 1.5);
    // Menus made as they open (the graph's right-click menu) are scaled too.
    QCOMPARE(QApplication::font("QMenu").pointSizeF(), menuPt * 1.5);
    const auto after = placedControls(*m_window);
    for (auto it = before.begin(); it != before.end(); ++it) {
        const QRect was = it->geometry;
        const QRect now = after.value(it.key()).geometry;
        auto near = [](int a, double b) { return std::abs(a - b) <= 1; };
        QVERIFY2(near(now.left(), was.left() * 1.5) && near(now.top(), was.top() * 1.5) &&
                     near(now.right() + 1, (was.right() + 1) * 1.5) &&
                     near(now.bottom() + 1, (was.bottom() + 1) * 1.5),
                 qPrintable(it.key()));
        QCOMPARE(after.value(it.key()).pt, it->pt * 1.5);
    }
    // The graph drawn anew at its new size from the record (in slices, on the
    // event loop); the Moon pictures from their angles.
    QTRY_VERIFY(!graph()->rendering());
    const QImage larger = graph()->image();
    QCOMPARE(larger.size(), QSize(862, 448));
    QCOMPARE(larger, veltaro::plot::renderGraph(graph()->record(), larger.size(),
                                                graph()->imageRatio(), graph()->background()));
    for (int k = 0; k < 13; ++k) {
        auto* moon = find<MoonWidget>(u"picmoon%1"_s.arg(k));
        QImage expected(moon->image().size(), QImage::Format_RGB32);
        veltaro::plot::lunadraw(expected, moon->imageRatio(), *graph()->record().moonAngleRad(k));
        QCOMPARE(moon->image(), expected);
    }

    // Back to 100 %: exactly as before.
    m_window->setZoom(1);
    QCOMPARE(placedControls(*m_window).keys(), before.keys());
    for (auto it = before.begin(); it != before.end(); ++it) {
        QCOMPARE(placedControls(*m_window).value(it.key()).geometry, it->geometry);
    }
    QCOMPARE(m_window->centralWidget()->size(), QSize(663, 507));
    QTRY_VERIFY(!graph()->rendering());
    QCOMPARE(graph()->image(), image);
    QCOMPARE(QApplication::font("QMenu").pointSizeF(), menuPt);
}

void TestClassroom::zoomKeys_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<double>("to");
    QTest::newRow("Ctrl++ from 100 %") << 1.0 << (Qt::CTRL | Qt::Key_Plus) << 1.25;
    QTest::newRow("Ctrl+= from 150 %") << 1.5 << (Qt::CTRL | Qt::Key_Equal) << 2.0;
    QTest::newRow("Ctrl+- at 100 %") << 1.0 << (Qt::CTRL | Qt::Key_Minus) << 1.0;
    QTest::newRow("Ctrl+0 from 200 %") << 2.0 << (Qt::CTRL | Qt::Key_0) << 1.0;
}

void TestClassroom::zoomKeys() {
    QFETCH(double, from);
    QFETCH(QKeyCombination, key);
    QFETCH(double, to);
    m_window->setZoom(from);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), key.key(), key.keyboardModifiers());
    QCOMPARE(m_window->zoom(), to);
    const QString checked = u"mnuzoom%1"_s.arg(std::lround(to * 100));
    QVERIFY(find<QAction>(checked)->isChecked());
}

void TestClassroom::qtTextsInJapanese() {
    // A text box's edit menu, as the program starts it (tools/dev installs Qt's
    // translations).
    veltaro::ui::useLanguage(u"ja"_s);
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    QVERIFY2(undo != u"&Undo"_s, qPrintable(undo));
}

void TestClassroom::aZoomedWindowGoneLeavesMenusAsTheyWere() {
    // The application's font for menus is shared by every window; one closed at
    // 200 % must not leave it large.
    const double menuPt = QApplication::font("QMenu").pointSizeF();
    m_window->setZoom(2);
    QCOMPARE(QApplication::font("QMenu").pointSizeF(), menuPt * 2);
    m_window.reset();
    QCOMPARE(QApplication::font("QMenu").pointSizeF(), menuPt);
}

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
