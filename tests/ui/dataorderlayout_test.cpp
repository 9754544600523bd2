// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dataorderlayout.h"

#include "rowname.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The row of kind tag, by its place in the order the rows were made.
qsizetype rowOf(const DataOrderLayout &layout, int tag)
{
    for (qsizetype i = 0; i < layout.rows().size(); ++i)
        if (layout.rows().at(i).tag == tag)
            return i;
    return -1;
}

QRectF frameOf(const DataOrderLayout &layout, int tag)
{
    return layout.rows().at(rowOf(layout, tag)).frame;
}

// Exactly the top row cannot go up and exactly the bottom row cannot go down.
void expectArrowsAtTheEnds(const DataOrderLayout &layout)
{
    const QList<int> order = layout.order();
    for (const DataOrderLayout::Row &row : layout.rows()) {
        EXPECT_EQ(row.upEnabled, row.tag != order.first()) << "row " << row.tag;
        EXPECT_EQ(row.downEnabled, row.tag != order.last()) << "row " << row.tag;
    }
}

TEST(DataOrderLayout, defaultRowsStackDownFromTheTopWithTheTallMessagingRow)
{
    const DataOrderLayout layout(DataOrderLayout::defaultOrder(), 330);
    const QList<double> ys{300, 275, 250, 225, 200, 50, 25, 0};
    for (int kind = 0; kind < 8; ++kind) {
        EXPECT_EQ(frameOf(layout, kind), QRectF(0, ys.at(kind), 330, kind == 5 ? 150 : 25))
            << "kind " << kind;
    }
    EXPECT_EQ(layout.order(), DataOrderLayout::defaultOrder());
    expectArrowsAtTheEnds(layout);
}

TEST(DataOrderLayout, messagingFirstShiftsTheOthersDown)
{
    const DataOrderLayout layout({5, 0, 1, 2, 3, 4, 6, 7});
    EXPECT_EQ(frameOf(layout, 5).y(), 175);
    EXPECT_EQ(frameOf(layout, 5).height(), 150);
    EXPECT_EQ(frameOf(layout, 0).y(), 150);
    EXPECT_EQ(frameOf(layout, 7).y(), 0);
    expectArrowsAtTheEnds(layout);
}

TEST(DataOrderLayout, phoneDownSwapsWithEmail)
{
    DataOrderLayout layout(DataOrderLayout::defaultOrder());
    layout.move(rowOf(layout, 0), false);
    EXPECT_TRUE(layout.rows().at(rowOf(layout, 1)).upEnabled) << "all on until they settle";
    layout.enableButtons();
    EXPECT_EQ(layout.order(), (QList<int>{1, 0, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(layout.rows().at(rowOf(layout, 1)).upEnabled);
    EXPECT_TRUE(layout.rows().at(rowOf(layout, 0)).upEnabled);
}

TEST(DataOrderLayout, relatedNamesDownSwapsWithTheMessagingRow)
{
    DataOrderLayout layout(DataOrderLayout::defaultOrder());
    layout.move(rowOf(layout, 4), false);
    EXPECT_EQ(frameOf(layout, 5).y(), 75) << "25 up";
    EXPECT_EQ(frameOf(layout, 4).y(), 50) << "150 down";
    layout.move(rowOf(layout, 4), true);
    EXPECT_EQ(frameOf(layout, 4).y(), 200);
    EXPECT_EQ(frameOf(layout, 5).y(), 50);
}

TEST(DataOrderLayout, movesAtTheEndsChangeNothing)
{
    DataOrderLayout layout(DataOrderLayout::defaultOrder());
    layout.move(rowOf(layout, 0), true);
    layout.move(rowOf(layout, 7), false);
    EXPECT_EQ(layout.order(), DataOrderLayout::defaultOrder());
}

TEST(DataOrderLayout, anySequenceOfMovesKeepsAPermutationAndTheEndArrows)
{
    DataOrderLayout layout(DataOrderLayout::defaultOrder());
    QRandomGenerator random(11);
    for (int step = 0; step < 300; ++step) {
        layout.move(random.bounded(8), random.bounded(2) == 0);
        layout.enableButtons();
        QList<int> sorted = layout.order();
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, DataOrderLayout::defaultOrder()) << "step " << step;
        double bottom = 0;
        const QList<int> order = layout.order();
        for (auto it = order.crbegin(); it != order.crend(); ++it) {
            ASSERT_EQ(frameOf(layout, *it).y(), bottom) << "rows touch, step " << step;
            bottom += frameOf(layout, *it).height();
        }
        expectArrowsAtTheEnds(layout);
    }
}

TEST(DataOrderLayout, mapsUpwardFramesToQtOnce)
{
    EXPECT_EQ(DataOrderLayout::toQt(QRectF(0, 300, 330, 25), 325), QRect(0, 0, 330, 25));
    EXPECT_EQ(DataOrderLayout::toQt(QRectF(0, 0, 330, 25), 325), QRect(0, 300, 330, 25));
    const QList<QRectF> subRows = DataOrderLayout::subRowFrames(330);
    EXPECT_EQ(subRows.first(), QRectF(17, 100, 313, 25));
    EXPECT_EQ(DataOrderLayout::toQt(subRows.last(), 150), QRect(17, 125, 313, 25));
    EXPECT_DOUBLE_EQ(DataOrderLayout::controlY(150, 16), 129.5);
}

} // namespace
