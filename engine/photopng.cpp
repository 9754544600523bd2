// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/photopng.h"

#include <QColorSpace>
#include <QImage>
#include <QtEndian>

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace {

// A thread lets go of row memory beyond this after a picture, so one large picture does
// not hold memory for the rest of the export.
constexpr std::size_t kKeptRowBytes = std::size_t{4} << 20;
constexpr std::array<uchar, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr uchar kUpFilter = 2;
constexpr std::size_t kChunkFrame = 12; // length, type and check around the data
constexpr std::size_t kHeaderSize = 13;
constexpr std::size_t kResolutionSize = 9;
// libdeflate's quickest level: on photos after the row filter, higher levels take half as
// long again for one or two in a hundred bytes.
constexpr int kCompressionLevel = 1;

struct CompressorDeleter
{
    void operator()(libdeflate_compressor *compressor) const
    {
        libdeflate_free_compressor(compressor);
    }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorDeleter>;

Compressor makeCompressor()
{
    Compressor compressor(libdeflate_alloc_compressor(kCompressionLevel));
    Q_CHECK_PTR(compressor); // out of memory
    return compressor;
}

// What a thread keeps from one picture to the next, so that each picture neither sets up a
// compressor's memory nor faults in fresh pages for its rows.
struct Workspace
{
    Compressor compressor = makeCompressor();
    std::vector<uchar> filtered; // every row after its filter byte
    std::vector<uchar> rows;     // a row of zeros, then two rows in PNG's byte order
};

Workspace &threadWorkspace()
{
    thread_local Workspace workspace;
    return workspace;
}

// The image in a format whose rows are PNG's bytes or Qt's 32-bit words, which are taken
// apart row by row rather than converted whole.
QImage inRowFormat(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_RGB888:
    case QImage::Format_RGBA8888:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                             : QImage::Format_RGB888);
    }
}

template<int Channels>
void unpackWords(const uchar *line, int width, uchar *out)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(line);
    for (int x = 0; x < width; ++x, out += Channels) {
        out[0] = static_cast<uchar>(qRed(pixels[x]));
        out[1] = static_cast<uchar>(qGreen(pixels[x]));
        out[2] = static_cast<uchar>(qBlue(pixels[x]));
        if constexpr (Channels == 4)
            out[3] = static_cast<uchar>(qAlpha(pixels[x]));
    }
}

// Row y in PNG's byte order: the image's own line, or spare filled from it.
const uchar *pngRow(const QImage &image, int y, uchar *spare)
{
    const uchar *line = image.constScanLine(y);
    switch (image.format()) {
    case QImage::Format_RGB32:
        unpackWords<3>(line, image.width(), spare);
        return spare;
    case QImage::Format_ARGB32:
        unpackWords<4>(line, image.width(), spare);
        return spare;
    default:
        return line;
    }
}

// Each byte less the one above it. After this, libdeflate finds photos' repeats as well as
// after Paeth's prediction, which costs more than the compression saves.
void filterRow(const uchar *row, const uchar *above, std::size_t bytes, uchar *out)
{
    for (std::size_t i = 0; i < bytes; ++i)
        out[i] = static_cast<uchar>(row[i] - above[i]);
}

// Fills workspace.filtered with the rows of image (in inRowFormat) as PNG's filtered data.
void filterImage(const QImage &image, int channels, Workspace &workspace)
{
    const std::size_t bytes = static_cast<std::size_t>(image.width()) * channels;
    workspace.rows.assign(3 * bytes, 0);
    workspace.filtered.resize((bytes + 1) * static_cast<std::size_t>(image.height()));
    const uchar *above = workspace.rows.data(); // the row before the first is zeros
    uchar *out = workspace.filtered.data();
    for (int y = 0; y < image.height(); ++y, out += bytes + 1) {
        const uchar *row = pngRow(image, y, workspace.rows.data() + bytes * (1 + y % 2));
        out[0] = kUpFilter;
        filterRow(row, above, bytes, out + 1);
        above = row;
    }
}

uchar *putUint32(uchar *out, quint32 value)
{
    qToBigEndian(value, out);
    return out + 4;
}

// Fills in the length before and the check after a chunk whose type and data are in place;
// returns where the next chunk starts.
uchar *sealChunk(uchar *chunk, std::size_t dataSize)
{
    putUint32(chunk, static_cast<quint32>(dataSize));
    const auto check = static_cast<quint32>(libdeflate_crc32(0, chunk + 4, dataSize + 4));
    return putUint32(chunk + 8 + dataSize, check);
}

template<std::size_t Size>
uchar *putChunk(uchar *chunk, const char (&type)[5], const std::array<uchar, Size> &data)
{
    std::copy_n(type, 4, chunk + 4);
    // std::copy, unlike memcpy, is defined for the empty array of the closing chunk.
    std::copy(data.begin(), data.end(), chunk + 8);
    return sealChunk(chunk, Size);
}

std::array<uchar, kHeaderSize> headerData(const QImage &image, int channels)
{
    std::array<uchar, kHeaderSize> data{}; // compression, filter and interlace methods 0
    putUint32(putUint32(data.data(), static_cast<quint32>(image.width())),
              static_cast<quint32>(image.height()));
    data[8] = 8;                     // bits a channel
    data[9] = channels == 4 ? 6 : 2; // colour type: RGBA or RGB
    return data;
}

std::array<uchar, kResolutionSize> resolutionData(const QImage &image)
{
    std::array<uchar, kResolutionSize> data{};
    putUint32(putUint32(data.data(), static_cast<quint32>(image.dotsPerMeterX())),
              static_cast<quint32>(image.dotsPerMeterY()));
    data[8] = 1; // the unit is the metre
    return data;
}

// The PNG file around workspace.filtered, compressed.
QByteArray assemblePng(const QImage &image, int channels, Workspace &workspace)
{
    const std::vector<uchar> &filtered = workspace.filtered;
    const std::size_t frame = kSignature.size() + kHeaderSize + kResolutionSize + 4 * kChunkFrame;
    libdeflate_compressor *compressor = workspace.compressor.get();
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor, filtered.size());
    QByteArray png(static_cast<qsizetype>(frame + bound), Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(png.data());
    out = std::copy(kSignature.begin(), kSignature.end(), out);
    out = putChunk(out, "IHDR", headerData(image, channels));
    out = putChunk(out, "pHYs", resolutionData(image));
    std::copy_n("IDAT", 4, out + 4);
    // Within the bound the compression always succeeds.
    out = sealChunk(
        out,
        libdeflate_zlib_compress(compressor, filtered.data(), filtered.size(), out + 8, bound));
    out = putChunk(out, "IEND", std::array<uchar, 0>{});
    png.truncate(out - reinterpret_cast<uchar *>(png.data()));
    return png;
}

} // namespace

bool canWritePhotoPng(const QImage &image)
{
    return !image.isNull() && (image.depth() == 24 || image.depth() == 32)
        && !image.colorSpace().isValid() && image.textKeys().isEmpty();
}

QByteArray encodePhotoPng(const QImage &image)
{
    Workspace &workspace = threadWorkspace();
    const QImage rows = inRowFormat(image);
    const int channels = rows.hasAlphaChannel() ? 4 : 3;
    filterImage(rows, channels, workspace);
    QByteArray png = assemblePng(rows, channels, workspace);
    if (workspace.filtered.capacity() > kKeptRowBytes)
        workspace.filtered = std::vector<uchar>();
    return png;
}
