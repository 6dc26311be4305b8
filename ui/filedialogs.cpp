#include "ui/filedialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace veltaro::ui {

FileDialogs::Chosen FileDialogs::askSave(QWidget* parent, const SaveRequest& request) {
    if (m_save) {
        return m_save(request);
    }
    Chosen chosen;
    chosen.filter = request.filters.value(0);
    chosen.path =
        QFileDialog::getSaveFileName(parent, request.title, request.path,
                                     request.filters.join(QStringLiteral(";;")), &chosen.filter);
    return chosen;
}

bool FileDialogs::askPrint(QWidget* parent, QPrinter& printer) {
    if (m_print) {
        return m_print(printer);
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace veltaro::ui
