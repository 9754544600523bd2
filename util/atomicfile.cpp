// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/atomicfile.h"

#include "util/filename.h"

#include <QRandomGenerator>

#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 128;

// The file a chain of links at name ends at; name itself when it is no link, or when the
// chain is too long to be one.
QByteArray linkTarget(const QByteArray &name)
{
    QByteArray current = name;
    for (int depth = 0; depth < kMaxLinks; ++depth) {
        std::array<char, PATH_MAX> target{};
        const ssize_t size = ::readlink(current.constData(), target.data(), target.size());
        if (size < 0)
            return current;
        QByteArray next(target.data(), size);
        if (!next.startsWith('/'))
            next.prepend(current.left(current.lastIndexOf('/') + 1));
        current = next;
    }
    return name;
}

} // namespace

AtomicFile::AtomicFile(const QString &path)
    : m_target(linkTarget(encodeFileName(path)))
{}

AtomicFile::~AtomicFile()
{
    removeNewFile();
}

bool AtomicFile::open()
{
    struct stat existing = {};
    const bool exists = ::stat(m_target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        errno = EISDIR;
        return fail();
    }
    if (exists && ::access(m_target.constData(), W_OK) != 0)
        return fail();
    // No one else may read the new file before it has the permissions of the one it replaces.
    const int fd = createBeside(exists ? 0600 : 0666);
    if (fd < 0)
        return fail();
    if (exists)
        (void)::fchmod(fd, existing.st_mode & 0777);
    if (m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    removeNewFile();
    return false;
}

bool AtomicFile::commit()
{
    // On disk before the rename, so that a crash leaves the old file or the new, never half.
    if (::fdatasync(m_file.handle()) != 0 && errno != EINVAL)
        return fail();
    m_file.close(); // a late failure, as on network folders, is the write's too
    if (m_file.error() != QFileDevice::NoError) {
        removeNewFile();
        return false;
    }
    if (::rename(m_newFile.constData(), m_target.constData()) != 0)
        return fail();
    m_newFile.clear();
    return true;
}

QString AtomicFile::errorString() const
{
    return m_error.isEmpty() ? m_file.errorString() : m_error;
}

bool AtomicFile::fail()
{
    m_error = qt_error_string(errno);
    removeNewFile();
    return false;
}

// A hidden name beside the target that nothing else has; O_EXCL refuses whatever is there,
// links included.
int AtomicFile::createBeside(mode_t mode)
{
    const qsizetype folderEnd = m_target.lastIndexOf('/') + 1;
    for (int attempt = 0; attempt < 16; ++attempt) {
        m_newFile = m_target.left(folderEnd) + '.' + m_target.mid(folderEnd) + '.'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(m_newFile.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
    }
    m_newFile.clear();
    return -1;
}

void AtomicFile::removeNewFile()
{
    m_file.close();
    if (!m_newFile.isEmpty())
        ::unlink(m_newFile.constData());
    m_newFile.clear();
}
