#include "ui/helpwindow.h"

#include "calendar/daterange.h"
#include "plot/tidename.h"
#include "plot/words.h"
#include "ui/fonts.h"
#include "ui/language.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImageReader>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <vector>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

constexpr double kTextPt = 10.5; // the page's text at 100 %, where it names no size

/// The help page's browser: the diagrams, SVG, are drawn at the size they are
/// shown at, so that they stay sharp when the page is shown larger.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    double zoom = 1;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && zoom != 1 && name.scheme() == u"qrc"_s) {
            QImageReader reader(u':' + name.path());
            if (const QSize size = reader.size(); size.isValid()) {
                reader.setScaledSize(size * zoom);
            }
            if (const QImage image = reader.read(); !image.isNull()) {
                return image;
            }
        }
        return QTextBrowser::loadResource(type, name);
    }
};

/// Every size the page sets in `document` times `factor`: its fonts and its
/// pictures.
void scaleDocument(QTextDocument& document, double factor) {
    struct Piece {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.hasProperty(QTextFormat::FontPointSize)) {
                format.setFontPointSize(format.fontPointSize() * factor);
            }
            if (format.isImageFormat()) {
                QTextImageFormat image = format.toImageFormat();
                image.setWidth(image.width() * factor);
                image.setHeight(image.height() * factor);
                format = image;
            }
            pieces.push_back({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Piece& piece : pieces) {
        cursor.setPosition(piece.position);
        cursor.setPosition(piece.position + piece.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(piece.format);
    }
}

/// The rule of the tide names as a table: each name and the days of the lunar
/// month that have it ("1〜2、14〜17、29〜30").
QString tideNameRule() {
    QString rows = u"<tr><th>"_s + HelpWindow::tr("潮名") + u"</th><th>"_s +
                   HelpWindow::tr("旧暦の日") + u"</th></tr>"_s;
    for (const plot::TideNameDefinition& name : plot::kTideNames) {
        QStringList stretches;
        int first = 0;
        for (int day = 1; day <= plot::kLongestLunarMonth; ++day) {
            if (plot::tideNameOfLunarDay(day) != name.name) {
                continue;
            }
            if (first == 0) {
                first = day;
            }
            if (day == plot::kLongestLunarMonth || plot::tideNameOfLunarDay(day + 1) != name.name) {
                stretches << (first == day ? QString::number(day)
                                           : HelpWindow::tr("%1〜%2").arg(first).arg(day));
                first = 0;
            }
        }
        rows += u"<tr><td>"_s + plot::tideName(name.name) + u"</td><td>"_s +
                stretches.join(HelpWindow::tr("、")) + u"</td></tr>"_s;
    }
    return u"<table border=\"1\" cellspacing=\"0\">"_s + rows + u"</table>"_s;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(u"frmhelp"_s);
    resize(620, 640);

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(u"txthelp"_s);
    m_browser->setFont(gothicFont(kTextPt));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);

    showPage();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        showPage();
    }
    QWidget::changeEvent(event);
}

void HelpWindow::showPage() {
    setWindowTitle(tr("Veltaro ヘルプ"));
    // The page of the language in use; the Japanese one where there is none.
    QFile page(u":/help/index_%1.html"_s.arg(languageInUse()));
    if (!page.exists()) {
        page.setFileName(u":/help/index.html"_s);
    }
    if (page.open(QIODevice::ReadOnly)) {
        m_page = QString::fromUtf8(page.readAll());
    }
    m_page.replace(u"%FIRST_YEAR%"_s, QString::number(kFirstYear));
    m_page.replace(u"%LAST_YEAR%"_s, QString::number(kLastYear));
    m_page.replace(u"%TIDE_NAME_RULE%"_s, tideNameRule());
    const double zoom = m_zoom;
    m_zoom = 0; // shown anew at the zoom it had
    setZoom(zoom);
}

void HelpWindow::setZoom(double factor) {
    if (factor == m_zoom || factor <= 0) {
        return;
    }
    m_zoom = factor;
    const int top = m_browser->cursorForPosition(QPoint(0, 0)).position();

    static_cast<HelpBrowser*>(m_browser)->zoom = factor;
    m_browser->setHtml(m_page);
    QTextDocument& document = *m_browser->document();
    document.setDefaultFont(gothicFont(kTextPt * factor));
    if (factor != 1) {
        scaleDocument(document, factor);
    }

    const QTextBlock block = document.findBlock(top);
    const QRectF where = document.documentLayout()->blockBoundingRect(block);
    m_browser->verticalScrollBar()->setValue(static_cast<int>(where.top()));
}

} // namespace veltaro::ui
