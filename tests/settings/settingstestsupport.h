// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away configuration folder for each settings test, and small file helpers.
#pragma once

#include "settings/preferencesstore.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
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
