#pragma once

// The graph as a picture to keep: a caption block (what was drawn, where, in which
// mode, and the legend), the 13 Moon pictures and the graph with its axis
// captions, painted from the drawing record by the same code as the window. As a
// PNG or on the clipboard (an image), as SVG or PDF (vector shapes), or printed.

#include "plot/drawingrecord.h"
#include "plot/graphstyle.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

class QIODevice;
class QPainter;

namespace veltaro::plot {

/// Device pixels per window pixel of a saved PNG (good for print) and of the
/// picture put on the clipboard (good for a slide or a document).
inline constexpr int kPngScale = 3;
inline constexpr int kClipboardScale = 2;
/// Units per window pixel of an SVG: dots and lines fall on a half-pixel grid.
inline constexpr int kSvgScale = 2;

/// The picture's size in window pixels (scale 1).
QSize exportSize(const DrawingRecord& record);

/// Where the graph's inner area lies in the picture at `scale` [device pixels].
QRect graphArea(const DrawingRecord& record, int scale);

/// Paints the picture with its top-left corner at the painter's origin, the
/// painter's units being device pixels at `scale` per window pixel (a whole
/// number). The graph's inner area takes `graphBackground`, the window's colour
/// for it. On an image without a transform the graph is the window's very
/// pixels; on any other surface its points and lines are vector shapes. The
/// curves, the grid and the legend take `style`'s look.
void paintExport(QPainter& painter, const DrawingRecord& record, int scale, QColor graphBackground,
                 GraphStyle style = GraphStyle::Standard,
                 MoonView moonView = MoonView::AsSeenThere);

/// Paints the picture as large as fits into `page` (the painter's coordinates),
/// centred across and at the top, keeping its proportions.
void paintOnPage(QPainter& painter, const QRectF& page, const DrawingRecord& record,
                 QColor graphBackground, GraphStyle style = GraphStyle::Standard,
                 MoonView moonView = MoonView::AsSeenThere);

/// The picture as an image at `scale` device pixels per window pixel.
QImage exportImage(const DrawingRecord& record, int scale, QColor graphBackground,
                   GraphStyle style = GraphStyle::Standard,
                   MoonView moonView = MoonView::AsSeenThere);

/// The kinds of file the picture is written as.
enum class PictureFormat { Png, Svg, Pdf, Jpeg };

/// The quality a JPEG is written at (0..100): the curves' single pixels and
/// the captions stay clean. A JPEG of this line drawing is some four times the
/// PNG's size; it is there for the programs that take nothing else.
inline constexpr int kJpegQuality = 92;

/// The format a file name asks for by its suffix (any case): .png, .svg, .pdf,
/// .jpg or .jpeg; nothing for any other suffix or none, which the program
/// cannot write.
std::optional<PictureFormat> pictureFormatOf(const QString& path);

/// Writes the picture to `device` (open for writing) in `format`; PDF on an A4
/// landscape page, JPEG at the PNG's size through Qt's JPEG image writer. `title` goes into the
/// file's own description (SVG, PDF). False when the device refused the data.
bool writePicture(QIODevice& device, PictureFormat format, const DrawingRecord& record,
                  QColor graphBackground, const QString& title,
                  GraphStyle style = GraphStyle::Standard,
                  MoonView moonView = MoonView::AsSeenThere);

} // namespace veltaro::plot
