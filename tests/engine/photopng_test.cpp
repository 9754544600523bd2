// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/photopng.h"

#include "rowname.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A picture whose every pixel differs from its neighbours in each channel and, with alpha,
// in transparency, so that a lost channel, row or byte order shows.
QImage pattern(QImage::Format format)
{
    QImage image(37, 23, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y,
                                QColor(x * 7 % 256, y * 11 % 256, (x * y) % 256,
                                       image.hasAlphaChannel() ? (x + y * 5) % 256 : 255));
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(2835);
    return image;
}

struct FormatRow : NamedRow
{
    QImage::Format format;
};

class PhotoPng : public testing::TestWithParam<FormatRow>
{};

TEST_P(PhotoPng, readsBackAsTheSamePixelsAndResolution)
{
    const QImage image = pattern(GetParam().format);
    ASSERT_TRUE(canWritePhotoPng(image));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Expected<void> written = writePhotoPng(image, buffer);
    ASSERT_TRUE(written) << written.error().toStdString();
    const QImage read = QImage::fromData(buffer.data(), "PNG");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.hasAlphaChannel(), image.hasAlphaChannel());
    EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32),
              image.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(read.dotsPerMeterX(), 3780);
    EXPECT_EQ(read.dotsPerMeterY(), 2835);
}

INSTANTIATE_TEST_SUITE_P(Rows, PhotoPng,
                         testing::Values(FormatRow{"opaque32", QImage::Format_RGB32},
                                         FormatRow{"alpha32", QImage::Format_ARGB32},
                                         FormatRow{"premultiplied",
                                                   QImage::Format_ARGB32_Premultiplied},
                                         FormatRow{"packed24", QImage::Format_RGB888}),
                         RowName());

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

TEST(PhotoPngFailure, aDeviceThatTakesNoBytesIsReported)
{
    QBuffer closed;
    const Expected<void> written = writePhotoPng(pattern(QImage::Format_RGB32), closed);
    ASSERT_FALSE(written);
    EXPECT_FALSE(written.error().isEmpty());
}

} // namespace
