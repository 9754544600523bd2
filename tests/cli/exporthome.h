// SPDX-License-Identifier: GPL-3.0-or-later
// A home of its own for each test that runs the built vorlin-export, with its files.
#pragma once

#include "exportprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ExportHome : public testing::Test
{
protected:
    Outcome run(const QStringList &arguments, const ExportRun &how = {})
    {
        return runExport(home.path(), arguments, {}, how);
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(home.filePath(name)).absolutePath());
        QFile file(home.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QString read(const QString &name) const
    {
        QFile file(home.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    /// Everything in the home, hidden files included, below folders as "folder/name".
    [[nodiscard]] QStringList entries(const QString &folder = {}) const
    {
        QStringList found;
        const QDir dir(home.filePath(folder));
        for (const QFileInfo &entry :
             dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QString name
                = folder.isEmpty() ? entry.fileName() : folder + u'/' + entry.fileName();
            found.append(name);
            if (entry.isDir() && !entry.isSymLink())
                found.append(entries(name));
        }
        return found;
    }

    QTemporaryDir home;
};
