// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferencesfilewatcher.h"

#include <QFileInfo>

PreferencesFileWatcher::PreferencesFileWatcher(QString path, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
{
    // Not restarted by later notifications: a file rewritten without pause is still re-read
    // every settle time.
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &PreferencesFileWatcher::changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            &PreferencesFileWatcher::onNotified);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &PreferencesFileWatcher::onNotified);
    followNewPaths();
}

void PreferencesFileWatcher::checkAgainLater()
{
    if (!m_settle.isActive())
        m_settle.start();
}

void PreferencesFileWatcher::followNewPaths()
{
    const QStringList wanted = wantedPaths();
    QStringList stale = m_watcher.files() + m_watcher.directories();
    stale.removeIf([&](const QString &path) { return wanted.contains(path); });
    if (!stale.isEmpty())
        m_watcher.removePaths(stale);
    QStringList missing = wanted;
    missing.removeIf([&](const QString &path) {
        return m_watcher.files().contains(path) || m_watcher.directories().contains(path);
    });
    if (!missing.isEmpty())
        m_watcher.addPaths(missing);
}

void PreferencesFileWatcher::onNotified()
{
    // A watch on the file follows its inode, which a save by rename replaces; watch the
    // name afresh.
    if (m_watcher.files().contains(m_path))
        m_watcher.removePath(m_path);
    followNewPaths();
    checkAgainLater();
}

// The file when it exists, and its folder or else the nearest existing folder above it.
QStringList PreferencesFileWatcher::wantedPaths() const
{
    QStringList paths;
    const QFileInfo file(m_path);
    if (file.exists())
        paths.append(m_path);
    QString folder = file.absolutePath();
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    if (QFileInfo(folder).isDir())
        paths.append(folder);
    return paths;
}
