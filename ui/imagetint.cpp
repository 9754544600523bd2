// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/imagetint.h"

#include "util/systemlog.h"

#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace QEV_NSImageAdditions {

namespace {

// Single precision on purpose: 0.8 must lower a sample by exactly 52.
int tintAmount(float component)
{
    const float scaled = component * -255.0f;
    return static_cast<int>(scaled + 256.0f);
}

} // namespace

QImage imageInColor(const QImage &image, const QColor &color)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(0, 0), result.size()), color);
    return result;
}

QColor pressedTint()
{
    return QColor::fromRgbF(0.8f, 0.8f, 0.8f, 0.5f);
}

QImage imageWithTint(const QImage &image, const QColor &tint)
{
    if (image.isNull()) {
        systemLog(u"not a bitmap image rep"_s);
        return {};
    }
    // Red, green, blue, alpha as consecutive bytes, whatever the picture's own format.
    QImage tinted = image.convertToFormat(QImage::Format_RGBA8888);
    const QColor rgb = tint.toRgb();
    const int amounts[3]
        = {tintAmount(rgb.redF()), tintAmount(rgb.greenF()), tintAmount(rgb.blueF())};
    for (int y = 0; y < tinted.height(); ++y) {
        uchar *pixel = tinted.scanLine(y);
        for (int x = 0; x < tinted.width(); ++x, pixel += 4) {
            for (int sample = 0; sample < 3; ++sample)
                pixel[sample] = static_cast<uchar>(std::max(pixel[sample] - amounts[sample], 0));
        }
    }
    tinted.setDevicePixelRatio(image.devicePixelRatio());
    return tinted;
}

} // namespace QEV_NSImageAdditions
