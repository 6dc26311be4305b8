#include "plot/pngencode.h"

#include <QBuffer>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <libdeflate.h>
#include <limits>
#include <memory>

namespace veltaro::plot {

namespace {

constexpr int kDeflateLevel = 6;

void putUint32(QByteArray& out, std::uint32_t v) {
    const std::array<char, 4> bytes{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                                    static_cast<char>(v >> 8), static_cast<char>(v)};
    out.append(bytes.data(), 4);
}

/// Appends a chunk: length, type, data and the CRC of type and data.
void putChunk(QByteArray& out, const char (&type)[5], const char* data, std::size_t size) {
    putUint32(out, static_cast<std::uint32_t>(size));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data, static_cast<qsizetype>(size));
    putUint32(out, libdeflate_crc32(0, out.constData() + typeAt, size + 4));
}

QByteArray qtPng(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

} // namespace

QByteArray encodePng(QImage image) {
    if (image.isNull() || image.hasAlphaChannel()) {
        return image.isNull() ? QByteArray() : qtPng(image);
    }
    if (image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const auto width = static_cast<std::size_t>(image.width());
    const auto height = static_cast<std::size_t>(image.height());
    const std::size_t rowBytes = 1 + 3 * width;
    const std::size_t rowsSize = rowBytes * height;

    // The rows are packed into the image's own memory, which is warm and
    // already the program's: row y's rowBytes bytes (filter type 0, none, then
    // red, green and blue of each pixel) start before its pixels' four bytes
    // each do, and every pixel is read before the bytes written ahead of it
    // can reach it. A pixel but the last of a row is stored as four bytes, the
    // fourth overwritten by the next pixel's first.
    unsigned char* const rows = image.bits(); // this image's own, unshared
    const auto packed = [](QRgb p) -> std::uint32_t {
        // Stored, this value's bytes are red, green, blue, then 0.
        return std::endian::native == std::endian::little
                   ? ((p >> 16) & 0xffU) | (p & 0xff00U) | ((p & 0xffU) << 16)
                   : (p << 8) & 0xffffff00U;
    };
    for (std::size_t y = 0; y < height; ++y) {
        const unsigned char* line = image.constScanLine(static_cast<int>(y));
        unsigned char* out = rows + y * rowBytes;
        QRgb p;
        std::memcpy(&p, line, 4);
        *out++ = 0;
        for (std::size_t x = 0; x + 1 < width; ++x, out += 3) {
            QRgb next;
            std::memcpy(&next, line + 4 * (x + 1), 4);
            const std::uint32_t bytes = packed(p);
            std::memcpy(out, &bytes, 4);
            p = next;
        }
        const std::uint32_t last = packed(p);
        std::memcpy(out, &last, 3);
    }

    const std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(kDeflateLevel));
    if (!compressor) {
        return {};
    }
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), rowsSize);
    if (bound > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return {}; // a chunk holds less than 2^31 bytes
    }
    QByteArray deflated(static_cast<qsizetype>(bound), Qt::Uninitialized);
    const std::size_t size =
        libdeflate_zlib_compress(compressor.get(), rows, rowsSize, deflated.data(), bound);
    if (size == 0) {
        return {};
    }

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(static_cast<qsizetype>(size) + 128);
    QByteArray header;
    putUint32(header, static_cast<std::uint32_t>(width));
    putUint32(header, static_cast<std::uint32_t>(height));
    // Bit depth 8, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    header.append("\x08\x02\x00\x00\x00", 5);
    putChunk(png, "IHDR", header.constData(), static_cast<std::size_t>(header.size()));
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray phys;
        putUint32(phys, static_cast<std::uint32_t>(image.dotsPerMeterX()));
        putUint32(phys, static_cast<std::uint32_t>(image.dotsPerMeterY()));
        phys.append('\x01'); // per metre
        putChunk(png, "pHYs", phys.constData(), static_cast<std::size_t>(phys.size()));
    }
    putChunk(png, "IDAT", deflated.constData(), size);
    putChunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace veltaro::plot
