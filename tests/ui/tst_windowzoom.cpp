// The window's size and its screen, through the window, on a projector of
// 1024 x 768 beside a wall screen of 1920 x 1200: steps too large for the screen
// greyed out, the fit, a move to another screen, and the full-screen view (F11,
// Esc) with a drawing that Esc stops first.
#include "calendar/observation.h"
#include "plot/windowlayout.h"
#include "tests/support/findchild.h"
#include "tests/support/mainwindow.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/helpwindow.h"
#include "ui/layoutzoom.h"
#include "ui/windowzoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace Qt::StringLiterals;
using veltaro::support::findNamed;
using veltaro::ui::fitZoom;
using veltaro::ui::frmushio;
using veltaro::ui::scaledRect;
using veltaro::ui::WindowZoom;
using veltaro::ui::ZoomRoom;
using namespace veltaro::plot::layout;

namespace {

/// A rectangle of the window's layout at 100 % [pixels].
QRect twips(const TwipsRect& r) {
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

} // namespace

class TestWindowZoom : public QObject, veltaro::support::WindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stepsTooLargeForTheScreenAreGreyedOut();
    void anotherScreenOffersOtherSteps();
    void fullScreenByF11AndBackByEsc();

private:
    double shownFactor() const { return find<WindowZoom>(u"windowzoom"_s)->shownFactor(); }
    void toScreen(int index) {
        m_window->windowHandle()->setScreen(QGuiApplication::screens().at(index));
    }
    /// The room the window has on its screen: its available area, or the whole
    /// screen (in full screen, without frame).
    ZoomRoom room(bool whole) const {
        const QScreen* screen = m_window->screen();
        if (whole) {
            return {m_at100, QSize(0, 0), screen->geometry().size()};
        }
        return {m_at100, m_window->frameGeometry().size() - m_window->size(),
                screen->availableGeometry().size()};
    }
    /// The window with its frame inside its screen's available area.
    bool onScreen() const {
        return m_window->screen()->availableGeometry().contains(m_window->frameGeometry());
    }

    QSize m_at100; // the window at 100 %
};

void TestWindowZoom::initTestCase() {
    prepareApplication();
    QCOMPARE(QGuiApplication::screens().size(), 2);
}

void TestWindowZoom::init() {
    openWindow();
    m_at100 = m_window->size();
    // The screen is looked at once the window is shown.
    const QString fit = u"（%1 %）"_s.arg(std::lround(fitZoom(room(false)) * 100));
    QTRY_VERIFY(find<QAction>(u"mnuzoomfit"_s)->text().contains(fit));
}

void TestWindowZoom::cleanup() {
    closeWindow();
}

void TestWindowZoom::stepsTooLargeForTheScreenAreGreyedOut() {
    // 150 % is 819 pixels high: only 100 % and 125 % fit 768.
    QVERIFY(find<QAction>(u"mnuzoom125"_s)->isEnabled());
    QVERIFY(!find<QAction>(u"mnuzoom150"_s)->isEnabled());
    QVERIFY(!find<QAction>(u"mnuzoom200"_s)->isEnabled());
    m_window->setZoom(1.25);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(m_window->zoom(), 1.25);

    const double fit = fitZoom(room(false));
    find<QAction>(u"mnuzoomfit"_s)->trigger();
    QCOMPARE(m_window->zoom(), fit);
    QVERIFY(onScreen());
    // The option buttons' indicators and the help grow with the rest.
    auto* optday = find<QAbstractButton>(u"optday"_s);
    const int indicator =
        QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, optday);
    QCOMPARE(optday->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, optday),
             qRound(indicator * fit));
    find<QAction>(u"mnutukaikata"_s)->trigger();
    QCOMPARE(find<veltaro::ui::HelpWindow>(u"frmhelp"_s)->zoom(), fit);
}

void TestWindowZoom::anotherScreenOffersOtherSteps() {
    toScreen(1);
    QTRY_VERIFY(find<QAction>(u"mnuzoom200"_s)->isEnabled());
    find<QAction>(u"mnuzoom200"_s)->trigger();
    QCOMPARE(m_window->zoom(), 2.0);
    // Back on the projector the window takes the largest step that fits.
    toScreen(0);
    QTRY_COMPARE(m_window->zoom(), 1.25);
    QVERIFY(!find<QAction>(u"mnuzoom200"_s)->isEnabled());
    QVERIFY(onScreen());
}

void TestWindowZoom::fullScreenByF11AndBackByEsc() {
    m_window->setZoom(1.25);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QVERIFY(m_window->isFullScreen());
    QTRY_COMPARE(m_window->geometry(), m_window->screen()->geometry());
    const double fit = fitZoom(room(true));
    QCOMPARE(shownFactor(), fit);
    QCOMPARE(m_window->zoom(), 1.25); // the way back
    // The layout as large as fits, in the middle of the client area.
    const QSize layout = scaledRect(twips(kClient), fit).size();
    const QSize room = m_window->centralWidget()->size() - layout;
    QCOMPARE(find(u"Picture1"_s)->geometry(),
             scaledRect(twips(kGraph), fit).translated(room.width() / 2, room.height() / 2));

    // A drawing runs: Esc stops it, and only then leaves full screen.
    find<QAbstractButton>(u"optyes"_s)->click();
    find<QLineEdit>(u"txtcont"_s)->setText(u"999"_s);
    find<QAbstractButton>(u"btnhyouji"_s)->click();
    QVERIFY(m_window->drawing());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(!m_window->drawing());
    QVERIFY(m_window->isFullScreen());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(!m_window->isFullScreen());
    QCOMPARE(shownFactor(), 1.25);
    QCOMPARE(m_window->centralWidget()->size(), scaledRect(twips(kClient), 1.25).size());
    QVERIFY(onScreen());
}

QTEST_MAIN(TestWindowZoom)
#include "tst_windowzoom.moc"
