// SPDX-License-Identifier: GPL-3.0-or-later
// Files whose names are not UTF-8, made and listed with the system's calls: Qt cannot name
// them. Paths are bytes here.
//
//   writeByName(QFile::encodeName(dir.path()) + "/book/M\xFCller.vcf", card);
//   EXPECT_EQ(entriesByName(dir.path()), QByteArrayList{"book"});
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

/// Writes bytes to path, making the folders above it.
inline void writeByName(const QByteArray &path, QByteArrayView bytes)
{
    for (qsizetype slash = path.indexOf('/', 1); slash >= 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0755);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    EXPECT_EQ(::write(fd, bytes.data(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

/// What the file at path holds, or "(none)".
inline QByteArray readByName(const QByteArray &path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "(none)";
    return file.readAll();
}

/// The names in folder, sorted.
inline QByteArrayList entriesByName(const QString &folder)
{
    QByteArrayList names;
    DIR *directory = ::opendir(QFile::encodeName(folder).constData());
    while (const dirent *entry = directory ? ::readdir(directory) : nullptr) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(entry->d_name);
    }
    if (directory)
        ::closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}
