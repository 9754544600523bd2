// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};

QString systemError(const QString &path)
{
    return u"%1: %2"_s.arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

Expected<std::optional<QByteArray>> readRegularFile(const QString &path, qint64 maxBytes)
{
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return std::optional<QByteArray>();
        return Unexpected(systemError(path));
    }
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        return Unexpected(systemError(path));
    if (!S_ISREG(status.st_mode))
        return Unexpected(u"%1: not an ordinary file, so it is not read"_s.arg(path));
    if (status.st_size > maxBytes)
        return Unexpected(u"%1: larger than %2 bytes, so it is not read"_s.arg(path).arg(maxBytes));
    QByteArray bytes;
    bytes.resize(qsizetype(status.st_size));
    qsizetype done = 0;
    // A file that grows while it is read is read to the size it had; one that shrinks, to
    // where it ends.
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Unexpected(systemError(path));
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return std::optional<QByteArray>(std::move(bytes));
}
