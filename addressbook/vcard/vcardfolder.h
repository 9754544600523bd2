// SPDX-License-Identifier: GPL-3.0-or-later
// The vCard files of a folder address book: every *.vcf and *.vcard file (any case) below
// it, links followed, each folder visited once, hidden entries left alone (sync tools keep
// their own state there). A folder that cannot be read, a card file that cannot be looked
// at and a path longer than the system allows are named in one problem line each. Names are
// kept as the system's bytes (util/filename.h), so one that is not UTF-8 is still found.
//
//   const VCardFolder folder = VCardFolder::list(path);
//   for (const QString &file : folder.files()) read(file);
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class VCardFolder final
{
public:
    [[nodiscard]] static VCardFolder list(const QString &path);

    /// Every entry with a card file's name that is no folder, sorted by path; whether it can
    /// be read is for the reader to find out.
    [[nodiscard]] const QStringList &files() const { return m_files; }
    /// Every folder the listing went through, the named one first, then sorted by path.
    [[nodiscard]] const QStringList &folders() const { return m_folders; }
    /// "<path>: <problem>", one line each, in the order met.
    [[nodiscard]] const QStringList &problems() const { return m_problems; }

private:
    VCardFolder() = default;
    void visit(const QString &folder, QStringList &pending);
    void look(const QString &path, bool isCardFile, QStringList &pending);
    void report(const QString &path, const QString &problem);

    QSet<QPair<dev_t, ino_t>> m_seenFolders;
    QStringList m_files;
    QStringList m_folders;
    QStringList m_problems;
};
