// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/addressbookwatcher.h"
#include "addressbook/carddav/carddavname.h"
#include "addressbook/eds/addressbookname.h"
#include "addressbook/eds/edsbookview.h"
#include "addressbook/eds/edsstore.h"
#include "addressbook/thunderbird/thunderbirdstore.h"
#include "util/systemlog.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

AddressBookWatcher::AddressBookWatcher(QObject *parent)
    : QObject(parent)
    , m_paths(new QFileSystemWatcher(this))
    , m_quiet(new QTimer(this))
{
    m_quiet->setSingleShot(true);
    connect(m_paths, &QFileSystemWatcher::fileChanged, this, &AddressBookWatcher::noteEvent);
    connect(m_paths, &QFileSystemWatcher::directoryChanged, this, &AddressBookWatcher::noteEvent);
    connect(m_quiet, &QTimer::timeout, this, &AddressBookWatcher::settle);
}

AddressBookWatcher::~AddressBookWatcher() = default;

void AddressBookWatcher::watch(const QString &name)
{
    stop();
    // A CardDAV server tells nobody of its changes; Refresh asks it.
    if (isCardDavAddressBookName(name))
        m_name = name;
    else if (isDesktopAddressBookName(name))
        watchDesktopBook(name);
    else
        watchPath(name);
}

void AddressBookWatcher::stop()
{
    m_quiet->stop();
    m_view.reset();
    const QStringList followed = m_paths->files() + m_paths->directories();
    if (!followed.isEmpty())
        m_paths->removePaths(followed);
    m_stamp.reset();
    m_name.clear();
    m_file.clear();
}

void AddressBookWatcher::watchDesktopBook(const QString &name)
{
    Expected<std::unique_ptr<EdsBookView>> view
        = EdsBookView::open(name.sliced(kEdsScheme.size()), [this] { noteEvent(); });
    if (!view) {
        cannotFollow(name, view.error());
        return;
    }
    m_view = std::move(*view);
    m_name = name;
}

void AddressBookWatcher::watchPath(const QString &name)
{
    std::optional<AddressBookStamp> stamp = AddressBookStamp::of(name);
    if (!stamp || !stamp->exists()) {
        cannotFollow(name, u"no such file or folder"_s);
        return;
    }
    if (stamp->folders().size() > kMaxWatches)
        systemLog(u"%1: only the first %2 of its %3 folders are followed for changes"_s.arg(
            name, QString::number(kMaxWatches), QString::number(stamp->folders().size())));
    m_name = name;
    m_file = isThunderbirdAddressBookName(name)
        ? thunderbirdBookPath(name.sliced(kThunderbirdScheme.size())).value_or(QString())
        : name;
    m_isFolder = QFileInfo(m_file).isDir();
    m_stamp = std::move(stamp);
    followPaths(*m_stamp);
}

// Each event holds the burst back by kQuiet more, up to kLongest from its first event.
void AddressBookWatcher::noteEvent()
{
    if (!m_quiet->isActive())
        m_burst.start();
    const std::chrono::milliseconds held(m_burst.elapsed());
    m_quiet->start(std::clamp(kLongest - held, 0ms, kQuiet));
}

void AddressBookWatcher::settle()
{
    if (m_view) {
        Q_EMIT changed();
        return;
    }
    std::optional<AddressBookStamp> stamp = AddressBookStamp::of(m_name);
    // A card written into a new folder before that folder was followed is seen by a second
    // look, taken once the folder is.
    if (followPaths(*stamp))
        stamp = AddressBookStamp::of(m_name);
    if (stamp == m_stamp)
        return;
    m_stamp = std::move(stamp);
    Q_EMIT changed();
}

// File watches follow an inode, which a file renamed over the book's leaves behind: they are
// all made anew each time. Folders are kept, and new ones added. Returns whether a folder was.
bool AddressBookWatcher::followPaths(const AddressBookStamp &stamp)
{
    const QStringList wanted = pathsToFollow(stamp);
    QStringList gone = m_paths->files();
    const QStringList folders = m_paths->directories();
    const QSet<QString> kept(wanted.begin(), wanted.end());
    std::copy_if(folders.begin(), folders.end(), std::back_inserter(gone),
                 [&kept](const QString &folder) { return !kept.contains(folder); });
    if (!gone.isEmpty())
        m_paths->removePaths(gone);
    const QSet<QString> followedFolders(folders.begin(), folders.end());
    QStringList added;
    std::copy_if(
        wanted.begin(), wanted.end(), std::back_inserter(added),
        [&followedFolders](const QString &path) { return !followedFolders.contains(path); });
    if (!added.isEmpty())
        m_paths->addPaths(added);
    return std::any_of(
        added.begin(), added.end(),
        [&folders = stamp.folders()](const QString &path) { return folders.contains(path); });
}

QStringList AddressBookWatcher::pathsToFollow(const AddressBookStamp &stamp) const
{
    if (!m_isFolder) {
        const QFileInfo file(m_file);
        QStringList paths{file.absolutePath()};
        if (file.exists())
            paths.append(m_file);
        // A book of Thunderbird's changes in its log first.
        if (m_file != m_name && QFileInfo::exists(m_file + u"-wal"_s))
            paths.append(m_file + u"-wal"_s);
        return paths;
    }
    // The folder above tells when the book's folder is moved away or back, which a watch on
    // the folder itself does not report.
    QStringList paths{QFileInfo(m_name).absolutePath()};
    paths += stamp.folders().mid(0, kMaxWatches - 1);
    const QStringList files = stamp.files();
    if (paths.size() + files.size() <= kMaxWatches)
        paths.append(files);
    return paths;
}

void AddressBookWatcher::cannotFollow(const QString &name, const QString &reason)
{
    systemLog(u"%1: changes cannot be followed: %2"_s.arg(name, reason));
}
