// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardfile.h"

#include "util/filename.h"
#include "util/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kPageMask = 4095;

QString tooLarge()
{
    return u"larger than %1 GiB, far more than any address book; not read"_s.arg(VCardFile::kMaxSize
                                                                                 >> 30);
}

QString notRegular(mode_t mode)
{
    return u"not a regular file but %1; not read"_s.arg(fileKindName(mode));
}

QString cannotRead()
{
    return u"cannot be read: %1"_s.arg(qt_error_string(errno));
}

} // namespace

// Looked at before it is opened, since opening some devices does something; looked at again
// once open, in case it was replaced in between. Non-blocking, so that a named pipe put in
// its place returns at once.
Expected<VCardFile> VCardFile::open(const QString &path, const VCardFileReading &reading)
{
    const QByteArray name = encodeFileName(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0)
        return Unexpected(cannotRead());
    if (!S_ISREG(status.st_mode))
        return Unexpected(notRegular(status.st_mode));
    // Closed once the file is set up, mapped or not: a mapping keeps the file open on its own.
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0)
        return Unexpected(cannotRead());
    if (!S_ISREG(status.st_mode))
        return Unexpected(notRegular(status.st_mode));
    if (status.st_size > kMaxSize)
        return Unexpected(tooLarge());
    if (status.st_size == 0)
        return readFrom(fd.get(), 0); // files of the system's own folders claim no size
    return readIntoPages(fd.get(), status.st_size, reading);
}

// The file is read into memory of its own rather than mapped: touching a mapped file page by
// page costs more than reading it whole into huge pages, through which every later pass over
// the text then runs faster too; and a file cut short while it is read cannot fault.
Expected<VCardFile> VCardFile::readIntoPages(int descriptor, qint64 size,
                                             const VCardFileReading &reading)
{
    void *pages
        = ::mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        return readFrom(descriptor, size);
    ::madvise(pages, size_t(size), MADV_HUGEPAGE);
    VCardFile file;
    file.m_map = pages;
    file.m_mapSize = size_t(size);
    const VCardCheckedRead read
        = VCardCheckedRead::read(descriptor, static_cast<char *>(pages), size, reading);
    if (read.error != 0) {
        errno = read.error;
        return Unexpected(cannotRead());
    }
    file.m_bytes = QByteArrayView(static_cast<char *>(pages), qsizetype(read.size));
    file.m_validUtf8 = read.validUtf8;
    return file;
}

// Where the file cannot be mapped, its bytes are read, still no more than the bound.
Expected<VCardFile> VCardFile::readFrom(int descriptor, qint64 size)
{
    constexpr qsizetype kChunk = qsizetype{64} * 1024;
    VCardFile file;
    file.m_copy.reserve(qsizetype(size));
    for (;;) {
        const qsizetype filled = file.m_copy.size();
        file.m_copy.resize(filled + kChunk);
        const ssize_t got = ::read(descriptor, file.m_copy.data() + filled, size_t(kChunk));
        if (got < 0 && errno == EINTR) {
            file.m_copy.resize(filled);
            continue;
        }
        if (got < 0)
            return Unexpected(cannotRead());
        file.m_copy.resize(filled + got);
        if (got == 0)
            break;
        if (file.m_copy.size() > kMaxSize)
            return Unexpected(tooLarge());
    }
    file.m_bytes = file.m_copy;
    return file;
}

VCardFile::VCardFile(VCardFile &&other) noexcept
    : m_map(std::exchange(other.m_map, nullptr))
    , m_mapSize(std::exchange(other.m_mapSize, 0))
    , m_copy(std::move(other.m_copy))
    , m_bytes(std::exchange(other.m_bytes, {}))
    , m_validUtf8(other.m_validUtf8)
    , m_released(other.m_released)
{}

VCardFile::~VCardFile()
{
    if (m_map)
        ::munmap(m_map, m_mapSize);
}

void VCardFile::releaseUpTo(qsizetype offset)
{
    if (!m_map || offset > m_bytes.size() || offset - m_released < kReleaseStep)
        return;
    const qsizetype end = offset & ~kPageMask;
    ::madvise(static_cast<char *>(m_map) + m_released, size_t(end - m_released), MADV_DONTNEED);
    m_released = end;
}
