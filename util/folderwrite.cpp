// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/folderwrite.h"

#include "util/filedescriptor.h"
#include "util/filename.h"
#include "util/regularfile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

Unexpected<QString> systemError()
{
    return Unexpected(qt_error_string(errno));
}

// Opening with O_NOFOLLOW and O_DIRECTORY fails on a link with ENOTDIR or ELOOP, depending
// on where it points: the link itself tells which it is.
Expected<void> openedFolder(int fd, const QByteArray &folder)
{
    if (fd >= 0)
        return {};
    const int openError = errno;
    struct stat status = {};
    if ((openError == ENOTDIR || openError == ELOOP) && ::lstat(folder.constData(), &status) == 0
        && S_ISLNK(status.st_mode))
        return Unexpected(u"the folder is a link, and nothing is written through one"_s);
    return Unexpected(qt_error_string(openError));
}

// A link gives way to the file; anything else that is not a file stays as it is.
Expected<void> replaceable(int folder, const QByteArray &name)
{
    struct stat status = {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Expected<void>() : systemError();
    if (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode))
        return {};
    return Unexpected(u"not a regular file but %1"_s.arg(fileKindName(status.st_mode)));
}

// A hidden name no other writer uses; O_EXCL refuses anything already there, links included.
int createTemporary(int folder, const QByteArray &name, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary
            = '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::openat(folder, temporary.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

Expected<void> writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return systemError();
        bytes = bytes.sliced(written);
    }
    // On disk before the rename, so that a crash leaves the old file or the new, never half.
    if (::fdatasync(fd) != 0)
        return systemError();
    return {};
}

} // namespace

Expected<void> writeFileInFolder(const QString &folder, const QString &name, QByteArrayView bytes)
{
    const QByteArray folderName = encodeFileName(folder);
    const FileDescriptor folderFd(
        ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (Expected<void> opened = openedFolder(folderFd.get(), folderName); !opened)
        return opened;
    const QByteArray target = encodeFileName(name);
    if (Expected<void> checked = replaceable(folderFd.get(), target); !checked)
        return checked;
    QByteArray temporary;
    FileDescriptor file(createTemporary(folderFd.get(), target, temporary));
    if (file.get() < 0)
        return systemError();
    Expected<void> written = writeAll(file.get(), bytes);
    // A late failure, as on network folders, is the write's too.
    if (::close(file.release()) != 0 && written)
        written = systemError();
    if (written
        && ::renameat(folderFd.get(), temporary.constData(), folderFd.get(), target.constData())
            != 0)
        written = systemError();
    if (!written)
        ::unlinkat(folderFd.get(), temporary.constData(), 0);
    return written;
}
