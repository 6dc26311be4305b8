#pragma once

#include "plot/drawingrecord.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace veltaro::plot {

class GraphRender;

/// The longest the graph keeps the event loop from its turn with one slice of
/// work, a drawing's or a new rendering's [ms].
inline constexpr int kSliceMs = 15;

/// The graph area (Picture1): a user scale of 8640 x 4500 units, x to the right,
/// y downwards, zero line at y = 2250.
///
/// Everything drawn goes into an off-screen image that the widget paints, so
/// curves accumulate across drawings, survive repaints and are wiped only by
/// erase(). Beside the image the widget keeps the record of every step drawn
/// since the last erase(), from which saved pictures and CSV are made and the
/// image is drawn anew, sharp, when the screen's pixel ratio or the widget's
/// size changes (the window shown larger). That new image is drawn in slices of
/// kSliceMs on the event loop; until it is complete the widget shows the image
/// it had, scaled, and a drawing goes on into that one (rendering()).
///
/// Under the mouse it reads the step of the most recent drawing (readout()) and
/// marks its place with a thin vertical line over the drawing, which is not part
/// of the image.
class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget* parent = nullptr);
    ~GraphWidget() override;

    /// Draws the 11 dotted column lines x = 720 .. 7920 and the dotted zero line
    /// over whatever the graph holds.
    void redrawline();
    /// Wipes the graph to the window background colour and empties the record.
    void erase();
    /// The graph as it stands, one pixel per device pixel of the inner area.
    QImage image() const;
    /// The colour of the graph's background (the window's colour for it).
    QColor background() const;

    /// What the graph shows: every step drawn since the last erase().
    const DrawingRecord& record() const { return m_record; }
    /// The record, for the controller that draws into the graph.
    DrawingRecord& record() { return m_record; }

    QSize sizeHint() const override;

    /// Device pixels of image() per pixel of the graph at its design size: the
    /// screen's pixel ratio times the zoom. Lines and dots are this wide.
    double imageRatio() const { return m_scale; }
    /// True while the graph is being drawn anew at a new size: image() is still
    /// the one of the size before.
    bool rendering() const { return m_render != nullptr; }
    /// The t the cursor line stands at, if it is shown.
    std::optional<int> cursorT() const { return m_cursorT; }

signals:
    /// The reading under the mouse in words, or "" when there is none (nothing
    /// drawn there, or the mouse left the graph).
    void readout(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // The drawing primitives the plot driver uses live in the implementation.
    friend class GraphPainter;
    friend class PlotController;
    QImage& surface();

private:
    void matchScreen();
    void renderSlice();
    QSize innerSize() const;
    void setReading(std::optional<int> t, const QString& text);

    QImage m_image;
    double m_ratio = 1; // the screen's device pixels per pixel of m_image
    double m_scale = 1; // m_ratio times the zoom
    DrawingRecord m_record;
    std::optional<int> m_cursorT;
    // The image being drawn anew, at this screen ratio, and what drives it.
    std::unique_ptr<GraphRender> m_render;
    double m_renderRatio = 1;
    QTimer m_renderTimer;
};

/// One Moon picture (picmoon): the Moon's phase drawn as a disc on night blue.
/// It keeps its drawing across repaints until the next lunadraw or erase(), and
/// draws it anew, sharp, when the pixel ratio or its size changes.
class MoonWidget : public QWidget {
    Q_OBJECT
public:
    explicit MoonWidget(QWidget* parent = nullptr);

    /// Draws the Moon for the Sun-to-Moon angle `an` [radians].
    void lunadraw(double an);
    /// Wipes the picture to its night-blue background.
    void erase();
    QImage image() const;

    QSize sizeHint() const override;

    /// Device pixels of image() per pixel of the picture at its design size.
    double imageRatio() const { return m_scale; }

signals:
    /// The mouse came over the picture (true) or left it (false).
    void hovered(bool inside);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class PlotController;
    void matchScreen();

    QImage m_image;
    double m_ratio = 1;
    double m_scale = 1;
    std::optional<double> m_angle; // what the picture shows
};

} // namespace veltaro::plot
