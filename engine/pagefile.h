// SPDX-License-Identifier: GPL-3.0-or-later
// What writing the page needs to know about files: every byte written despite short
// writes, whether a path can name a file, and whether it names a device or pipe, which is
// written in place rather than replaced. And which files the page may read when the web
// engine shows or prints it, and how a copy of the page kept elsewhere still finds them.
//
//   if (!PageFile::writeAll(file, bytes)) report(file.errorString());
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

class QFileDevice;

class PageFile final
{
public:
    /// Writes every byte of bytes to file, going on after a short write, so that a failure
    /// leaves the system's reason in file.errorString() ("No space left on device").
    [[nodiscard]] static bool writeAll(QFileDevice &file, const QByteArray &bytes);

    /// Whether path's last component can name a file: not empty, "." or "..", and no
    /// trailing "/".
    [[nodiscard]] static bool namesAFile(const QString &path);
    /// Whether path exists as something other than a regular file or a folder (links
    /// followed): a device, a pipe, a socket.
    [[nodiscard]] static bool isSpecialFile(const QString &path);

    /// Whether a page may load url: any address but a local file; a local file only when it
    /// is one of readable or inside one of them (absolute paths, ".." resolved first).
    [[nodiscard]] static bool mayRead(const QUrl &url, const QStringList &readable);

    /// html with <base href="baseUrl"> right after its <head> (at its start without one), so
    /// that a copy of the page kept elsewhere still finds its pictures by their relative
    /// addresses (images/...).
    [[nodiscard]] static QString withBase(const QString &html, const QUrl &baseUrl);
};
