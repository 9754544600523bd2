// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away configuration folder for each settings test, and small file and timing
// helpers.
#pragma once

#include "settings/preferencesstore.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <utility>

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

/// Replaces the file whole, as an editor or another program saving by rename does.
inline void replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    ASSERT_TRUE(file.commit()) << path.toStdString();
}

/// Which version of a file is there: a save by rename gives a new inode, a write a new time.
inline std::pair<ino_t, qint64> fileVersion(const QString &path)
{
    struct stat status
    {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {status.st_ino, qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

/// Runs the event loop until condition holds or milliseconds have passed; whether it held.
inline bool waitUntil(const std::function<bool()> &condition, int milliseconds = 1000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(5);
    return condition();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ConfigFolderTest : public testing::Test
{
protected:
    [[nodiscard]] PreferencesStore::Files files() const
    {
        return {m_dir.filePath(QStringLiteral("prefs/org.vorlin.Vorlin.plist")),
                m_dir.filePath(QStringLiteral("prefs/.GlobalPreferences.plist"))};
    }
    [[nodiscard]] QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};
