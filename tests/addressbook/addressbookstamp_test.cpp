// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp of a file or folder address book: it differs after every change that a re-read
// would find, and stays the same for what reading leaves alone.
#include "addressbook/eds/addressbookstamp.h"

#include "qtprinters.h"
#include "rowname.h"
#include "scratchfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray &kCard = kScratchCard;

// A book's files, written and changed the way editors and sync tools do.
class Books : public ScratchFolder
{
public:
    Books()
    {
        write(u"one.vcf"_s, kCard);
        write(u"folder/a.vcf"_s, kCard);
        write(u"folder/b.VCARD"_s, kCard);
        write(u"folder/work/c.vcf"_s, kCard);
    }
    [[nodiscard]] timespec modified(const QString &name) const
    {
        struct stat status = {};
        EXPECT_EQ(::stat(QFile::encodeName(path(name)).constData(), &status), 0);
        return status.st_mtim;
    }
    void setModified(const QString &name, timespec time) const
    {
        const timespec times[2] = {{0, UTIME_OMIT}, time};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path(name)).constData(), times, 0), 0);
    }
};

struct StampRow : NamedRow
{
    QString book; // below the temporary folder
    std::function<void(const Books &)> change;
    bool same;
    bool exists = true;
};

class StampAfter : public testing::TestWithParam<StampRow>
{};

TEST_P(StampAfter, differsExactlyWhenARereadWould)
{
    const Books books;
    const QString book = books.path(GetParam().book);
    const std::optional<AddressBookStamp> before = AddressBookStamp::of(book);
    ASSERT_TRUE(before);
    GetParam().change(books);
    const std::optional<AddressBookStamp> after = AddressBookStamp::of(book);
    ASSERT_TRUE(after);
    EXPECT_EQ(*after == *before, GetParam().same);
    EXPECT_EQ(after->exists(), GetParam().exists);
}

void nothing(const Books & /*books*/) {}

INSTANTIATE_TEST_SUITE_P(
    Rows, StampAfter,
    testing::Values(
        StampRow{{"unchangedFile"}, u"one.vcf"_s, nothing, true},
        StampRow{{"unchangedFolder"}, u"folder"_s, nothing, true},
        // Same size, so only the time tells; moved a second on, so the clock's tick does not
        // matter.
        StampRow{{"byteChangedInPlace"},
                 u"one.vcf"_s,
                 [](const Books &books) {
                     QByteArray changed = kCard;
                     changed.replace("Ann", "Bob");
                     const timespec before = books.modified(u"one.vcf"_s);
                     books.write(u"one.vcf"_s, changed);
                     books.setModified(u"one.vcf"_s, {before.tv_sec + 1, before.tv_nsec});
                 },
                 false},
        StampRow{{"fileGrown"},
                 u"one.vcf"_s,
                 [](const Books &books) { books.write(u"one.vcf"_s, kCard + kCard); },
                 false},
        // The same bytes and time: only the inode tells the new file from the old one.
        StampRow{{"fileRenamedOver"},
                 u"one.vcf"_s,
                 [](const Books &books) {
                     books.write(u"saved.tmp"_s, kCard);
                     books.setModified(u"saved.tmp"_s, books.modified(u"one.vcf"_s));
                     ASSERT_EQ(::rename(QFile::encodeName(books.path(u"saved.tmp"_s)).constData(),
                                        QFile::encodeName(books.path(u"one.vcf"_s)).constData()),
                               0);
                 },
                 false},
        StampRow{{"fileRemoved"},
                 u"one.vcf"_s,
                 [](const Books &books) { QFile::remove(books.path(u"one.vcf"_s)); },
                 false,
                 false},
        StampRow{{"cardAddedToFolder"},
                 u"folder"_s,
                 [](const Books &books) { books.write(u"folder/d.vcf"_s, kCard); },
                 false},
        StampRow{{"cardAddedToCollection"},
                 u"folder"_s,
                 [](const Books &books) { books.write(u"folder/work/d.vcf"_s, kCard); },
                 false},
        StampRow{{"cardAddedInNewCollection"},
                 u"folder"_s,
                 [](const Books &books) { books.write(u"folder/home/d.vcf"_s, kCard); },
                 false},
        StampRow{{"cardRemovedFromCollection"},
                 u"folder"_s,
                 [](const Books &books) { QFile::remove(books.path(u"folder/work/c.vcf"_s)); },
                 false},
        StampRow{{"cardInFolderGrown"},
                 u"folder"_s,
                 [](const Books &books) { books.write(u"folder/b.VCARD"_s, kCard + kCard); },
                 false},
        StampRow{{"folderRemoved"},
                 u"folder"_s,
                 [](const Books &books) { QDir(books.path(u"folder"_s)).removeRecursively(); },
                 false,
                 false},
        // What reading leaves alone: other files, hidden entries (a sync tool's state),
        // empty folders, files beside a .vcf book.
        StampRow{{"otherFileAddedToFolder"},
                 u"folder"_s,
                 [](const Books &books) { books.write(u"folder/notes.txt"_s, "notes"); },
                 true},
        StampRow{{"hiddenCardAddedToFolder"},
                 u"folder"_s,
                 [](const Books &books) { books.write(u"folder/.sync/state.vcf"_s, kCard); },
                 true},
        StampRow{{"emptyFolderAdded"},
                 u"folder"_s,
                 [](const Books &books) { QDir().mkpath(books.path(u"folder/empty"_s)); },
                 true},
        StampRow{{"fileSavedBesideFileBook"},
                 u"one.vcf"_s,
                 [](const Books &books) { books.write(u"two.vcf"_s, kCard); },
                 true}),
    RowName());

TEST(AddressBookStamp, isNoneForDesktopBooks)
{
    EXPECT_FALSE(AddressBookStamp::of(u"eds:"_s));
    EXPECT_FALSE(AddressBookStamp::of(u"eds:system-address-book"_s));
}

TEST(AddressBookStamp, listsTheFoldersReadingDescendsInto)
{
    const Books books;
    books.write(u"folder/.hidden/x.vcf"_s, kCard);
    const std::optional<AddressBookStamp> stamp = AddressBookStamp::of(books.path(u"folder"_s));
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->folders(),
              (QStringList{books.path(u"folder"_s), books.path(u"folder/work"_s)}));
    EXPECT_EQ(stamp->files(),
              (QStringList{books.path(u"folder/a.vcf"_s), books.path(u"folder/b.VCARD"_s),
                           books.path(u"folder/work/c.vcf"_s)}));
}

} // namespace
