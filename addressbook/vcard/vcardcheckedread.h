// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a file into memory in shares side by side, each share a piece at a time, and checks
// each piece as UTF-8 right after it is read, while it is still in the cache. A line break is
// never part of a longer character, so the text is valid exactly when the spans between line
// breaks that the shares checked, and the short spans left between those, are.
//
//   const VCardCheckedRead read = VCardCheckedRead::read(fd, pages, size, {});
//   if (read.error == 0) take(QByteArrayView(pages, read.size), read.validUtf8);
#pragma once

#include <QThread>
#include <QtGlobal>

struct VCardFileReading
{
    /// How many threads read a file of several pieces, each a share of them.
    int threads = QThread::idealThreadCount();
    /// How much is read, and then checked, at a time.
    qsizetype pieceBytes = qsizetype{1} << 20;
};

struct VCardCheckedRead
{
    /// Reads up to size bytes from the start of the file into into.
    [[nodiscard]] static VCardCheckedRead read(int descriptor, char *into, qint64 size,
                                               const VCardFileReading &reading);

    qint64 size = 0; // less than asked where the file was cut short since it was looked at
    bool validUtf8 = true;
    int error = 0; // errno of a failed read
};
