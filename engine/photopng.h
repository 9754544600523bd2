// SPDX-License-Identifier: GPL-3.0-or-later
// Encodes a colour picture as PNG the quick way for photos: every row filtered by its Paeth
// prediction, then packed by RunLengthDeflate, which looks for runs of a byte only. That
// costs far less than trying every filter per row and searching for repeats of every kind,
// while photos, which hold few other exact repeats, come out about as small. Pictures this
// does not suit (palettes, grey, deep colour, text or a colour profile to carry) are left to
// Qt's writer.
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
