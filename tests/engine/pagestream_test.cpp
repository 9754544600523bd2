// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagestream.h"

#include "util/filename.h"

#include "bytenames.h"
#include "enginetestsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class Stream : public testing::Test
{
protected:
    void SetUp() override
    {
        QFile previous(path);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("previous page");
    }
    [[nodiscard]] QByteArray written() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Pieces of every UTF-8 length, together several blocks long, so that blocks end in the
    // middle of a piece.
    static QStringList pieces()
    {
        QStringList result;
        for (int i = 0; i < 150'000; ++i)
            result.append(u"<p>%1 \u00e9\u4e2d\U0001F600</p>\n"_s.arg(i));
        return result;
    }

    QTemporaryDir folder;
    QString path = folder.filePath(u"page.html"_s);
};

TEST_F(Stream, writesThePiecesAsUtf8InOrderAcrossBlocks)
{
    const QStringList text = pieces();
    PageStream page(path);
    for (const QString &piece : text)
        page.append(piece);
    const Expected<void> committed = page.commit();
    ASSERT_TRUE(committed) << committed.error().toStdString();
    const QByteArray expected = text.join(QString()).toUtf8();
    ASSERT_GT(expected.size(), 3 << 20);
    EXPECT_EQ(written(), expected);
}

TEST_F(Stream, withoutCommitLeavesThePreviousPage)
{
    {
        PageStream page(path);
        for (const QString &piece : pieces())
            page.append(piece);
    }
    EXPECT_EQ(written(), "previous page");
}

TEST_F(Stream, aWriteFailingAfterSomeBlocksNamesTheFileAndLeavesThePreviousPage)
{
    const QStringList text = pieces();
    const Expected<void> committed = [&] {
        const FileSizeLimit limit(3 << 19);
        PageStream page(path);
        for (const QString &piece : text)
            page.append(piece);
        return page.commit();
    }();
    ASSERT_FALSE(committed);
    EXPECT_TRUE(committed.error().startsWith(path + u": "_s)) << committed.error().toStdString();
    EXPECT_EQ(written(), "previous page");
}

TEST_F(Stream, aFolderThatCannotBeWrittenNamesTheFile)
{
    const QString missing = folder.filePath(u"no such folder/page.html"_s);
    PageStream page(missing);
    page.append(u"text");
    const Expected<void> committed = page.commit();
    ASSERT_FALSE(committed);
    EXPECT_TRUE(committed.error().startsWith(missing + u": "_s)) << committed.error().toStdString();
}

struct ByteNameRow : NamedRow
{
    bool existing; // a previous page has the name
    bool commit;
    QByteArray expected; // what the name holds afterwards
};

class ByteNamedPage : public Stream, public testing::WithParamInterface<ByteNameRow>
{};

// Qt cannot name a file that is not UTF-8; the page gets exactly the name given all the
// same, written whole or not at all, and no temporary file is left beside it.
TEST_P(ByteNamedPage, isWrittenUnderItsOwnBytes)
{
    const QByteArray name = QFile::encodeName(folder.path()) + "/o\xFF.html";
    if (GetParam().existing)
        writeByName(name, "previous page");
    {
        PageStream page(decodeFileName(name));
        page.append(u"new page");
        if (GetParam().commit) {
            const Expected<void> committed = page.commit();
            ASSERT_TRUE(committed) << committed.error().toStdString();
        }
    }
    EXPECT_EQ(readByName(name), GetParam().expected);
    const QByteArrayList expectedEntries = GetParam().existing || GetParam().commit
        ? QByteArrayList{"o\xFF.html", "page.html"}
        : QByteArrayList{"page.html"};
    EXPECT_EQ(entriesByName(folder.path()), expectedEntries);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ByteNamedPage,
    testing::Values(ByteNameRow{"newAndCommitted", false, true, "new page"},
                    ByteNameRow{"replacedAndCommitted", true, true, "new page"},
                    ByteNameRow{"replacedWithoutCommit", true, false, "previous page"},
                    ByteNameRow{"newWithoutCommit", false, false, "(none)"}),
    RowName());

TEST_F(Stream, aFailureNamesTheFileWithItsBytesEscaped)
{
    const QByteArray name = QFile::encodeName(folder.path()) + "/no\xFF/page.html";
    PageStream page(decodeFileName(name));
    const Expected<void> committed = page.commit();
    ASSERT_FALSE(committed);
    EXPECT_TRUE(committed.error().startsWith(folder.path() + u"/no\\xFF/page.html: "_s))
        << committed.error().toStdString();
}

// As QSaveFile did: a link at the page's path stays, and the file it leads to is replaced.
TEST_F(Stream, replacesTheFileALinkLeadsTo)
{
    const QString link = folder.filePath(u"link.html"_s);
    ASSERT_TRUE(QFile::link(u"page.html"_s, link));
    PageStream page(link);
    page.append(u"new page");
    ASSERT_TRUE(page.commit());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(written(), "new page");
}

TEST_F(Stream, keepsThePermissionsOfThePageItReplaces)
{
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chmod(name.constData(), 0640), 0);
    PageStream page(path);
    page.append(u"new page");
    ASSERT_TRUE(page.commit());
    struct stat status = {};
    ASSERT_EQ(::stat(name.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640U);
    EXPECT_EQ(written(), "new page");
}

} // namespace
