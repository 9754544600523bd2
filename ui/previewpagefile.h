// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's page on disk, for pages too large for the web view's data address: one file
// in a folder only the user can read, rewritten whole for each page, with a <base> element so
// that relative references (images/...) still resolve to the resource folder.
//   if (const Expected<QUrl> file = pageFile.write(html, baseUrl)) view.load(*file);
#pragma once

#include "util/expected.h"

#include <QTemporaryDir>
#include <QUrl>

#include <optional>

class PreviewPageFile final
{
public:
    /// Whether html is over the length of the data: address setHtml would make of it
    /// (measured percent-encoded, as the engine measures it).
    [[nodiscard]] static bool isNeededFor(const QString &html);

    /// Replaces the file with html, a <base href="baseUrl"> put first in its head
    /// (PageFile::withBase), in one step; its address, or a message
    /// naming the file or folder that could not be written.
    [[nodiscard]] Expected<QUrl> write(const QString &html, const QUrl &baseUrl);

private:
    [[nodiscard]] Expected<QString> folder();

    // Made on the first large page, so most previews never touch the disk.
    std::optional<QTemporaryDir> m_folder;
};
