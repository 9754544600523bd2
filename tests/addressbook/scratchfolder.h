// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away folder of card files for the tests of file and folder address books, with the
// one card they write.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline const QByteArray kScratchCard
    = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n";

class ScratchFolder
{
public:
    [[nodiscard]] QString path(const QString &name) const { return m_dir.filePath(name); }
    /// Writes bytes to name, making the folders above it.
    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

private:
    QTemporaryDir m_dir;
};
