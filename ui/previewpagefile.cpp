// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previewpagefile.h"

#include "engine/pagefile.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// The engine refuses data: addresses longer than this (its longest address).
constexpr qsizetype kMaxDataUrlLength = qsizetype{2} * 1024 * 1024;
const QByteArray kDataUrlPrefix = "data:text/html;charset=UTF-8,"_ba;
// The byte order mark settles the encoding whatever the page declares, or fails to, in its head.
const QByteArray kUtf8ByteOrderMark = "\xEF\xBB\xBF"_ba;

} // namespace

bool PreviewPageFile::isNeededFor(const QString &html)
{
    return kDataUrlPrefix.size() + html.toUtf8().toPercentEncoding().size() > kMaxDataUrlLength;
}

Expected<QUrl> PreviewPageFile::write(const QString &html, const QUrl &baseUrl)
{
    const Expected<QString> path = folder();
    if (!path)
        return Unexpected(path.error());
    QSaveFile file(*path + u"/preview.html"_s);
    // The page may hold the user's contacts: nobody else may read it, even for a moment.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(kUtf8ByteOrderMark + PageFile::withBase(html, baseUrl).toUtf8()) >= 0
        && file.commit();
    if (!written)
        return Unexpected(u"Cannot write the preview page %1: %2"_s.arg(
            QDir::toNativeSeparators(file.fileName()), file.errorString()));
    return QUrl::fromLocalFile(file.fileName());
}

Expected<QString> PreviewPageFile::folder()
{
    if (!m_folder)
        m_folder.emplace(QDir::tempPath() + u"/vorlin-preview-XXXXXX"_s);
    if (m_folder->isValid())
        return m_folder->path();
    const QString message = u"Cannot make a folder for the preview page in %1: %2"_s.arg(
        QDir::toNativeSeparators(QDir::tempPath()), m_folder->errorString());
    m_folder.reset(); // try again with the next page
    return Unexpected(message);
}
