#pragma once

// A PNG file of an opaque image, made at once in memory.

#include <QByteArray>
#include <QImage>

namespace veltaro::plot {

/// The PNG file of `image`: 8-bit RGB, its resolution (pHYs) as the image
/// gives it, every row unfiltered and the whole deflated in one call
/// (libdeflate, level 6).
///
/// Notes:
///  1. The pictures this program makes are large flat areas crossed by thin
///     curves: for them the unfiltered rows deflate to the size that Qt's
///     writer (libpng, adaptive filtering, zlib level 6) reaches, in a quarter
///     of its time.
///  2. An image with an alpha channel goes to Qt's own writer, which keeps it.
///  3. Empty when the image is null or too large for one PNG.
///  4. The rows are packed into the image's memory: an image handed over
///     (std::move) is used up, a shared one is copied first.
QByteArray encodePng(QImage image);

} // namespace veltaro::plot
