// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

bool PageFile::writeAll(QFileDevice &file, const QByteArray &bytes)
{
    // A write cut short by a full disk reports no error; the next one does.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool PageFile::namesAFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return !path.endsWith(u'/') && !name.isEmpty() && name != u"." && name != u"..";
}

bool PageFile::isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool PageFile::mayRead(const QUrl &url, const QStringList &readable)
{
    if (!url.isLocalFile())
        return true;
    const QString path = QDir::cleanPath(url.toLocalFile());
    return std::ranges::any_of(readable, [&path](const QString &allowed) {
        const QString clean = QDir::cleanPath(allowed);
        return QDir::isAbsolutePath(clean) && (path == clean || path.startsWith(clean + u'/'));
    });
}

QString PageFile::withBase(const QString &html, const QUrl &baseUrl)
{
    static const QRegularExpression kHead(u"<head(\\s[^>]*)?>"_s,
                                          QRegularExpression::CaseInsensitiveOption);
    const QString base
        = u"<base href=\"%1\">"_s.arg(baseUrl.toString(QUrl::FullyEncoded).toHtmlEscaped());
    const QRegularExpressionMatch match = kHead.match(html);
    return QString(html).insert(match.hasMatch() ? match.capturedEnd() : 0, base);
}
