// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a colour picture as PNG the quick way for photos: every row filtered by its
// Paeth prediction and the result packed with zlib's run-length strategy, which costs far
// less than trying every filter per row and searching for repeats, while photos, which hold
// few exact repeats, come out about as small. Pictures this does not suit (palettes, grey,
// deep colour, text or a colour profile to carry) are left to Qt's writer.
//
//   if (canWritePhotoPng(image)) written = writePhotoPng(image, file);
#pragma once

#include "util/expected.h"

class QImage;
class QIODevice;

/// Whether writePhotoPng writes everything of image that Qt's PNG writer would.
[[nodiscard]] bool canWritePhotoPng(const QImage &image);

/// Writes image to device as PNG; on failure says why, without the file's name.
[[nodiscard]] Expected<void> writePhotoPng(const QImage &image, QIODevice &device);
