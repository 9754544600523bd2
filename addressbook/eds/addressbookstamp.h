// SPDX-License-Identifier: GPL-3.0-or-later
// What a re-read of a file or folder address book would find, in a form cheap to compare, so
// that a book that did not change need not be parsed again.
//
//   const std::optional<AddressBookStamp> before = AddressBookStamp::of(name);
//   ... later ...
//   if (!before || AddressBookStamp::of(name) != before) readAgain();
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// The path's kind and, for each vCard file that would be read (a file book: the file itself;
/// a folder: every file its reading would take, the same set VCardFolder lists), its path,
/// size, modification and change times (nanoseconds), device and inode, plus the problems the
/// folder's listing met. Two equal stamps mean the book need not be parsed again. The inode
/// tells a file renamed over another of the same size within one tick of the clock; the
/// folders' own times are left out, since a file that reading would not take changes them
/// without changing the book. A book of Thunderbird's ("thunderbird:...") is stamped as its
/// database file and that file's log (-wal), written or not. A desktop address book
/// ("eds:...") has no stamp (std::nullopt): it is always asked again.
class AddressBookStamp final
{
public:
    [[nodiscard]] static std::optional<AddressBookStamp> of(const QString &name);

    /// False when the path is gone.
    [[nodiscard]] bool exists() const { return m_kind != Kind::Missing; }
    /// The vCard files a reading would take.
    [[nodiscard]] QStringList files() const;
    /// The folders a reading of a folder book descends into, the named one first; empty for
    /// a file. Not compared: a new empty folder changes no book.
    [[nodiscard]] const QStringList &folders() const { return m_folders; }

    friend bool operator==(const AddressBookStamp &left, const AddressBookStamp &right);

private:
    enum class Kind { Missing, File, Folder, Other };

    struct FileStamp
    {
        QString path;
        qint64 size = -1; // -1 (and the rest zero) when the file could not be looked at
        qint64 modified = 0;
        qint64 changed = 0;
        quint64 device = 0;
        quint64 inode = 0;

        friend bool operator==(const FileStamp &, const FileStamp &) = default;
    };

    AddressBookStamp() = default;
    [[nodiscard]] static AddressBookStamp ofThunderbirdBook(const QString &book);
    [[nodiscard]] static FileStamp stampOf(const QString &path);
    void listFolder(const QString &path);

    Kind m_kind = Kind::Missing;
    QList<FileStamp> m_files;
    QStringList m_problems;
    QStringList m_folders;
};
