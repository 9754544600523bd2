// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessoryviewscrollview.h"
#include "ui/listcellgeometry.h"
#include "ui/listcheckboxcell.h"
#include "ui/listtextcell.h"

#include "rowname.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTest>

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
    // Antialiased glyphs: the darkest pixel must be near black and grey, not a highlight.
    QColor darkest(Qt::white);
    for (int y = 10; y < 30; ++y)
        for (int x = 12; x < 60; ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest.rgb()))
                darkest = image.pixelColor(x, y);
    EXPECT_LT(darkest.value(), 80);
    EXPECT_EQ(darkest.red(), darkest.blue());
}

// The smallest rectangle holding every pixel that is not background.
QRect inkBox(const QImage &image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The pixel of the box furthest from white: the colour of the text's solid strokes.
QColor inkiest(const QImage &image, const QRect &box)
{
    QColor darkest(Qt::white);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest.rgb()))
                darkest = image.pixelColor(x, y);
    return darkest;
}

enum class Cell { Checkbox, Text };

struct FillRow : NamedRow
{
    Cell cell;
    QColor background; // invalid: the cell's own default
    QStyle::State state;
    QMargins beyondTheCell;
};

class CellFill : public testing::TestWithParam<FillRow>
{};

// The table leaves spacing between its cells; each cell's background covers it, so the rows
// show as one band of colour, selected or not.
TEST_P(CellFill, coversTheTableSpacingAroundTheCell)
{
    const FillRow &row = GetParam();
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), u"Friends"_s);
    model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole);
    QEV_ListCheckboxNSHCell checkbox;
    QEV_ListTextNSHCell text;
    QStyledItemDelegate &cell
        = row.cell == Cell::Checkbox ? static_cast<QStyledItemDelegate &>(checkbox) : text;
    if (row.background.isValid()) {
        checkbox.setBgColor(row.background);
        text.setBgColor(row.background);
    }
    QStyleOptionViewItem option;
    option.rect = QRect(10, 10, 60, 20);
    option.state = row.state;
    option.font.setPixelSize(11);
    QImage image(80, 40, QImage::Format_ARGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        cell.paint(&painter, option, model.index(0, 0));
    }
    const QRect fill = option.rect.marginsAdded(row.beyondTheCell);
    EXPECT_EQ(inkBox(image, qRgb(255, 0, 0)), fill);
    const QColor background
        = row.background.isValid() ? row.background : ListCellGeometry::defaultBackground();
    EXPECT_EQ(image.pixel(fill.topLeft()), background.rgb());
}

INSTANTIATE_TEST_SUITE_P(
    ListCells, CellFill,
    testing::Values(FillRow{"checkbox", Cell::Checkbox, {}, QStyle::State_Enabled, {4, 1, 4, 3}},
                    FillRow{"checkboxSelected",
                            Cell::Checkbox,
                            Qt::white,
                            QStyle::State_Selected | QStyle::State_Enabled,
                            {4, 1, 4, 3}},
                    FillRow{"text", Cell::Text, {}, QStyle::State_Enabled, {3, 2, 3, 2}},
                    FillRow{"textSelected",
                            Cell::Text,
                            Qt::white,
                            QStyle::State_Selected | QStyle::State_Enabled,
                            {3, 2, 3, 2}}),
    RowName());

struct TextFontRow
{
    std::string name;
    int tableFontPixels;
    QColor textColor; // invalid: the cell's own default
};

class TextCellFont : public testing::TestWithParam<TextFontRow>
{};

TEST_P(TextCellFont, paintsInTheControlFontAndItsTextColour)
{
    const TextFontRow &row = GetParam();
    const QString name = u"Friends"_s;
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), name);
    QEV_ListTextNSHCell cell;
    cell.setBgColor(Qt::white);
    if (row.textColor.isValid())
        cell.setTextColor(row.textColor);
    const QColor expected = row.textColor.isValid() ? row.textColor : QColor(Qt::black);
    QStyleOptionViewItem option;
    option.rect = QRect(10, 10, 150, 30);
    option.state = QStyle::State_Enabled;
    option.font.setPixelSize(row.tableFontPixels);
    QImage painted(180, 50, QImage::Format_ARGB32);
    painted.fill(Qt::white);
    QImage byHand = painted;
    {
        QPainter painter(&painted);
        cell.paint(&painter, option, model.index(0, 0));
    }
    {
        QPainter painter(&byHand);
        QFont font = option.font;
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(expected);
        painter.drawText(QPointF(12, 12 + QFontMetricsF(font).ascent()), name);
    }
    const QRect ink = inkBox(painted, qRgb(255, 255, 255));
    const QRect handInk = inkBox(byHand, qRgb(255, 255, 255));
    ASSERT_TRUE(handInk.isValid());
    EXPECT_NEAR(ink.width(), handInk.width(), 1);
    EXPECT_NEAR(ink.height(), handInk.height(), 1);
    EXPECT_EQ(inkiest(painted, ink), inkiest(byHand, handInk)) << "the strokes' colour";
}

INSTANTIATE_TEST_SUITE_P(
    ListCells, TextCellFont,
    testing::Values(TextFontRow{"largeTableFont", 20, {}}, TextFontRow{"smallTableFont", 7, {}},
                    TextFontRow{"lightTextOnADarkDesktop", 20, QColor(230, 60, 40)},
                    TextFontRow{"controlSizedTableFont", 11, Qt::darkBlue}),
    RowName());

// A checked check-box cell with a white background, painted in state on red, with the
// selection covering the whole cell as a table view asks.
QImage paintedCheckboxCell(QStyle::State state)
{
    QStandardItemModel model;
    auto *item = new QStandardItem;
    item->setCheckable(true);
    item->setCheckState(Qt::Checked);
    model.appendRow(item);
    QEV_ListCheckboxNSHCell cell;
    cell.setBgColor(Qt::white);
    QStyleOptionViewItem option;
    option.rect = QRect(10, 10, 60, 20);
    option.state = state;
    option.showDecorationSelected = true;
    QImage image(80, 40, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    cell.paint(&painter, option, model.index(0, 0));
    return image;
}

struct CheckboxSelectionRow
{
    std::string name;
    QStyle::State state;
    bool focusFrame;
};

class CheckboxCellSelection : public testing::TestWithParam<CheckboxSelectionRow>
{};

TEST_P(CheckboxCellSelection, keepsItsOwnBackgroundOnASelectedRow)
{
    const CheckboxSelectionRow &row = GetParam();
    const QImage image = paintedCheckboxCell(row.state);
    const QRgb highlight = QStyleOptionViewItem().palette.color(QPalette::Highlight).rgb();
    int highlighted = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 70; ++x)
            highlighted += image.pixel(x, y) == highlight ? 1 : 0;
    EXPECT_EQ(highlighted, 0);
    // The style's focus frame may wash the whole cell; without it the background is bare.
    if (!row.focusFrame) {
        EXPECT_EQ(image.pixelColor(60, 20), QColor(Qt::white)) << "beyond the check box";
    }
    const QImage withoutFocus = paintedCheckboxCell(row.state & ~QStyle::State_HasFocus);
    EXPECT_EQ(image != withoutFocus, row.focusFrame) << "the focus frame shows";
}

INSTANTIATE_TEST_SUITE_P(
    ListCells, CheckboxCellSelection,
    testing::Values(CheckboxSelectionRow{"selected", QStyle::State_Selected | QStyle::State_Enabled,
                                         false},
                    CheckboxSelectionRow{"selectedAndFocused",
                                         QStyle::State_Selected | QStyle::State_Enabled
                                             | QStyle::State_HasFocus,
                                         true}),
    RowName());

// The view inside a box, as in the window: the accessory lies beside it, in the box.
class AccessoryScrollView : public testing::Test
{
protected:
    AccessoryScrollView()
    {
        view.setStyleSheet(u"QScrollBar:vertical { width: 15px; }"_s);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setGeometry(0, 0, 150, 200);
        box.resize(150, 300);
    }
    QWidget *accessory(int height)
    {
        auto *widget = new QWidget;
        widget->resize(view.scrollerViewWidth(), height);
        return widget;
    }
    // Geometry in the box's coordinates, which are the view's.
    QRect placed(const QWidget *widget) const
    {
        return QRect(widget->mapTo(&box, QPoint(0, 0)), widget->size());
    }

    QWidget box;
    QEV_AccessoryViewScrollView &view = *new QEV_AccessoryViewScrollView(&box);
};

TEST_F(AccessoryScrollView, givesTheTopOfTheScrollerColumnToTheAccessory)
{
    EXPECT_EQ(view.scrollerViewWidth(), 15);
    view.setAccessoryView(accessory(45));
    box.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(placed(view.accessoryView()), QRect(135, 0, 15, 45));
    EXPECT_EQ(placed(view.verticalScrollBar()), QRect(135, 45, 15, 155));
    view.setGeometry(20, 10, 150, 250);
    QCoreApplication::processEvents();
    EXPECT_EQ(placed(view.accessoryView()), QRect(155, 10, 15, 45));
    EXPECT_EQ(placed(view.verticalScrollBar()), QRect(155, 55, 15, 205));
}

TEST_F(AccessoryScrollView, replacedAccessoryLeavesTheBox)
{
    QPointer<QWidget> first = accessory(45);
    view.setAccessoryView(first);
    QWidget *second = accessory(30);
    view.setAccessoryView(second);
    box.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(box.isAncestorOf(second));
    EXPECT_EQ(placed(second).size(), QSize(15, 30));
}

// A screen reader sees a table only as its cells: the accessory's buttons must be found beside
// it, follow it in the Tab chain and come and go with it.
TEST_F(AccessoryScrollView, itsButtonsAreFoundBesideTheTable)
{
    QWidget *strip = accessory(45);
    auto *button = new QPushButton(u"Refresh"_s, strip);
    view.setAccessoryView(strip);
    auto *after = new QPushButton(u"After"_s, &box);
    after->move(0, 250);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));

    QAccessibleInterface *boxFace = QAccessible::queryAccessibleInterface(&box);
    QAccessibleInterface *stripFace = QAccessible::queryAccessibleInterface(strip);
    EXPECT_GE(boxFace->indexOfChild(stripFace), 0);

    view.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&view, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);

    view.hide();
    EXPECT_FALSE(strip->isVisible());
    view.show();
    EXPECT_TRUE(strip->isVisible());
}

} // namespace
