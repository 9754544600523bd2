// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/filename.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The character a byte that is not UTF-8 becomes.
QString escaped(char16_t byte)
{
    return QString(QChar(char16_t(0xDC00 + byte)));
}

struct NameRow : NamedRow
{
    QByteArray bytes;
    QString decoded;
};

class FileName : public testing::TestWithParam<NameRow>
{};

TEST_P(FileName, decodesAndEncodesBackToTheSameBytes)
{
    EXPECT_EQ(decodeFileName(GetParam().bytes), GetParam().decoded);
    EXPECT_EQ(encodeFileName(GetParam().decoded), GetParam().bytes);
    // What Qt already reads is read as Qt reads it.
    if (QByteArrayView(GetParam().bytes).isValidUtf8()) {
        EXPECT_EQ(decodeFileName(GetParam().bytes), QString::fromUtf8(GetParam().bytes));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileName,
    testing::Values(
        NameRow{"ascii", "book.vcf", u"book.vcf"_s},
        NameRow{"validUtf8OfEveryLength", "Zo\xC3\xAB \xE4\xB8\xAD\xF0\x9F\x98\x80", u"Zoë 中😀"_s},
        NameRow{"latin1Byte", "M\xFCller.vcf", u"M"_s + escaped(0xFC) + u"ller.vcf"_s},
        NameRow{"loneFF", "\xFF", escaped(0xFF)},
        NameRow{"strayContinuation", "a\x80z", u"a"_s + escaped(0x80) + u"z"_s},
        NameRow{"cutShortAtTheEnd", "a\xC3", u"a"_s + escaped(0xC3)},
        NameRow{"cutShortBeforeAscii", "\xE4\xB8.vcf", escaped(0xE4) + escaped(0xB8) + u".vcf"_s},
        NameRow{"cutShortBeforeAValidCharacter", "\xF0\x9F\x98\xC3\xA9",
                escaped(0xF0) + escaped(0x9F) + escaped(0x98) + u"é"_s},
        NameRow{"overlongSlash", "\xC0\xAF", escaped(0xC0) + escaped(0xAF)},
        NameRow{"overlongThreeBytes", "\xE0\x80\xAF",
                escaped(0xE0) + escaped(0x80) + escaped(0xAF)},
        // UTF-8 has no form of a surrogate, so bytes that spell one as it would be written
        // cannot pass for an escape: each is escaped, and they come back as they were.
        NameRow{"surrogateWrittenAsUtf8", "\xED\xB3\xBF",
                escaped(0xED) + escaped(0xB3) + escaped(0xBF)},
        NameRow{"pastTheLastCodePoint", "\xF4\x90\x80\x80",
                escaped(0xF4) + escaped(0x90) + escaped(0x80) + escaped(0x80)},
        // U+10080 is written in UTF-16 with U+DC80 as its second half: no escape.
        NameRow{"pairEndingInTheEscapeRangeThenAByte", "\xF0\x90\x82\x80\xFF",
                u"\U00010080"_s + escaped(0xFF)},
        NameRow{"nonCharacterIsValid", "\xEF\xBF\xBE", u"\uFFFE"_s},
        NameRow{"replacementCharacterStaysOne", "\xEF\xBF\xBD", u"\uFFFD"_s}),
    RowName());

struct ShownRow : NamedRow
{
    QString input;
    QString shown;
};

class PrintableFileName : public testing::TestWithParam<ShownRow>
{};

TEST_P(PrintableFileName, escapesBytesAndControls)
{
    EXPECT_EQ(printableFileName(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintableFileName,
    testing::Values(ShownRow{"plain", u"Zoë.vcf"_s, u"Zoë.vcf"_s},
                    ShownRow{"escapedByte", u"M"_s + escaped(0xFC) + u"ller"_s, u"M\\xFCller"_s},
                    ShownRow{"controlBesideAByte", u"a\u001B"_s + escaped(0x80), u"a\\x1B\\x80"_s},
                    ShownRow{"pairIsACharacter", u"\U00010080"_s, u"\U00010080"_s}),
    RowName());

TEST(FileName, writesOtherLoneSurrogatesAsQtDoes)
{
    for (const char16_t code : {char16_t(0xD800), char16_t(0xDC41)})
        EXPECT_EQ(encodeFileName(QString(QChar(code))), QString(QChar(code)).toUtf8()) << int(code);
}

TEST(FileName, staysEscapedWhenMadeAbsolute)
{
    const QString name = escaped(0xFF) + u".html"_s;
    EXPECT_EQ(absoluteFileName(name), QDir::currentPath() + u'/' + name);
    EXPECT_EQ(absoluteFileName(u"/a/../b/./"_s + name), u"/b/"_s + name);
}

} // namespace
