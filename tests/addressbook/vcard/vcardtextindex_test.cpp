// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardtextindex.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Texts = std::vector<std::pair<std::size_t, QString>>; // hash and text, in order

struct TextIndexRow : NamedRow
{
    Texts texts;
};

class TextIndex : public testing::TestWithParam<TextIndexRow>
{};

Texts manyTexts(int count)
{
    Texts texts;
    for (int i = 0; i < count; ++i)
        texts.emplace_back(std::size_t(i) * 7919, QString::number(i));
    return texts;
}

// The hashes are chosen (equal texts, equal hashes), so different texts share them, and the first
// of equal texts must be the one found however the table grew in between.
TEST_P(TextIndex, givesTheFirstPositionOfEachText)
{
    VCardTextIndex index;
    std::vector<QString> positions;
    std::map<std::pair<std::size_t, QString>, quint32> first;
    for (const auto &row : GetParam().texts) {
        const QString &text = row.second;
        const auto same = [&](quint32 at) {
            return positions[at] == text;
        };
        const auto [known, added] = first.try_emplace(row, quint32(positions.size()));
        EXPECT_EQ(index.insert(row.first, quint32(positions.size()), same),
                  added ? std::nullopt : std::optional(known->second))
            << text.toStdString();
        positions.push_back(text);
    }
    for (const auto &entry : first) {
        const QString &text = entry.first.second;
        const auto same = [&](quint32 at) {
            return positions[at] == text;
        };
        EXPECT_EQ(index.find(entry.first.first, same), entry.second) << text.toStdString();
        EXPECT_EQ(index.find(entry.first.first + 1, same), std::nullopt);
    }
}

constexpr std::size_t kHighHalf = std::size_t{1} << 32;

INSTANTIATE_TEST_SUITE_P(
    VCardTextIndex, TextIndex,
    testing::Values(TextIndexRow{"none", {}}, TextIndexRow{"growingManyTimes", manyTexts(1000)},
                    TextIndexRow{"repeatedAfterGrowing",
                                 [] {
                                     Texts texts = manyTexts(40);
                                     texts.emplace_back(7919, u"1"_s);
                                     return texts;
                                 }()},
                    // Only the low half of a hash is kept; the texts must still tell these apart.
                    TextIndexRow{"oneHashManyTexts",
                                 {{5, u"a"_s},
                                  {5, u"b"_s},
                                  {5 + kHighHalf, u"c"_s},
                                  {5, u"b"_s},
                                  {5 + kHighHalf, u"c"_s}}},
                    // Probing past the last slot goes on at the first.
                    TextIndexRow{
                        "wrappingAtTheEnd",
                        {{15, u"a"_s}, {15, u"b"_s}, {31, u"c"_s}, {0, u"d"_s}, {15, u"b"_s}}}),
    RowName());

TEST(VCardTextIndex, findsWhatWasReservedFor)
{
    VCardTextIndex index;
    index.reserve(100);
    const auto never = [](quint32) {
        return false;
    };
    EXPECT_EQ(index.find(3, never), std::nullopt);
    EXPECT_EQ(index.insert(3, 0, never), std::nullopt);
    EXPECT_EQ(index.find(3, [](quint32 at) { return at == 0; }), 0U);
}

} // namespace
