#include "ui/layoutzoom.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QMenu>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

namespace veltaro::ui {

namespace {

int scaled(int value, double factor) {
    return static_cast<int>(std::lround(value * factor));
}

bool hasIndicator(const QWidget* w) {
    return qobject_cast<const QRadioButton*>(w) != nullptr ||
           qobject_cast<const QCheckBox*>(w) != nullptr;
}

/// True for a fixed-size widget: its size is set with setFixedSize.
bool fixedSize(const QWidget* w) {
    return w->minimumSize() == w->maximumSize();
}

/// The application's font for menus, at `pointSize`.
void setMenuClassFont(double pointSize) {
    if (pointSize <= 0) {
        return; // a font sized in pixels: left as it is
    }
    QFont font = QApplication::font("QMenu");
    font.setPointSizeF(pointSize);
    QApplication::setFont(font, "QMenu");
}

void resize(QWidget* w, QSize size) {
    if (fixedSize(w)) {
        w->setFixedSize(size);
    } else {
        w->resize(size);
    }
}

} // namespace

/// The application's style with the indicators of option buttons and check
/// boxes, and the room between indicator and caption, scaled by a factor. The
/// styles draw the indicator to fill the rectangle these sizes give.
class IndicatorZoomStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void setFactor(double factor) { m_factor = factor; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return scaled(value, m_factor);
        default:
            return value;
        }
    }

private:
    double m_factor = 1;
};

QRect scaledRect(const QRect& rect, double factor) {
    const int left = scaled(rect.left(), factor);
    const int top = scaled(rect.top(), factor);
    return {left, top, scaled(rect.left() + rect.width(), factor) - left,
            scaled(rect.top() + rect.height(), factor) - top};
}

QSize zoomedWindowSize(double factor, const ZoomRoom& room) {
    return {static_cast<int>(std::ceil(room.windowAt100.width() * factor)) + room.frame.width(),
            static_cast<int>(std::ceil(room.windowAt100.height() * factor)) + room.frame.height()};
}

bool zoomFits(double factor, const ZoomRoom& room) {
    const QSize size = zoomedWindowSize(factor, room);
    return size.width() <= room.available.width() && size.height() <= room.available.height();
}

double fitZoom(const ZoomRoom& room) {
    if (room.windowAt100.isEmpty()) {
        return 1;
    }
    const double across =
        double(room.available.width() - room.frame.width()) / room.windowAt100.width();
    const double down =
        double(room.available.height() - room.frame.height()) / room.windowAt100.height();
    // In whole hundredths, the last one taken back where the rounding up of the
    // size does not leave room for it.
    int hundredths = static_cast<int>(std::floor(std::min(across, down) * 100 + 1e-9));
    while (hundredths > kSmallestZoom * 100 && !zoomFits(hundredths / 100.0, room)) {
        --hundredths;
    }
    return std::max(kSmallestZoom, hundredths / 100.0);
}

double largestFittingStep(const ZoomRoom& room) {
    const auto step = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                   [&](double z) { return zoomFits(z, room); });
    return step == kZoomSteps.rend() ? 1.0 : *step;
}

double nextZoomStep(double factor, int direction) {
    if (direction > 0) {
        const auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                       [&](double z) { return z > factor; });
        return next == kZoomSteps.end() ? factor : *next;
    }
    const auto next =
        std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [&](double z) { return z < factor; });
    return next == kZoomSteps.rend() ? factor : *next;
}

LayoutZoom::LayoutZoom(QWidget* window, QWidget* container)
    : m_window(window), m_windowPointSize(window->font().pointSizeF()), m_container(container),
      m_containerSize(container->size()), m_containerFixed(fixedSize(container)),
      m_menuClassPointSize(QApplication::font("QMenu").pointSizeF()) {
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        note(child);
        // A plain frame holds controls of its own (Frame1, Frame2).
        if (child->metaObject() == &QFrame::staticMetaObject) {
            for (QWidget* inner : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                note(inner);
            }
        }
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        note(menu);
    }
    // The indicators are drawn as large as the style says: a style of their own.
    if (QStyle* base = QStyleFactory::create(QApplication::style()->name())) {
        m_style = std::make_unique<IndicatorZoomStyle>(base);
        for (const Placed& p : m_placed) {
            if (hasIndicator(p.widget)) {
                p.widget->setStyle(m_style.get());
            }
        }
    }
}

LayoutZoom::~LayoutZoom() {
    setMenuClassFont(m_menuClassPointSize);
    if (m_style) {
        for (const Placed& p : m_placed) {
            if (p.widget && p.widget->style() == m_style.get()) {
                p.widget->setStyle(nullptr);
            }
        }
    }
}

void LayoutZoom::note(QWidget* widget) {
    if (qobject_cast<QMenu*>(widget) != nullptr) {
        m_menus.push_back({widget, {}, widget->font().pointSizeF()});
        return;
    }
    const double pt = widget->testAttribute(Qt::WA_SetFont) ? widget->font().pointSizeF() : 0;
    m_placed.push_back({widget, widget->geometry(), pt});
}

void LayoutZoom::apply(double factor) {
    scale(factor);
    if (m_container) {
        const QSize size = scaledRect(QRect(QPoint(), m_containerSize), factor).size();
        if (m_containerFixed) {
            m_container->setFixedSize(size);
        } else {
            m_container->resize(size);
        }
    }
    m_origin = QPoint();
    place();
}

void LayoutZoom::applyCentred(double factor) {
    scale(factor);
    if (m_container) {
        m_container->setMinimumSize(0, 0);
        m_container->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    centre();
}

void LayoutZoom::centre() {
    if (!m_container) {
        return;
    }
    const QSize room =
        m_container->size() - scaledRect(QRect(QPoint(), m_containerSize), m_factor).size();
    m_origin = QPoint(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
    place();
}

void LayoutZoom::scale(double factor) {
    m_factor = factor;
    if (m_style) {
        m_style->setFactor(factor);
    }
    if (m_window) {
        QFont font = m_window->font();
        font.setPointSizeF(m_windowPointSize * factor);
        m_window->setFont(font);
    }
    setMenuClassFont(m_menuClassPointSize * factor);
    for (const Placed& m : m_menus) {
        if (m.widget) {
            QFont font = m.widget->font();
            font.setPointSizeF(m.pointSize * factor);
            m.widget->setFont(font);
            // The style keeps room beside an item's text that does not grow with
            // the font, and at larger sizes shortens the widest item with "…";
            // a line's height more keeps every item whole.
            m.widget->setMinimumWidth(0);
            if (factor != 1) {
                m.widget->setMinimumWidth(m.widget->sizeHint().width() +
                                          QFontMetrics(font).height());
            }
        }
    }
    for (const Placed& p : m_placed) {
        if (p.widget && p.pointSize > 0) {
            QFont font = p.widget->font();
            font.setPointSizeF(p.pointSize * factor);
            p.widget->setFont(font);
        }
    }
}

void LayoutZoom::place() {
    for (const Placed& p : m_placed) {
        if (!p.widget) {
            continue;
        }
        QRect r = scaledRect(p.geometry, m_factor);
        if (p.widget->parentWidget() == m_container) {
            r.translate(m_origin);
        }
        resize(p.widget, r.size());
        p.widget->move(r.topLeft());
    }
}

} // namespace veltaro::ui
