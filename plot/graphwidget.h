#pragma once

#include "plot/drawingrecord.h"
#include "plot/graphstyle.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace veltaro::plot {

class GraphRender;

/// The longest the graph keeps the event loop from its turn with one slice of
/// work, a drawing's or a new rendering's [ms]: with the repaint that follows,
/// within a frame of 16 ms.
inline constexpr int kSliceMs = 12;

/// The graph area (Picture1): a user scale of 8640 x 4500 units, x to the right,
/// y downwards, zero line at y = 2250.
///
/// A view of the drawing document (DrawingRecord), which the window owns: the
/// widget paints an off-screen image of it and, as the document grows, paints
/// the steps it has not painted yet with the painter every saved picture is
/// painted with (GraphRender), so curves accumulate across drawings and survive
/// repaints until the document is cleared. When the screen's pixel ratio or
/// the widget's size changes (the window shown larger) the image is drawn anew,
/// sharp, in slices of kSliceMs on the event loop; until it is complete the
/// widget shows the image it had, scaled, still following the document
/// (rendering()).
///
/// Under the mouse it reads the step of the most recent drawing (readout()) and
/// marks its place with a thin vertical line over the drawing, which is not part
/// of the image.
class GraphWidget : public QWidget {
    Q_OBJECT
public:
    /// A view of `record`, which must outlive the widget.
    explicit GraphWidget(const DrawingRecord& record, QWidget* parent = nullptr);
    ~GraphWidget() override;

    /// Draws the 11 dotted column lines x = 720 .. 7920 and the dotted zero line
    /// over whatever the graph holds.
    void redrawline();
    /// The graph as it stands, one pixel per device pixel of the inner area.
    QImage image() const;
    /// image() with the height scale laid over it: what the widget shows, and
    /// what a saved picture of the same size holds.
    QImage shownImage() const;
    /// The colour of the graph's background (the window's colour for it).
    QColor background() const;

    /// The look of the curves and the grid; a change draws the graph anew in
    /// the new look, in slices as at a new size. Saved pictures should be made
    /// in the same style.
    void setGraphStyle(GraphStyle style);
    GraphStyle graphStyle() const { return m_style; }

    /// The document the graph shows.
    const DrawingRecord& record() const { return m_record; }

    QSize sizeHint() const override;

    /// Device pixels of image() per pixel of the graph at its design size: the
    /// screen's pixel ratio times the zoom. Lines and dots are this wide.
    double imageRatio() const;
    /// True while the graph is being drawn anew at a new size: image() is still
    /// the one of the size before.
    bool rendering() const { return m_render != nullptr; }
    /// The t the cursor line stands at, if it is shown.
    std::optional<int> cursorT() const { return m_cursorT; }
    /// Puts the cursor line at `t` and reads `text` there, as if the mouse
    /// pointed at it (a view that plays through the drawing leads the cursor).
    void showReading(int t, const QString& text) { setReading(t, text); }

signals:
    /// The reading under the mouse in words, or "" when there is none (nothing
    /// drawn there, or the mouse left the graph).
    void readout(const QString& text);
    /// The step of the record under the mouse, or nullptr when there is none;
    /// valid until the record next changes.
    void stepPointed(const plot::RecordedStep* step);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void follow(RecordChange change);
    void matchScreen();
    void startRender(QSize device, double ratio);
    void renderSlice();
    QSize innerSize() const;
    QSize deviceInnerSize(double ratio) const;
    double zoomedRatio(double ratio) const;
    void setReading(std::optional<int> t, const QString& text);

    const DrawingRecord& m_record;
    int m_observer = -1;
    // What the widget shows, at the screen ratio m_ratio.
    std::unique_ptr<GraphRender> m_screen;
    double m_ratio = 1;
    // The image being drawn anew at the screen ratio m_renderRatio, and what drives it.
    std::unique_ptr<GraphRender> m_render;
    double m_renderRatio = 1;
    QTimer m_renderTimer;
    std::optional<int> m_cursorT;
    GraphStyle m_style = GraphStyle::Standard;
};

/// One Moon picture (picmoon k): the Moon's phase drawn as a disc on night blue,
/// a view of the drawing document's Moon picture k. It keeps its drawing across
/// repaints, follows the document as it grows or is cleared, and draws it anew,
/// sharp, when the pixel ratio or its size changes.
class MoonWidget : public QWidget {
    Q_OBJECT
public:
    /// A view of picture `k` (0..12) of `record`, which must outlive the widget.
    MoonWidget(const DrawingRecord& record, int k, QWidget* parent = nullptr);
    ~MoonWidget() override;

    QImage image() const;

    QSize sizeHint() const override;

    /// Device pixels of image() per pixel of the picture at its design size.
    double imageRatio() const { return m_scale; }

    /// Which way up the picture is drawn (as seen there, by default).
    void setMoonView(MoonView view);

signals:
    /// The mouse came over the picture (true) or left it (false).
    void hovered(bool inside);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void follow();
    void matchScreen();
    /// Draws the picture anew if it no longer shows m_angle: when it is
    /// painted or asked for, not at every step a run adds.
    void refresh() const;

    const DrawingRecord& m_record;
    int m_k;
    int m_observer = -1;
    mutable QImage m_image;
    mutable bool m_stale = true; // m_image is yet to show m_angle
    double m_ratio = 1;
    double m_scale = 1;
    std::optional<double> m_angle; // what the picture shows
    MoonView m_view = MoonView::AsSeenThere;
};

} // namespace veltaro::plot
