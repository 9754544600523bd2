// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/folderwrite.h"

#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What stands where the file or its folder goes before the write.
enum class Planted { nothing, file, linkToVictim, danglingLink, fifo, folderIsLink, noFolder };

struct PlantedRow : NamedRow
{
    Planted planted;
    QString error; // empty: written
};

class WriteInFolder : public testing::TestWithParam<PlantedRow>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"images"_s));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"elsewhere"_s));
        writeFile(m_victim, "the user's own\n");
    }

    // Returns the folder to write into.
    QString plant(Planted planted)
    {
        const QString target = m_images + u"/a.png"_s;
        switch (planted) {
        case Planted::nothing:
            break;
        case Planted::file:
            writeFile(target, "older picture");
            break;
        case Planted::linkToVictim:
            EXPECT_TRUE(QFile::link(m_victim, target));
            break;
        case Planted::danglingLink:
            EXPECT_TRUE(QFile::link(m_dir.filePath(u"missing"_s), target));
            break;
        case Planted::fifo:
            EXPECT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            break;
        case Planted::folderIsLink: {
            QString link = m_dir.filePath(u"linked"_s);
            EXPECT_TRUE(QFile::link(m_dir.filePath(u"elsewhere"_s), link));
            return link;
        }
        case Planted::noFolder:
            return m_dir.filePath(u"none"_s);
        }
        return m_images;
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    const QString m_images = m_dir.filePath(u"images"_s);
    const QString m_victim = m_dir.filePath(u"elsewhere/victim.txt"_s);
};

TEST_P(WriteInFolder, writesOnlyItsOwnFile)
{
    const QString folder = plant(GetParam().planted);
    const Expected<void> written = writeFileInFolder(folder, u"a.png"_s, "new picture");
    if (GetParam().error.isEmpty()) {
        ASSERT_TRUE(written) << written.error().toStdString();
        EXPECT_FALSE(QFileInfo(m_images + u"/a.png"_s).isSymLink());
        EXPECT_EQ(readFile(m_images + u"/a.png"_s), "new picture");
    } else {
        ASSERT_FALSE(written);
        EXPECT_TRUE(written.error().contains(GetParam().error)) << written.error().toStdString();
    }
    EXPECT_EQ(readFile(m_victim), "the user's own\n");
    EXPECT_EQ(QDir(m_dir.filePath(u"elsewhere"_s))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{u"victim.txt"_s});
    // No temporary file stays behind, whatever happened.
    EXPECT_TRUE(QDir(m_images)
                    .entryList({u".*"_s}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WriteInFolder,
    testing::Values(
        PlantedRow{"newFile", Planted::nothing, {}}, PlantedRow{"replacesAFile", Planted::file, {}},
        PlantedRow{"replacesALinkOutOfTheFolder", Planted::linkToVictim, {}},
        PlantedRow{"replacesADanglingLink", Planted::danglingLink, {}},
        PlantedRow{"leavesAPipeAlone", Planted::fifo, u"not a regular file but a named pipe"_s},
        PlantedRow{"refusesAFolderThatIsALink", Planted::folderIsLink, u"the folder is a link"_s},
        PlantedRow{"missingFolder", Planted::noFolder, u"No such file"_s}),
    RowName());

} // namespace
