// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/regularfile.h"

#include "util/filename.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// How much is read between two looks at the clock.
constexpr qsizetype kPiece = qsizetype{64} * 1024;

QString notRegular(mode_t mode)
{
    return u"not a regular file but %1"_s.arg(fileKindName(mode));
}

QString tooLarge(qint64 maxBytes)
{
    if (maxBytes >= (qint64{1} << 20) && maxBytes % (qint64{1} << 20) == 0)
        return u"larger than %1 MiB"_s.arg(maxBytes >> 20);
    return u"larger than %1 bytes"_s.arg(maxBytes);
}

Unexpected<QString> systemError()
{
    return Unexpected(qt_error_string(errno));
}

Unexpected<QString> outOfTime()
{
    return Unexpected(u"not read in the time given"_s);
}

// Never more than one byte past the bound, whatever size the file claimed: it may grow while
// it is read, and files of the system's own folders claim none. Read a piece at a time into
// the room the claimed size reserved, so that the bytes hold no more memory than they need.
Expected<std::optional<QByteArray>> readAtMost(int fd, qint64 claimed, qint64 maxBytes,
                                               const QDeadlineTimer &deadline)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(claimed));
    std::array<char, kPiece> piece{};
    for (;;) {
        const auto room = std::min(qint64{kPiece}, maxBytes + 1 - bytes.size());
        const ssize_t got = ::read(fd, piece.data(), size_t(room));
        if (got < 0 && errno != EINTR)
            return systemError();
        if (got == 0)
            return std::optional<QByteArray>(std::move(bytes));
        bytes.append(piece.data(), std::max<qsizetype>(got, 0));
        if (bytes.size() > maxBytes)
            return Unexpected(tooLarge(maxBytes));
        if (deadline.hasExpired())
            return outOfTime();
    }
}

} // namespace

QString fileKindName(mode_t mode)
{
    if (S_ISDIR(mode))
        return u"a folder"_s;
    if (S_ISFIFO(mode))
        return u"a named pipe"_s;
    if (S_ISSOCK(mode))
        return u"a socket"_s;
    return u"a device"_s;
}

Expected<std::optional<QByteArray>> readRegularFile(const QString &path, qint64 maxBytes,
                                                    const QDeadlineTimer &deadline)
{
    if (deadline.hasExpired())
        return outOfTime();
    const QByteArray name = encodeFileName(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return std::optional<QByteArray>();
        return systemError();
    }
    if (!S_ISREG(status.st_mode))
        return Unexpected(notRegular(status.st_mode));
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0)
        return systemError();
    if (!S_ISREG(status.st_mode))
        return Unexpected(notRegular(status.st_mode));
    if (status.st_size > maxBytes)
        return Unexpected(tooLarge(maxBytes));
    return readAtMost(fd.get(), status.st_size, maxBytes, deadline);
}
