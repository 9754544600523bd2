// SPDX-License-Identifier: GPL-3.0-or-later
// A file read in shares and pieces of every size must come back byte for byte, and be found
// valid UTF-8 exactly when the whole is, wherever the share and piece boundaries fall:
// inside characters, on line breaks, in shares without any.
#include "addressbook/vcard/vcardcheckedread.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Text
{
    const char *name;
    QByteArray bytes;
};

// Valid texts; each is also tried with a stray lead byte put in at every place.
const Text kTexts[] = {
    {"lines", "N:Lee\nFN:Zoë Ærø\nNOTE:日本語\r\nX:😀\n"},
    {"noLineBreak", "FN:Zoë 日本語 😀 and more after it"},
    {"breaksOnly", "\n\n\n\n\n\n\n\n\n\n"},
    {"longLineAtEnd", "A\nB:Ærø Ærø Ærø Ærø Ærø Ærø Ærø Ærø"},
};

struct Read
{
    QByteArray bytes;
    bool validUtf8;
};

Read readBack(const QString &path, qint64 size, VCardFileReading reading)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    QByteArray into(size, '\0');
    const VCardCheckedRead read = VCardCheckedRead::read(fd, into.data(), size, reading);
    ::close(fd);
    EXPECT_EQ(read.error, 0);
    return {into.left(read.size), read.validUtf8};
}

void expectReadAsWritten(const QByteArray &bytes)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"book.vcf"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    for (const int threads : {1, 2, 3})
        for (const qsizetype pieceBytes : {1, 2, 3, 5, 7, 64}) {
            const Read read = readBack(path, bytes.size(), {threads, pieceBytes});
            SCOPED_TRACE(testing::Message() << threads << " threads, pieces of " << pieceBytes
                                            << ": " << bytes.toPercentEncoding().constData());
            EXPECT_EQ(read.bytes, bytes);
            EXPECT_EQ(read.validUtf8, QByteArrayView(bytes).isValidUtf8());
        }
}

TEST(VCardCheckedRead, findsWhatTheWholeCheckFinds)
{
    for (const Text &text : kTexts) {
        SCOPED_TRACE(text.name);
        expectReadAsWritten(text.bytes);
        for (qsizetype at = 0; at <= text.bytes.size(); ++at)
            expectReadAsWritten(QByteArray(text.bytes).insert(at, '\xC3'));
    }
}

TEST(VCardCheckedRead, endsWhereAFileCutShortEnds)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"short.vcf"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("N:Lee\nFN:Ærø\n");
    file.close();
    const Read read = readBack(path, 40, {3, 4});
    EXPECT_EQ(read.bytes, "N:Lee\nFN:Ærø\n");
    EXPECT_TRUE(read.validUtf8);
}

} // namespace
