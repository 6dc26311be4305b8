// Taking the graph off the screen through the window: the File menu's save and
// print items, Ctrl+C and the graph's context menu, with the dialogs answered by
// the test; a cancelled dialog, and files that cannot be written.
#include "calendar/observation.h"
#include "plot/graphexport.h"
#include "plot/graphwidget.h"
#include "tests/support/mainwindow.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using veltaro::ui::FileDialogs;
using veltaro::ui::frmushio;
using veltaro::ui::MessageBoxes;

namespace {

const QStringList kSaveItems{u"mnusaveimage"_s, u"mnuprint"_s, u"mnusavepdf"_s, u"mnusavecsv"_s,
                             u"mnucopy"_s};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSaving : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void greyedOutWhileNothingIsDrawn();
    void savedFiles_data();
    void savedFiles();
    void cancelledDialogsDoNothing();
    void unwritablePaths_data();
    void unwritablePaths();
    void aFullDiskLeavesTheOldFile_data();
    void aFullDiskLeavesTheOldFile();
    void printing();
    void copyAndTheContextMenu();

private:
    QAction* action(const QString& name) const {
        auto* a = m_window->findChild<QAction*>(name);
        if (!a) {
            qFatal("no action %s", qPrintable(name));
        }
        return a;
    }
    void draw() {
        action(u"mnubyouga"_s)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->drawing(), 30000);
    }
    /// The save dialog answers `path` with the filter numbered `filter`.
    void answer(const QString& path, int filter = 0) {
        m_window->fileDialogs().answerSaveWith([=, this](const FileDialogs::SaveRequest& r) {
            ++m_asked;
            return FileDialogs::Chosen{path, r.filters.value(filter)};
        });
    }

    veltaro::ObservationState m_state;
    std::unique_ptr<frmushio> m_window;
    QList<MessageBoxes::Shown> m_boxes;
    int m_asked = 0;
    QTemporaryDir m_dir;
};

void TestSaving::initTestCase() {
    veltaro::ui::installGothicSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_dir.isValid());
}

void TestSaving::init() {
    m_boxes.clear();
    m_asked = 0;
    m_window = veltaro::support::shownMainWindow(m_state);
    m_window->messageBoxes().answerWith([this](const MessageBoxes::Shown& s) { m_boxes << s; });
    m_window->fileDialogs().answerPrintWith([](QPrinter&) -> bool { qFatal("print dialog"); });
    answer({});
}

void TestSaving::cleanup() {
    m_window.reset();
}

void TestSaving::greyedOutWhileNothingIsDrawn() {
    for (const QString& name : kSaveItems) {
        QVERIFY2(!action(name)->isEnabled(), qPrintable(name));
    }
    draw();
    for (const QString& name : kSaveItems) {
        QVERIFY2(action(name)->isEnabled(), qPrintable(name));
    }
    action(u"mnuclear"_s)->trigger();
    for (const QString& name : kSaveItems) {
        QVERIFY2(!action(name)->isEnabled(), qPrintable(name));
    }
}

void TestSaving::savedFiles_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed"); // the name typed into the dialog
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written"); // the file that appears
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("png by filter")
        << u"mnusaveimage"_s << u"g"_s << 0 << u"g.png"_s << QByteArray("\x89PNG");
    QTest::newRow("svg by filter")
        << u"mnusaveimage"_s << u"g"_s << 2 << u"g.svg"_s << QByteArray("<?xml");
    QTest::newRow("jpeg by filter")
        << u"mnusaveimage"_s << u"g"_s << 1 << u"g.jpg"_s << QByteArray("\xff\xd8\xff");
    QTest::newRow("jpeg by suffix")
        << u"mnusaveimage"_s << u"g.jpeg"_s << 0 << u"g.jpeg"_s << QByteArray("\xff\xd8\xff");
    QTest::newRow("svg by suffix")
        << u"mnusaveimage"_s << u"g.SVG"_s << 0 << u"g.SVG"_s << QByteArray("<?xml");
    QTest::newRow("pdf") << u"mnusavepdf"_s << u"g"_s << 0 << u"g.pdf"_s << QByteArray("%PDF-");
    QTest::newRow("csv") << u"mnusavecsv"_s << u"g"_s << 0 << u"g.csv"_s
                         << QByteArray("drawing,t,");
    QTest::newRow("csv for spreadsheets") << u"mnusavecsv"_s << u"g"_s << 1 << u"g.csv"_s
                                          << QByteArray("\xEF\xBB\xBF"
                                                        "drawing,t,");
}

void TestSaving::savedFiles() {
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    draw();
    QTemporaryDir dir;
    answer(dir.filePath(typed), filter);
    action(item)->trigger();
    QCOMPARE(m_asked, 1);
    QVERIFY(m_boxes.isEmpty());
    const QByteArray data = contents(dir.filePath(written));
    QVERIFY2(data.startsWith(start), data.left(16).constData());
    // Nothing else was left in the folder (no temporary file).
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
}

void TestSaving::cancelledDialogsDoNothing() {
    draw();
    answer({}); // cancelled
    for (const QString& item : {u"mnusaveimage"_s, u"mnusavepdf"_s, u"mnusavecsv"_s}) {
        action(item)->trigger();
    }
    QCOMPARE(m_asked, 3);
    QVERIFY(m_boxes.isEmpty());
    int printAsked = 0;
    m_window->fileDialogs().answerPrintWith([&](QPrinter&) { return ++printAsked, false; });
    action(u"mnuprint"_s)->trigger();
    QCOMPARE(printAsked, 1);
    QVERIFY(m_boxes.isEmpty());
}

void TestSaving::unwritablePaths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason"); // a word of the message's reason
    QTest::newRow("a folder's name") << u"folder.png"_s << u"フォルダー"_s;
    QTest::newRow("no such folder") << u"none/g.png"_s << u"作れません"_s;
    QTest::newRow("a link") << u"link.png"_s << u"シンボリックリンク"_s;
    QTest::newRow("a format not written") << u"g.gif"_s << u"この形式"_s;
}

void TestSaving::unwritablePaths() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    draw();
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder.png"_s));
    QFile target(dir.filePath(u"target.png"_s));
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.close();
    QVERIFY(QFile::link(target.fileName(), dir.filePath(u"link.png"_s)));
    answer(dir.filePath(path));
    action(u"mnusaveimage"_s)->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes[0].text.contains(QDir::toNativeSeparators(dir.filePath(path))),
             qPrintable(m_boxes[0].text));
    QVERIFY2(m_boxes[0].text.contains(reason), qPrintable(m_boxes[0].text));
}

void TestSaving::aFullDiskLeavesTheOldFile_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << u"mnusaveimage"_s << u"old.png"_s;
    QTest::newRow("svg") << u"mnusaveimage"_s << u"old.svg"_s;
    QTest::newRow("pdf") << u"mnusavepdf"_s << u"old.pdf"_s;
    QTest::newRow("csv") << u"mnusavecsv"_s << u"old.csv"_s;
}

void TestSaving::aFullDiskLeavesTheOldFile() {
    // A file size limit stands in for a full disk: writing stops partway.
    QFETCH(QString, item);
    QFETCH(QString, name);
    draw();
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    answer(path);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    action(item)->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes[0].text.contains(u"ディスク"_s), qPrintable(m_boxes[0].text));
    QCOMPARE(contents(path), QByteArray("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestSaving::printing() {
    draw();
    const QString path = m_dir.filePath(u"printed.pdf"_s);
    m_window->fileDialogs().answerPrintWith([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    action(u"mnuprint"_s)->trigger();
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(contents(path).startsWith("%PDF-"));
}

void TestSaving::copyAndTheContextMenu() {
    auto* graph = m_window->findChild<veltaro::plot::GraphWidget*>(u"Picture1"_s);
    QVERIFY(graph);
    QCOMPARE(graph->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(graph->actions(), (QList<QAction*>{action(u"mnucopy"_s), action(u"mnusaveimage"_s),
                                                action(u"mnusavecsv"_s)}));
    draw();
    QApplication::clipboard()->clear();
    // Ctrl+C after a click on the graph.
    QTest::mouseClick(graph, Qt::LeftButton);
    QTest::keyClick(graph, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(),
             veltaro::plot::exportSize(graph->record()) * veltaro::plot::kClipboardScale);
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
