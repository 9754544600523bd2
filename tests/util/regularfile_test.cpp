// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/regularfile.h"

#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// What a path may have been replaced by; each returns the path to read.
enum class Planted { file, missing, fifo, endlessDevice, folder, tooLarge, linkToFile };

struct PlantedRow : NamedRow
{
    Planted planted;
    std::optional<QByteArray> read; // none: no file; absent row: an error
    bool error;
};

class RegularFileRead : public testing::TestWithParam<PlantedRow>
{
protected:
    QString plant(Planted planted)
    {
        QString path = m_dir.filePath(u"file"_s);
        QString target = m_dir.filePath(u"target"_s);
        QFile content(target);
        EXPECT_TRUE(content.open(QIODevice::WriteOnly));
        content.write(planted == Planted::tooLarge ? QByteArray(11, 'x') : QByteArray("bytes"));
        content.close();
        switch (planted) {
        case Planted::file:
        case Planted::tooLarge:
            return target;
        case Planted::missing:
            return path;
        case Planted::fifo:
            EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            return path;
        case Planted::endlessDevice:
            EXPECT_TRUE(QFile::link(u"/dev/zero"_s, path));
            return path;
        case Planted::folder:
            return m_dir.path();
        case Planted::linkToFile:
            EXPECT_TRUE(QFile::link(target, path));
            return path;
        }
        return path;
    }

    QTemporaryDir m_dir;
};

// A FIFO or a device would block or never end: neither is waited for.
TEST_P(RegularFileRead, readsOnlyOrdinaryFilesWithinTheBound)
{
    const PlantedRow &row = GetParam();
    const QString path = plant(row.planted);
    const Expected<std::optional<QByteArray>> read = readRegularFile(path, 10);
    ASSERT_EQ(!read, row.error) << (read ? "" : read.error().toStdString());
    if (!read) {
        EXPECT_FALSE(read.error().isEmpty()) << "says what is wrong";
        return;
    }
    EXPECT_EQ(*read, row.read);
}

INSTANTIATE_TEST_SUITE_P(
    RegularFile, RegularFileRead,
    testing::Values(PlantedRow{{"ordinaryFile"}, Planted::file, QByteArray("bytes"), false},
                    PlantedRow{
                        {"linkToAnOrdinaryFile"}, Planted::linkToFile, QByteArray("bytes"), false},
                    PlantedRow{{"nothingThere"}, Planted::missing, std::nullopt, false},
                    PlantedRow{{"fifo"}, Planted::fifo, std::nullopt, true},
                    PlantedRow{{"linkToDevZero"}, Planted::endlessDevice, std::nullopt, true},
                    PlantedRow{{"folder"}, Planted::folder, std::nullopt, true},
                    PlantedRow{{"overTheBound"}, Planted::tooLarge, std::nullopt, true}),
    RowName());

} // namespace
