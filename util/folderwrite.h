// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a file into a folder that someone else may also write into, such as a shared folder
// that is not sticky. No step follows a link: the folder is opened as itself, the temporary
// file is created new beside the target, and the rename replaces whatever entry has the
// name (a link planted there included) instead of writing through it. So a link planted at
// any moment can neither send the bytes elsewhere nor have another file replaced.
//
//   if (const Expected<void> written = writeFileInFolder(folder, u"a.png"_s, png); !written)
//       report(folder + u"/a.png: "_s + written.error());
#pragma once

#include "util/expected.h"

#include <QByteArrayView>
#include <QString>

/// Replaces name inside folder with bytes, atomically. Refused, with the reason: a folder
/// that is a link or not a folder, and a name that is not a regular file or a link (a pipe,
/// a device or a folder is left alone). Whatever fails, no temporary file is left behind.
[[nodiscard]] Expected<void> writeFileInFolder(const QString &folder, const QString &name,
                                               QByteArrayView bytes);
