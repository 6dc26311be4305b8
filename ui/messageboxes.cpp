#include "ui/messageboxes.h"

#include <QMessageBox>

namespace veltaro::ui {

void MessageBoxes::inform(QWidget* parent, const QString& title, const QString& text) {
    if (m_answer) {
        m_answer(Shown{title, text});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (parent != nullptr) {
        box.setFont(parent->font()); // a dialog does not inherit its parent's font
    }
    box.exec();
}

} // namespace veltaro::ui
