// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessoryviewscrollview.h"
#include "ui/listcellgeometry.h"
#include "ui/listcheckboxcell.h"
#include "ui/listtextcell.h"

#include "rowname.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TextTopRow
{
    std::string name;
    double rowHeight;
    double textHeight;
    double expectedTopOffset;
};

class TextCellCentring : public testing::TestWithParam<TextTopRow>
{};

TEST_P(TextCellCentring, setsTheTextTopHalvesAwayFromZero)
{
    const TextTopRow &row = GetParam();
    const QPointF origin
        = ListCellGeometry::textOrigin(QRectF(30, 50, 100, row.rowHeight), row.textHeight);
    EXPECT_DOUBLE_EQ(origin.x(), 32);
    EXPECT_DOUBLE_EQ(origin.y(), 50 + row.expectedTopOffset);
}

INSTANTIATE_TEST_SUITE_P(ListCells, TextCellCentring,
                         testing::Values(TextTopRow{"needOf14", 20, 14, 4},
                                         TextTopRow{"needOf15RoundsUp", 20, 15, 4},
                                         TextTopRow{"tallerThanRowRoundsAwayFromZero", 20, 25, -2},
                                         TextTopRow{"exactFit", 20, 20, 1}),
                         RowName());

TEST(ListCells, checkboxFillCoversTheSpacingAroundTheCell)
{
    EXPECT_EQ(ListCellGeometry::checkboxFill(QRectF(10, 20, 16, 18)), QRectF(6, 19, 24, 22));
    EXPECT_EQ(ListCellGeometry::textFill(QRectF(10, 20, 16, 18)), QRectF(7, 18, 22, 22));
}

TEST(ListCells, textCellPaintsItsFillAndBlackTextWhateverTheSelection)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), u"Friends"_s);
    QEV_ListTextNSHCell cell;
    cell.setBgColor(Qt::white);
    QImage image(120, 40, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QStyleOptionViewItem option;
    option.rect = QRect(10, 10, 100, 20);
    option.state = QStyle::State_Selected | QStyle::State_Enabled;
    option.font.setPixelSize(11);
    {
        QPainter painter(&image);
        cell.paint(&painter, option, model.index(0, 0));
    }
    EXPECT_EQ(image.pixelColor(7, 8), QColor(Qt::white)) << "fill reaches 3 left, 2 up";
    EXPECT_EQ(image.pixelColor(6, 8), QColor(Qt::red));
    // Antialiased glyphs: the darkest pixel must be near black and grey, not a highlight.
    QColor darkest(Qt::white);
    for (int y = 10; y < 30; ++y)
        for (int x = 12; x < 60; ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest.rgb()))
                darkest = image.pixelColor(x, y);
    EXPECT_LT(darkest.value(), 80);
    EXPECT_EQ(darkest.red(), darkest.blue());
}

TEST(ListCells, copiedCellKeepsItsOwnColour)
{
    QEV_ListCheckboxNSHCell checkbox;
    checkbox.setBgColor(Qt::white);
    std::unique_ptr<QEV_ListCheckboxNSHCell> checkboxCopy(checkbox.copy());
    QEV_ListTextNSHCell text;
    EXPECT_EQ(text.bgColor(), ListCellGeometry::defaultBackground());
    std::unique_ptr<QEV_ListTextNSHCell> textCopy(text.copy());
    checkbox.setBgColor(Qt::green);
    text.setBgColor(Qt::green);
    EXPECT_EQ(checkboxCopy->bgColor(), QColor(Qt::white));
    EXPECT_EQ(textCopy->bgColor(), ListCellGeometry::defaultBackground());
}

class AccessoryScrollView : public testing::Test
{
protected:
    AccessoryScrollView()
    {
        view.setStyleSheet(u"QScrollBar:vertical { width: 15px; }"_s);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(150, 200);
    }
    QWidget *accessory(int height)
    {
        auto *widget = new QWidget;
        widget->resize(view.scrollerViewWidth(), height);
        return widget;
    }
    // Geometry in the view's own coordinates.
    static QRect placed(const QWidget *widget, const QWidget *view)
    {
        return QRect(widget->mapTo(view, QPoint(0, 0)), widget->size());
    }

    QEV_AccessoryViewScrollView view;
};

TEST_F(AccessoryScrollView, givesTheTopOfTheScrollerColumnToTheAccessory)
{
    EXPECT_EQ(view.scrollerViewWidth(), 15);
    view.setAccessoryView(accessory(45));
    view.show();
    view.resize(150, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(placed(view.accessoryView(), &view), QRect(135, 0, 15, 45));
    EXPECT_EQ(placed(view.verticalScrollBar(), &view), QRect(135, 45, 15, 155));
    view.resize(150, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(placed(view.verticalScrollBar(), &view), QRect(135, 45, 15, 255));
}

TEST_F(AccessoryScrollView, replacedAccessoryLeavesTheViewTree)
{
    QPointer<QWidget> first = accessory(45);
    view.setAccessoryView(first);
    QWidget *second = accessory(30);
    view.setAccessoryView(second);
    view.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(view.isAncestorOf(second));
    EXPECT_EQ(placed(second, &view).size(), QSize(15, 30));
}

} // namespace
