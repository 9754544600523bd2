// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/photopng.h"

#include <QColorSpace>
#include <QIODevice>
#include <QImage>

#include <png.h>
#include <zlib.h>

#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// What libpng's callbacks share: where the bytes go and why writing stopped.
struct PngSink
{
    QIODevice *device = nullptr;
    std::array<char, 256> error{};
};

void keepError(PngSink &sink, const char *message)
{
    if (message != sink.error.data())
        std::strncpy(sink.error.data(), message, sink.error.size() - 1);
}

[[noreturn]] void onError(png_structp png, png_const_charp message)
{
    keepError(*static_cast<PngSink *>(png_get_error_ptr(png)), message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// Returns before libpng is told, so that nothing of this frame is skipped by its longjmp.
bool writeTo(PngSink &sink, const png_bytep data, png_size_t length)
{
    const auto size = static_cast<qint64>(length);
    if (sink.device->write(reinterpret_cast<const char *>(data), size) == size)
        return true;
    keepError(sink, sink.device->errorString().toUtf8().constData());
    return false;
}

void onWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto *sink = static_cast<PngSink *>(png_get_io_ptr(png));
    if (!writeTo(*sink, data, length))
        png_error(png, sink->error.data());
}

void onFlush(png_structp) {}

// Only plain data lives in this frame and the callbacks', as libpng leaves them by longjmp
// on an error.
bool writeRows(png_structp png, png_infop info, const QImage &rows, int colourType)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(rows.width()),
                 static_cast<png_uint_32>(rows.height()), 8, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, static_cast<png_uint_32>(rows.dotsPerMeterX()),
                 static_cast<png_uint_32>(rows.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_PAETH);
    png_set_compression_strategy(png, Z_RLE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < rows.height(); ++y)
        png_write_row(png, rows.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

bool canWritePhotoPng(const QImage &image)
{
    return !image.isNull() && (image.depth() == 24 || image.depth() == 32)
        && !image.colorSpace().isValid() && image.textKeys().isEmpty();
}

Expected<void> writePhotoPng(const QImage &image, QIODevice &device)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage rows
        = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    PngSink sink{&device, {}};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return Unexpected(u"there is no memory to write the picture"_s);
    }
    png_set_write_fn(png, &sink, onWrite, onFlush);
    const bool written
        = writeRows(png, info, rows, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB);
    png_destroy_write_struct(&png, &info);
    if (!written)
        return Unexpected(QString::fromUtf8(sink.error.data()));
    return {};
}
