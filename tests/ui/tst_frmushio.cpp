// The main window's handlers driven through its real controls: start-up on a
// fixed day, the presets, the date spin buttons with their calendar carries, the
// option buttons, the version box and its sound, quitting, refused input and a
// drawing.
#include "astro/fault.h"
#include "astro/tide.h"
#include "calendar/daterange.h"
#include "calendar/input.h"
#include "calendar/observation.h"
#include "plot/graphwidget.h"
#include "plot/plotcontroller.h"
#include "plot/plotrequest.h"
#include "plot/words.h"
#include "tests/support/findchild.h"
#include "tests/support/mainwindow.h"
#include "tests/support/sounds.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/helpwindow.h"
#include "ui/language.h"
#include "ui/updown.h"

#include <veltaro_version.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <variant>

using namespace Qt::StringLiterals;
using veltaro::support::FakeSound;
using veltaro::support::findNamed;
using veltaro::support::kAllBoxes;
using veltaro::support::kAllSpins;
using veltaro::ui::frmushio;
using veltaro::ui::MessageBoxes;
using veltaro::ui::UpDown;

namespace {

const QStringList kTokyo{u"139"_s, u"44"_s, u"41"_s, u"35"_s, u"39"_s, u"16"_s};
const QStringList kPointBoxes{u"txtkei"_s, u"txtkeim"_s, u"txtkeis"_s,
                              u"txtido"_s, u"txtidom"_s, u"txtidos"_s};

} // namespace

class TestFrmushio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startupOnAFixedDay();
    void startupCentresTheWindow();
    void presets_data();
    void presets();
    void presetsLeaveTheStateAlone();
    void mnuiniRestoresOnlyWhatItShould();
    void dateSpinButtons_data();
    void dateSpinButtons();
    void dateSpinOnFullWidthYear();
    void otherSpinButtons_data();
    void otherSpinButtons();
    void typingIntoLatitudeSecondsIsKept();
    void periodOptionsShowAndHideTheDayChoice();
    void dayChoiceOptionsChangeNothingElse();
    void versionBoxThenSound();
    void helpOpens_data();
    void helpOpens();
    void quitting_data();
    void quitting();
    void quittingWhileDrawingStopsTheRun();
    void refusedInput();
    void aDrawingPastTheGraphsBoundIsRefused();
    void badTextsInEveryBoxDoNotCrash();
    void enterInAnyBoxDraws();
    void drawingChangesTheGraph();
    void viewSettingsAreChosenAndRemembered();
    void southernMoonPicturesTurnWithTheView();
    void continuousDrawingWritesTheDateBack();
    void drawingLocksTheInputsAndCanBeCancelled();
    void clearingAfterADrawing_data();
    void clearingAfterADrawing();
    void focusAfterPressingDraw_data();
    void focusAfterPressingDraw();

private:
    QLineEdit* box(const QString& name) const { return findNamed<QLineEdit>(m_window.get(), name); }
    QLabel* label(const QString& name) const { return findNamed<QLabel>(m_window.get(), name); }
    QAbstractButton* button(const QString& name) const {
        return findNamed<QAbstractButton>(m_window.get(), name);
    }
    UpDown* spin(const QString& name) const { return findNamed<UpDown>(m_window.get(), name); }
    QAction* action(const QString& name) const { return findNamed<QAction>(m_window.get(), name); }
    QWidget* widget(const QString& name) const { return findNamed<QWidget>(m_window.get(), name); }
    QStringList texts(const QStringList& names) const {
        QStringList out;
        for (const QString& n : names) {
            out << box(n)->text();
        }
        return out;
    }
    void setDate(const QString& y, const QString& m, const QString& d) {
        box(u"txtnen"_s)->setText(y);
        box(u"txtgetu"_s)->setText(m);
        box(u"txtniti"_s)->setText(d);
    }
    QStringList date() const { return texts({u"txtnen"_s, u"txtgetu"_s, u"txtniti"_s}); }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void clickSpin(const QString& name, int direction) {
        UpDown* s = spin(name);
        const QPoint at(s->width() / 2, direction > 0 ? 2 : s->height() - 3);
        QTest::mouseClick(s, Qt::LeftButton, {}, at);
    }
    QImage graph() const { return widget(u"Picture1"_s)->grab().toImage(); }
    void waitForDrawing() { QTRY_VERIFY_WITH_TIMEOUT(!m_window->drawing(), 30000); }

    veltaro::ObservationState m_state;
    std::unique_ptr<frmushio> m_window;
    QList<MessageBoxes::Shown> m_boxes;
    int m_boxCount = 0;
    FakeSound* m_sound = nullptr;
};

void TestFrmushio::initTestCase() {
    veltaro::ui::installGothicSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFrmushio::init() {
    m_boxes.clear();
    m_boxCount = 0;
    m_window = veltaro::support::shownMainWindow(m_state);
    m_window->messageBoxes().answerWith([this](const MessageBoxes::Shown& shown) {
        m_boxes << shown;
        ++m_boxCount;
    });
    auto sound = std::make_unique<FakeSound>(&m_boxCount);
    m_sound = sound.get();
    m_window->setNotifySound(std::move(sound));
}

void TestFrmushio::cleanup() {
    veltaro::ui::useLanguage(u"ja"_s);
    m_window.reset();
    m_sound = nullptr;
}

void TestFrmushio::startupOnAFixedDay() {
    QCOMPARE(date(), (QStringList{u"2002"_s, u"8"_s, u"16"_s}));
    QCOMPARE(texts(kPointBoxes), kTokyo);
    QCOMPARE(box(u"txtcont"_s)->text(), u"2"_s);
    QCOMPARE(label(u"lblmage"_s)->text(), QString());
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);

    QCOMPARE(m_state.obsyear, 2002.0);
    QCOMPARE(m_state.obsmonth, 8.0);
    QCOMPARE(m_state.obsday, 16.0);
    QCOMPARE(m_state.jd, 2452502.5); // 2002-08-16 0h
    QCOMPARE(QString::fromStdString(m_state.kansiname[1]), u"甲子"_s);
    QCOMPARE(QString::fromStdString(m_state.kansiname[60]), u"癸亥"_s);
    // The point is taken over only by the first drawing.
    QCOMPARE(m_state.obslat, 0.0);
    QCOMPARE(m_state.obslon, 0.0);

    QVERIFY(widget(u"Frame2"_s)->isVisible());
    QVERIFY(widget(u"Frame2"_s)->isEnabled());
    for (int k = 0; k < 13; ++k) {
        QCOMPARE(widget(u"picmoon%1"_s.arg(k))->toolTip(), QString());
    }

    // The empty frame is drawn: the graph is not a blank image.
    const QImage image = graph();
    bool inked = false;
    for (int x = 0; x < image.width() && !inked; ++x) {
        inked = qGray(image.pixel(x, image.height() / 2)) < 128; // the zero line
    }
    QVERIFY(inked);
}

void TestFrmushio::startupCentresTheWindow() {
    const QRect screen = m_window->screen()->geometry();
    const QPoint expected((screen.width() - m_window->width()) / 2,
                          (screen.height() - m_window->height()) / 2);
    QVERIFY(std::abs(m_window->x() - expected.x()) <= 1);
    QVERIFY(std::abs(m_window->y() - expected.y()) <= 1);
}

void TestFrmushio::presets_data() {
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("point");
    QTest::newRow("akasi after start-up")
        << QStringList{u"mnuakasi"_s}
        << QStringList{u"135"_s, u"0"_s, u"0"_s, u"35"_s, u"39"_s, u"16"_s};
    QTest::newRow("red after start-up")
        << QStringList{u"mnured"_s}
        << QStringList{u"139"_s, u"44"_s, u"41"_s, u"0"_s, u"0"_s, u"0"_s};
    QTest::newRow("akasi then red")
        << QStringList{u"mnuakasi"_s, u"mnured"_s}
        << QStringList{u"135"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};
    QTest::newRow("tokyo after red") << QStringList{u"mnured"_s, u"mnutokyo"_s} << kTokyo;
    QTest::newRow("tokyo after akasi") << QStringList{u"mnuakasi"_s, u"mnutokyo"_s} << kTokyo;
    QTest::newRow("tokyo after typing") << QStringList{u"type"_s, u"mnutokyo"_s} << kTokyo;
}

void TestFrmushio::presets() {
    QFETCH(QStringList, menus);
    QFETCH(QStringList, point);
    for (const QString& m : menus) {
        if (m == u"type"_s) {
            for (const QString& name : kPointBoxes) {
                box(name)->setText(u"7"_s);
            }
        } else {
            action(m)->trigger();
        }
    }
    QCOMPARE(texts(kPointBoxes), point);
    // The date boxes and labels are not touched.
    QCOMPARE(date(), (QStringList{u"2002"_s, u"8"_s, u"16"_s}));
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);
}

void TestFrmushio::presetsLeaveTheStateAlone() {
    const QImage before = graph();
    action(u"mnuakasi"_s)->trigger();
    action(u"mnured"_s)->trigger();
    action(u"mnutokyo"_s)->trigger();
    QCOMPARE(m_state.obslon, 0.0);
    QCOMPARE(m_state.obslat, 0.0);
    QCOMPARE(graph(), before);
    QVERIFY(!m_window->drawing());
}

void TestFrmushio::mnuiniRestoresOnlyWhatItShould() {
    // The user moves away from every initial setting.
    click(u"opt60"_s);
    click(u"optyes"_s);
    box(u"txtcont"_s)->setText(u"10"_s);
    setDate(u"1999"_s, u"1"_s, u"2"_s);
    action(u"mnuakasi"_s)->trigger();
    action(u"mnured"_s)->trigger();
    label(u"lblmage"_s)->setText(u"12.3"_s); // as a drawing would have left it
    m_state.obsyear = 1999;
    m_state.jd = 0;
    const QImage before = graph();

    action(u"mnuini"_s)->trigger();

    QCOMPARE(date(), (QStringList{u"2002"_s, u"8"_s, u"16"_s}));
    QCOMPARE(texts(kPointBoxes), kTokyo);
    QCOMPARE(box(u"txtcont"_s)->text(), u"2"_s);
    QVERIFY(button(u"Option4"_s)->isChecked());
    QVERIFY(!button(u"optyes"_s)->isChecked());
    QCOMPARE(m_state.obsyear, 2002.0);
    QCOMPARE(m_state.jd, 2452502.5);
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);
    // Left as they were: the period, the Moon's age, the graph.
    QVERIFY(button(u"opt60"_s)->isChecked());
    QCOMPARE(label(u"lblmage"_s)->text(), u"12.3"_s);
    QCOMPARE(graph(), before);
}

void TestFrmushio::dateSpinButtons_data() {
    QTest::addColumn<QStringList>("from");
    QTest::addColumn<QString>("spinName");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("to");
    auto row = [](const char* name, QStringList from, const char* s, int dir, QStringList to) {
        QTest::newRow(name) << from << QString::fromLatin1(s) << dir << to;
    };
    using L = QStringList;
    row("year up from 2004-02-29", L{"2004", "2", "29"}, "upd1", +1, L{"2005", "2", "28"});
    row("year down from 2004-02-29", L{"2004", "2", "29"}, "upd1", -1, L{"2003", "2", "28"});
    row("year up to 2008 keeps 02-29", L{"2007", "2", "29"}, "upd1", +1, L{"2008", "2", "29"});
    row("year up with 03-31", L{"2002", "3", "31"}, "upd1", +1, L{"2003", "3", "31"});
    row("year up from the last year wraps", L{"2400", "8", "16"}, "upd1", +1, L{"1600", "8", "16"});
    row("year down from the first year wraps", L{"1600", "2", "29"}, "upd1", -1,
        L{"2400", "2", "29"});
    row("month down from January", L{"2002", "1", "15"}, "upd2", -1, L{"2001", "12", "15"});
    row("month up from December", L{"2002", "12", "15"}, "upd2", +1, L{"2003", "1", "15"});
    row("month up from 01-31 (2002)", L{"2002", "1", "31"}, "upd2", +1, L{"2002", "2", "28"});
    row("month up from 01-31 (2004)", L{"2004", "1", "31"}, "upd2", +1, L{"2004", "2", "29"});
    row("month down from 05-31", L{"2002", "5", "31"}, "upd2", -1, L{"2002", "4", "30"});
    row("month up from 02-28", L{"2002", "2", "28"}, "upd2", +1, L{"2002", "3", "28"});
    row("day down from 2004-03-01", L{"2004", "3", "1"}, "upd3", -1, L{"2004", "2", "29"});
    row("day down from 2002-03-01", L{"2002", "3", "1"}, "upd3", -1, L{"2002", "2", "28"});
    row("day down from 08-01", L{"2002", "8", "1"}, "upd3", -1, L{"2002", "7", "31"});
    row("day down from 2002-01-01", L{"2002", "1", "1"}, "upd3", -1, L{"2001", "12", "31"});
    row("day down inside the month", L{"2002", "8", "16"}, "upd3", -1, L{"2002", "8", "15"});
    row("day up from 04-30", L{"2002", "4", "30"}, "upd3", +1, L{"2002", "5", "1"});
    row("day up from 2002-02-28", L{"2002", "2", "28"}, "upd3", +1, L{"2002", "3", "1"});
    row("day up from 2004-02-28", L{"2004", "2", "28"}, "upd3", +1, L{"2004", "2", "29"});
    row("day up from 07-31", L{"2002", "7", "31"}, "upd3", +1, L{"2002", "8", "1"});
    row("day up from 2002-12-31", L{"2002", "12", "31"}, "upd3", +1, L{"2003", "1", "1"});
    row("day spin with letters in the month", L{"2002", "x", "1"}, "upd3", -1,
        L{"2002", "x", "31"});
    row("month spin with an empty day", L{"2002", "1", ""}, "upd2", +1, L{"2002", "2", ""});
}

void TestFrmushio::dateSpinButtons() {
    QFETCH(QStringList, from);
    QFETCH(QString, spinName);
    QFETCH(int, direction);
    QFETCH(QStringList, to);

    // Once by a click on the spin button, once by the arrow key in its box.
    setDate(from[0], from[1], from[2]);
    clickSpin(spinName, direction);
    QCOMPARE(date(), to);

    setDate(from[0], from[1], from[2]);
    QTest::keyClick(spin(spinName)->buddy(), direction > 0 ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(date(), to);

    // The spin buttons change only the boxes.
    QCOMPARE(m_state.obsyear, 2002.0);
    QCOMPARE(m_state.jd, 2452502.5);
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);
}

void TestFrmushio::dateSpinOnFullWidthYear() {
    // The year typed in full-width digits through the input method.
    QLineEdit* year = box(u"txtnen"_s);
    year->clear();
    year->setFocus();
    QInputMethodEvent typing;
    typing.setCommitString(u"２００４"_s);
    QApplication::sendEvent(year, &typing);
    QCOMPARE(year->text(), u"２００４"_s);
    box(u"txtgetu"_s)->setText(u"2"_s);
    box(u"txtniti"_s)->setText(u"29"_s);
    clickSpin(u"upd1"_s, +1);
    QCOMPARE(date(), (QStringList{u"2005"_s, u"2"_s, u"28"_s}));
}

void TestFrmushio::otherSpinButtons_data() {
    QTest::addColumn<QString>("spinName");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("to");
    QTest::newRow("UpDown5 179 up") << u"UpDown5"_s << u"179"_s << +1 << u"-179"_s;
    QTest::newRow("UpDown5 -179 down") << u"UpDown5"_s << u"-179"_s << -1 << u"179"_s;
    QTest::newRow("UpDown1 2 down") << u"UpDown1"_s << u"2"_s << -1 << u"60"_s;
    QTest::newRow("UpDown1 60 up") << u"UpDown1"_s << u"60"_s << +1 << u"2"_s;
    QTest::newRow("UpDown10 10 up reaches 11") << u"UpDown10"_s << u"10"_s << +1 << u"11"_s;
    QTest::newRow("UpDown10 58 up reaches 59") << u"UpDown10"_s << u"58"_s << +1 << u"59"_s;
    QTest::newRow("UpDown10 59 up wraps to 0") << u"UpDown10"_s << u"59"_s << +1 << u"0"_s;
    QTest::newRow("UpDown10 0 down wraps to 59") << u"UpDown10"_s << u"0"_s << -1 << u"59"_s;
    QTest::newRow("UpDown8 89 up") << u"UpDown8"_s << u"89"_s << +1 << u"-89"_s;
    QTest::newRow("UpDown6 59 up") << u"UpDown6"_s << u"59"_s << +1 << u"0"_s;
    QTest::newRow("UpDown7 0 down") << u"UpDown7"_s << u"0"_s << -1 << u"59"_s;
    QTest::newRow("UpDown9 30 down") << u"UpDown9"_s << u"30"_s << -1 << u"29"_s;
}

void TestFrmushio::otherSpinButtons() {
    QFETCH(QString, spinName);
    QFETCH(QString, from);
    QFETCH(int, direction);
    QFETCH(QString, to);
    QLineEdit* buddy = spin(spinName)->buddy();
    const QStringList others = texts(kAllBoxes);
    buddy->setText(from);
    clickSpin(spinName, direction);
    QCOMPARE(buddy->text(), to);
    // No other box moves.
    for (const QString& name : kAllBoxes) {
        if (box(name) != buddy) {
            QCOMPARE(box(name)->text(), others[kAllBoxes.indexOf(name)]);
        }
    }
}

void TestFrmushio::typingIntoLatitudeSecondsIsKept() {
    QLineEdit* seconds = box(u"txtidos"_s);
    seconds->clear();
    QTest::keyClicks(seconds, u"45"_s);
    QCOMPARE(seconds->text(), u"45"_s);
    QTest::keyClicks(seconds, u"9"_s); // max 2 characters
    QCOMPARE(seconds->text(), u"45"_s);
}

void TestFrmushio::periodOptionsShowAndHideTheDayChoice() {
    QWidget* frame2 = widget(u"Frame2"_s);
    for (const QString& other : {u"opt60"_s, u"optyear"_s}) {
        click(u"optyes"_s);
        label(u"lblmage"_s)->setText(u"14.0"_s); // as a diurnal drawing leaves it
        label(u"daykannsi"_s)->setText(u"丙辰"_s);

        click(other);
        QVERIFY(button(other)->isChecked());
        QCOMPARE(label(u"lblmage"_s)->text(), QString());
        QCOMPARE(label(u"daykannsi"_s)->text(), QString());
        QVERIFY(!frame2->isVisible());

        click(u"optday"_s);
        QVERIFY(frame2->isVisible());
        QVERIFY(button(u"optyes"_s)->isChecked());        // the earlier choice is kept
        QCOMPARE(label(u"lblmage"_s)->text(), QString()); // not refilled
        QCOMPARE(label(u"daykannsi"_s)->text(), QString());
    }
}

void TestFrmushio::dayChoiceOptionsChangeNothingElse() {
    const QStringList boxesBefore = texts(kAllBoxes);
    click(u"optyes"_s);
    QVERIFY(button(u"optyes"_s)->isChecked());
    QVERIFY(!button(u"Option4"_s)->isChecked());
    click(u"Option4"_s);
    QVERIFY(button(u"Option4"_s)->isChecked());
    QCOMPARE(texts(kAllBoxes), boxesBefore);
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);
    QVERIFY(button(u"optday"_s)->isChecked());
    QVERIFY(widget(u"Frame2"_s)->isVisible());
}

void TestFrmushio::versionBoxThenSound() {
    action(u"mnuabout"_s)->trigger();

    QCOMPARE(m_boxes.size(), 1);
    const MessageBoxes::Shown& box = m_boxes.front();
    QCOMPARE(box.title, u"バージョン情報"_s);
    // The numbers of the version record, as plain digits.
    const QString version = u"%1.%2.%3"_s.arg(veltaro::version::major)
                                .arg(veltaro::version::minor)
                                .arg(veltaro::version::revision);
    const QString head = u"        Veltaro   Ver.  "_s + version + u"\r\r\n"_s;
    QVERIFY2(box.text.startsWith(head), qPrintable(box.text));
    QVERIFY(box.text.size() > head.size()); // author and contact lines follow

    // The sound comes once, after the box was closed, with the classic path.
    const std::string path(veltaro::ui::kVersionBoxSound);
    QCOMPARE(m_sound->played.size(), std::size_t{1});
    QCOMPARE(m_sound->boxesShownWhenPlayed.front(), 1);
    QCOMPARE(m_sound->played.front(), path);
    QCOMPARE(m_state.soundfile, path);
}

void TestFrmushio::helpOpens_data() {
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("years"); // %1 and %2 the first and the last year
    const QString ja = u"大潮と小潮"_s;
    const QString jaYears = u"%1年1月1日から %2年12月31日"_s;
    QTest::newRow("ヘルプ → 使い方") << false << u"ja"_s << ja << jaYears;
    QTest::newRow("F1") << true << u"ja"_s << ja << jaYears;
    QTest::newRow("in English") << false << u"en"_s << u"Spring tides and neap tides"_s
                                << u"1 January %1 to 31 December %2"_s;
}

void TestFrmushio::helpOpens() {
    QFETCH(bool, byKey);
    QFETCH(QString, language);
    QFETCH(QString, heading);
    QFETCH(QString, years);
    action(u"mnulang"_s + language)->trigger();
    if (byKey) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_F1);
    } else {
        action(u"mnutukaikata"_s)->trigger();
    }
    auto* help = m_window->findChild<veltaro::ui::HelpWindow*>(u"frmhelp"_s);
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QTextDocument* page = help->browser()->document();
    QVERIFY(page->toPlainText().contains(heading));
    QVERIFY(page->toPlainText().contains(years.arg(veltaro::kFirstYear).arg(veltaro::kLastYear)));

    // Every diagram decodes, and is labelled in the page's language.
    const QRegularExpression japanese(u"[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}]"_s);
    const QString html = page->toHtml();
    int images = 0;
    for (const auto& img : QRegularExpression(u"<img src=\"([^\"]+)\""_s).globalMatch(html)) {
        const QVariant data = page->resource(QTextDocument::ImageResource, QUrl(img.captured(1)));
        const QImage image = data.typeId() == QMetaType::QByteArray
                                 ? QImage::fromData(data.toByteArray())
                                 : data.value<QImage>();
        QVERIFY2(!image.isNull(), qPrintable(img.captured(1)));
        QFile source(u':' + QUrl(img.captured(1)).path());
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(source.readAll()).contains(japanese), language == u"ja"_s);
        ++images;
    }
    QCOMPARE(images, 3);
}

void TestFrmushio::quitting_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("btnend") << u"btnend"_s;
    QTest::newRow("mnuend") << u"mnuend"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestFrmushio::quitting() {
    QFETCH(QString, how);
    QSignalSpy quits(m_window.get(), &frmushio::quitting);
    if (how == u"btnend"_s) {
        click(how);
    } else if (how == u"mnuend"_s) {
        action(how)->trigger();
    } else {
        m_window->close();
    }
    QCOMPARE(quits.count(), 1);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_boxes.isEmpty()); // no confirmation
}

void TestFrmushio::quittingWhileDrawingStopsTheRun() {
    click(u"optyear"_s);
    click(u"btnhyouji"_s);
    QVERIFY(m_window->drawing());
    QSignalSpy quits(m_window.get(), &frmushio::quitting);
    click(u"btnend"_s);
    QCOMPARE(quits.count(), 1);
    waitForDrawing();
    QVERIFY(!m_window->isVisible());
}

void TestFrmushio::refusedInput() {
    // Which texts are refused, and with which words, is the reader's; here one
    // refusal, from the continuous drawing's days, reaches the screen.
    setDate(u"2400"_s, u"12"_s, u"1"_s);
    click(u"optyes"_s);
    box(u"txtcont"_s)->setText(u"999"_s);
    const QImage before = graph();
    const QStringList hours = [this] {
        QStringList out;
        for (int h = 0; h < 13; ++h) {
            out << label(u"lblnum%1"_s.arg(h))->text();
        }
        return out;
    }();

    click(u"btnhyouji"_s);

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.front().title, u"入力エラー"_s);
    QCOMPARE(m_boxes.front().text, veltaro::plot::continuousReachMessage(31));
    QVERIFY(!m_window->drawing());
    QCoreApplication::processEvents();
    QCOMPARE(graph(), before);
    for (int h = 0; h < 13; ++h) {
        QCOMPARE(label(u"lblnum%1"_s.arg(h))->text(), hours[h]);
    }
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);
    QVERIFY(button(u"btnhyouji"_s)->isEnabled());
}

void TestFrmushio::aDrawingPastTheGraphsBoundIsRefused() {
    // Filled to one step short of room for a 60-day drawing.
    auto& record = m_window->drawingRecord();
    record.beginDrawing({veltaro::plot::PlotMode::SixtyDay},
                        int(veltaro::plot::kMostRecordedSteps));
    while (record.stepCount() + 8641 <= veltaro::plot::kMostRecordedSteps) {
        record.addStep({}, {});
    }
    const std::size_t held = record.stepCount();
    click(u"opt60"_s);
    click(u"btnhyouji"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.front().title, u"これ以上描けません"_s);
    QVERIFY(m_boxes.front().text.contains(u"「消去」"_s));
    QVERIFY(!m_window->drawing());
    QCOMPARE(record.stepCount(), held);
}

void TestFrmushio::badTextsInEveryBoxDoNotCrash() {
    const QStringList junk{QString(), u" "_s,        u"-"_s,      u"abc"_s, u"1e308"_s,
                           u"-0"_s,   u"９９９９"_s, u"３．５"_s, u"1,5"_s, u"nan"_s};
    int refused = 0;
    for (const QString& text : junk) {
        for (const QString& name : kAllBoxes) {
            box(name)->setText(text);
        }
        for (const QString& name : kAllSpins) {
            clickSpin(name, +1);
            clickSpin(name, -1);
        }
        // The spin buttons make some of it a drawing (empty boxes spin to the
        // last date at 0 deg): each attempt, by the button over several days and
        // by the menu over one, is refused with one message exactly when the
        // reader refuses what the boxes hold, and draws otherwise.
        for (const bool severalDays : {true, false}) {
            click(severalDays ? u"optyes"_s : u"Option4"_s);
            const QStringList held = texts(kAllBoxes);
            veltaro::plot::RequestTexts typed;
            typed.place = {held[0].toStdString(), held[1].toStdString(), held[2].toStdString(),
                           held[3].toStdString(), held[4].toStdString(), held[5].toStdString(),
                           held[6].toStdString(), held[7].toStdString(), held[8].toStdString()};
            if (severalDays) {
                typed.days = held[9].toStdString();
            }
            const bool refuses = std::holds_alternative<veltaro::plot::RequestRefusal>(
                veltaro::plot::readRequest(typed));
            const qsizetype shown = m_boxes.size();
            if (severalDays) {
                click(u"btnhyouji"_s);
            } else {
                action(u"mnubyouga"_s)->trigger();
            }
            const QString what = held.join(u'|');
            QVERIFY2(m_window->drawing() != refuses, qPrintable(what));
            QVERIFY2(m_boxes.size() == shown + (refuses ? 1 : 0), qPrintable(what));
            if (refuses) {
                QCOMPARE(m_boxes.back().title, u"入力エラー"_s);
                ++refused;
            }
            waitForDrawing();
        }
    }
    QVERIFY(refused > 0);
    QVERIFY(button(u"btnhyouji"_s)->isEnabled());
}

void TestFrmushio::enterInAnyBoxDraws() {
    click(u"optyes"_s);
    box(u"txtcont"_s)->setText(u"1"_s);
    for (const QString& name : kAllBoxes) {
        // Return on the main keys, Enter on the keypad.
        QTest::keyClick(box(name), name == u"txtcont"_s ? Qt::Key_Enter : Qt::Key_Return);
        QVERIFY2(m_window->drawing(), qPrintable(name));
        waitForDrawing();
    }
    QVERIFY(m_boxes.isEmpty());
}

void TestFrmushio::drawingChangesTheGraph() {
    const QImage before = graph();
    click(u"btnhyouji"_s);
    waitForDrawing();
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(graph() != before);

    // The controller's reports reached the window.
    QCOMPARE(label(u"daykannsi"_s)->text(), u"丙辰"_s);
    QVERIFY(!label(u"lblmage"_s)->text().isEmpty());
    QCOMPARE(label(u"lblnum0"_s)->text(), u"0時"_s);
    QCOMPARE(label(u"lblnum12"_s)->text(), u"24時"_s);
    for (int k = 0; k < 13; ++k) {
        QVERIFY(!widget(u"picmoon%1"_s.arg(k))->toolTip().isEmpty());
    }
    // The point was taken over from the boxes; a one-day drawing leaves them.
    QVERIFY(std::abs(m_state.obslon - (139 + 44 / 60.0 + 41 / 3600.0)) < 1e-9);
    QVERIFY(std::abs(m_state.obslat - (35 + 39 / 60.0 + 16 / 3600.0)) < 1e-9);
    QCOMPARE(date(), (QStringList{u"2002"_s, u"8"_s, u"16"_s}));

    // A 60-day drawing through the menu rewrites the hour labels.
    click(u"opt60"_s);
    action(u"mnubyouga"_s)->trigger();
    waitForDrawing();
    QCOMPARE(label(u"lblnum1"_s)->text(), u"5日"_s);
    QCOMPARE(label(u"lblnum12"_s)->text(), u"60日"_s);
    // On a graph of its own: the day's curves do not fit the days' axis.
    QCOMPARE(m_window->drawingRecord().drawings().size(), std::size_t(1));
}

void TestFrmushio::southernMoonPicturesTurnWithTheView() {
    // Sydney, 2002-08-16: the Moon a little past first quarter, lit on the left
    // as seen there, on the right as seen from the north.
    box(u"txtido"_s)->setText(u"-33"_s);
    click(u"btnhyouji"_s);
    waitForDrawing();
    auto litLeftMinusRight = [this] {
        const QImage image = findNamed<veltaro::plot::MoonWidget>(m_window.get(), u"picmoon6"_s)
                                 ->image()
                                 .convertToFormat(QImage::Format_RGB32);
        int balance = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 160) {
                    balance += x < image.width() / 2 ? 1 : -1;
                }
            }
        }
        return balance;
    };
    QVERIFY(litLeftMinusRight() > 0);
    action(u"mnumoonnorth"_s)->trigger();
    QVERIFY(litLeftMinusRight() < 0);
}

void TestFrmushio::viewSettingsAreChosenAndRemembered() {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"veltaro.conf"_s);
    m_window->useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    action(u"mnuclockjst"_s)->trigger();
    QCOMPARE(label(u"Label1"_s)->text(), u"観測日（ＪＳＴ）"_s);
    click(u"btnhyouji"_s);
    waitForDrawing();
    QCOMPARE(m_window->drawingRecord().drawings().back().request.clock,
             (veltaro::ClockChoice{veltaro::ClockKind::Jst, 0}));

    // An offset typed into its dialog.
    action(u"mnuclockoffset"_s)->trigger();
    auto* dialog = findNamed<QInputDialog>(m_window.get(), u"dlgclockoffset"_s);
    dialog->setTextValue(u"-05:30"_s);
    dialog->accept();
    QCOMPARE(label(u"Label1"_s)->text(), u"観測日（UT-05:30）"_s);

    m_window->setZoom(1.25);
    // The look for projectors: the graph and the legend take it.
    action(u"mnustyle"_s)->trigger();
    const auto presentation = veltaro::plot::GraphStyle::Presentation;
    QCOMPARE(findNamed<veltaro::plot::GraphWidget>(m_window.get(), u"Picture1"_s)->graphStyle(),
             presentation);
    QCOMPARE(widget(u"Line2"_s)->property("color").value<QColor>().rgba(),
             veltaro::plot::lookOf(presentation).moon.colour);

    // The next session starts on the clock, at the size and in the look this
    // one was left at.
    m_window = veltaro::support::shownMainWindow(m_state);
    m_window->useSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(label(u"Label1"_s)->text(), u"観測日（UT-05:30）"_s);
    QCOMPARE(m_window->zoom(), 1.25);
    QVERIFY(action(u"mnustyle"_s)->isChecked());
}

void TestFrmushio::continuousDrawingWritesTheDateBack() {
    click(u"optyes"_s);
    box(u"txtcont"_s)->setText(u"3"_s);
    click(u"btnhyouji"_s);
    waitForDrawing();
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(date(), (QStringList{u"2002"_s, u"8"_s, u"19"_s}));
    QCOMPARE(label(u"daykannsi"_s)->text(), u"己未"_s); // 19 August 2002, index 56
}

void TestFrmushio::drawingLocksTheInputsAndCanBeCancelled() {
    click(u"optyear"_s); // a long run
    click(u"btnhyouji"_s);
    QVERIFY(m_window->drawing());
    for (const QString& name : kAllBoxes) {
        QVERIFY2(!box(name)->isEnabled(), qPrintable(name));
    }
    for (const QString& name : kAllSpins) {
        QVERIFY2(!spin(name)->isEnabled(), qPrintable(name));
    }
    for (const QString& name : {u"optday"_s, u"opt60"_s, u"optyear"_s, u"Option4"_s, u"optyes"_s,
                                u"btnhyouji"_s, u"btnclear"_s}) {
        QVERIFY2(!button(name)->isEnabled(), qPrintable(name));
    }
    for (const QString& name :
         {u"mnuini"_s, u"mnuakasi"_s, u"mnured"_s, u"mnutokyo"_s, u"mnubyouga"_s, u"mnuclear"_s}) {
        QVERIFY2(!action(name)->isEnabled(), qPrintable(name));
    }
    QVERIFY(button(u"btnend"_s)->isEnabled());
    QVERIFY(button(u"btnstop"_s)->isVisible());

    // A second start while running is ignored.
    action(u"mnubyouga"_s)->activate(QAction::Trigger);
    QVERIFY(m_boxes.isEmpty());

    click(u"btnstop"_s);
    waitForDrawing();
    QVERIFY(box(u"txtnen"_s)->isEnabled());
    QVERIFY(spin(u"upd1"_s)->isEnabled());
    QVERIFY(button(u"btnhyouji"_s)->isEnabled());
    QVERIFY(action(u"mnuini"_s)->isEnabled());
    QVERIFY(!button(u"btnstop"_s)->isVisible());

    // The Esc key cancels as well.
    click(u"btnhyouji"_s);
    QVERIFY(m_window->drawing());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    waitForDrawing();
    QVERIFY(button(u"btnhyouji"_s)->isEnabled());
}

void TestFrmushio::clearingAfterADrawing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("btnclear") << u"btnclear"_s;
    QTest::newRow("mnuclear") << u"mnuclear"_s;
}

void TestFrmushio::clearingAfterADrawing() {
    QFETCH(QString, how);
    const QImage empty = graph();
    click(u"opt60"_s);
    click(u"btnhyouji"_s);
    waitForDrawing();
    QVERIFY(graph() != empty);
    label(u"lblmage"_s)->setText(u"14.0"_s);

    for (int times = 0; times < 2; ++times) { // clearing twice is clearing once
        if (how == u"btnclear"_s) {
            click(how);
        } else {
            action(how)->trigger();
        }
        QCOMPARE(graph(), empty);
        for (int k = 0; k < 13; ++k) {
            QCOMPARE(widget(u"picmoon%1"_s.arg(k))->toolTip(), QString());
        }
        QCOMPARE(label(u"daykannsi"_s)->text(), QString());
        QCOMPARE(label(u"lblmage"_s)->text(), QString());
        // The hour labels of the last drawing stay.
        QCOMPARE(label(u"lblnum12"_s)->text(), u"60日"_s);
    }
}

void TestFrmushio::focusAfterPressingDraw_data() {
    QTest::addColumn<QString>("end");       // refused, stopped or faulted
    QTest::addColumn<QString>("startedOn"); // the button, or a box (the run started from the menu)
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QString>("refusedText"); // typed into focusAfter
    // A refusal puts the focus on the box at fault, from either reading of the boxes.
    QTest::newRow("latitude refused") << u"refused"_s << u"btnhyouji"_s << u"txtido"_s << u"91"_s;
    QTest::newRow("days refused") << u"refused"_s << u"btnhyouji"_s << u"txtcont"_s << u"0"_s;
    // After a run the focus goes back where it was.
    QTest::newRow("stopped") << u"stopped"_s << u"btnhyouji"_s << u"btnhyouji"_s << QString();
    QTest::newRow("faulted") << u"faulted"_s << u"txtkei"_s << u"txtkei"_s << QString();
}

void TestFrmushio::focusAfterPressingDraw() {
    QFETCH(QString, end);
    QFETCH(QString, startedOn);
    QFETCH(QString, focusAfter);
    QFETCH(QString, refusedText);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    click(u"optyes"_s);
    if (end == u"refused"_s) {
        box(focusAfter)->setText(refusedText);
    } else if (end == u"faulted"_s) {
        findNamed<veltaro::plot::PlotController>(m_window.get(), u"plotcontroller"_s)
            ->setEvaluator([](const veltaro::astro::TideInput&) -> veltaro::astro::TideEvaluation {
                throw veltaro::ArithmeticFault("overflow");
            });
    } else {
        click(u"optyear"_s);
    }
    widget(startedOn)->setFocus();
    if (startedOn == u"btnhyouji"_s) {
        click(startedOn);
    } else {
        action(u"mnubyouga"_s)->trigger();
    }
    if (end == u"stopped"_s) {
        QVERIFY(m_window->drawing());
        QCOMPARE(QApplication::focusWidget(), widget(u"btnstop"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    waitForDrawing();
    QTRY_COMPARE(QApplication::focusWidget(), widget(focusAfter));
    if (end == u"refused"_s) {
        QCOMPARE(box(focusAfter)->selectedText(), refusedText);
    }
    const QString title = end == u"refused"_s   ? u"入力エラー"_s
                          : end == u"faulted"_s ? u"エラー"_s
                                                : QString();
    QTRY_COMPARE(m_boxes.size(), title.isEmpty() ? 0 : 1);
    QCOMPARE(m_boxes.value(0).title, title);
    // Space and Enter there do not quit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    waitForDrawing();
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestFrmushio)
#include "tst_frmushio.moc"
