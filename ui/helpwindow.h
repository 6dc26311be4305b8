#pragma once

#include <QWidget>

class QTextBrowser;

namespace veltaro::ui {

/// The help: how to use the program and the science behind its curves, from
/// the HTML page and diagrams shipped as resources under :/help/: index.html in
/// Japanese, index_<code>.html in another language (index_en.html), chosen by
/// the language in use and shown anew when it changes. A window of its own
/// beside the main window; Esc closes it.
///
/// The page names the accepted years as %FIRST_YEAR% and %LAST_YEAR%; they are
/// filled in from the same constants every date check uses.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// The browser showing the page ("txthelp").
    QTextBrowser* browser() const { return m_browser; }

    /// Shows the page at `factor` times its size, as the main window is shown
    /// [factor]: the text in every size the page gives it, and the diagrams,
    /// drawn anew at their new size. The part of the page at the top stays there.
    void setZoom(double factor);
    double zoom() const { return m_zoom; }

protected:
    void changeEvent(QEvent* event) override;

private:
    /// Reads the page of the language in use and shows it at the zoom.
    void showPage();

    QTextBrowser* m_browser = nullptr;
    QString m_page; // the page at 100 %, the years filled in
    double m_zoom = 1;
};

} // namespace veltaro::ui
