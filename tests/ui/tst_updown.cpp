// The spin button on its own: stepping from the buddy's text, wrapping, texts
// that hold no number or lie outside the range, and the three ways to step it.
#include "ui/updown.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using veltaro::ui::UpDown;

namespace {

enum class Way { Click, Key, Wheel };

void stepOnce(UpDown& spin, int direction, Way way) {
    switch (way) {
    case Way::Click: {
        const QPoint half = direction > 0 ? QPoint(spin.width() / 2, 2)
                                          : QPoint(spin.width() / 2, spin.height() - 3);
        QTest::mouseClick(&spin, Qt::LeftButton, {}, half);
        break;
    }
    case Way::Key:
        QTest::keyClick(spin.buddy(), direction > 0 ? Qt::Key_Up : Qt::Key_Down);
        break;
    case Way::Wheel: {
        const QPointF at(spin.width() / 2.0, spin.height() / 2.0);
        QWheelEvent wheel(at, spin.mapToGlobal(at), QPoint(), QPoint(0, 120 * direction),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&spin, &wheel);
        break;
    }
    }
}

struct Fixture {
    QWidget window;
    QLineEdit* box;
    UpDown* spin;
    Fixture(int min, int max) {
        box = new QLineEdit(&window);
        box->setGeometry(0, 0, 60, 22);
        spin = new UpDown(box, min, max, &window);
        spin->setGeometry(60, 0, 16, 22);
        window.resize(80, 22);
        window.show();
    }
};

} // namespace

class TestUpDown : public QObject {
    Q_OBJECT
private slots:
    void step_data();
    void step();
    void holdingTheButtonRepeats();
    void wheelCountsWholeNotches();
    void disabledSpinDoesNothing();
    void pageKeysDoNotStep();
    void fullWidthDigitsTypedThroughTheInputMethod();
};

void TestUpDown::step_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("signalled");

    QTest::newRow("up inside the range") << 0 << 59 << u"10"_s << +1 << u"11"_s << true;
    QTest::newRow("down inside the range") << 0 << 59 << u"10"_s << -1 << u"9"_s << true;
    QTest::newRow("up from the maximum wraps") << 0 << 59 << u"59"_s << +1 << u"0"_s << true;
    QTest::newRow("down from the minimum wraps") << 0 << 59 << u"0"_s << -1 << u"59"_s << true;
    QTest::newRow("longitude 179 up gives -179")
        << -179 << 179 << u"179"_s << +1 << u"-179"_s << true;
    QTest::newRow("longitude -179 down gives 179")
        << -179 << 179 << u"-179"_s << -1 << u"179"_s << true;
    QTest::newRow("down through zero") << -89 << 89 << u"0"_s << -1 << u"-1"_s << true;
    QTest::newRow("days 2 down gives 60") << 2 << 60 << u"2"_s << -1 << u"60"_s << true;
    QTest::newRow("full-width digits") << 1 << 12 << u"１１"_s << +1 << u"12"_s << true;
    QTest::newRow("blanks around the number") << 1 << 12 << u" 3 "_s << +1 << u"4"_s << true;
    QTest::newRow("leading zero dropped") << 1 << 12 << u"08"_s << +1 << u"9"_s << true;
    QTest::newRow("fraction rounded half to even first")
        << 1 << 31 << u"2.5"_s << +1 << u"3"_s << true;
    QTest::newRow("empty box left alone") << 1 << 12 << QString() << +1 << QString() << false;
    QTest::newRow("letters left alone") << 1 << 12 << u"abc"_s << -1 << u"abc"_s << false;
    QTest::newRow("lone minus left alone") << -89 << 89 << u"-"_s << +1 << u"-"_s << false;
    QTest::newRow("beyond 16 bits left alone")
        << 1600 << 2400 << u"99999"_s << +1 << u"99999"_s << false;
    QTest::newRow("above the range, down lands on the maximum")
        << 1600 << 2400 << u"3000"_s << -1 << u"2400"_s << true;
    QTest::newRow("above the range, up lands on the minimum")
        << 1600 << 2400 << u"3000"_s << +1 << u"1600"_s << true;
    QTest::newRow("below the range, up lands on the minimum")
        << 1600 << 2400 << u"1500"_s << +1 << u"1600"_s << true;
    QTest::newRow("below the range, down lands on the maximum")
        << 1600 << 2400 << u"1500"_s << -1 << u"2400"_s << true;
    QTest::newRow("first year down wraps to the last")
        << 1600 << 2400 << u"1600"_s << -1 << u"2400"_s << true;
}

void TestUpDown::step() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, start);
    QFETCH(int, direction);
    QFETCH(QString, expected);
    QFETCH(bool, signalled);

    for (Way way : {Way::Click, Way::Key, Way::Wheel}) {
        Fixture f(min, max);
        f.box->setText(start);
        QSignalSpy ups(f.spin, &UpDown::steppedUp);
        QSignalSpy downs(f.spin, &UpDown::steppedDown);
        stepOnce(*f.spin, direction, way);
        const QByteArray how = way == Way::Click ? "click" : way == Way::Key ? "key" : "wheel";
        QVERIFY2(f.box->text() == expected, how + ": got " + f.box->text().toUtf8());
        QCOMPARE(ups.count(), signalled && direction > 0 ? 1 : 0);
        QCOMPARE(downs.count(), signalled && direction < 0 ? 1 : 0);
    }
}

void TestUpDown::holdingTheButtonRepeats() {
    Fixture f(0, 59);
    f.box->setText(u"10"_s);
    QTest::mousePress(f.spin, Qt::LeftButton, {}, QPoint(f.spin->width() / 2, 2));
    QCOMPARE(f.box->text(), u"11"_s); // the press itself steps once
    QTest::qWait(700);                // first repeat after 400 ms, then every 60 ms
    QTest::mouseRelease(f.spin, Qt::LeftButton, {}, QPoint(f.spin->width() / 2, 2));
    const int reached = f.box->text().toInt();
    QVERIFY2(reached >= 13, qPrintable(f.box->text()));
    QTest::qWait(200); // released: no more steps
    QCOMPARE(f.box->text().toInt(), reached);
}

void TestUpDown::wheelCountsWholeNotches() {
    Fixture f(0, 59);
    f.box->setText(u"10"_s);
    const QPointF at(4, 4);
    auto turn = [&](int delta) {
        QWheelEvent wheel(at, f.spin->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.spin, &wheel);
    };
    turn(60);
    QCOMPARE(f.box->text(), u"10"_s); // half a notch: not yet
    turn(60);
    QCOMPARE(f.box->text(), u"11"_s);
    turn(-360);
    QCOMPARE(f.box->text(), u"8"_s);
}

void TestUpDown::disabledSpinDoesNothing() {
    for (Way way : {Way::Click, Way::Key, Way::Wheel}) {
        Fixture f(0, 59);
        f.box->setText(u"10"_s);
        f.spin->setEnabled(false);
        stepOnce(*f.spin, +1, way);
        QCOMPARE(f.box->text(), u"10"_s);
    }
}

void TestUpDown::pageKeysDoNotStep() {
    Fixture f(0, 59);
    f.box->setText(u"10"_s);
    QSignalSpy ups(f.spin, &UpDown::steppedUp);
    QSignalSpy downs(f.spin, &UpDown::steppedDown);
    QTest::keyClick(f.box, Qt::Key_PageUp);
    QTest::keyClick(f.box, Qt::Key_PageDown);
    QCOMPARE(f.box->text(), u"10"_s);
    QCOMPARE(ups.count() + downs.count(), 0);
}

void TestUpDown::fullWidthDigitsTypedThroughTheInputMethod() {
    Fixture f(1600, 2400);
    f.box->setFocus();
    QInputMethodEvent typing;
    typing.setCommitString(u"２００４"_s);
    QApplication::sendEvent(f.box, &typing);
    QCOMPARE(f.box->text(), u"２００４"_s);
    stepOnce(*f.spin, +1, Way::Click);
    QCOMPARE(f.box->text(), u"2005"_s);
}

QTEST_MAIN(TestUpDown)
#include "tst_updown.moc"
