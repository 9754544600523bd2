// SPDX-License-Identifier: GPL-3.0-or-later
// What the store does with paths that are not plain readable files: each gets one message
// naming it, nothing hangs or fills memory, and the rest of a folder is still read.
#include "addressbook/vcard/vcardfile.h"
#include "addressbook/vcard/vcardstore.h"
#include "util/filename.h"

#include "bytenames.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kOneCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n";

class Paths : public testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void makeFifo(const QString &name) const
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
    }
    void link(const QString &target, const QString &name) const
    {
        ASSERT_TRUE(QFile::link(target, path(name)));
    }
    // Permissions deny nothing to root, so those cases only run for other users.
    static bool deniesReading() { return ::geteuid() != 0; }

    QTemporaryDir dir;
};

struct NamedPathRow : NamedRow
{
    const char *setUp; // "fifo", "device", "deviceLink", "huge" or "folderLink"
    QString message;   // after "<path>: "
};

class NamedPath : public Paths, public testing::WithParamInterface<NamedPathRow>
{};

TEST_P(NamedPath, isRefusedWithOneMessage)
{
    const QByteArrayView setUp = GetParam().setUp;
    QString book = path(u"book.vcf"_s);
    if (setUp == "fifo") {
        makeFifo(u"book.vcf"_s);
    } else if (setUp == "device") {
        book = u"/dev/zero"_s;
    } else if (setUp == "deviceLink") {
        link(u"/dev/zero"_s, u"book.vcf"_s);
    } else {
        // Sparse: one byte past the bound costs no disk.
        write(u"book.vcf"_s, kOneCard);
        ASSERT_TRUE(QFile::resize(book, VCardFile::kMaxSize + 1));
    }
    const ContactStoreRead read = readVCardStore(book);
    EXPECT_TRUE(read.store->people().isEmpty());
    EXPECT_EQ(read.pathError, book + u": "_s + GetParam().message);
    EXPECT_EQ(read.diagnostics, QStringList{read.pathError});
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, NamedPath,
    testing::Values(
        NamedPathRow{"namedPipe", "fifo", u"not a regular file but a named pipe; not read"_s},
        NamedPathRow{"device", "device", u"not a regular file but a device; not read"_s},
        NamedPathRow{"linkToADevice", "deviceLink", u"not a regular file but a device; not read"_s},
        NamedPathRow{"fileTooLarge", "huge",
                     u"larger than 2 GiB, far more than any address book; not read"_s}),
    RowName());

TEST_F(Paths, readsAFileWhoseLinkIsNamed)
{
    write(u"real.vcf"_s, kOneCard);
    link(path(u"real.vcf"_s), u"book.vcf"_s);
    const ContactStoreRead read = readVCardStore(path(u"book.vcf"_s));
    EXPECT_EQ(read.store->people().size(), 1);
    EXPECT_TRUE(read.pathError.isEmpty());
}

struct FolderEntryRow : NamedRow
{
    const char *setUp; // what book/bad.vcf (or book/sub) is
    QString entry;     // the path named, below book/
    QString message;   // after "<path>: "
};

class FolderEntry : public Paths, public testing::WithParamInterface<FolderEntryRow>
{};

TEST_P(FolderEntry, getsOneMessageAndTheRestIsRead)
{
    const QByteArrayView setUp = GetParam().setUp;
    if ((setUp == "unreadableFile" || setUp == "unreadableFolder") && !deniesReading())
        GTEST_SKIP() << "permissions deny nothing to root";
    write(u"book/good.vcf"_s, kOneCard);
    if (setUp == "fifo") {
        makeFifo(u"book/bad.vcf"_s);
    } else if (setUp == "deviceLink") {
        link(u"/dev/zero"_s, u"book/bad.vcf"_s);
    } else if (setUp == "danglingLink") {
        link(path(u"gone.vcf"_s), u"book/bad.vcf"_s);
    } else if (setUp == "unreadableFile") {
        write(u"book/bad.vcf"_s, kOneCard);
        ASSERT_TRUE(QFile::setPermissions(path(u"book/bad.vcf"_s), QFileDevice::WriteOwner));
    } else {
        write(u"book/sub/inner.vcf"_s, kOneCard);
        ASSERT_TRUE(QFile::setPermissions(path(u"book/sub"_s), QFileDevice::WriteOwner));
    }
    const ContactStoreRead read = readVCardStore(path(u"book"_s));
    EXPECT_EQ(read.store->people().size(), 1);
    EXPECT_TRUE(read.pathError.isEmpty());
    EXPECT_EQ(read.diagnostics,
              QStringList{path(u"book/"_s + GetParam().entry) + u": "_s + GetParam().message});
    QFile::setPermissions(path(u"book/sub"_s),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    VCardStore, FolderEntry,
    testing::Values(FolderEntryRow{"namedPipe", "fifo", u"bad.vcf"_s,
                                   u"not a regular file but a named pipe; not read"_s},
                    FolderEntryRow{"linkToADevice", "deviceLink", u"bad.vcf"_s,
                                   u"not a regular file but a device; not read"_s},
                    FolderEntryRow{"linkToNothing", "danglingLink", u"bad.vcf"_s,
                                   u"cannot be read: No such file or directory"_s},
                    FolderEntryRow{"fileWithoutPermission", "unreadableFile", u"bad.vcf"_s,
                                   u"cannot be read: Permission denied"_s},
                    FolderEntryRow{"folderWithoutPermission", "unreadableFolder", u"sub"_s,
                                   u"cannot be read: Permission denied"_s}),
    RowName());

// Folders made one inside the other by descriptor, since their whole path is longer than
// the system lets a path be; returns the deepest one's path.
QString makeDeepFolders(const QString &root, qsizetype depth, int *descriptors)
{
    const QByteArray name(200, 'd');
    QString path = root;
    int parent = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    for (qsizetype i = 0; i < depth && parent >= 0; ++i) {
        ::mkdirat(parent, name.constData(), 0700);
        descriptors[i] = parent;
        parent = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY);
        path += u'/' + QString::fromLatin1(name);
    }
    if (parent >= 0)
        ::close(parent);
    return path;
}

void removeDeepFolders(qsizetype depth, const int *descriptors)
{
    const QByteArray name(200, 'd');
    for (qsizetype i = depth - 1; i >= 0; --i) {
        ::unlinkat(descriptors[i], name.constData(), AT_REMOVEDIR);
        ::close(descriptors[i]);
    }
}

TEST_F(Paths, namesAPathLongerThanTheSystemAllows)
{
    write(u"book/good.vcf"_s, kOneCard);
    constexpr qsizetype kDepth = 25; // 25 x 201 bytes, past the 4096 a path may have
    int descriptors[kDepth] = {};
    const QString deepest = makeDeepFolders(path(u"book"_s), kDepth, descriptors);
    const ContactStoreRead read = readVCardStore(path(u"book"_s));
    removeDeepFolders(kDepth, descriptors);
    EXPECT_EQ(read.store->people().size(), 1);
    ASSERT_EQ(read.diagnostics.size(), 1) << read.diagnostics.join(u'\n').toStdString();
    EXPECT_TRUE(
        read.diagnostics[0].endsWith(u": the path is longer than the system allows; left out"_s));
    EXPECT_TRUE(deepest.startsWith(read.diagnostics[0].section(u": "_s, 0, 0)));
}

TEST_F(Paths, visitsAFolderReachedByTwoLinksOnce)
{
    write(u"book/real/a.vcf"_s, kOneCard);
    link(path(u"book/real"_s), u"book/again"_s);
    link(path(u"book"_s), u"book/real/up"_s);
    const ContactStoreRead read = readVCardStore(path(u"book"_s));
    EXPECT_EQ(read.store->people().size(), 1);
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
}

struct ByteNameRow : NamedRow
{
    QByteArray file;  // the card's file, below the test's folder
    QByteArray named; // what the store is given, below the test's folder
};

class ByteName : public Paths, public testing::WithParamInterface<ByteNameRow>
{};

TEST_P(ByteName, isReadByItsOwnBytes)
{
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    writeByName(folder + GetParam().file, kOneCard);
    const ContactStoreRead read
        = readVCardStore(decodeFileName(QByteArray(folder + GetParam().named)));
    EXPECT_EQ(read.store->people().size(), 1);
    EXPECT_TRUE(read.diagnostics.isEmpty()) << read.diagnostics.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(VCardStore, ByteName,
                         testing::Values(ByteNameRow{"fileOfAFolder", "book/M\xFCller.vcf", "book"},
                                         ByteNameRow{"fileInASubfolder", "book/sub\xFF/a.vcf",
                                                     "book"},
                                         ByteNameRow{"namedFolder", "b\xE9/a.vcf", "b\xE9"},
                                         ByteNameRow{"namedFile", "c\xFF.vcf", "c\xFF.vcf"}),
                         RowName());

TEST_F(Paths, namesAFileOfBytesWithEscapes)
{
    writeByName(QFile::encodeName(dir.path()) + "/book/\xFE.vcf", "no card here\n");
    const ContactStoreRead read = readVCardStore(path(u"book"_s));
    ASSERT_EQ(read.diagnostics.size(), 1);
    EXPECT_TRUE(read.diagnostics[0].startsWith(path(u"book/\\xFE.vcf:"_s)))
        << read.diagnostics[0].toStdString();
}

} // namespace
