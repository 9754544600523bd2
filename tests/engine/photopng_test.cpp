// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/photopng.h"

#include "rowname.h"

#include <QColorSpace>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

// A picture of noise over a flat band, so that differences from the row above, repeats, each
// channel and its byte order show, and with alpha every transparency from clear to opaque.
QImage pattern(QImage::Format format, QSize size = {37, 23})
{
    QImage image(size, format);
    std::uint32_t noise = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            noise = noise * 1103515245u + 12345u;
            const auto value = [&](int shift) {
                return y % 5 == 2 ? 90 : (noise >> shift) & 255;
            };
            image.setPixelColor(
                x, y,
                QColor(value(8), value(16), value(24), image.hasAlphaChannel() ? value(4) : 255));
        }
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(2835);
    return image;
}

struct FormatRow : NamedRow
{
    QImage::Format format;
    QSize size;
};

class PhotoPng : public testing::TestWithParam<FormatRow>
{};

TEST_P(PhotoPng, readsBackAsTheSamePixelsAndResolution)
{
    const QImage image = pattern(GetParam().format, GetParam().size);
    ASSERT_TRUE(canWritePhotoPng(image));
    const QImage read = QImage::fromData(encodePhotoPng(image), "PNG");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.hasAlphaChannel(), image.hasAlphaChannel());
    EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32),
              image.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(read.dotsPerMeterX(), 3780);
    EXPECT_EQ(read.dotsPerMeterY(), 2835);
}

// Qt's 32-bit words are taken apart row by row, the packed formats read as they are, the
// rest converted first; single pixels and single rows or columns have no neighbours. A
// picture larger than a thread keeps memory for comes before others that reuse the thread's.
INSTANTIATE_TEST_SUITE_P(
    Rows, PhotoPng,
    testing::Values(FormatRow{"opaque32", QImage::Format_RGB32, {37, 23}},
                    FormatRow{"alpha32", QImage::Format_ARGB32, {37, 23}},
                    FormatRow{"premultiplied", QImage::Format_ARGB32_Premultiplied, {37, 23}},
                    FormatRow{"packed24", QImage::Format_RGB888, {37, 23}},
                    FormatRow{"packedAlpha", QImage::Format_RGBA8888, {37, 23}},
                    FormatRow{"paddedPacked", QImage::Format_RGBX8888, {37, 23}},
                    FormatRow{"reversed24", QImage::Format_BGR888, {37, 23}},
                    FormatRow{"beyondKeptMemory", QImage::Format_RGB32, {1300, 1100}},
                    FormatRow{"onePixel", QImage::Format_RGB32, {1, 1}},
                    FormatRow{"oneAlphaPixel", QImage::Format_RGBA8888, {1, 1}},
                    FormatRow{"oneRow", QImage::Format_ARGB32, {41, 1}},
                    FormatRow{"oneColumn", QImage::Format_RGB888, {1, 41}}),
    RowName());

// A chunk as it lies in the file.
struct Chunk
{
    QByteArray type;
    QByteArray data;
    quint32 check = 0;
};

// The PNG check, worked out bit by bit here so that it does not share the writer's code.
quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<uchar>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QList<Chunk> chunksAfterSignature(const QByteArray &png)
{
    QList<Chunk> chunks;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const auto length = qFromBigEndian<quint32>(png.constData() + at);
        chunks.append({png.mid(at + 4, 4), png.mid(at + 8, length),
                       qFromBigEndian<quint32>(png.constData() + at + 8 + length)});
        at += 12 + length;
    }
    return chunks;
}

// A decoder may forgive a wrong check or length; other readers of the file do not.
TEST(PhotoPngFile, holdsItsChunksInOrderWithTheirChecks)
{
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        const QByteArray png = encodePhotoPng(pattern(format));
        EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
        const QList<Chunk> chunks = chunksAfterSignature(png);
        ASSERT_EQ(chunks.size(), 4);
        const std::array<const char *, 4> types{"IHDR", "pHYs", "IDAT", "IEND"};
        qsizetype total = 8;
        for (qsizetype i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(chunks[i].type, types[i]);
            EXPECT_EQ(chunks[i].check, crc32(chunks[i].type + chunks[i].data)) << types[i];
            total += 12 + chunks[i].data.size();
        }
        EXPECT_EQ(total, png.size());
        // Width 37, height 23, 8 bits a channel, RGB (2) or RGBA (6), no interlacing.
        const char colourType = format == QImage::Format_ARGB32 ? 6 : 2;
        EXPECT_EQ(chunks[0].data,
                  QByteArray::fromRawData("\0\0\0\x25\0\0\0\x17\x08", 9) + colourType
                      + QByteArray(3, '\0'));
    }
}

// What the quick writer would drop goes to Qt's writer instead.
TEST(PhotoPngChoice, leavesWhatItWouldLoseToQt)
{
    EXPECT_FALSE(canWritePhotoPng(QImage()));
    EXPECT_FALSE(
        canWritePhotoPng(pattern(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8)));
    EXPECT_FALSE(canWritePhotoPng(pattern(QImage::Format_Grayscale8)));
    EXPECT_FALSE(canWritePhotoPng(pattern(QImage::Format_RGBA64)));
    QImage profiled = pattern(QImage::Format_RGB32);
    profiled.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    EXPECT_FALSE(canWritePhotoPng(profiled));
    QImage described = pattern(QImage::Format_RGB32);
    described.setText(u"Description"_s, u"Ann at the sea"_s);
    EXPECT_FALSE(canWritePhotoPng(described));
}

} // namespace
