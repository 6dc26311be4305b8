#include "ui/layoutzoom.h"

#include <QApplication>
#include <QFrame>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace veltaro::ui {

namespace {

int scaled(int value, double factor) {
    return static_cast<int>(std::lround(value * factor));
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

QRect scaledRect(const QRect& rect, double factor) {
    const int left = scaled(rect.left(), factor);
    const int top = scaled(rect.top(), factor);
    return {left, top, scaled(rect.left() + rect.width(), factor) - left,
            scaled(rect.top() + rect.height(), factor) - top};
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
      m_containerSize(container->size()),
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
}

LayoutZoom::~LayoutZoom() {
    setMenuClassFont(m_menuClassPointSize);
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
    m_factor = factor;
    if (m_window) {
        QFont font = m_window->font();
        font.setPointSizeF(m_windowPointSize * factor);
        m_window->setFont(font);
    }
    if (m_container) {
        resize(m_container, QSize(scaled(m_containerSize.width(), factor),
                                  scaled(m_containerSize.height(), factor)));
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
        if (!p.widget) {
            continue;
        }
        if (p.pointSize > 0) {
            QFont font = p.widget->font();
            font.setPointSizeF(p.pointSize * factor);
            p.widget->setFont(font);
        }
        const QRect r = scaledRect(p.geometry, factor);
        resize(p.widget, r.size());
        p.widget->move(r.topLeft());
    }
}

} // namespace veltaro::ui
