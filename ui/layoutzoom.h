#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

namespace veltaro::ui {

class IndicatorZoomStyle;

/// The sizes 表示 → 拡大表示 offers [factor]: 100 %, 125 %, 150 % and 200 %.
inline constexpr std::array<double, 4> kZoomSteps{1.0, 1.25, 1.5, 2.0};
/// The smallest size fitting the window to a screen may choose [factor].
inline constexpr double kSmallestZoom = 0.5;

/// What decides whether the window fits on a screen at a factor [pixels].
struct ZoomRoom {
    /// The window without its frame at 100 %: client area, menu bar and status bar.
    QSize windowAt100;
    /// What the desktop's frame (title bar, borders) adds; nothing in full screen.
    QSize frame;
    /// The room on the screen: its available area, or the whole screen in full screen.
    QSize available;
};

/// The window's size at `factor`, frame included, never smaller than it is
/// [pixels]. The client area grows exactly with the factor; the menu bar and the
/// status bar, a line of text and margins that stay, grow a little less, and the
/// frame not at all. So the window at 100 % times the factor, rounded up, plus
/// the frame is a bound that errs on the safe side.
QSize zoomedWindowSize(double factor, const ZoomRoom& room);

/// True when the window at `factor` fits in `room.available`.
bool zoomFits(double factor, const ZoomRoom& room);

/// The largest factor, in whole hundredths, at which the window fits; at least
/// kSmallestZoom, however small the screen.
double fitZoom(const ZoomRoom& room);

/// The largest of kZoomSteps that fits; 100 % when none does, the window's own
/// size, below which only fitZoom() goes.
double largestFittingStep(const ZoomRoom& room);

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
///
/// The option buttons' indicators grow with the rest: the style they are drawn
/// with gives the indicator's size times the factor.
class LayoutZoom {
public:
    LayoutZoom(QWidget* window, QWidget* container);
    ~LayoutZoom();
    LayoutZoom(const LayoutZoom&) = delete;
    LayoutZoom& operator=(const LayoutZoom&) = delete;

    /// Lays everything out at `factor` times its size at 100 %, the container
    /// at that size too.
    void apply(double factor);
    /// Lays everything out at `factor` times its size at 100 % in the middle of
    /// the container, which takes the size its owner gives it (a window over the
    /// whole screen). centre() places it in the middle again when that changes;
    /// apply() gives the container its own size back.
    void applyCentred(double factor);
    void centre();
    double factor() const { return m_factor; }

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect geometry;   // at 100 %
        double pointSize; // of its own font at 100 %, 0 when it has none
    };
    void note(QWidget* widget);
    /// The fonts and the indicators at `factor`.
    void scale(double factor);
    /// Every control at its place at factor(), those in the container moved by m_origin.
    void place();

    QPointer<QWidget> m_window;
    double m_windowPointSize;
    QPointer<QWidget> m_container;
    QSize m_containerSize;
    bool m_containerFixed; // the container's size is fixed at 100 %
    QPoint m_origin;       // where the layout's top left corner is in the container
    std::vector<Placed> m_placed;
    std::vector<Placed> m_menus; // font only
    double m_menuClassPointSize; // of the application's font for menus at 100 %
    double m_factor = 1;
    std::unique_ptr<IndicatorZoomStyle> m_style; // the option buttons' style, indicators scaled
};

} // namespace veltaro::ui
