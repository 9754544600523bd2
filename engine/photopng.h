// SPDX-License-Identifier: GPL-3.0-or-later
// Encodes a colour picture as PNG the quick way for photos: every row filtered by its Paeth
// prediction and the whole packed at once by libdeflate's quickest level, which costs far
// less than trying every filter per row and searching hard for repeats, while photos, which
// hold few exact repeats, come out about as small. Pictures this does not suit (palettes,
// grey, deep colour, text or a colour profile to carry) are left to Qt's writer.
//
//   if (canWritePhotoPng(image)) png = encodePhotoPng(image);
#pragma once

#include "util/expected.h"

#include <QByteArray>

class QImage;

/// Whether encodePhotoPng writes everything of image that Qt's PNG writer would.
[[nodiscard]] bool canWritePhotoPng(const QImage &image);

/// The PNG file of image: 8 bits a channel, RGB or, when image has an alpha channel, RGBA,
/// with its resolution; on failure says why, without a file's name.
[[nodiscard]] Expected<QByteArray> encodePhotoPng(const QImage &image);
