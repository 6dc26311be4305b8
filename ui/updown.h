#pragma once

#include <QTimer>
#include <QWidget>

class QLineEdit;

namespace veltaro::ui {

/// A spin button attached to a text box (its buddy), in the manner of the
/// classic up-down control: it keeps no value of its own, and every step starts
/// from the number the box holds at that moment.
///
/// - One step changes the number by 1 and writes it back as plain digits; at the
///   ends of the range it wraps (up from the maximum gives the minimum, down from
///   the minimum the maximum). The date fix-ups rely on this wrap.
/// - A number outside the range when a step starts is brought into it: a step up
///   lands on the minimum, a step down on the maximum (so a typed year 3000 steps
///   down to the last accepted year, and a typed 1500 steps up to the first).
/// - The box's text is read as calendar's parseWholeNumber reads it: blanks
///   ignored, full-width digits accepted, a fraction rounded half to even. A box
///   that holds no number is left alone: nothing is written and no signal is
///   raised, because there is nothing to step from and a made-up value would
///   look like a wrap to the date fix-ups.
/// - Clicks on the upper or lower half step up or down and repeat while held;
///   the Up and Down arrow keys in the buddy, and the mouse wheel over either,
///   step once per notch. PageUp and PageDown are left to the box (they do
///   nothing there): a jump of several steps would hide the wraps the fix-ups
///   look for.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    QLineEdit* buddy() const { return m_buddy; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    /// Steps the buddy's number up by one (wrapping); emits steppedUp when written.
    void stepUp();
    /// Steps the buddy's number down by one (wrapping); emits steppedDown when written.
    void stepDown();

signals:
    void steppedUp();
    void steppedDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Half { None, Up, Down };
    Half halfAt(const QPoint& pos) const;
    bool step(int direction);
    void repeatStep();
    void stopRepeat();
    /// Turns wheel rotation into whole notches; true when the event was used.
    bool wheelSteps(QWheelEvent* event);

    QLineEdit* m_buddy;
    int m_min;
    int m_max;
    Half m_pressed = Half::None;
    QTimer m_repeat;
    int m_wheelRest = 0;
};

} // namespace veltaro::ui
