#pragma once

#include <QColor>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace veltaro::ui {

/// A caption written top to bottom, one character per line, centred across the
/// label's width (the captions beside the Moon pictures and the graph). text()
/// stays the caption as written, e.g. "月　影". A caption without Japanese
/// ("Moon") is turned instead, read from the bottom up, centred in the label.
class VerticalLabel : public QLabel {
    Q_OBJECT
public:
    explicit VerticalLabel(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A one-line caption that is drawn narrower, as a whole, when its text is wider
/// than the room it was given: a longer clock name in the date row's caption
/// keeps the place the layout gives the caption.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittingLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A legend swatch: a horizontal line of the curve's colour filling the widget,
/// which is laid out `thickness` pixels high at 100 %.
class LegendLine : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color)
    Q_PROPERTY(int thickness READ thickness)
public:
    /// The widget is laid out kRoom pixels high at 100 %; the line, `thickness`
    /// of them, is drawn across its middle.
    static constexpr int kRoom = 6;
    LegendLine(const QColor& color, int thickness, QWidget* parent = nullptr);
    QColor color() const { return m_color; }
    int thickness() const { return m_thickness; }
    /// Another colour and thickness (the graph's style changed).
    void setLook(const QColor& color, int thickness);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    int m_thickness;
};

/// An option button whose caption holds a gap of ideographic spaces that another
/// control covers ("連続　　　　　　日" with the days box in the gap). The Gothic
/// faces on Linux draw that space a full em wide, wider than the design counted
/// on, so the text after the gap would slide under the covering control. With
/// setTailAt() the text after the gap is drawn from the given x on, and with
/// setHeadEndAt() the text before it ends by the given x, moved left towards the
/// indicator as far as needed (the faces are wider there too, and "連続" would
/// run into the days box). text() stays the caption as written.
class GapRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit GapRadioButton(const QString& text, QWidget* parent = nullptr);
    /// Draws the text after the gap from `x` [pixels, this widget]; -1 draws
    /// the caption as it is.
    void setTailAt(int x);
    int tailAt() const { return m_tailAt; }
    /// Ends the text before the gap by `x` [pixels, this widget], keeping at
    /// least two pixels from the indicator; -1 draws it where the style puts it.
    void setHeadEndAt(int x);
    int headEndAt() const { return m_headEndAt; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_tailAt = -1;
    int m_headEndAt = -1;
};

} // namespace veltaro::ui
