// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

Expected<void> PageFile::write(const QString &path, const QByteArray &bytes)
{
    if (isSpecialFile(path))
        return writeInPlace(path, bytes, false);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // As QSaveFile's own fallback would, but with every write checked.
        const QFileInfo existing(path);
        if (existing.isFile() && existing.isWritable())
            return writeInPlace(path, bytes, true);
        return Unexpected(u"%1: %2"_s.arg(path, file.errorString()));
    }
    if (!writeAll(file, bytes) || !file.commit())
        return Unexpected(u"%1: %2"_s.arg(path, file.errorString()));
    return {};
}

Expected<void> PageFile::writeInPlace(const QString &path, const QByteArray &bytes,
                                      bool replacesPage)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Unexpected(u"%1: %2"_s.arg(path, file.errorString()));
    const bool written = writeAll(file, bytes) && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return {};
    QString reason = u"%1: %2"_s.arg(path, file.errorString());
    if (replacesPage)
        reason += u"; the page was written in place, and what is on disk now is incomplete"_s;
    return Unexpected(reason);
}

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
