// SPDX-License-Identifier: GPL-3.0-or-later
// Encodes a colour picture as PNG the quick way for photos: every row less the row above
// (PNG's "up" filter), then compressed by libdeflate at its quickest level. That costs far
// less than Qt's writer, which tries every filter per row and compresses with zlib, while
// photos come out about as small. Pictures this does not suit (palettes, grey, deep colour,
// text or a colour profile to carry) are left to Qt's writer.
//
//   if (canWritePhotoPng(image)) png = encodePhotoPng(image);
#pragma once

#include <QByteArray>

class QImage;

/// Whether encodePhotoPng writes everything of image that Qt's PNG writer would.
[[nodiscard]] bool canWritePhotoPng(const QImage &image);

/// The PNG file of image: 8 bits a channel, RGB or, when image has an alpha channel, RGBA,
/// with its resolution.
[[nodiscard]] QByteArray encodePhotoPng(const QImage &image);
