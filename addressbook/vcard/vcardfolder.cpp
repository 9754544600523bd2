// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardfolder.h"

#include "util/filename.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

bool isCardFileName(const QString &name)
{
    return name.endsWith(u".vcf", Qt::CaseInsensitive)
        || name.endsWith(u".vcard", Qt::CaseInsensitive);
}

QString reason(int error)
{
    if (error == ENAMETOOLONG)
        return u"the path is longer than the system allows; left out"_s;
    return u"cannot be read: %1"_s.arg(qt_error_string(error));
}

// Entries whose type the folder already tells, and which are no card file, need no look.
bool needsLook(const dirent &entry, bool isCardFile)
{
    return isCardFile || entry.d_type == DT_DIR || entry.d_type == DT_LNK
        || entry.d_type == DT_UNKNOWN;
}

} // namespace

VCardFolder VCardFolder::list(const QString &path)
{
    VCardFolder folder;
    QStringList pending;
    folder.look(path, false, pending);
    // Folders wait in a list rather than on the call stack, so a deep tree holds one folder
    // open at a time.
    while (!pending.isEmpty())
        folder.visit(pending.takeLast(), pending);
    folder.m_files.sort();
    if (folder.m_folders.size() > 1)
        std::sort(folder.m_folders.begin() + 1, folder.m_folders.end());
    return folder;
}

void VCardFolder::visit(const QString &folder, QStringList &pending)
{
    DIR *directory = ::opendir(encodeFileName(folder).constData());
    if (!directory) {
        report(folder, reason(errno));
        return;
    }
    QList<std::pair<QString, bool>> entries;
    while (const dirent *entry = ::readdir(directory)) {
        const QString name = decodeFileName(entry->d_name);
        const bool isCardFile = isCardFileName(name);
        if (!name.startsWith(u'.') && needsLook(*entry, isCardFile))
            entries.append({folder + u'/' + name, isCardFile});
    }
    ::closedir(directory);
    for (const auto &[path, isCardFile] : std::as_const(entries))
        look(path, isCardFile, pending);
}

void VCardFolder::look(const QString &path, bool isCardFile, QStringList &pending)
{
    struct stat status = {};
    if (::stat(encodeFileName(path).constData(), &status) != 0) {
        if (isCardFile || errno == ENAMETOOLONG)
            report(path, reason(errno));
        return;
    }
    if (S_ISDIR(status.st_mode)) {
        if (!m_seenFolders.contains({status.st_dev, status.st_ino})) {
            m_seenFolders.insert({status.st_dev, status.st_ino});
            m_folders.append(path);
            pending.append(path);
        }
    } else if (isCardFile) {
        m_files.append(path); // the file reader refuses what is not a regular file
    }
}

void VCardFolder::report(const QString &path, const QString &problem)
{
    m_problems.append(u"%1: %2"_s.arg(printableFileName(path), problem));
}
