// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/imagetint.h"
#include "ui/shapedbutton.h"

#include "rowname.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

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

// A picture of side points, transparent but for a dark block two points in from each edge,
// like the arrows and the group list's buttons.
QImage arrowLikePicture(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 2; y < side - 2; ++y)
        for (int x = 2; x < side - 2; ++x)
            image.setPixel(x, y, qRgba(40, 40, 40, 255));
    return image;
}

// Counts the pixels whose colour moved far enough between two pictures for an eye to see.
int visiblyChangedPixels(const QImage &before, const QImage &after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QRgb a = before.pixel(x, y);
            const QRgb b = after.pixel(x, y);
            const int distance = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                + std::abs(qBlue(a) - qBlue(b));
            changed += distance >= 90 ? 1 : 0;
        }
    }
    return changed;
}

struct FocusRow
{
    std::string name;
    int side;
    QColor window;
    QColor highlight;
};

class ShapedButtonFocus : public testing::TestWithParam<FocusRow>
{};

// The whole window is grabbed, as the screen shows it: the button draws on its parent.
TEST_P(ShapedButtonFocus, showsARingAroundTheFocusedButton)
{
    const FocusRow &row = GetParam();
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, row.window);
    palette.setColor(QPalette::Highlight, row.highlight);
    window.setPalette(palette);
    window.resize(40, 40);
    auto *other = new QPushButton(&window);
    other->setGeometry(20, 20, 20, 20);
    auto *button = new QEV_ShapedButton(&window);
    button->setImage(arrowLikePicture(row.side));
    button->setGeometry(2, 2, row.side, row.side);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([other] { return other->hasFocus(); }, 1000));
    const QImage unfocused = window.grab(button->geometry()).toImage();
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([button] { return button->hasFocus(); }, 1000));
    const QImage focused = window.grab(button->geometry()).toImage();
    // The ring runs round the outermost point: 4 * (side - 1) pixels at a ratio of 1.
    EXPECT_GE(visiblyChangedPixels(unfocused, focused), 4 * (row.side - 1));
}

INSTANTIATE_TEST_SUITE_P(
    ShapedButton, ShapedButtonFocus,
    testing::Values(
        FocusRow{"arrowOnLight", 12, QColor(0xef, 0xef, 0xef), QColor(0x30, 0x8c, 0xc6)},
        FocusRow{"arrowOnDark", 12, QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x82, 0xda)},
        FocusRow{"groupButtonOnLight", 14, QColor(0xef, 0xef, 0xef), QColor(0x30, 0x8c, 0xc6)},
        FocusRow{"groupButtonOnDark", 14, QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x82, 0xda)}),
    RowName());

class ShapedButtonSoftEdge : public testing::TestWithParam<int>
{};

// A black pixel of alpha a over a white parent shows as grey 255 - a, clickable or not.
TEST_P(ShapedButtonSoftEdge, drawsEveryPixelOfThePicture)
{
    const int alpha = GetParam();
    QImage picture = arrowLikePicture(12);
    picture.setPixel(1, 6, qRgba(0, 0, 0, alpha));
    QWidget parent;
    parent.setPalette(QPalette(Qt::white));
    parent.setAutoFillBackground(true);
    parent.resize(20, 20);
    auto *button = new QEV_ShapedButton(&parent);
    button->setImage(picture);
    button->setGeometry(0, 0, 12, 12);
    EXPECT_NEAR(qGray(parent.grab().toImage().pixel(1, 6)), 255 - alpha, 2);
}

INSTANTIATE_TEST_SUITE_P(ShapedButton, ShapedButtonSoftEdge,
                         testing::Values(30, 60, 127, 128, 255));

// Records the presses that reach it.
class PressRecorder : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

struct PressRow
{
    std::string name;
    int alpha;
    QPoint point;
    bool clicks;
};

class ShapedButtonPress : public testing::TestWithParam<PressRow>
{};

TEST_P(ShapedButtonPress, clicksOnlyOnOpaquePixelsAndPassesOtherPressesToItsParent)
{
    const PressRow &row = GetParam();
    PressRecorder window;
    window.resize(40, 40);
    auto *button = new QEV_ShapedButton(&window);
    button->setImage(blockPicture(row.alpha));
    button->setGeometry(0, 0, 20, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, row.point);
    EXPECT_EQ(clicks.size(), row.clicks ? 1 : 0);
    EXPECT_EQ(window.presses, row.clicks ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    ShapedButton, ShapedButtonPress,
    testing::Values(PressRow{"opaqueBlockClicks", 255, {10, 10}, true},
                    PressRow{"alpha128Clicks", 128, {10, 10}, true},
                    PressRow{"alpha127GoesToTheParent", 127, {10, 10}, false},
                    PressRow{"transparentCornerGoesToTheParent", 255, {1, 1}, false}),
    RowName());

} // namespace
