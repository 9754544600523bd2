// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/addressbookstamp.h"
#include "addressbook/carddav/carddavname.h"
#include "addressbook/eds/addressbookname.h"
#include "addressbook/thunderbird/thunderbirdstore.h"
#include "addressbook/vcard/vcardfolder.h"
#include "util/filename.h"

#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Links are followed, as the reader follows them.
bool lookAt(const QString &path, struct stat &status)
{
    return ::stat(encodeFileName(path).constData(), &status) == 0;
}

} // namespace

std::optional<AddressBookStamp> AddressBookStamp::of(const QString &name)
{
    // A server's book has no files to look at: it is read again on every refresh.
    if (isDesktopAddressBookName(name) || isCardDavAddressBookName(name))
        return std::nullopt;
    if (isThunderbirdAddressBookName(name))
        return ofThunderbirdBook(name.sliced(kThunderbirdScheme.size()));
    AddressBookStamp stamp;
    struct stat status = {};
    if (!lookAt(name, status)) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR) {
            stamp.m_kind = Kind::Other;
            stamp.m_problems.append(u"%1: %2"_s.arg(name, qt_error_string(error)));
        }
        return stamp;
    }
    if (S_ISDIR(status.st_mode)) {
        stamp.m_kind = Kind::Folder;
        stamp.listFolder(name);
    } else if (S_ISREG(status.st_mode)) {
        stamp.m_kind = Kind::File;
        stamp.m_files.append(stampOf(name));
    } else {
        stamp.m_kind = Kind::Other;
    }
    return stamp;
}

// Thunderbird writes its changes to the book's log first and into the database later.
AddressBookStamp AddressBookStamp::ofThunderbirdBook(const QString &book)
{
    AddressBookStamp stamp;
    const std::optional<QString> path = thunderbirdBookPath(book);
    if (!path || !QFileInfo::exists(*path))
        return stamp;
    stamp.m_kind = Kind::File;
    stamp.m_files = {stampOf(*path), stampOf(*path + u"-wal"_s)};
    return stamp;
}

QStringList AddressBookStamp::files() const
{
    QStringList paths;
    paths.reserve(m_files.size());
    for (const FileStamp &file : m_files)
        paths.append(file.path);
    return paths;
}

bool operator==(const AddressBookStamp &left, const AddressBookStamp &right)
{
    return left.m_kind == right.m_kind && left.m_files == right.m_files
        && left.m_problems == right.m_problems;
}

AddressBookStamp::FileStamp AddressBookStamp::stampOf(const QString &path)
{
    struct stat status = {};
    if (!lookAt(path, status))
        return {path};
    return {path,
            qint64(status.st_size),
            nanoseconds(status.st_mtim),
            nanoseconds(status.st_ctim),
            quint64(status.st_dev),
            quint64(status.st_ino)};
}

void AddressBookStamp::listFolder(const QString &path)
{
    const VCardFolder folder = VCardFolder::list(path);
    m_files.reserve(folder.files().size());
    for (const QString &file : folder.files())
        m_files.append(stampOf(file));
    m_problems = folder.problems();
    m_folders = folder.folders();
}
