// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagestream.h"

#include "enginetestsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
