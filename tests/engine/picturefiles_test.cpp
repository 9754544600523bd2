// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/picturefiles.h"

#include "enginetestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Another user of a shared pictures folder re-plants a link at a picture's name as fast as
// they can while the pictures are written: removing the link and then writing by name
// loses this race, and the user's file would become a picture.
TEST(PictureFilesRace, aLinkPlantedAtAnyMomentIsNeverWrittenThrough)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"images"_s));
    const QString victim = dir.filePath(u"victim.txt"_s);
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("the user's own\n");
    file.close();
    const QByteArray picture = QFile::encodeName(dir.filePath(u"images/a.png"_s));
    const QByteArray target = QFile::encodeName(victim);

    std::atomic<bool> done = false;
    std::thread planter([&] {
        while (!done) {
            ::unlink(picture.constData());
            // Fails whenever the writer got there first, which is the race this sets up.
            [[maybe_unused]] const int planted = ::symlink(target.constData(), picture.constData());
        }
    });
    const PictureFiles pictures(dir.filePath(u"images"_s));
    const QByteArray png = pngBytes(4, Qt::red);
    int failures = 0;
    for (int i = 0; i < 1000; ++i)
        failures += pictures.writeContactPicture(png, u"a.png"_s).failure.isEmpty() ? 0 : 1;
    done = true;
    planter.join();

    EXPECT_EQ(failures, 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the user's own\n");
}

} // namespace
