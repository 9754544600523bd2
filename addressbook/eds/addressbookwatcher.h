// SPDX-License-Identifier: GPL-3.0-or-later
// Says when the open address book changes on disk or on the desktop's address-book server, so
// that the window can read it again.
//
//   AddressBookWatcher watcher;
//   QObject::connect(&watcher, &AddressBookWatcher::changed, window, &Window::reload);
//   watcher.watch(name);   // before reading the book, so that no change falls between
//   const Expected<ContactStoreRead> read = openAddressBook(name);
#pragma once

#include "addressbook/eds/addressbookstamp.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class EdsBookView;
class QFileSystemWatcher;
class QTimer;

/// Bursts (an editor's save, a sync tool writing fifty files) come out as one changed() about
/// kQuiet after the last event, and never later than kLongest after the first, so a change is
/// told well within a second.
///
/// A file book: the file and its folder are followed (editors and sync tools replace a file by
/// renaming another over it); changed() comes when the file's stamp differs from the one last
/// told, so other files saved beside it say nothing, and a removed file is a change (the book
/// is gone). A folder book: the folder above it (which sees the book moved away or back), the
/// folder and every folder its reading descends into, new ones as they appear; its card files too
/// while all fit in kMaxWatches, since a folder does not see a file written in place (a folder of
/// thousands of cards is followed by its folders alone, so only new, removed and replaced cards are
/// seen there). changed() comes when the folder's stamp differs. A book of Thunderbird's is
/// followed as a file book of its database, with the database's log (-wal) beside it.
///
/// A desktop address book ("eds:", "eds:<source-uid>"): the server's announcements of added,
/// changed and removed contacts, and the book's server going away. watch() connects and
/// starts the view, waiting at most about ten seconds a step when the server does not answer;
/// the contacts already there are not announced, so no changed() follows watch() by itself.
class AddressBookWatcher final : public QObject
{
    Q_OBJECT
public:
    /// How long a burst must have been quiet before it is told.
    static constexpr std::chrono::milliseconds kQuiet{250};
    /// The longest a burst that goes on is held back.
    static constexpr std::chrono::milliseconds kLongest{750};
    /// The most folders and files followed for one book.
    static constexpr qsizetype kMaxWatches = 1000;

    explicit AddressBookWatcher(QObject *parent = nullptr);
    ~AddressBookWatcher() override;

    /// Follows the address book of that name (a path, "eds:", "eds:<source-uid>" or
    /// "thunderbird:..."); replaces what was followed before. A name that cannot be followed
    /// logs why (systemLog) and is not followed.
    void watch(const QString &name);
    /// Follows nothing.
    void stop();

Q_SIGNALS:
    void changed();

private:
    void watchDesktopBook(const QString &name);
    void watchPath(const QString &name);
    void noteEvent();
    void settle();
    bool followPaths(const AddressBookStamp &stamp);
    [[nodiscard]] QStringList pathsToFollow(const AddressBookStamp &stamp) const;
    static void cannotFollow(const QString &name, const QString &reason);

    QString m_name;
    QString m_file; // the file or folder followed: the path, or a Thunderbird book's database
    bool m_isFolder = false;
    QFileSystemWatcher *m_paths;
    QTimer *m_quiet;
    QElapsedTimer m_burst;
    std::optional<AddressBookStamp> m_stamp;
    std::unique_ptr<EdsBookView> m_view;
};
