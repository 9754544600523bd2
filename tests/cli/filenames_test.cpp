// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vorlin-export on file names that are not UTF-8, as old disks and archives
// hold them: every card is read, the page gets exactly the name given, and messages show
// such bytes as escapes.
#include "bytenames.h"
#include "exporthome.h"
#include "qtprinters.h"
#include "rowname.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray card(const QByteArray &last)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + last + "\r\nN:" + last
        + ";Ann;;;\r\nEND:VCARD\r\n";
}

class ByteNames : public ExportHome
{
protected:
    // QProcess would write every argument as UTF-8, so a shell makes each from octal escapes.
    Outcome runWithBytes(const QByteArrayList &arguments)
    {
        QString script = u"exec \"$0\""_s;
        for (const QByteArray &argument : arguments) {
            QString octal;
            for (const char byte : argument)
                octal += QString::asprintf("\\%03o", uchar(byte));
            script += u" \"$(printf '%1')\""_s.arg(octal);
        }
        return run({}, {{}, {u"/bin/sh"_s, u"-c"_s, script}});
    }
    [[nodiscard]] QByteArray inHome(const QByteArray &name) const
    {
        return QFile::encodeName(home.path()) + '/' + name;
    }
};

struct BookRow : NamedRow
{
    QByteArrayList files; // each holds a card of its own
    QByteArray addressBook;
};

class ByteNamedBook : public ByteNames, public testing::WithParamInterface<BookRow>
{};

TEST_P(ByteNamedBook, hasEveryCardOnThePage)
{
    QStringList lastNames;
    for (const QByteArray &file : GetParam().files) {
        const QByteArray last = "Last" + QByteArray::number(lastNames.size());
        writeByName(inHome(file), card(last));
        lastNames.append(QString::fromLatin1(last));
    }
    const Outcome result = runWithBytes(
        {"--address-book", GetParam().addressBook, "--output", "page.html", "--quiet"});
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(result.err.contains(u"vorlin-export: "_s)) << result.err.toStdString();
    const QString page = read(u"page.html"_s);
    for (const QString &last : std::as_const(lastNames))
        EXPECT_TRUE(page.contains(last)) << last.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ByteNamedBook,
    testing::Values(BookRow{"fileOfAFolder", {"book/M\xFCller.vcf", "book/a.vcf"}, "book"},
                    BookRow{"fileInASubfolder", {"book/sub\xFF/b.vcf", "book/a.vcf"}, "book"},
                    BookRow{"namedFile", {"c\xFF.vcf"}, "c\xFF.vcf"},
                    BookRow{"namedFolder", {"b\xE9/a.vcf"}, "b\xE9"}),
    RowName());

TEST_F(ByteNames, writesThePageUnderExactlyTheNameGiven)
{
    write(u"book.vcf"_s, card("Lee"));
    const Outcome result
        = runWithBytes({"--address-book", "book.vcf", "--output", "o\xFF.html", "--quiet"});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(readByName(inHome("o\xFF.html")).contains("Lee"));
    EXPECT_FALSE(entriesByName(home.path()).contains("o\xEF\xBF\xBD.html"));
    // Its path on standard output is its own bytes, for a script to use.
    EXPECT_EQ(result.outBytes,
              QFile::encodeName(QDir(home.path()).canonicalPath()) + "/o\xFF.html\n");
}

TEST_F(ByteNames, showsTheBytesOfANameAsEscapes)
{
    const Outcome result
        = runWithBytes({"--address-book", "missing\xFF.vcf", "--output", "page.html"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.contains(u"missing\\xFF.vcf: no such file or folder"_s))
        << result.err.toStdString();
}

} // namespace
