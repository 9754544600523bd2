// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/bundle.h"
#include "util/systemlog.h"

#include "qtprinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void touch(const QString &path, QFile::Permissions permissions)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setPermissions(permissions);
}

TEST(Bundle, ofTheRunningProgramIsTheFolderAboveItsOwn)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    EXPECT_EQ(Bundle::main().contentsPath(), QDir::cleanPath(programFolder.filePath(u".."_s)));
}

TEST(Bundle, findsOnlyExistingResourcesAndExecutables)
{
    QTemporaryDir dir;
    const Bundle bundle(dir.path() + u"/Vorlin.app/Contents/"_s);
    ASSERT_TRUE(QDir().mkpath(bundle.resourcesPath()));
    ASSERT_TRUE(QDir().mkpath(bundle.executablesPath()));
    touch(bundle.resourcesPath() + u"/default.css"_s, QFile::ReadOwner);
    touch(bundle.executablesPath() + u"/Vorlin"_s, QFile::ReadOwner | QFile::ExeOwner);
    touch(bundle.executablesPath() + u"/notes.txt"_s, QFile::ReadOwner);

    EXPECT_EQ(bundle.infoPlistPath(), dir.path() + u"/Vorlin.app/Contents/Info.plist"_s);
    EXPECT_EQ(bundle.pathForResource(u"default"_s, u"css"_s),
              bundle.resourcesPath() + u"/default.css"_s);
    EXPECT_FALSE(bundle.pathForResource(u"sample"_s, u"vcf"_s));
    EXPECT_EQ(bundle.pathForAuxiliaryExecutable(u"Vorlin"_s),
              bundle.executablesPath() + u"/Vorlin"_s);
    EXPECT_FALSE(bundle.pathForAuxiliaryExecutable(u"notes.txt"_s));
    EXPECT_FALSE(bundle.pathForAuxiliaryExecutable(u"Missing"_s));
}

TEST(Bundle, inTheBuildTreeHasItsInfoPlist)
{
    const Bundle bundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS));
    EXPECT_TRUE(QFile::exists(bundle.infoPlistPath()));
}

TEST(SystemLog, linesCanBeCaptured)
{
    QStringList lines;
    {
        const SystemLogCapture capture([&](const QString &line) { lines.append(line); });
        systemLog(u"one line"_s);
    }
    EXPECT_EQ(lines, QStringList{u"one line"_s});
}

} // namespace
