// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a file only when it is an ordinary file of bounded size. A path may have been
// replaced by a FIFO (which would block the reader for ever), a device such as /dev/zero
// (which never ends) or a link to one; none of these is read, and nothing waits: the file is
// opened without blocking and its kind and size are checked on the open descriptor, so a swap
// after the check cannot slip through.
//
//   const Expected<std::optional<QByteArray>> read = readRegularFile(path, 64 << 20);
//   if (!read) report(read.error());            // names the file and what is wrong
//   else if (!*read) useDefaults();              // no such file
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QString>

#include <optional>

/// The whole content of the regular file at path (links followed to one), or none when
/// nothing is there; an error naming the file when it is another kind of file, larger than
/// maxBytes or unreadable.
[[nodiscard]] Expected<std::optional<QByteArray>> readRegularFile(const QString &path,
                                                                  qint64 maxBytes);
