// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of one address-book file, read into pages of their own (huge pages where the
// system gives them on request), which are handed back as the reading goes on. A large file
// is read in shares side by side, and each piece is checked as UTF-8 right after it is read,
// while it is still in the cache, so that the text needs no pass of its own for that.
// Only a regular file is read: a named pipe would block for ever and a device (/dev/zero)
// never ends. What one file may hold is bounded too, far above any real address book (a
// hundred thousand contacts without pictures make about 100 MB).
//
//   Expected<VCardFile> file = VCardFile::open(path);
//   if (!file) report(file.error());
//   read(file->bytes()); file->releaseUpTo(done);
#pragma once

#include "addressbook/vcard/vcardcheckedread.h"
#include "util/expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class VCardFile final
{
public:
    static constexpr qint64 kMaxSize = qint64{2} * 1024 * 1024 * 1024;
    /// How much read text is handed back to the system at a time.
    static constexpr qsizetype kReleaseStep = qsizetype{16} * 1024 * 1024;

    /// The file at path, or why it cannot be read (without the path).
    [[nodiscard]] static Expected<VCardFile> open(const QString &path,
                                                  const VCardFileReading &reading = {});

    VCardFile(VCardFile &&other) noexcept;
    VCardFile &operator=(VCardFile &&other) = delete;
    VCardFile(const VCardFile &) = delete;
    VCardFile &operator=(const VCardFile &) = delete;
    ~VCardFile();

    [[nodiscard]] QByteArrayView bytes() const { return m_bytes; }
    /// Whether the bytes are valid UTF-8, where they were checked as they were read.
    [[nodiscard]] std::optional<bool> isValidUtf8() const { return m_validUtf8; }
    /// Gives the pages before offset back to the system once they are many, so that a large
    /// file does not stay in memory beside the contacts made from it. The bytes before offset
    /// must not be looked at again: they are gone.
    void releaseUpTo(qsizetype offset);

private:
    VCardFile() = default;
    static Expected<VCardFile> readIntoPages(int descriptor, qint64 size,
                                             const VCardFileReading &reading);
    static Expected<VCardFile> readFrom(int descriptor, qint64 size);

    void *m_map = nullptr; // pages of its own the file is read into
    std::size_t m_mapSize = 0;
    QByteArray m_copy; // where no such pages could be had
    QByteArrayView m_bytes;
    std::optional<bool> m_validUtf8;
    qsizetype m_released = 0;
};
