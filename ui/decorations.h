#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace veltaro::ui {

/// A caption written top to bottom, one character per line, centred across the
/// label's width (the captions beside the Moon pictures and the graph). text()
/// stays the caption as written, e.g. "月　影".
class VerticalLabel : public QLabel {
    Q_OBJECT
public:
    explicit VerticalLabel(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A legend swatch: a horizontal line of the curve's colour, `thickness` pixels
/// high, filling the widget's width.
class LegendLine : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color CONSTANT)
    Q_PROPERTY(int thickness READ thickness CONSTANT)
public:
    LegendLine(const QColor& color, int thickness, QWidget* parent = nullptr);
    QColor color() const { return m_color; }
    int thickness() const { return m_thickness; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    int m_thickness;
};

} // namespace veltaro::ui
