// SPDX-License-Identifier: GPL-3.0-or-later
// Tells when a preferences file may have been changed by anyone, once per burst of changes:
// it watches the file (writes in place) and its folder (saves by rename), or, while the
// folder does not exist yet, the nearest existing folder above it.
//
//   PreferencesFileWatcher watcher(files.userDomain);
//   connect(&watcher, &PreferencesFileWatcher::changed, this, &Store::reread);
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class PreferencesFileWatcher final : public QObject
{
    Q_OBJECT

public:
    /// How long a burst of notifications is gathered before changed(); also the delay of
    /// checkAgainLater().
    static constexpr int kSettleMilliseconds = 150;

    explicit PreferencesFileWatcher(QString path, QObject *parent = nullptr);

    /// Asks for one more changed() after the settle time, for a file caught in the middle of
    /// being replaced.
    void checkAgainLater();
    /// Watches the file and its folder if they have appeared since (after a first save).
    void followNewPaths();

Q_SIGNALS:
    void changed();

private:
    void onNotified();
    [[nodiscard]] QStringList wantedPaths() const;

    QString m_path;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
