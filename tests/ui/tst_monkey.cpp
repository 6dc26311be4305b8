// The main window under a few thousand random actions, each seed a fixed
// sequence that replays: typing (ASCII, full-width, empty, very long) into every
// box, spinning, options, every menu item by menu or shortcut (saves and prints
// cancelled or refused), drawings of the short modes and short continuous runs
// (the long modes are stopped soon after they start), hovering over the graph,
// and Space, Enter or Esc on whatever has the focus.
//
// After every action the window is still open and answers, no modal box is
// left open, and a date that was valid before a spin is still a real date.
#include "calendar/input.h"
#include "calendar/observation.h"
#include "tests/support/findchild.h"
#include "tests/support/mainwindow.h"
#include "tests/support/sounds.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/updown.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;
using veltaro::support::findNamed;
using veltaro::support::kAllBoxes;
using veltaro::support::kAllSpins;
using veltaro::ui::frmushio;

namespace {

constexpr int kActionsPerSeed = 2000;

const QStringList kOptions{u"optday"_s, u"opt60"_s, u"optyear"_s, u"Option4"_s, u"optyes"_s};
const QStringList kMenus =
    u"mnuini mnuakasi mnured mnutokyo mnuclear mnuabout mnutukaikata "
    u"mnucopy mnusaveimage mnuprint mnusavepdf mnusavecsv mnuzoom100 "
    u"mnuzoom125 mnuzoom150 mnuzoom200 mnuzoomfit mnuzoomin mnuzoomout mnufullscreen "
    u"mnubyouga mnuclocklocal "
    u"mnuclockjst mnuclockut mnustyle mnumoonnorth mnucause mnulangja mnulangen"_s.split(u' ');
// Quitting closes the window watched; the offset's dialog waits for typing.
const QStringList kLeftOut{u"mnuend"_s, u"mnuclockoffset"_s};
const QString kNowhere = u"/nonexistent-veltaro-monkey/graph"_s; // saving there is refused

/// The full-width form of the ASCII characters of `text`.
QString fullWidth(const QString& text) {
    QString out;
    for (const QChar c : text) {
        out += c.unicode() > 0x20 && c.unicode() < 0x7F ? QChar(c.unicode() + 0xFEE0) : c;
    }
    return out;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomActions_data();
    void randomActions();
    void everyMenuItemIsCoveredOrLeftOut();

private:
    template <typename T> T* find(const QString& name) {
        return findNamed<T>(m_window.get(), name);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    QString randomText(const QString& box);
    /// Clicks the button, or triggers the menu item (menu or shortcut), named `name`.
    void press(const QString& name) {
        if (name.startsWith(u"mnu"_s)) {
            const QList<QKeySequence> keys = find<QAction>(name)->shortcuts();
            if (!keys.isEmpty() && chance(0.5)) {
                const QKeyCombination key = keys[pick(int(keys.size()))][0];
                QTest::keyClick(m_window.get(), key.key(), key.keyboardModifiers());
            } else {
                find<QAction>(name)->trigger();
            }
        } else {
            QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
        }
        m_done << name;
    }
    veltaro::InputProblem dateProblem();

    void typeInto(QLineEdit* box);
    void spin();
    void act();

    std::unique_ptr<frmushio> m_window;
    veltaro::ObservationState m_state;
    std::mt19937 m_rng;
    QStringList m_done;           // the actions so far, for the failure message
    int m_unexpectedModals = 0;   // modal boxes that appeared although answered in advance
    int m_boxesAnswered = 0;      // message boxes answered, by the seam or on screen
    bool m_dateSpinBroke = false; // a valid date was spun into no real date
};

void TestMonkey::initTestCase() {
    veltaro::ui::installGothicSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
}

QString TestMonkey::randomText(const QString& box) {
    static const QString ascii = u"0123456789+-.,:;/'_%[ eExX日"_s;
    switch (pick(8)) {
    case 0: // empty
        return {};
    case 1: // very long
        return QString(100 + pick(100), ascii[pick(int(ascii.size()))]);
    case 2: { // a few characters of anything a number is made of, and some that it is not
        QString text;
        for (int n = 1 + pick(6); n > 0; --n) {
            text += ascii[pick(int(ascii.size()))];
        }
        return text;
    }
    default: { // a number the box may take, or just miss
        const int index = int(kAllBoxes.indexOf(box));
        static const int low[] = {1590, 0, 0, -190, -5, -5, -95, -5, -5, -1};
        static const int high[] = {2410, 13, 32, 190, 70, 70, 95, 70, 70, 5};
        return QString::number(low[index] + pick(high[index] - low[index] + 1));
    }
    }
}

veltaro::InputProblem TestMonkey::dateProblem() {
    return veltaro::readDate(find<QLineEdit>(u"txtnen"_s)->text().toStdString(),
                             find<QLineEdit>(u"txtgetu"_s)->text().toStdString(),
                             find<QLineEdit>(u"txtniti"_s)->text().toStdString())
        .problem;
}

void TestMonkey::typeInto(QLineEdit* box) {
    QTest::mouseClick(box, Qt::LeftButton);
    if (chance(0.8)) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    const QString text = randomText(box->objectName());
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (!latin1 || chance(0.3)) {
        // Full-width digits and signs come through the input method.
        QInputMethodEvent typing;
        typing.setCommitString(fullWidth(text));
        QApplication::sendEvent(box, &typing);
    } else {
        QTest::keyClicks(box, text);
    }
    m_done << u"type '%1' into %2"_s.arg(text.left(20), box->objectName());
}

void TestMonkey::spin() {
    auto* spin = find<veltaro::ui::UpDown>(kAllSpins[pick(int(kAllSpins.size()))]);
    const bool up = chance(0.5);
    const bool dateSpin = kAllSpins.indexOf(spin->objectName()) < 3;
    const bool validBefore = dateSpin && dateProblem() == veltaro::InputProblem::None;
    if (chance(0.5)) {
        const QPoint at(spin->width() / 2, up ? 2 : spin->height() - 3);
        QTest::mouseClick(spin, Qt::LeftButton, {}, at);
    } else {
        QTest::keyClick(spin->buddy(), up ? Qt::Key_Up : Qt::Key_Down);
    }
    m_done << u"spin %1 %2"_s.arg(spin->objectName(), up ? u"up"_s : u"down"_s);
    // A step over the first or last accepted year leaves the span, never the calendar.
    m_dateSpinBroke |= validBefore && dateProblem() == veltaro::InputProblem::Date;
}

void TestMonkey::act() {
    // Typing, spinning, options, menus, drawing, keys, clearing, waiting, hovering.
    std::discrete_distribution<int> kinds({30, 25, 10, 10, 15, 6, 2, 2, 5});
    switch (kinds(m_rng)) {
    case 0:
        typeInto(find<QLineEdit>(kAllBoxes[pick(int(kAllBoxes.size()))]));
        break;
    case 1:
        spin();
        break;
    case 2: {
        const QString option = kOptions[pick(int(kOptions.size()))];
        if (find<QAbstractButton>(option)->isVisible()) {
            press(option);
        }
        break;
    }
    case 3:
        press(kMenus[pick(int(kMenus.size()))]);
        m_window->activateWindow(); // back from the help window, for the shortcuts
        break;
    case 4:
        // A short drawing: one day, or a continuous run of a few days.
        if (chance(0.5)) {
            find<QLineEdit>(u"txtcont"_s)->setText(QString::number(1 + pick(3)));
        }
        press(chance(0.5) ? u"btnhyouji"_s : u"mnubyouga"_s);
        break;
    case 5: {
        static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape};
        const Qt::Key key = keys[pick(3)];
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : m_window.get(), key);
        m_done << u"%1 on %2"_s.arg(QKeySequence(key).toString(),
                                    target != nullptr ? target->objectName() : u"-"_s);
        break;
    }
    case 6:
        find<QAbstractButton>(u"btnclear"_s)->click();
        m_done << u"btnclear"_s;
        break;
    case 7:
        QTest::qWait(pick(20));
        m_done << u"wait"_s;
        break;
    default: { // hovering for the read-out, over the graph or a Moon picture
        auto* over = find<QWidget>(chance(0.8) ? u"Picture1"_s : u"picmoon%1"_s.arg(pick(13)));
        QTest::mouseMove(over, QPoint(pick(over->width()), pick(over->height())));
        m_done << u"hover "_s + over->objectName();
        break;
    }
    }
}

void TestMonkey::randomActions_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<bool>("boxesOnScreen"); // answered on screen, or through the seam
    QTest::newRow("seed 1") << 1u << false;
    QTest::newRow("seed 2") << 2u << true;
    QTest::newRow("seed 3") << 3u << false;
}

void TestMonkey::randomActions() {
    QFETCH(unsigned, seed);
    QFETCH(bool, boxesOnScreen);
    m_rng.seed(seed);
    m_done.clear();
    m_unexpectedModals = 0;
    m_boxesAnswered = 0;
    m_dateSpinBroke = false;
    m_window = veltaro::support::shownMainWindow(m_state);
    m_window->setNotifySound(std::make_unique<veltaro::support::SilentSound>());
    using Chosen = veltaro::ui::FileDialogs::Chosen;
    m_window->fileDialogs().answerSaveWith([this](const auto& r) {
        return chance(0.5) ? Chosen{} : Chosen{kNowhere, r.filters.value(0)};
    });
    m_window->fileDialogs().answerPrintWith([this](QPrinter& printer) {
        printer.setOutputFileName(kNowhere + u".pdf"_s);
        return chance(0.5);
    });
    if (!boxesOnScreen) {
        m_window->messageBoxes().answerWith(
            [this](const veltaro::ui::MessageBoxes::Shown&) { ++m_boxesAnswered; });
    }
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    // Any modal box on screen is answered here, so that nothing waits for ever.
    QTimer answerer;
    answerer.setInterval(5);
    connect(&answerer, &QTimer::timeout, this, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            boxesOnScreen ? ++m_boxesAnswered : ++m_unexpectedModals;
            dialog->accept();
        }
    });
    answerer.start();

    int actionsWhileDrawing = 0;
    for (int step = 0; step < kActionsPerSeed; ++step) {
        act();
        // A long drawing is stopped a few actions after it started.
        if (m_window->drawing() && ++actionsWhileDrawing > 3) {
            if (m_window->isActiveWindow() && chance(0.5)) {
                QTest::keyClick(m_window.get(), Qt::Key_Escape);
                m_done << u"Esc"_s;
            } else {
                press(u"btnstop"_s);
            }
            QTRY_VERIFY_WITH_TIMEOUT(!m_window->drawing(), 30000);
        }
        if (!m_window->drawing()) {
            actionsWhileDrawing = 0;
        }
        const QString where = u"seed %1, action %2: %3"_s.arg(seed).arg(step).arg(
            m_done.mid(std::max<qsizetype>(0, m_done.size() - 8)).join(u" / "_s));
        bool answered = false;
        QTimer::singleShot(0, m_window.get(), [&answered] { answered = true; });
        QTRY_VERIFY2_WITH_TIMEOUT(answered, qPrintable(u"no answer after "_s + where), 10000);
        QVERIFY2(m_window->isVisible(), qPrintable(u"the window closed after "_s + where));
        QVERIFY2(QApplication::activeModalWidget() == nullptr,
                 qPrintable(u"a modal box is left open after "_s + where));
        QVERIFY2(m_unexpectedModals == 0, qPrintable(u"a box bypassed the seam at "_s + where));
        QVERIFY2(!m_dateSpinBroke, qPrintable(u"a spin broke a valid date at "_s + where));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->drawing(), 30000);
    // The sequence reached the boxes: some drawings were refused with a message.
    QVERIFY(m_boxesAnswered > 0);
    m_window.reset();
}

void TestMonkey::everyMenuItemIsCoveredOrLeftOut() {
    m_window = veltaro::support::shownMainWindow(m_state);
    QList<QAction*> items = m_window->actions();
    for (const QWidget* w : m_window->findChildren<QWidget*>()) {
        items += w->actions();
    }
    for (const QAction* a : items) {
        QVERIFY2(a->isSeparator() || a->menu() || (kMenus + kLeftOut).contains(a->objectName()),
                 qPrintable(u"the monkey leaves out '%1'"_s.arg(a->objectName())));
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
