// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowframe.h"

#include "qtprinters.h"
#include "rowname.h"

using namespace Qt::StringLiterals;

namespace {

struct StoredFrameRow : NamedRow
{
    QString stored;
    std::optional<QRect> frame;
};

class StoredFrame : public testing::TestWithParam<StoredFrameRow>
{};

TEST_P(StoredFrame, readsOnlyFourIntegersWithASize)
{
    EXPECT_EQ(WindowFrame::parse(GetParam().stored), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    WindowFrame, StoredFrame,
    testing::Values(StoredFrameRow{"asSaved", u"40 50 900 700"_s, QRect(40, 50, 900, 700)},
                    StoredFrameRow{"negativePlace", u"-1900 -20 900 700"_s,
                                   QRect(-1900, -20, 900, 700)},
                    StoredFrameRow{"letters", u"a b c d"_s, std::nullopt},
                    StoredFrameRow{"threeNumbers", u"1 2 3"_s, std::nullopt},
                    StoredFrameRow{"noArea", u"10 10 0 700"_s, std::nullopt},
                    StoredFrameRow{"negativeSize", u"10 10 900 -5"_s, std::nullopt},
                    StoredFrameRow{"fractions", u"10 10 900.5 700"_s, std::nullopt},
                    StoredFrameRow{"empty", QString(), std::nullopt}),
    RowName());

struct FitRow : NamedRow
{
    QRect frame;
    QRect fitted;
};

class Fit : public testing::TestWithParam<FitRow>
{};

// A laptop screen with a larger one to its right, the top bar of each taken by a panel.
const QList<QRect> kScreens{QRect(0, 30, 1280, 770), QRect(1280, 0, 1920, 1080)};

TEST_P(Fit, putsTheFrameOntoTheScreenItLiesOnMost)
{
    EXPECT_EQ(WindowFrame::fitted(GetParam().frame, kScreens), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    WindowFrame, Fit,
    testing::Values(
        FitRow{"inside", QRect(100, 100, 900, 600), QRect(100, 100, 900, 600)},
        FitRow{"onTheSecondScreen", QRect(1500, 100, 900, 600), QRect(1500, 100, 900, 600)},
        FitRow{"largerThanItsScreen", QRect(2500, 1500, 1100, 780), QRect(2100, 300, 1100, 780)},
        FitRow{"offEveryScreen", QRect(-3000, -3000, 800, 600), QRect(0, 30, 800, 600)},
        FitRow{"tallerThanTheLaptop", QRect(10, 0, 900, 1000), QRect(10, 30, 900, 770)},
        FitRow{"acrossBothMostlyLeft", QRect(1000, 100, 400, 300), QRect(880, 100, 400, 300)}),
    RowName());

TEST(WindowFrame, withoutScreensTheFrameStays)
{
    EXPECT_EQ(WindowFrame::fitted(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10));
    EXPECT_EQ(WindowFrame::parse(WindowFrame::format(QRect(-3, 4, 5, 6))), QRect(-3, 4, 5, 6));
}

} // namespace
