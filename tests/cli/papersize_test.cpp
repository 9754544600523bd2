// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/papersize.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct LocaleRow
{
    std::string name;
    QString locale;
    Paper paper;
};

class LocalePaper : public testing::TestWithParam<LocaleRow>
{};

TEST_P(LocalePaper, isLetterOnlyWhereTheTerritoryUsesIt)
{
    EXPECT_EQ(paperForLocale(GetParam().locale), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LocalePaper,
    testing::Values(LocaleRow{"unitedStates", u"en_US.UTF-8"_s, Paper::Letter},
                    LocaleRow{"frenchCanada", u"fr_CA.UTF-8"_s, Paper::Letter},
                    LocaleRow{"mexicoWithModifier", u"es_MX.UTF-8@euro"_s, Paper::Letter},
                    LocaleRow{"philippines", u"fil_PH"_s, Paper::Letter},
                    LocaleRow{"britain", u"en_GB.UTF-8"_s, Paper::A4},
                    LocaleRow{"germanyWithModifier", u"de_DE@euro"_s, Paper::A4},
                    LocaleRow{"brazil", u"pt_BR.UTF-8"_s, Paper::A4},
                    LocaleRow{"cLocale", u"C.UTF-8"_s, Paper::A4},
                    LocaleRow{"posix", u"POSIX"_s, Paper::A4},
                    LocaleRow{"unknown", u"xx_YY"_s, Paper::A4},
                    LocaleRow{"empty", QString(), Paper::A4}),
    RowName());

TEST(PaperName, readsBothNamesInAnyCaseAndNothingElse)
{
    EXPECT_EQ(paperFromName(u"A4"_s), Paper::A4);
    EXPECT_EQ(paperFromName(u"Letter"_s), Paper::Letter);
    EXPECT_EQ(paperFromName(u"a5"_s), std::nullopt);
    EXPECT_EQ(paperFromName(QString()), std::nullopt);
}

} // namespace
