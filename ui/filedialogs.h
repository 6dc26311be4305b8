#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace veltaro::ui {

/// Every file and print dialog of the program goes through here.
///
/// A test answers the dialogs in advance with answerSaveWith() and
/// answerPrintWith(): the dialog is then not shown, and the answer decides what
/// the user would have chosen.
class FileDialogs {
public:
    /// What a save dialog asks.
    struct SaveRequest {
        QString title;       ///< the dialog's title
        QString path;        ///< the name offered, in the folder offered
        QStringList filters; ///< "PNG 画像 (*.png)", ... the first one chosen at first
    };
    /// What the user chose: an empty path when the dialog was cancelled.
    struct Chosen {
        QString path;
        QString filter; ///< the filter chosen, one of the request's
    };
    using SaveAnswer = std::function<Chosen(const SaveRequest&)>;
    /// Set up `printer` as the user would in the print dialog; false is Cancel.
    using PrintAnswer = std::function<bool(QPrinter&)>;

    /// Asks for the name of a file to write.
    Chosen askSave(QWidget* parent, const SaveRequest& request);
    /// Shows the print dialog for `printer`; true when the user chose to print.
    bool askPrint(QWidget* parent, QPrinter& printer);

    /// From now on dialogs are answered by these instead of being shown; an empty
    /// function shows real dialogs again.
    void answerSaveWith(SaveAnswer answer) { m_save = std::move(answer); }
    void answerPrintWith(PrintAnswer answer) { m_print = std::move(answer); }

private:
    SaveAnswer m_save;
    PrintAnswer m_print;
};

} // namespace veltaro::ui
