// Saving, printing and copying what the graph shows.
#include "ui/graphsaver.h"

#include "plot/csvformat.h"
#include "plot/drawingrecord.h"
#include "plot/graphexport.h"
#include "plot/savefile.h"
#include "plot/words.h"
#include "ui/filedialogs.h"
#include "ui/messageboxes.h"

#include <veltaro_version.h>

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QWidget>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

QString versionText() {
    return u"%1.%2.%3"_s.arg(version::major).arg(version::minor).arg(version::revision);
}

QString documentTitle() {
    return u"Veltaro %1"_s.arg(versionText());
}

} // namespace

GraphSaver::GraphSaver(QWidget* window, const plot::DrawingRecord& record, FileDialogs& dialogs,
                       MessageBoxes& messages)
    : QObject(window), m_window(window), m_record(record), m_dialogs(dialogs), m_messages(messages),
      m_folder(QDir::homePath()) {
    auto item = [this](const QString& name, const char* text, QKeySequence keys,
                       void (GraphSaver::*handler)()) {
        auto* a = new QAction(this);
        m_wording.keep([a, text] { a->setText(tr(text)); });
        a->setObjectName(name);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_saveImage = item(u"mnusaveimage"_s, QT_TR_NOOP("画像として保存…"), QKeySequence::Save,
                       &GraphSaver::saveImage);
    m_print = item(u"mnuprint"_s, QT_TR_NOOP("印刷…"), QKeySequence::Print, &GraphSaver::print);
    m_savePdf = item(u"mnusavepdf"_s, QT_TR_NOOP("PDF として保存…"), {}, &GraphSaver::savePdf);
    // Ctrl+Shift+S on every desktop (QKeySequence::SaveAs is empty outside KDE and GNOME).
    m_saveCsv = item(u"mnusavecsv"_s, QT_TR_NOOP("データを CSV で保存…"),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &GraphSaver::saveCsv);
    m_copy = item(u"mnucopy"_s, QT_TR_NOOP("コピー"), QKeySequence::Copy, &GraphSaver::copy);
    m_observer = m_record.observe([this](plot::RecordChange) { updateItems(); });
    updateItems();
}

GraphSaver::~GraphSaver() {
    m_record.unobserve(m_observer);
}

void GraphSaver::addItems(QMenu* fileMenu, QAction* before, QWidget* graph) {
    auto* line = new QAction(this);
    line->setObjectName(u"mnuline2"_s);
    line->setSeparator(true);
    fileMenu->insertActions(before, {line, m_saveImage, m_print, m_savePdf, m_saveCsv});
    m_window->addAction(m_copy);
    graph->setFocusPolicy(Qt::ClickFocus);
    graph->setContextMenuPolicy(Qt::ActionsContextMenu);
    graph->addActions({m_copy, m_saveImage, m_saveCsv});
}

void GraphSaver::setBusy(bool busy) {
    m_busy = busy;
    updateItems();
}

void GraphSaver::updateItems() {
    const bool something = !m_record.empty() && !m_busy;
    for (QAction* a : {m_saveImage, m_print, m_savePdf, m_saveCsv, m_copy}) {
        a->setEnabled(something);
    }
}

QColor GraphSaver::background() const {
    return m_window->palette().color(QPalette::Base);
}

QString GraphSaver::suggestedName(const QString& suffix) const {
    QString name = u"veltaro"_s;
    const auto& drawings = m_record.drawings();
    if (!drawings.empty()) {
        const plot::PlotRequest& r = drawings.back().request;
        name += u'-' +
                QString::fromStdString(plot::isoDate(r.start.year, r.start.month, r.start.day)) +
                u'-' + QString::fromStdString(plot::modeOption(r.mode));
    }
    return QDir(m_folder).filePath(name + u'.' + suffix);
}

QString GraphSaver::askName(const QString& title, const QStringList& filters,
                            const QStringList& suffixes, QString* filter, int* filterIndex) {
    FileDialogs::SaveRequest request{title, suggestedName(suffixes.value(0)), filters};
    const FileDialogs::Chosen chosen = m_dialogs.askSave(m_window, request);
    if (chosen.path.isEmpty()) {
        return {};
    }
    QString path = chosen.path;
    const qsizetype index = std::max<qsizetype>(filters.indexOf(chosen.filter), 0);
    if (!suffixes.contains(QFileInfo(path).suffix().toLower())) {
        path += u'.' + suffixes.value(index);
    }
    if (filter) {
        *filter = suffixes.value(index);
    }
    if (filterIndex) {
        *filterIndex = static_cast<int>(index);
    }
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

void GraphSaver::refuse(const QString& path, const QString& reason) {
    m_messages.inform(
        m_window, tr("保存できません"),
        tr("「%1」に保存できませんでした。\n%2").arg(QDir::toNativeSeparators(path), reason));
}

QString GraphSaver::reasonText(const plot::SaveResult& result) {
    QString why;
    switch (result.problem) {
    case plot::SaveProblem::None:
        return why;
    case plot::SaveProblem::IsFolder:
        return tr("その名前はフォルダーです。別の名前を選んでください。");
    case plot::SaveProblem::IsLink:
        return tr("その名前はシンボリックリンクです。リンク先を置き換えないよう、"
                  "ファイルそのものの名前を選んでください。");
    case plot::SaveProblem::NotRegular:
        return tr("その名前は通常のファイルではありません。別の名前を選んでください。");
    case plot::SaveProblem::CannotCreate:
        why = result.error == EACCES || result.error == EPERM || result.error == EROFS
                  ? tr("書き込みが許可されていません。")
                  : tr("ファイルを作れません。フォルダーがないか、書き込めない場所です。");
        break;
    case plot::SaveProblem::CannotWrite:
        why = result.error == ENOSPC || result.error == EFBIG || result.error == EDQUOT
                  ? tr("書き込めませんでした。ディスクの空きが足りない可能性があります。")
                  : tr("書き込めませんでした。");
        break;
    }
    //: The reason, then the system's own words for the fault in brackets.
    return tr("%1\n（%2）").arg(why, QString::fromLocal8Bit(std::strerror(result.error)));
}

bool GraphSaver::writeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // Made whole in memory first: the painters and image writers do not report
    // a short write, so only a file written in one checked piece is known complete.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        refuse(path, tr("保存する内容を作れませんでした。"));
        return false;
    }
    const QByteArray& bytes = buffer.data();
    const plot::SaveResult result =
        plot::saveFile(QFile::encodeName(path).toStdString(),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!result.ok()) {
        refuse(path, reasonText(result));
        return false;
    }
    emit saved(path);
    return true;
}

void GraphSaver::saveImage() {
    // The filters' suffixes, then those a typed name may end in as well: a
    // name that names a format is saved in it, whatever the filter.
    QString suffix;
    const QString path =
        askName(tr("画像として保存"),
                {tr("PNG 画像 (*.png)"), tr("JPEG 画像 (*.jpg *.jpeg)"), tr("SVG 画像 (*.svg)")},
                {u"png"_s, u"jpg"_s, u"svg"_s, u"jpeg"_s, u"pdf"_s}, &suffix);
    if (path.isEmpty()) {
        return;
    }
    // Formats people often type that the program does not write are refused
    // rather than saved as something else under a name that says otherwise.
    const QString typed = QFileInfo(path).completeSuffix().section(u'.', -2, -2).toLower();
    if (QStringList{u"gif"_s, u"bmp"_s, u"tif"_s, u"tiff"_s, u"webp"_s}.contains(typed)) {
        refuse(
            path,
            tr("この形式では保存できません。名前を .png、.jpg、.svg か .pdf で終えてください。"));
        return;
    }
    const auto format = plot::pictureFormatOf(path).value_or(plot::PictureFormat::Png);
    writeFile(path, [&](QIODevice& device) {
        return plot::writePicture(device, format, m_record, background(), documentTitle(), m_style,
                                  m_moonView);
    });
}

void GraphSaver::savePdf() {
    const QString path = askName(tr("PDF として保存"), {tr("PDF (*.pdf)")}, {u"pdf"_s}, nullptr);
    if (path.isEmpty()) {
        return;
    }
    writeFile(path, [&](QIODevice& device) {
        return plot::writePicture(device, plot::PictureFormat::Pdf, m_record, background(),
                                  documentTitle(), m_style, m_moonView);
    });
}

void GraphSaver::saveCsv() {
    // The annotated CSV names its inputs in comment lines; the one for
    // spreadsheets has none, and a byte-order mark that tells Excel it is UTF-8.
    QString suffix;
    int flavour = 0;
    const QString path =
        askName(tr("データを CSV で保存"),
                {tr("CSV（入力を注記） (*.csv)"), tr("CSV（表計算ソフト用） (*.csv)")},
                {u"csv"_s, u"csv"_s}, &suffix, &flavour);
    if (path.isEmpty()) {
        return;
    }
    const std::string program =
        "Veltaro " + versionText().toStdString() + ": every step on the graph, drawing by drawing";
    writeFile(path, [&](QIODevice& device) {
        return plot::writeRecordCsv(m_record, program, plot::modeNames(),
                                    flavour == 1 ? plot::CsvFlavour::Spreadsheet
                                                 : plot::CsvFlavour::Annotated,
                                    [&device](std::string_view text) {
                                        const auto size = static_cast<qint64>(text.size());
                                        return device.write(text.data(), size) == size;
                                    });
    });
}

void GraphSaver::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    // Printing to a file suggests the document's name with everything after its
    // last dot replaced by ".pdf": the suffix keeps the version whole.
    printer.setDocName(documentTitle() + u".pdf"_s);
    if (!m_dialogs.askPrint(m_window, printer)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_messages.inform(m_window, tr("印刷できません"),
                          tr("印刷を始められませんでした。プリンターの設定を確かめてください。"));
        return;
    }
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    plot::paintOnPage(painter, page, m_record, background(), m_style, m_moonView);
    painter.end();
}

void GraphSaver::copy() {
    QGuiApplication::clipboard()->setImage(
        plot::exportImage(m_record, plot::kClipboardScale, background(), m_style, m_moonView));
}

} // namespace veltaro::ui
