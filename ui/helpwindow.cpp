#include "ui/helpwindow.h"

#include "calendar/daterange.h"
#include "ui/fonts.h"

#include <QFile>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(u"frmhelp"_s);
    setWindowTitle(tr("Veltaro ヘルプ"));
    resize(620, 640);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"txthelp"_s);
    m_browser->setFont(gothicFont(10.5));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);

    QFile page(u":/help/index.html"_s);
    QString html;
    if (page.open(QIODevice::ReadOnly)) {
        html = QString::fromUtf8(page.readAll());
    }
    html.replace(u"%FIRST_YEAR%"_s, QString::number(kFirstYear));
    html.replace(u"%LAST_YEAR%"_s, QString::number(kLastYear));
    m_browser->setHtml(html);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

} // namespace veltaro::ui
