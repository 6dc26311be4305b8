// The main window as laid out: every control's name, caption, font, maximum
// length, place and size, the menus, and the window's fixed client area.
//
// Places and sizes are the design's twips; the window shows 15 twips to a pixel.
#include "calendar/observation.h"
#include "tests/support/findchild.h"
#include "tests/support/mainwindow.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"
#include "ui/updown.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace Qt::StringLiterals;
using veltaro::support::findNamed;
using veltaro::ui::frmushio;

namespace {

QRect fromTwips(int left, int top, int width, int height) {
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return {px(left), px(top), px(width), px(height)};
}

/// One control with a caption or text. maxLength -1: not a text box. pt 0: the
/// window's default font (command buttons, txtcont).
struct Control {
    const char* name;
    const char* text; // UTF-8; for the boxes, the text after start-up on 16 August 2002
    double pt;
    int maxLength;
    int left, top, width, height; // twips, in the window or in its frame
};

// clang-format off
const Control kControls[] = {
    // The caption names the clock in use: 観測日（ＪＳＴ） on JST (tst_frmushio).
    {"Label1",    "観測日（地方時）", 12,    -1,  105,  240, 1455, 255},
    {"txtnen",    "2002",            11.25,  6, 1590,  160,  855, 330},
    {"Label6",    "年",              12,    -1, 2730,  240,  255, 255},
    {"txtgetu",   "8",               11.25,  2, 3045,  160,  375, 330},
    {"Label7",    "月",              12,    -1, 3780,  240,  255, 255},
    {"txtniti",   "16",              11.25,  2, 4125,  160,  375, 330},
    {"Label8",    "日",              12,    -1, 4830,  240,  255, 255},
    {"Label2",    "観測地点",         12,    -1, 5355,  240, 1095, 255},
    {"txtkei",    "139",             11.25,  4, 6435,  160,  735, 330},
    {"Label9",    "度",              12,    -1, 7455,  240,  255, 255},
    {"txtkeim",   "44",              11.25,  2, 7770,  160,  465, 330},
    {"Label10",   "分",              12,    -1, 8520,  240,  255, 255},
    {"txtkeis",   "41",              11.25,  2, 8805,  160,  465, 330},
    {"Label11",   "秒",              12,    -1, 9555,  240,  255, 255},
    {"txtido",    "35",              11.25,  3, 6435,  615,  735, 330},
    {"Label13",   "度",              12,    -1, 7455,  735,  255, 255},
    {"txtidom",   "39",              11.25,  2, 7770,  615,  495, 330},
    {"Label14",   "分",              12,    -1, 8520,  735,  255, 255},
    {"txtidos",   "16",              11.25,  2, 8820,  630,  465, 330},
    {"Label15",   "秒",              12,    -1, 9555,  735,  255, 255},
    {"optday",    "日周変化",         9.75,  -1,  105,  210, 1140, 255},
    {"opt60",     "60日変化",         9.75,  -1,  105,  480, 1155, 255},
    {"optyear",   "年周変化",         9.75,  -1,  105,  735, 1155, 255},
    {"Option4",   "一日描画",         9.75,  -1,  105,  300, 1125, 255},
    {"optyes",    "連続　　　　　　日", 9.75, -1,  105,  630, 1725, 255},
    {"txtcont",   "2",               0,      3,  800,  630,  450, 270},
    {"Label12",   "月相：",           11.25, -1, 3675,  735,  630, 255},
    {"lblmage",   "",                11.25, -1, 4365,  735,  540, 225},
    {"Label5",    "日干支：",         11.25, -1, 4935,  735,  795, 255},
    {"daykannsi", "丙辰",             11.25, -1, 5775,  735,  450, 270},
    {"Label16",   "太陽による起潮力……", 8.25, -1, 3675, 1155, 1695, 195},
    {"Label17",   "月による起潮力………", 8.25, -1, 3675, 1365, 1695, 195},
    {"Label18",   "太陽＋月による起潮力", 8.25, -1, 3675, 1575, 1695, 195},
    {"btnhyouji", "描画開始",         0,     -1, 6465, 1155,  990, 495},
    {"btnclear",  "消去",             0,     -1, 7560, 1155,  990, 495},
    {"btnend",    "終了",             0,     -1, 8715, 1155,  990, 495},
    {"Label3",    "月　影",           9.75,  -1,  210, 1890,  255, 615},
    {"Label4",    "起潮力",           12,    -1,  315, 4410,  375, 780},
};

struct Spin {
    const char* name;
    const char* buddy;
    int min, max;
    int left, top, width, height;
};

const Spin kSpins[] = {
    {"upd1",     "txtnen",  1600, 2400, 2430, 165, 240, 330}, // the accepted years
    {"upd2",     "txtgetu",    1,   12, 3420, 165, 240, 330},
    {"upd3",     "txtniti",    1,   31, 4485, 165, 240, 330},
    {"UpDown5",  "txtkei",  -179,  179, 7155, 165, 240, 330},
    {"UpDown6",  "txtkeim",    0,   59, 8250, 165, 240, 330},
    {"UpDown7",  "txtkeis",    0,   59, 9240, 165, 240, 330},
    {"UpDown8",  "txtido",   -89,   89, 7155, 615, 240, 330},
    {"UpDown9",  "txtidom",    0,   59, 8250, 615, 240, 330},
    {"UpDown10", "txtidos",    0,   59, 9240, 630, 240, 330}, // seconds: 0..59 like the others
    {"UpDown1",  "txtcont",    2,   60, 1240, 630, 240, 270},
};

struct Item {
    const char* name;
    const char* text; // "" for the separator
};
const Item kFileMenu[] = {{"mnuini", "初期設定に戻す(&I)"},
                          {"mnuakasi", "日本中央標準時子午線に移動"},
                          {"mnured", "緯度０（赤道上）に移動"},
                          {"mnutokyo", "旧東京天文台に移動（東京麻布）"},
                          {"mnuline2", ""},
                          {"mnusaveimage", "画像として保存…"},
                          {"mnuprint", "印刷…"},
                          {"mnusavepdf", "PDF として保存…"},
                          {"mnusavecsv", "データを CSV で保存…"},
                          {"mnuline1", ""},
                          {"mnuend", "Veltaroを終了する(&E)"}};
const Item kViewMenu[] = {{"mnubyouga", "描画開始(&S)"},
                          {"mnuclear", "グラフ消去(&C)"},
                          {"mnuline4", ""},
                          {"mnuzoom", "拡大表示(&Z)"},
                          {"mnuclock", "時刻(&T)"},
                          {"mnustyle", "見やすい表示（プロジェクター向け）(&P)"},
                          {"mnumoonnorth", "月の絵を北半球から見た向きで描く(&N)"},
                          {"mnucause", "潮の原因を見る(&W)…"},
                          {"mnulang", "言語(&L)"}};
const Item kHelpMenu[] = {{"mnutukaikata", "使い方(&H)…"},
                          {"mnuline3", ""},
                          {"mnuabout", "バージョン情報(&V)"}};
// clang-format on

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return e->text();
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        return b->text();
    }
    return u"<no text>"_s;
}

/// Rows and columns of `image` that hold ink darker than mid-grey.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void spinButtons_data();
    void spinButtons();
    void rowsOfThirteen();
    void legendLines();
    void framesHoldTheirOptions();
    void verticalCaptionsOneCharacterPerLine();
    void daysCaptionEndsRightOfItsSpin();
    void daysBoxClearsTheCaption();
    void gothicIsProportional();
    void menus_data();
    void menus();
    void windowIsFixed();

private:
    veltaro::ObservationState m_state;
    std::unique_ptr<frmushio> m_window;
};

void TestLayout::initTestCase() {
    veltaro::ui::installGothicSubstitutes();
}

void TestLayout::init() {
    m_window = veltaro::support::shownMainWindow(m_state);
}

void TestLayout::cleanup() {
    m_window.reset();
}

void TestLayout::controls_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kControls)); ++i) {
        QTest::newRow(kControls[i].name) << i;
    }
}

void TestLayout::controls() {
    QFETCH(int, row);
    const Control& c = kControls[row];
    auto* w = m_window->findChild<QWidget*>(QString::fromLatin1(c.name));
    QVERIFY2(w != nullptr, c.name);
    QCOMPARE(textOf(w), QString::fromUtf8(c.text));
    QCOMPARE(w->geometry(), fromTwips(c.left, c.top, c.width, c.height));

    if (c.maxLength >= 0) {
        auto* box = qobject_cast<QLineEdit*>(w);
        QVERIFY(box != nullptr);
        QCOMPARE(box->maxLength(), c.maxLength);
    } else {
        QVERIFY(qobject_cast<QLineEdit*>(w) == nullptr);
    }

    const QString family = u"ＭＳ Ｐゴシック"_s;
    QCOMPARE(w->font().family(), family);
    if (c.pt > 0) {
        QCOMPARE(w->font().pointSizeF(), c.pt);
    } else {
        QCOMPARE(w->font().pointSizeF(), m_window->font().pointSizeF());
    }
}

void TestLayout::spinButtons_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kSpins)); ++i) {
        QTest::newRow(kSpins[i].name) << i;
    }
}

void TestLayout::spinButtons() {
    QFETCH(int, row);
    const Spin& s = kSpins[row];
    auto* spin = m_window->findChild<veltaro::ui::UpDown*>(QString::fromLatin1(s.name));
    QVERIFY2(spin != nullptr, s.name);
    QCOMPARE(spin->buddy()->objectName(), QString::fromLatin1(s.buddy));
    QCOMPARE(spin->minimum(), s.min);
    QCOMPARE(spin->maximum(), s.max);
    QCOMPARE(spin->geometry(), fromTwips(s.left, s.top, s.width, s.height));
    QCOMPARE(spin->parentWidget(), spin->buddy()->parentWidget());
}

void TestLayout::rowsOfThirteen() {
    for (int i = 0; i < 13; ++i) {
        auto* moon = m_window->findChild<QWidget*>(u"picmoon%1"_s.arg(i));
        QVERIFY(moon != nullptr);
        QVERIFY(moon->inherits("veltaro::plot::MoonWidget"));
        QCOMPARE(moon->geometry(), fromTwips(495 + 720 * i, 1890, 650, 650));

        auto* hour = m_window->findChild<QLabel*>(u"lblnum%1"_s.arg(i));
        QVERIFY(hour != nullptr);
        QCOMPARE(hour->text(), u"%1時"_s.arg(2 * i));
        QCOMPARE(hour->geometry(), fromTwips(630 + 720 * i, 7245, i <= 6 ? 540 : 645, 225));
        QVERIFY(hour->alignment() & Qt::AlignHCenter);
        QCOMPARE(hour->font().pointSizeF(), 11.25);
    }
    QVERIFY(m_window->findChild<QWidget*>(u"picmoon13"_s) == nullptr);
    QVERIFY(m_window->findChild<QWidget*>(u"lblnum13"_s) == nullptr);
    auto* graph = m_window->findChild<QWidget*>(u"Picture1"_s);
    QVERIFY(graph != nullptr && graph->inherits("veltaro::plot::GraphWidget"));
    QCOMPARE(graph->geometry(), fromTwips(810, 2625, 8640, 4500));
}

void TestLayout::legendLines() {
    struct Line {
        const char* name;
        int y;
        QColor color;
    };
    // Each swatch in the colour its curve is drawn in: Sun, Moon, both.
    const Line lines[] = {{"Line1", 1215, QColor(222, 51, 0)},
                          {"Line2", 1425, QColor(87, 67, 0)},
                          {"Line3", 1635, QColor(21, 24, 255)}};
    for (const Line& l : lines) {
        auto* w = m_window->findChild<QWidget*>(QString::fromLatin1(l.name));
        QVERIFY2(w != nullptr, l.name);
        QCOMPARE(w->property("color").value<QColor>(), l.color);
        QCOMPARE(w->property("thickness").toInt(), 2);
        // From x = 5355 to 6090 twips at y.
        QCOMPARE(w->x(), 357);
        QCOMPARE(w->x() + w->width(), 406);
        QVERIFY(std::abs((w->y() + w->height() / 2.0) - l.y / 15.0) <= 1);
        // What is on screen is the colour, two pixels thick.
        const QImage image = w->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).rgb(), l.color.rgb());
    }
}

void TestLayout::framesHoldTheirOptions() {
    auto* frame1 = m_window->findChild<QWidget*>(u"Frame1"_s);
    auto* frame2 = m_window->findChild<QWidget*>(u"Frame2"_s);
    QVERIFY(frame1 && frame2);
    QCOMPARE(frame1->geometry(), fromTwips(135, 630, 1395, 1050));
    QCOMPARE(frame2->geometry(), fromTwips(1575, 630, 1870, 1050));
    for (const char* name : {"optday", "opt60", "optyear"}) {
        QCOMPARE(findNamed<QWidget>(m_window.get(), QString::fromLatin1(name))->parentWidget(),
                 frame1);
    }
    for (const char* name : {"Option4", "optyes", "txtcont", "UpDown1"}) {
        QCOMPARE(findNamed<QWidget>(m_window.get(), QString::fromLatin1(name))->parentWidget(),
                 frame2);
    }
    // Selected at start: the diurnal graph, one day.
    QVERIFY(findNamed<QAbstractButton>(m_window.get(), u"optday"_s)->isChecked());
    QVERIFY(findNamed<QAbstractButton>(m_window.get(), u"Option4"_s)->isChecked());
    QVERIFY(frame2->isVisible() && frame2->isEnabled());
}

void TestLayout::verticalCaptionsOneCharacterPerLine() {
    for (const char* name : {"Label3", "Label4"}) {
        auto* label = findNamed<QLabel>(m_window.get(), QString::fromLatin1(name));
        const QRect ink = inkBounds(label->grab().toImage());
        const int em = QFontInfo(label->font()).pixelSize();
        QVERIFY2(!ink.isEmpty(), name);
        // Three characters stacked: tall, one character wide.
        QVERIFY2(ink.height() >= 2 * em,
                 qPrintable(u"%1 ink %2 high"_s.arg(name).arg(ink.height())));
        QVERIFY2(ink.width() <= em + 1, qPrintable(u"%1 ink %2 wide"_s.arg(name).arg(ink.width())));
    }
}

void TestLayout::daysCaptionEndsRightOfItsSpin() {
    // "連続　　　　　　日": the days box and its spin button sit in the gap; the
    // closing "日" must be seen right of them, inside the frame.
    auto* frame2 = findNamed<QWidget>(m_window.get(), u"Frame2"_s);
    auto* option = findNamed<QWidget>(m_window.get(), u"optyes"_s);
    auto* spin = findNamed<QWidget>(m_window.get(), u"UpDown1"_s);
    const QImage image = frame2->grab().toImage();
    const QRect tail(spin->geometry().right() + 1, option->y(),
                     frame2->width() - 2 - (spin->geometry().right() + 1), option->height());
    const QRect ink = inkBounds(image.copy(tail));
    QVERIFY2(ink.width() >= QFontInfo(option->font()).pixelSize() / 2,
             qPrintable(u"ink %1 px wide"_s.arg(ink.width())));
}

void TestLayout::daysBoxClearsTheCaption() {
    // "連続" ends at least two pixels left of the days box that sits over the gap.
    auto* option = m_window->findChild<QWidget*>(u"optyes"_s);
    auto* box = m_window->findChild<QWidget*>(u"txtcont"_s);
    const int boxLeft = box->x() - option->x();
    const QImage image = option->grab().toImage();
    const QRect head = inkBounds(image.copy(0, 0, boxLeft + box->width(), image.height()));
    QVERIFY(!head.isEmpty());
    QVERIFY2(head.right() < boxLeft - 2,
             qPrintable(u"caption ink to x = %1, box from %2"_s.arg(head.right()).arg(boxLeft)));
}

void TestLayout::gothicIsProportional() {
    // The requested face resolves to a proportional Gothic: a narrow Latin
    // letter takes less room than a wide one.
    auto* label = m_window->findChild<QLabel*>(u"Label1"_s);
    const QFontInfo info(label->font());
    QVERIFY2(!info.fixedPitch(), qPrintable(info.family()));
    const QFontMetrics metrics(label->font());
    QVERIFY(metrics.horizontalAdvance(u'i') < metrics.horizontalAdvance(u'W'));
    QVERIFY2(info.family().contains(u"Gothic"_s, Qt::CaseInsensitive) ||
                 info.family().contains(u"CJK"_s),
             qPrintable(info.family()));
}

void TestLayout::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    auto add = [](const char* menu, const char* title, const auto& items) {
        QStringList names, texts;
        for (const Item& i : items) {
            names << QString::fromLatin1(i.name);
            texts << QString::fromUtf8(i.text);
        }
        QTest::newRow(menu) << QString::fromLatin1(menu) << QString::fromUtf8(title) << names
                            << texts;
    };
    add("mnufile", "ファイル(&F)", kFileMenu);
    add("mnuvision", "表示(&V)", kViewMenu);
    add("mnuhlp", "ヘルプ(&H)", kHelpMenu);
}

void TestLayout::menus() {
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    auto* m = m_window->findChild<QMenu*>(menu);
    QVERIFY(m != nullptr);
    QCOMPARE(m->title(), title);
    QVERIFY(m_window->menuBar()->actions().contains(m->menuAction()));
    const QList<QAction*> actions = m->actions();
    QCOMPARE(actions.size(), names.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), names[i]);
        QCOMPARE(actions[i]->isSeparator(), texts[i].isEmpty());
        if (!texts[i].isEmpty()) {
            QCOMPARE(actions[i]->text(), texts[i]);
        }
    }
}

void TestLayout::windowIsFixed() {
    QCOMPARE(m_window->objectName(), u"frmushio"_s);
    QCOMPARE(m_window->windowTitle(), u"Veltaro"_s);
    QCOMPARE(m_window->centralWidget()->size(), QSize(663, 507)); // 9945 x 7605 twips
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    // The client area starts below the menu bar.
    QVERIFY(m_window->centralWidget()->y() >= m_window->menuBar()->height());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
