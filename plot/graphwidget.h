#pragma once

#include "plot/drawingrecord.h"

#include <QImage>
#include <QWidget>

namespace veltaro::plot {

/// The graph area (Picture1): a user scale of 8640 x 4500 units, x to the right,
/// y downwards, zero line at y = 2250.
///
/// Everything drawn goes into an off-screen image that the widget paints, so
/// curves accumulate across drawings, survive repaints and are wiped only by
/// erase(). Beside the image the widget keeps the record of every step drawn
/// since the last erase(), from which saved pictures and CSV are made and the
/// image is drawn anew when the screen's pixel ratio changes.
class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget* parent = nullptr);

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

    /// Device pixels per pixel of image().
    double imageRatio() const { return m_ratio; }

protected:
    void paintEvent(QPaintEvent* event) override;

    // The drawing primitives the plot driver uses live in the implementation.
    friend class GraphPainter;
    friend class PlotController;
    QImage& surface();

private:
    void matchScreen();

    QImage m_image;
    double m_ratio = 1;
    DrawingRecord m_record;
};

/// One Moon picture (picmoon): the Moon's phase drawn as a disc on night blue.
/// It keeps its drawing across repaints until the next lunadraw or erase().
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

    /// Device pixels per pixel of image().
    double imageRatio() const { return m_ratio; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class PlotController;
    void matchScreen();

    QImage m_image;
    double m_ratio = 1;
};

} // namespace veltaro::plot
