#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

namespace veltaro::ui {

/// The sizes 表示 → 拡大表示 offers [factor]: 100 %, 125 %, 150 % and 200 %.
inline constexpr std::array<double, 4> kZoomSteps{1.0, 1.25, 1.5, 2.0};

/// `rect`, laid out at 100 %, at `factor`: each edge scaled and rounded on its
/// own, so that controls that meet at 100 % meet at every size and a control
/// keeps its place relative to the others.
QRect scaledRect(const QRect& rect, double factor);

/// The next zoom step above (direction +1) or below (-1) `factor`, or `factor`
/// itself at the end of the steps.
double nextZoomStep(double factor, int direction);

/// Shows an absolute layout larger: the geometry and the font of every control
/// placed in a container, scaled together by one factor.
///
/// It notes the layout as it stands when made (100 %): the window's font, the
/// container's size and, for each control placed in the container or in one of
/// its plain frames, the geometry and the point size of a font of its own.
/// Controls without a font of their own follow the window's. The window's menus,
/// windows of their own that take no font from it, are noted and scaled too.
/// Menus made each time they open (the graph's right-click menu, a text box's
/// edit menu) take the application's font for menus, which is scaled with the
/// rest and set back to its size at 100 % when the zoom goes.
class LayoutZoom {
public:
    LayoutZoom(QWidget* window, QWidget* container);
    ~LayoutZoom();
    LayoutZoom(const LayoutZoom&) = delete;
    LayoutZoom& operator=(const LayoutZoom&) = delete;

    /// Lays everything out at `factor` times its size at 100 %.
    void apply(double factor);
    double factor() const { return m_factor; }

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect geometry;   // at 100 %
        double pointSize; // of its own font at 100 %, 0 when it has none
    };
    void note(QWidget* widget);

    QPointer<QWidget> m_window;
    double m_windowPointSize;
    QPointer<QWidget> m_container;
    QSize m_containerSize;
    std::vector<Placed> m_placed;
    std::vector<Placed> m_menus; // font only
    double m_menuClassPointSize; // of the application's font for menus at 100 %
    double m_factor = 1;
};

} // namespace veltaro::ui
