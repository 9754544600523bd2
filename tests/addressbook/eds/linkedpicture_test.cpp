// SPDX-License-Identifier: GPL-3.0-or-later
// A picture file a contact links to: only a regular file is read, up to the bound, and
// anything else is refused at once (a named pipe with no writer would block for ever).
#include "addressbook/eds/linkedpicture.h"
#include "support/rowname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// What a row links to, and the bytes it holds where it is to be read.
struct Target
{
    QString path;
    QByteArray bytes;
};

Target fileOf(const QDir &folder, const QByteArray &bytes)
{
    const QString path = folder.filePath(u"face.png"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return {path, bytes};
}

// Of that size without writing it: no bytes are stored, and reading them gives zeros.
Target sparseFileOf(const QDir &folder, qint64 size)
{
    const QString path = folder.filePath(u"large.png"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        ADD_FAILURE() << "cannot make " << path.toStdString();
    return {path, QByteArray(qsizetype(size), '\0')};
}

Target pipeIn(const QDir &folder)
{
    const QString path = folder.filePath(u"pipe"_s);
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        ADD_FAILURE() << "cannot make " << path.toStdString();
    return {path, {}};
}

Target linkTo(const QDir &folder, const Target &target)
{
    const QString path = folder.filePath(u"link"_s);
    if (!QFile::link(target.path, path))
        ADD_FAILURE() << "cannot link " << path.toStdString();
    return {path, target.bytes};
}

const QByteArray kPng("\x89PNG\r\n\x1a\nface", 12);

struct LinkedPictureRow : NamedRow
{
    std::function<Target(const QDir &)> make;
    QString error; // empty: the target's bytes are read
    QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever);
};

class Reading : public testing::TestWithParam<LinkedPictureRow>
{};

TEST_P(Reading, givesTheBytesOfARegularFileOnly)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const Target target = GetParam().make(QDir(folder.path()));
    const Expected<QByteArray> read = LinkedPicture::read(target.path, GetParam().deadline);
    if (GetParam().error.isEmpty()) {
        ASSERT_TRUE(read) << read.error().toStdString();
        EXPECT_EQ(*read, target.bytes);
    } else {
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error(), GetParam().error);
    }
}

const QString kPipe = u"not a regular file but a named pipe"_s;
const QString kDevice = u"not a regular file but a device"_s;
const QString kTooLarge = u"larger than 20 MiB"_s;

INSTANTIATE_TEST_SUITE_P(
    LinkedPicture, Reading,
    testing::Values(
        LinkedPictureRow{"regularFile", [](const QDir &dir) { return fileOf(dir, kPng); }, {}},
        LinkedPictureRow{"linkToARegularFile",
                         [](const QDir &dir) { return linkTo(dir, fileOf(dir, kPng)); },
                         {}},
        LinkedPictureRow{"fileOfTheLargestSize",
                         [](const QDir &dir) { return sparseFileOf(dir, LinkedPicture::kMaxSize); },
                         {}},
        LinkedPictureRow{
            "fileOneByteLarger",
            [](const QDir &dir) { return sparseFileOf(dir, LinkedPicture::kMaxSize + 1); },
            kTooLarge},
        LinkedPictureRow{"namedPipe", pipeIn, kPipe},
        LinkedPictureRow{"linkToANamedPipe",
                         [](const QDir &dir) { return linkTo(dir, pipeIn(dir)); }, kPipe},
        LinkedPictureRow{"endlessDevice",
                         [](const QDir &) {
                             return Target{u"/dev/zero"_s, {}};
                         },
                         kDevice},
        LinkedPictureRow{"linkToADevice",
                         [](const QDir &dir) {
                             return linkTo(dir, Target{u"/dev/urandom"_s, {}});
                         },
                         kDevice},
        LinkedPictureRow{"folder",
                         [](const QDir &dir) {
                             return Target{dir.path(), {}};
                         },
                         u"not a regular file but a folder"_s},
        LinkedPictureRow{"missingFile",
                         [](const QDir &dir) {
                             return Target{dir.filePath(u"gone.png"_s), {}};
                         },
                         u"No such file or directory"_s},
        // The system's files claim no size: the reading goes by what is there.
        LinkedPictureRow{"fileThatClaimsNoSize",
                         [](const QDir &) {
                             QFile file(u"/proc/self/cmdline"_s);
                             return Target{file.fileName(),
                                           file.open(QIODevice::ReadOnly)
                                               ? file.readAll()
                                               : QByteArray("unreadable")};
                         },
                         {}},
        LinkedPictureRow{"afterTheTimeIsUp", [](const QDir &dir) { return fileOf(dir, kPng); },
                         u"not read in the time the address book may take"_s, QDeadlineTimer(0)}),
    RowName());

} // namespace
