#pragma once

#include "plot/drawingrecord.h"
#include "plot/graphstyle.h"
#include "ui/language.h"

#include <QColor>

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QIODevice;
class QMenu;
class QWidget;

namespace veltaro::plot {
class DrawingRecord;
struct SaveResult;
} // namespace veltaro::plot

namespace veltaro::ui {

class FileDialogs;
class MessageBoxes;

/// Takes what the graph shows off the screen: saved as PNG or SVG, printed,
/// saved as PDF or CSV, copied to the clipboard. Everything is made from the
/// window's drawing document, the graph's background in the window's colour for it.
///
/// A cancelled dialog does nothing. A file is made whole in memory, written
/// under a temporary name beside the chosen one and renamed only when every
/// byte is on the disk (plot::saveFile); a name that is a symbolic link, a
/// folder or a device is refused. A file that cannot be written gets a message
/// naming it and the reason, and nothing is left under its name.
///
/// It makes its own menu items (mnusaveimage, mnuprint, mnusavepdf, mnusavecsv
/// and mnucopy) and greys them out while nothing is drawn or while a drawing runs.
class GraphSaver : public QObject {
    Q_OBJECT
public:
    GraphSaver(QWidget* window, const plot::DrawingRecord& record, FileDialogs& dialogs,
               MessageBoxes& messages);
    ~GraphSaver() override;

    /// Puts the save, print and PDF/CSV items into `fileMenu` before `before`,
    /// after a separator; copying works by Ctrl+C anywhere in the window but a
    /// text box, and the graph's right-click menu offers copying and saving.
    void addItems(QMenu* fileMenu, QAction* before, QWidget* graph);
    /// Says the items again in the language in use.
    void retranslate() const { m_wording.retranslate(); }
    /// While a drawing runs nothing is saved: the items are greyed out.
    void setBusy(bool busy);
    /// Pictures, prints and copies follow the graph's look.
    void setGraphStyle(plot::GraphStyle style) { m_style = style; }
    /// ... and the Moon pictures' way up.
    void setMoonView(plot::MoonView view) { m_moonView = view; }

    void saveImage(); ///< PNG or SVG, as the dialog's filter or the name's suffix says
    void print();
    void savePdf();
    void saveCsv();
    void copy(); ///< the picture onto the clipboard

signals:
    /// A file was written (for the status bar).
    void saved(const QString& path);

private:
    Wording m_wording;
    /// Asks for a name; adds the chosen filter's suffix when the name has none
    /// of `suffixes`. Empty when the dialog was cancelled. `filter` gets the
    /// chosen filter's suffix, `filterIndex` its place among `filters`.
    QString askName(const QString& title, const QStringList& filters, const QStringList& suffixes,
                    QString* filter, int* filterIndex = nullptr);
    /// Writes the file through a temporary one; reports a failure.
    bool writeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
    /// Why a file was not saved, in words for the message box.
    static QString reasonText(const plot::SaveResult& result);
    void refuse(const QString& path, const QString& reason);
    QString suggestedName(const QString& suffix) const;
    QColor background() const;
    void updateItems();

    QWidget* m_window;
    const plot::DrawingRecord& m_record;
    FileDialogs& m_dialogs;
    MessageBoxes& m_messages;
    QString m_folder; // where the last file went
    QAction* m_saveImage = nullptr;
    QAction* m_print = nullptr;
    QAction* m_savePdf = nullptr;
    QAction* m_saveCsv = nullptr;
    QAction* m_copy = nullptr;
    bool m_busy = false;
    plot::GraphStyle m_style = plot::GraphStyle::Standard;
    plot::MoonView m_moonView = plot::MoonView::AsSeenThere;
    int m_observer = -1;
};

} // namespace veltaro::ui
