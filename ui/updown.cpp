#include "ui/updown.h"

#include "calendar/input.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>
#include <QWheelEvent>

#include <algorithm>

namespace veltaro::ui {

namespace {
constexpr int kRepeatDelayMs = 400; // hold this long before the step repeats
constexpr int kRepeatEveryMs = 60;  // then one step this often
constexpr int kNotch = 120;         // wheel rotation of one notch, in eighths of a degree

/// The arrow drawn in `room`, the inside of one half of the button [pixels]:
/// half the button's width wide and 4/7 of that high, as the styles draw it on
/// a button of the usual size, so that it grows with the button; smaller where
/// the room is lower than that.
QPolygonF arrowIn(const QRectF& room, Qt::ArrowType direction) {
    const double width = std::min((room.width() + 4) / 2, room.height() * 7 / 4);
    const double height = width * 4 / 7;
    const QPointF c = room.center();
    const double tip = direction == Qt::UpArrow ? -height / 2 : height / 2;
    return QPolygonF({QPointF(c.x() - width / 2, c.y() - tip),
                      QPointF(c.x() + width / 2, c.y() - tip), QPointF(c.x(), c.y() + tip)});
}
} // namespace

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_min(minimum), m_max(maximum) {
    Q_ASSERT(buddy != nullptr && minimum <= maximum);
    setFocusPolicy(Qt::NoFocus);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &UpDown::repeatStep);
    m_buddy->installEventFilter(this);
}

QSize UpDown::sizeHint() const {
    return {16, 22};
}
QSize UpDown::minimumSizeHint() const {
    return {10, 12};
}

void UpDown::stepUp() {
    if (step(+1)) {
        emit steppedUp();
    }
}

void UpDown::stepDown() {
    if (step(-1)) {
        emit steppedDown();
    }
}

bool UpDown::step(int direction) {
    const auto number = parseWholeNumber(m_buddy->text().toStdString());
    if (!number) {
        return false;
    }
    int next = *number + direction;
    if (next > m_max || next < m_min) {
        next = direction > 0 ? m_min : m_max;
    }
    m_buddy->setText(QString::number(next));
    return true;
}

UpDown::Half UpDown::halfAt(const QPoint& pos) const {
    if (!rect().contains(pos)) {
        return Half::None;
    }
    return pos.y() < height() / 2 ? Half::Up : Half::Down;
}

void UpDown::repeatStep() {
    m_repeat.setInterval(kRepeatEveryMs);
    if (m_pressed == Half::Up) {
        stepUp();
    } else if (m_pressed == Half::Down) {
        stepDown();
    }
}

void UpDown::stopRepeat() {
    m_repeat.stop();
    m_pressed = Half::None;
    update();
}

void UpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = halfAt(event->position().toPoint());
    update();
    if (m_pressed == Half::None) {
        return;
    }
    m_repeat.start(kRepeatDelayMs);
    if (m_pressed == Half::Up) {
        stepUp();
    } else {
        stepDown();
    }
}

void UpDown::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        stopRepeat();
    }
    QWidget::mouseReleaseEvent(event);
}

bool UpDown::wheelSteps(QWheelEvent* event) {
    if (!isEnabled()) {
        return false;
    }
    m_wheelRest += event->angleDelta().y();
    while (m_wheelRest >= kNotch) {
        m_wheelRest -= kNotch;
        stepUp();
    }
    while (m_wheelRest <= -kNotch) {
        m_wheelRest += kNotch;
        stepDown();
    }
    event->accept();
    return true;
}

void UpDown::wheelEvent(QWheelEvent* event) {
    wheelSteps(event);
}

void UpDown::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        stopRepeat();
    }
    QWidget::changeEvent(event);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && isEnabled()) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Up) {
                stepUp();
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                stepDown();
                return true;
            }
        } else if (event->type() == QEvent::Wheel) {
            return wheelSteps(static_cast<QWheelEvent*>(event));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    const QColor ink =
        palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, QPalette::ButtonText);
    for (int i = 0; i < 2; ++i) {
        const bool pressed = m_pressed == (i == 0 ? Half::Up : Half::Down);
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

        // The arrow is drawn here rather than by the style, which keeps it at
        // one size: it grows with the button when the window is shown larger.
        QRectF room = QRectF(halves[i]).adjusted(2, 1, -2, -1);
        if (pressed) {
            room.translate(1, 1);
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(arrowIn(room, i == 0 ? Qt::UpArrow : Qt::DownArrow));
        painter.restore();
    }
}

} // namespace veltaro::ui
