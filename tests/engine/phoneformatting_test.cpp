// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/phoneformatting.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList kNorthAmerican{u"+1 (###) ###-####"_s, u"(###) ###-####"_s, u"###-####"_s};

struct PhoneRow : NamedRow
{
    QString number;
    std::optional<QStringList> formats;
    QString expected;
};

class FormatPhoneNumber : public testing::TestWithParam<PhoneRow>
{};

TEST_P(FormatPhoneNumber, usesTheBestFittingFormat)
{
    EXPECT_EQ(formatPhoneNumber(GetParam().number, GetParam().formats), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatPhoneNumber,
    testing::Values(PhoneRow{"noPrefixMatchTriesListOrder", u"415 555 1234"_s, kNorthAmerican,
                             u"+1 (415) 555-1234"_s},
                    PhoneRow{"prefixMatchConsumesLeadingOne", u"1 415 555 1234"_s, kNorthAmerican,
                             u"+1 (415) 555-1234"_s},
                    PhoneRow{"prefixMatchTooShortFallsBack", u"1234567890"_s, kNorthAmerican,
                             u"(123) 456-7890"_s},
                    PhoneRow{"sevenDigits", u"555 1234"_s, kNorthAmerican, u"555-1234"_s},
                    PhoneRow{"tooManyDigitsShownAsStored", u"5551234567890"_s, kNorthAmerican,
                             u"5551234567890"_s},
                    PhoneRow{"noDigitsUnchanged", u"ext. abc"_s, kNorthAmerican, u"ext. abc"_s},
                    PhoneRow{"emptyNumber", QString(), kNorthAmerican, QString()},
                    PhoneRow{"absentList", u"555 1234"_s, std::nullopt, u"555 1234"_s},
                    PhoneRow{"emptyList", u"555 1234"_s, QStringList{}, u"555 1234"_s},
                    PhoneRow{"longestPrefixFirst", u"44 20 7946 0958"_s,
                             QStringList{u"+4 ## #### ######"_s, u"+44 ## #### ####"_s},
                             u"+44 20 7946 0958"_s},
                    PhoneRow{"equalPrefixesLaterFirst", u"12345"_s,
                             QStringList{u"1-####"_s, u"1 ####"_s}, u"1 2345"_s}),
    RowName());

struct SingleFormatRow : NamedRow
{
    QString number;
    QString format;
    std::optional<QString> expected;
};

class FormatWithOneFormat : public testing::TestWithParam<SingleFormatRow>
{};

TEST_P(FormatWithOneFormat, fitsOnlyWhenTheLastDigitEndsTheFormat)
{
    EXPECT_EQ(formatPhoneNumber(GetParam().number, GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatWithOneFormat,
    testing::Values(SingleFormatRow{"exactFit", u"5551234"_s, u"###-####"_s, u"555-1234"_s},
                    SingleFormatRow{"literalAfterLastDigit", u"5551234"_s, u"###-####)"_s,
                                    std::nullopt},
                    SingleFormatRow{"tooFewDigits", u"555123"_s, u"###-####"_s, std::nullopt},
                    SingleFormatRow{"literalDigitConsumesEqualDigit", u"15551234"_s,
                                    u"1 ###-####"_s, u"1 555-1234"_s},
                    SingleFormatRow{"literalDigitThatDiffersIsCopied", u"5551234"_s,
                                    u"1 ###-####"_s, u"1 555-1234"_s},
                    SingleFormatRow{"noDigitsIsAFit", u"n/a"_s, u"###"_s, u"n/a"_s}),
    RowName());

} // namespace
