// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's bytes to its path, checked to the last flush and close: through a
// temporary file beside it and a rename, so that a failed or interrupted write leaves the
// previous page as it was. Two targets are written in place instead: one that is not a
// regular file (a device, a pipe), which a rename would replace with a file, and a page the
// user may write in a folder that allows no temporary file.
//
//   if (const Expected<void> written = PageFile::write(path, bytes); !written) ...
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

class PageFile final
{
public:
    /// Writes bytes to path; the error is "<path>: <the system's reason>", and says when the
    /// page on disk was left incomplete.
    [[nodiscard]] static Expected<void> write(const QString &path, const QByteArray &bytes);

    /// Writes every byte of bytes to file, going on after a short write, so that a failure
    /// leaves the system's reason in file.errorString() ("No space left on device").
    [[nodiscard]] static bool writeAll(QFileDevice &file, const QByteArray &bytes);

    /// Whether path's last component can name a file: not empty, "." or "..", and no
    /// trailing "/".
    [[nodiscard]] static bool namesAFile(const QString &path);
    /// Whether path exists as something other than a regular file or a folder (links
    /// followed): a device, a pipe, a socket.
    [[nodiscard]] static bool isSpecialFile(const QString &path);

private:
    [[nodiscard]] static Expected<void> writeInPlace(const QString &path, const QByteArray &bytes,
                                                     bool replacesPage);
};
