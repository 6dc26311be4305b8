// The window switched to another language while it runs, and back.
#include "plot/plotcontroller.h"
#include "tests/support/findchild.h"
#include "tests/support/mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using veltaro::support::findNamed;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void switchesAtOnceAndBack();
};

void TestLanguage::switchesAtOnceAndBack() {
    veltaro::ObservationState state;
    const auto window = veltaro::support::shownMainWindow(state);
    auto* draw = findNamed<QPushButton>(window.get(), u"btnhyouji"_s);
    auto* file = findNamed<QMenu>(window.get(), u"mnufile"_s);
    const QString japaneseCaption = draw->text();
    const QString japaneseTitle = file->title();
    // A drawing, whose day is named along the axis in the language in use.
    auto* graph = findNamed<QWidget>(window.get(), u"Picture1"_s);
    QTest::mouseClick(draw, Qt::LeftButton);
    QTRY_VERIFY(
        !findNamed<veltaro::plot::PlotController>(window.get(), u"plotcontroller"_s)->running());
    const QImage japaneseGraph = graph->grab().toImage();
    auto* dayName = findNamed<QLabel>(window.get(), u"daykannsi"_s);
    const QString kanji = dayName->text();
    QVERIFY(!kanji.isEmpty());
    QVERIFY(dayName->toolTip().isEmpty());

    findNamed<QAction>(window.get(), u"mnulangen"_s)->trigger();
    QTRY_COMPARE(draw->text(), QCoreApplication::translate("veltaro::ui::frmushio", "描画開始"));
    QVERIFY(draw->text() != japaneseCaption);
    QVERIFY(file->title() != japaneseTitle);
    QVERIFY(findNamed<QAction>(window.get(), u"mnulangen"_s)->isChecked());
    QTRY_VERIFY(graph->grab().toImage() != japaneseGraph);
    // The day's name stays in kanji; its reading in romaji is the tooltip.
    QCOMPARE(dayName->text(), kanji);
    QVERIFY(dayName->toolTip().startsWith(kanji + u" ("_s));

    findNamed<QAction>(window.get(), u"mnulangja"_s)->trigger();
    QTRY_COMPARE(draw->text(), japaneseCaption);
    QCOMPARE(file->title(), japaneseTitle);
    QVERIFY(dayName->toolTip().isEmpty());
    QVERIFY(findNamed<QAction>(window.get(), u"mnulangja"_s)->isChecked());
    QTRY_COMPARE(graph->grab().toImage(), japaneseGraph);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
