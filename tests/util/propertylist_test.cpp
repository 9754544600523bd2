// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/propertylist.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDateTime>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ValueRow : NamedRow
{
    QVariant value;
};

QDateTime utc(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(8, 30, 15), QTimeZone::utc());
}

class RoundTrip : public testing::TestWithParam<ValueRow>
{};

TEST_P(RoundTrip, xmlGivesBackAnEqualValue)
{
    const std::optional<QByteArray> xml = toXmlPropertyList(GetParam().value);
    ASSERT_TRUE(xml.has_value());
    const Expected<QVariant> read = parsePropertyList(*xml, u"memory"_s);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(*read, GetParam().value) << xml->toStdString();
}

TEST_P(RoundTrip, binaryGivesBackAnEqualValue)
{
    const std::optional<QByteArray> binary = toBinaryPropertyList(GetParam().value);
    ASSERT_TRUE(binary.has_value());
    const Expected<QVariant> read = parsePropertyList(*binary, u"memory"_s);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(*read, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTrip,
    testing::Values(
        ValueRow{"string", QVariantList{u"Ünïcode & <markup> \"quoted\""_s}},
        ValueRow{"emptyString", QVariantList{QString()}},
        ValueRow{"integers", QVariantList{qint64(0), qint64(42), qint64(-7), qint64(1) << 40}},
        ValueRow{"reals", QVariantList{0.5, -2.25, 1e-3}},
        ValueRow{"booleans", QVariantList{true, false}},
        ValueRow{"dates", QVariantList{utc(2026, 12, 7), utc(1999, 12, 31)}},
        ValueRow{"data", QVariantList{QByteArray("\0\x01\xff bytes", 9)}},
        ValueRow{
            "nested",
            QVariantMap{{u"order"_s, QVariantList{qint64(0), qint64(1)}},
                        {u"group"_s, QVariantMap{{u"include"_s, true}, {u"name"_s, u"Friends"_s}}},
                        {u"empty list"_s, QVariantList{}},
                        {u"empty dict"_s, QVariantMap{}}}}),
    RowName());

struct BadInputRow : NamedRow
{
    QByteArray bytes;
};

class BadInput : public testing::TestWithParam<BadInputRow>
{};

TEST_P(BadInput, isReportedWithItsOrigin)
{
    const Expected<QVariant> read = parsePropertyList(GetParam().bytes, u"/some/prefs.plist"_s);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().startsWith(u"/some/prefs.plist: "_s)) << read.error().toStdString();
}

QByteArray xmlList(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body
        + "</plist>";
}

// Damaged binary files whose string and key hold a NUL: reading them must not abort.
const QByteArray kNulInBinaryString = QByteArray::fromBase64(
    "YnBsaXN0MDDYAQIDBAUGBwgJCgsPEBYXFFNjc3NUZGF0YVlkYXRhT3JkZXJUZGF0ZVtncm91cHNUb1Vz"
    "ZVFuUXJac29ydEJ5TGGjdFdib2R5IHt9QgABowwNDhAAEAEQAjNByGMXQAAAAKER0hITFBVXaW5jbHVk"
    "ZVRuYW1lCVZGYW1pbHkT//////////sjP+AAAAAAAABkZXJUZGF0ZVtncm91cHNUb1VzZVFuUXIAAAAA"
    "AAABAQAAAAAAAAAYAAAAAAAAAAQAAAAAAAAAmA==");
const QByteArray kNulInBinaryKey = QByteArray::fromBase64(
    "YnBsaXN0MDDYBQIDBAUGBwgJCgsPVGRhdGFZZGF0YU9yZGVyVGRhdGVbZ3JvdXBzVG9Vc2VRblFyWnNv"
    "cnRCeUxhc3RXYm9keSB7fUIAAaMMDQ4QABABEAIzQchjF0AAAAChEdISExQVV2luY2x1ZGVuVGFtZQlW"
    "RmFtaWx5E//////////7Iz/gAAAAAAATFBVXaW5jbHVkZVRuYTA9P0FMVFdbXV9hamxxeX5+ho8AAAAA"
    "AAABAQAAAAAAAAAYAAAAAAAAAAAAAAAAAAAAmA==");

// A binary list of `levels` arrays, each referring `copies` times to the next; the last holds
// a cycle back to the first when `cycle` is set. Built by hand, as libplist cannot write what
// it cannot read.
QByteArray nestedBinary(quint32 levels, bool cycle = false, quint32 copies = 1)
{
    QByteArray bytes("bplist00");
    QList<quint32> offsets;
    const auto append32 = [&bytes](quint32 value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(static_cast<char>(value >> shift));
    };
    for (quint32 i = 0; i < levels; ++i) {
        offsets.append(static_cast<quint32>(bytes.size()));
        const bool last = i + 1 == levels;
        if (last && !cycle) {
            bytes.append('\xa0');
            continue;
        }
        bytes.append(static_cast<char>(0xa0 | copies));
        for (quint32 copy = 0; copy < copies; ++copy)
            append32(last ? 0 : i + 1);
    }
    const auto table = static_cast<quint64>(bytes.size());
    for (const quint32 offset : offsets)
        append32(offset);
    bytes.append(QByteArray(6, '\0')).append('\x04').append('\x04');
    for (const quint64 field : {quint64(levels), quint64(0), table})
        for (int shift = 56; shift >= 0; shift -= 8)
            bytes.append(static_cast<char>(field >> shift));
    return bytes;
}

TEST(BinaryNesting, shallowBinaryListIsRead)
{
    const Expected<QVariant> read = parsePropertyList(nestedBinary(3), u"memory"_s);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(*read, QVariant(QVariantList{QVariantList{QVariantList{}}}));
}

// Arrays shared a few times expand as libplist expands them: still read when small.
TEST(BinaryNesting, sharedArraysAreReadWhenTheirExpansionIsSmall)
{
    const Expected<QVariant> read = parsePropertyList(nestedBinary(3, false, 2), u"memory"_s);
    ASSERT_TRUE(read) << read.error().toStdString();
    const QVariantList pair{QVariantList{}, QVariantList{}};
    EXPECT_EQ(*read, QVariant(QVariantList{pair, pair}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadInput,
    testing::Values(BadInputRow{"empty", QByteArray()},
                    BadInputRow{"deepNesting", xmlList(QByteArray("<array>").repeated(100000))},
                    BadInputRow{"deepBinaryNesting", nestedBinary(100000)},
                    BadInputRow{"binaryJustPastTheLimit", nestedBinary(300)},
                    BadInputRow{"binaryCycle", nestedBinary(4, true)},
                    // 2^40 arrays in 400 bytes: libplist would copy every one.
                    BadInputRow{"binarySharedArrayBomb", nestedBinary(40, false, 2)},
                    BadInputRow{"keyWithoutValue", xmlList("<dict><key>a</key></dict>")},
                    BadInputRow{"valueWithoutKey", xmlList("<dict><string>a</string></dict>")},
                    BadInputRow{"unknownElement", xmlList("<color>red</color>")},
                    BadInputRow{"octalLookingInteger", xmlList("<integer>12a</integer>")},
                    BadInputRow{"badBase64", xmlList("<data>!!!</data>")},
                    BadInputRow{"badDate", xmlList("<date>yesterday</date>")},
                    BadInputRow{"twoValues", xmlList("<true/><false/>")},
                    BadInputRow{"nulInBinaryString", kNulInBinaryString},
                    BadInputRow{"nulInBinaryKey", kNulInBinaryKey},
                    BadInputRow{"text", QByteArray("just some words")},
                    BadInputRow{"truncatedBinary", QByteArray("bplist00\xd1\x01", 10)},
                    BadInputRow{"truncatedXml",
                                QByteArray("<?xml version=\"1.0\"?><plist><dict><key>a</key>")}),
    RowName());

TEST(PropertyListFile, missingFileNamesThePath)
{
    const Expected<QVariant> read = readPropertyListFile(u"/nonexistent/prefs.plist"_s);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().startsWith(u"/nonexistent/prefs.plist: cannot be read"_s));
}

TEST(PropertyListFile, readsWhatWasWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.plist"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*toXmlPropertyList(QVariantMap{{u"css"_s, u"body {}"_s}}));
    file.close();
    EXPECT_EQ(readPropertyListFile(path).value_or(QVariant()),
              (QVariantMap{{u"css"_s, u"body {}"_s}}));
}

TEST(PropertyListWrite, refusesValuesWithoutPropertyListForm)
{
    EXPECT_FALSE(toXmlPropertyList(QPoint(1, 2)).has_value());
    EXPECT_FALSE(toXmlPropertyList(QVariantList{u"ok"_s, QPoint(1, 2)}).has_value());
    EXPECT_FALSE(toXmlPropertyList(QVariant()).has_value());
}

} // namespace
