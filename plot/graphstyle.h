#pragma once

// How the graph's curves and grid look: the program's own look, or one for a
// projector in a lit classroom. The graph on screen, the saved pictures and the
// printout all read the look from here. Plain C++.

#include <cstdint>

namespace veltaro::plot {

/// The look of the graph.
enum class GraphStyle {
    /// Thin dots in the program's own colours (Sun 222, 51, 0; Moon 87, 67, 0;
    /// Sun and Moon 21, 24, 255), the grid black.
    Standard,
    /// Thick curves (joined in the diurnal graph) in colours that stay apart for the common colour
    /// vision deficiencies (Okabe and Ito's palette: vermillion, blue, black)
    /// and from the grid, which is grey.
    Presentation,
};

/// One curve: its colour (0xAARRGGBB) and how wide its points are [pixels].
struct CurveLook {
    std::uint32_t colour;
    int width;        ///< in the 60-day and annual graphs
    int diurnalWidth; ///< in the diurnal graph
};

/// Everything a style changes.
struct StyleLook {
    CurveLook sun;
    CurveLook moon;
    CurveLook combined; ///< Sun and Moon together
    std::uint32_t grid; ///< the dotted column lines and the zero line (0xAARRGGBB)
    /// In the diurnal graph, each point joined to the one before it by a bar
    /// down its columns: a line. The other graphs have many steps to a pixel
    /// column and show the spread of their points, which a line would fill in.
    bool joinedDiurnal;
    int legendThickness; ///< the legend's swatches [pixels]
};

/// The look of `style`.
constexpr StyleLook lookOf(GraphStyle style) {
    switch (style) {
    case GraphStyle::Presentation:
        return {{0xffd55e00, 2, 2}, // vermillion
                {0xff0072b2, 2, 2}, // blue
                {0xff000000, 2, 3}, // black
                0xff8c8c8c,         // grey
                true,
                4};
    case GraphStyle::Standard:
        break;
    }
    return {{0xffde3300, 1, 1}, {0xff574300, 1, 1}, {0xff1518ff, 1, 2}, 0xff000000, false, 2};
}

} // namespace veltaro::plot
