// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/imagetint.h"
#include "ui/shapedbutton.h"

#include "rowname.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A 20 x 20 picture, transparent but for a 10 x 10 block whose alpha is given.
QImage blockPicture(int alpha)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, alpha));
    return image;
}

struct HitRow
{
    std::string name;
    QImage picture;
    QSizeF bounds;
    QPointF point;
    bool hit;
};

class ShapedButtonHit : public testing::TestWithParam<HitRow>
{};

TEST_P(ShapedButtonHit, acceptsOnlyOpaquePixelsInsideItsBounds)
{
    const HitRow &row = GetParam();
    EXPECT_EQ(QEV_ShapedButton::hitTest(row.picture, row.bounds, row.point), row.hit);
}

QImage doubledPictureOpaqueAt(int column, int row)
{
    QImage image(34, 50, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(column, row, qRgba(0, 0, 0, 255));
    image.setDevicePixelRatio(2);
    return image;
}

QImage opaqueWithout(QImage::Format format, QSize size = {20, 20})
{
    QImage image(size, format);
    image.fill(Qt::black);
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    ShapedButton, ShapedButtonHit,
    testing::Values(
        HitRow{"alpha128Hits", blockPicture(128), {20, 20}, {7, 7}, true},
        HitRow{"alpha127Misses", blockPicture(127), {20, 20}, {7, 7}, false},
        HitRow{"transparentCornerMisses", blockPicture(255), {20, 20}, {0, 0}, false},
        HitRow{"rightEdgeMisses", opaqueWithout(QImage::Format_ARGB32), {20, 20}, {20, 5}, false},
        HitRow{"bottomEdgeMisses", opaqueWithout(QImage::Format_ARGB32), {20, 20}, {5, 20}, false},
        HitRow{"lastPixelHits", opaqueWithout(QImage::Format_ARGB32), {20, 20}, {19.9, 19.9}, true},
        HitRow{"doubledPictureReadsColumn17Row25",
               doubledPictureOpaqueAt(17, 25),
               {17, 25},
               {8.9, 12.6},
               true},
        HitRow{"doubledPictureNeighbourMisses",
               doubledPictureOpaqueAt(16, 25),
               {17, 25},
               {8.9, 12.6},
               false},
        HitRow{"pictureWithoutAlphaTakesTheBounds",
               opaqueWithout(QImage::Format_RGB888),
               {20, 20},
               {0, 0},
               true},
        HitRow{"beyondASmallerPictureMisses",
               opaqueWithout(QImage::Format_ARGB32, {1, 1}),
               {20, 20},
               {10, 10},
               false},
        HitRow{"onePixelPictureHits",
               opaqueWithout(QImage::Format_ARGB32, {1, 1}),
               {20, 20},
               {0.5, 0.5},
               true},
        HitRow{"noPictureTakesTheBounds", QImage(), {20, 20}, {3, 3}, true}),
    RowName());

// Every point of bounds far larger than odd pictures: the sanitizer build catches a read
// outside the bitmap.
TEST(ShapedButton, oddPicturesAreNeverReadOutOfBounds)
{
    const QImage::Format formats[]
        = {QImage::Format_Indexed8, QImage::Format_Mono, QImage::Format_ARGB4444_Premultiplied,
           QImage::Format_RGBA64, QImage::Format_Alpha8};
    for (const QImage::Format format : formats) {
        for (const QSize size : {QSize(1, 1), QSize(3, 7)}) {
            QImage image(size, format);
            if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono)
                image.setColorTable({qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 255)});
            image.fill(1);
            for (int y = -1; y < 30; ++y)
                for (int x = -1; x < 30; ++x)
                    (void)QEV_ShapedButton::hitTest(image, QSizeF(25, 25), QPointF(x, y));
            EXPECT_FALSE(QEV_NSImageAdditions::imageWithTint(image, Qt::gray).isNull());
        }
    }
}

struct TintRow
{
    std::string name;
    QColor tint;
    QRgb expected;
};

class ImageTint : public testing::TestWithParam<TintRow>
{};

TEST_P(ImageTint, lowersEachColourSampleAndKeepsAlpha)
{
    QImage picture(3, 2, QImage::Format_RGBA8888);
    picture.fill(QColor(200, 100, 30, 255));
    picture.setDevicePixelRatio(2);
    const QImage tinted = QEV_NSImageAdditions::imageWithTint(picture, GetParam().tint);
    EXPECT_EQ(tinted.pixel(2, 1), GetParam().expected);
    EXPECT_EQ(tinted.deviceIndependentSize(), QSizeF(1.5, 1));
}

INSTANTIATE_TEST_SUITE_P(ShapedButton, ImageTint,
                         testing::Values(TintRow{"pressedTint", QEV_NSImageAdditions::pressedTint(),
                                                 qRgba(148, 48, 0, 255)},
                                         TintRow{"white", Qt::white, qRgba(199, 99, 29, 255)},
                                         TintRow{"black", Qt::black, qRgba(0, 0, 0, 255)}),
                         RowName());

TEST(ShapedButton, tintKeepsTransparencyPixelForPixel)
{
    const QImage tinted = QEV_NSImageAdditions::imageWithTint(blockPicture(128), Qt::white);
    EXPECT_EQ(qAlpha(tinted.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(tinted.pixel(7, 7)), 128);
    EXPECT_TRUE(QEV_NSImageAdditions::imageWithTint(QImage(), Qt::white).isNull());
}

QImage filled(QColor colour)
{
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QRgb drawnPixel(QEV_ShapedButton &button)
{
    QImage canvas(button.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    button.render(&canvas);
    return canvas.pixel(2, 2);
}

TEST(ShapedButton, drawsItsPictureForItsState)
{
    QEV_ShapedButton button;
    button.setImage(filled(QColor(200, 100, 30)));
    button.resize(10, 10);
    EXPECT_EQ(drawnPixel(button), qRgba(200, 100, 30, 255)) << "normal";
    button.setDown(true);
    EXPECT_EQ(drawnPixel(button), qRgba(148, 48, 0, 255)) << "pressed, tinted";
    button.setAlternateImage(filled(Qt::blue));
    EXPECT_EQ(drawnPixel(button), qRgba(0, 0, 255, 255)) << "pressed, alternate";
    button.setEnabled(false);
    const QRgb faded = drawnPixel(button);
    EXPECT_NEAR(qAlpha(faded), 102, 1) << "disabled while pressed: normal picture at 0.4";
    EXPECT_NEAR(qRed(faded), 200, 2) << "the normal picture, not the pressed one";
}

TEST(ShapedButton, clickOnATransparentPartReachesTheWidgetBehind)
{
    QWidget window;
    window.resize(40, 40);
    auto *behind = new QPushButton(&window);
    behind->setGeometry(0, 0, 20, 20);
    auto *button = new QEV_ShapedButton(&window);
    button->setImage(blockPicture(255));
    button->setGeometry(0, 0, 20, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy behindClicks(behind, &QAbstractButton::clicked);
    QSignalSpy buttonClicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(behindClicks.size(), 1);
    EXPECT_EQ(buttonClicks.size(), 1);
}

} // namespace
