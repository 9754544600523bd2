// SPDX-License-Identifier: GPL-3.0-or-later
// A contact's picture that the address book only links to as a local file (the desktop's
// address-book server keeps every picture it is given in a file of its own). A link may name
// anything, so only a regular file is read, and only up to a bound: a named pipe would block
// for ever, a device (/dev/zero) never ends, and a film would fill memory. The bytes are kept
// as they are, beside the card's text, never inlined into it.
//
//   Expected<QByteArray> bytes = LinkedPicture::read(path, deadline);
//   if (!bytes) report(u"picture left out: %1: %2"_s.arg(path, bytes.error()));
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

class LinkedPicture final
{
public:
    /// The largest picture file read. A full-size camera photo (JPEG, HEIF) is well below it,
    /// and so is any JPEG that the pages could still decode within their 128 MiB (about 32
    /// megapixels, PictureFiles::kAllocationLimitMiB), while every picture read is held in
    /// memory with the book: a link to a film or a disk image is refused before it is read.
    static constexpr qint64 kMaxSize = qint64{20} * 1024 * 1024;

    /// The bytes of the file at path, or why they are left out (without the path). A link to
    /// a regular file is followed; anything else is refused without waiting. The reading stops
    /// between pieces once deadline has passed.
    [[nodiscard]] static Expected<QByteArray> read(const QString &path,
                                                   const QDeadlineTimer &deadline);
};
