#include "plot/pngencode.h"

#include <QBuffer>
#include <array>
#include <cstdint>
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

QByteArray encodePng(const QImage& image) {
    if (image.isNull() || image.hasAlphaChannel()) {
        return image.isNull() ? QByteArray() : qtPng(image);
    }
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::size_t>(rgb.width());
    const auto height = static_cast<std::size_t>(rgb.height());
    const std::size_t rowBytes = 1 + 3 * width;
    if (height > std::numeric_limits<qsizetype>::max() / rowBytes) {
        return {};
    }

    // Each row: filter type 0 (none), then red, green and blue of each pixel.
    QByteArray rows(static_cast<qsizetype>(rowBytes * height), Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(rows.data());
    for (std::size_t y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        *out++ = 0;
        for (std::size_t x = 0; x < width; ++x) {
            const QRgb p = line[x];
            out[0] = static_cast<unsigned char>(qRed(p));
            out[1] = static_cast<unsigned char>(qGreen(p));
            out[2] = static_cast<unsigned char>(qBlue(p));
            out += 3;
        }
    }

    const std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(kDeflateLevel));
    if (!compressor) {
        return {};
    }
    const std::size_t bound =
        libdeflate_zlib_compress_bound(compressor.get(), static_cast<std::size_t>(rows.size()));
    if (bound > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return {}; // a chunk holds less than 2^31 bytes
    }
    QByteArray deflated(static_cast<qsizetype>(bound), Qt::Uninitialized);
    const std::size_t size =
        libdeflate_zlib_compress(compressor.get(), rows.constData(),
                                 static_cast<std::size_t>(rows.size()), deflated.data(), bound);
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
    if (rgb.dotsPerMeterX() > 0 && rgb.dotsPerMeterY() > 0) {
        QByteArray phys;
        putUint32(phys, static_cast<std::uint32_t>(rgb.dotsPerMeterX()));
        putUint32(phys, static_cast<std::uint32_t>(rgb.dotsPerMeterY()));
        phys.append('\x01'); // per metre
        putChunk(png, "pHYs", phys.constData(), static_cast<std::size_t>(phys.size()));
    }
    putChunk(png, "IDAT", deflated.constData(), size);
    putChunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace veltaro::plot
