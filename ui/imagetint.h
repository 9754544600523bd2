// SPDX-License-Identifier: GPL-3.0-or-later
// The darkened copy of a picture that a shaped button shows while it is held down when it
// has no pressed picture of its own: every colour sample lowered by an amount that grows as
// the tint colour darkens, transparency kept pixel for pixel.
//
//   const QImage pressed = QEV_NSImageAdditions::imageWithTint(picture, pressedTint());
#pragma once

#include <QColor>
#include <QImage>

namespace QEV_NSImageAdditions {

/// image in the one colour color, its alpha kept pixel for pixel: a dark glyph made light
/// for a dark background.
[[nodiscard]] QImage imageInColor(const QImage &image, const QColor &color);

/// Light grey at half alpha; its alpha plays no part in the tinting.
[[nodiscard]] QColor pressedTint();

/// image darkened by tint: each of red, green and blue drops by trunc(c * -255 + 256) for
/// the tint's component c (1 lowers by 1, 0 by 256), never below 0; alpha unchanged. The
/// copy has the picture's size in points. A null image gives a null image and the log line
/// "not a bitmap image rep".
[[nodiscard]] QImage imageWithTint(const QImage &image, const QColor &tint);

} // namespace QEV_NSImageAdditions
