// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a file only when it is an ordinary file of bounded size. A path may name, or link to,
// a FIFO (which would block the reader for ever), a device such as /dev/zero (which never
// ends) or a film (which would fill memory); none of these is read, and nothing waits. The
// kind is looked at before the file is opened, since opening some devices does something,
// and again on the open descriptor, in case it was swapped in between; it is opened without
// blocking, and never more than one byte past the bound is read, whatever size it claims.
//
//   const Expected<std::optional<QByteArray>> read = readRegularFile(path, 64 << 20);
//   if (!read) report(path + ": " + read.error()); // what is wrong, without the path
//   else if (!*read) useDefaults();                 // no such file
#pragma once

#include "util/expected.h"
#include "util/filedescriptor.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>

#include <sys/types.h>

/// What a file that is not an ordinary one is, for messages: "a folder", "a named pipe",
/// "a socket" or "a device".
[[nodiscard]] QString fileKindName(mode_t mode);

/// The whole content of the regular file at path (links followed to one), or none when
/// nothing is there; otherwise why it is not read: another kind of file, larger than
/// maxBytes, unreadable, or deadline passed (looked at between pieces).
[[nodiscard]] Expected<std::optional<QByteArray>>
readRegularFile(const QString &path, qint64 maxBytes,
                const QDeadlineTimer &deadline = QDeadlineTimer(QDeadlineTimer::Forever));
