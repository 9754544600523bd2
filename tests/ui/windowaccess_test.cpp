// SPDX-License-Identifier: GPL-3.0-or-later
// The window for people who do not use a mouse, run a dark desktop or a large font: Tab
// reaches every control in reading order and leaves every one, every text stays readable on
// light and dark palettes, and no text is cut at the smallest size the window allows.
#include "controllertestsupport.h"
#include "rowname.h"
#include "ui/accessoryviewscrollview.h"
#include "ui/mainwindow.h"
#include "ui/panelcolors.h"
#include "ui/shapedbutton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// The demo book, the window on it, shown and active so that keys reach it.
class Window : public Controller
{
protected:
    void open()
    {
        ASSERT_TRUE(controller.openAddressBook(QStringLiteral(VORLIN_SOURCE_DIR)
                                               + u"/examples/demo-contacts.vcf"_s));
        window = std::make_unique<MainWindow>(controller, false);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<MainWindow> window;
};

// The object names focus passes through from the group table, one key press at a time, until
// it comes back (or, trapped, after twice the window's controls).
QStringList focusWalk(MainWindow &window, Qt::Key key)
{
    auto *table = window.findChild<QEV_AccessoryViewScrollView *>(u"groupsTableView"_s);
    table->setFocus(Qt::TabFocusReason);
    QStringList walk{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), key);
        if (QApplication::focusWidget() == table)
            return walk;
        walk.append(QApplication::focusWidget()->objectName());
    }
    walk.append(u"(never back at the table)"_s);
    return walk;
}

// Every control a Tab may stop at: visible, enabled, taking focus from the keyboard.
QStringList tabStops(const MainWindow &window)
{
    QStringList stops;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()
            && widget->isVisibleTo(&window) && widget->isEnabled())
            stops.append(widget->objectName());
    }
    return stops;
}

// Down the panel: the groups, their buttons, the switches, each row's arrows (the first
// row's up and the last row's down are disabled), switch and field, the messaging services,
// Generate, then the style sheet.
const QStringList kReadingOrder = {u"groupsTableView"_s,
                                   u"accessoryView_SelectAll"_s,
                                   u"accessoryView_SelectNone"_s,
                                   u"accessoryView_Refresh"_s,
                                   u"sortByLast"_s,
                                   u"includeImage"_s,
                                   u"includeGenericImages"_s,
                                   u"includeJobTitle"_s,
                                   u"includeOrganization"_s,
                                   u"pageLanguage"_s,
                                   u"letterIndex"_s,
                                   u"arrow_down"_s,
                                   u"includePhone"_s,
                                   u"phoneURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"arrow_down"_s,
                                   u"includeEmail"_s,
                                   u"emailURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"arrow_down"_s,
                                   u"includeWeb"_s,
                                   u"webURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"arrow_down"_s,
                                   u"includeDate"_s,
                                   u"dateURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"arrow_down"_s,
                                   u"includeRelatedName"_s,
                                   u"relatedNameURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"arrow_down"_s,
                                   u"includeInstantMessaging"_s,
                                   u"includeAIM"_s,
                                   u"aimURIScheme"_s,
                                   u"includeICQ"_s,
                                   u"icqURIScheme"_s,
                                   u"includeJabber"_s,
                                   u"jabberURIScheme"_s,
                                   u"includeMSN"_s,
                                   u"msnURIScheme"_s,
                                   u"includeYahoo"_s,
                                   u"yahooURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"arrow_down"_s,
                                   u"includePostal"_s,
                                   u"postalURIScheme"_s,
                                   u"arrow_up"_s,
                                   u"includeNote"_s,
                                   u"noteURIScheme"_s,
                                   u"generateButton"_s,
                                   u"css"_s};

TEST_F(Window, tabWalksEveryControlInReadingOrderAndBack)
{
    open();
    const QStringList forward = focusWalk(*window, Qt::Key_Tab);
    EXPECT_EQ(forward, kReadingOrder);
    QStringList backward = focusWalk(*window, Qt::Key_Backtab);
    std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(backward, kReadingOrder);
    QStringList stops = tabStops(*window);
    QStringList reached = forward;
    stops.sort();
    reached.sort();
    EXPECT_EQ(reached, stops) << "a control Tab never reaches, or one it should not stop at";
}

// Whether assistive technology walking down from the window finds widget: each interface on
// the way up is listed among its parent's children.
bool inAccessibleTree(const MainWindow &window, QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    while (face && face->object() != &window) {
        QAccessibleInterface *parent = face->parent();
        if (!parent || parent->indexOfChild(face) < 0)
            return false;
        face = parent;
    }
    return face != nullptr;
}

TEST_F(Window, screenReadersFindEveryControl)
{
    open();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window.get())) {
            EXPECT_TRUE(inAccessibleTree(*window, widget)) << widget->objectName().toStdString();
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(Window, arrowKeysMoveInsideTheGroupTable)
{
    open();
    auto *table = window->findChild<QEV_AccessoryViewScrollView *>(u"groupsTableView"_s);
    table->setFocus(Qt::TabFocusReason);
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentIndex().row(), 1);
    EXPECT_EQ(QApplication::focusWidget(), table);
}

// WCAG's contrast of the text in region: its most common colour is the background, the pixel
// farthest from it the text's own ink.
double inkContrast(const QImage &region)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < region.height(); ++y)
        for (int x = 0; x < region.width(); ++x)
            ++counts[region.pixel(x, y)];
    const auto background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    double best = 1;
    for (const auto &[colour, count] : counts)
        best = std::max(best, PanelColors::contrast(QColor(colour), QColor(background)));
    return best;
}

// Where each text of the window is drawn, in window coordinates, by its widget's name: the
// labels, the switches' titles (not their boxes), the buttons' and fields' insides (not their
// frames) and the group names. Disabled controls are left out, as contrast rules leave them.
std::vector<std::pair<QString, QRect>> textAreas(const MainWindow &window)
{
    std::vector<std::pair<QString, QRect>> areas;
    const auto add = [&](const QWidget *widget, const QRect &inside, const QString &name) {
        if (widget->isVisibleTo(&window) && widget->isEnabled() && !inside.isEmpty())
            areas.emplace_back(name,
                               QRect(widget->mapTo(&window, inside.topLeft()), inside.size()));
    };
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (!label->text().isEmpty())
            add(label, label->contentsRect(), label->text());
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<const QCheckBox *>(button)
            ? QStyle::SE_CheckBoxContents
            : QStyle::SE_PushButtonContents;
        if (!button->text().isEmpty())
            add(button,
                button->style()->subElementRect(element, &option, button).adjusted(2, 2, -2, -2),
                button->objectName());
    }
    for (const QLineEdit *field : window.findChildren<QLineEdit *>())
        add(field, field->contentsRect().adjusted(3, 3, -3, -3), field->objectName());
    const auto *table = window.findChild<QEV_AccessoryViewScrollView *>(u"groupsTableView"_s);
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const QModelIndex name = table->model()->index(row, 1);
        const QRect cell = table->visualRect(name);
        if (table->viewport()->rect().contains(cell))
            add(table->viewport(), cell.adjusted(1, 1, -1, -1), name.data().toString());
    }
    return areas;
}

QPalette darkPalette()
{
    QPalette palette;
    for (const auto &[role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, QColor(0x35, 0x35, 0x35)},
             {QPalette::WindowText, QColor(0xee, 0xee, 0xec)},
             {QPalette::Base, QColor(0x2d, 0x2d, 0x2d)},
             {QPalette::AlternateBase, QColor(0x35, 0x35, 0x35)},
             {QPalette::Text, QColor(0xee, 0xee, 0xec)},
             {QPalette::Button, QColor(0x35, 0x35, 0x35)},
             {QPalette::ButtonText, QColor(0xee, 0xee, 0xec)},
             {QPalette::Highlight, QColor(0x15, 0x53, 0x9e)},
             {QPalette::HighlightedText, Qt::white},
             {QPalette::Light, QColor(0x4a, 0x4a, 0x4a)},
             {QPalette::Midlight, QColor(0x40, 0x40, 0x40)},
             {QPalette::Mid, QColor(0x28, 0x28, 0x28)},
             {QPalette::Dark, QColor(0x1b, 0x1b, 0x1b)},
             {QPalette::Shadow, Qt::black}})
        palette.setColor(role, colour);
    return palette;
}

struct PaletteRow : NamedRow
{
    bool dark;
    bool turnedAfterOpening; // the desktop changed its theme while the window was open
};

class WindowContrast : public Window, public testing::WithParamInterface<PaletteRow>
{
protected:
    ~WindowContrast() override { QApplication::setPalette(m_original); }
    QPalette m_original = QApplication::palette();
};

TEST_P(WindowContrast, keepsEveryTextReadable)
{
    const PaletteRow &row = GetParam();
    if (row.dark && !row.turnedAfterOpening)
        QApplication::setPalette(darkPalette());
    open();
    if (row.turnedAfterOpening)
        QApplication::setPalette(darkPalette());
    const QImage grab = window->grab().toImage();
    const auto areas = textAreas(*window);
    EXPECT_GE(areas.size(), 35U) << "the window's texts were not found";
    for (const auto &[name, area] : areas)
        EXPECT_GE(inkContrast(grab.copy(area)), PanelColors::kMinimumContrast)
            << name.toStdString();
    // Pictures that act need 3:1 against what lies around them.
    for (const QEV_ShapedButton *button : window->findChildren<QEV_ShapedButton *>()) {
        if (!button->isEnabled())
            continue;
        const QRect area(button->mapTo(window.get(), QPoint(0, 0)), button->size());
        EXPECT_GE(inkContrast(grab.copy(area.adjusted(-2, -2, 2, 2))), 3.0)
            << button->accessibleName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Window, WindowContrast,
                         testing::Values(PaletteRow{{"light"}, false, false},
                                         PaletteRow{{"dark"}, true, false},
                                         PaletteRow{{"turnedDark"}, true, true}),
                         RowName());

struct FontRow : NamedRow
{
    double scale; // of the desktop's font size
};

class WindowAtItsSmallest : public Window, public testing::WithParamInterface<FontRow>
{
protected:
    ~WindowAtItsSmallest() override { QApplication::setFont(m_original); }
    QFont m_original = QApplication::font();
};

// Every text shown whole: labels and buttons as large as they ask to be, switches as wide as
// their titles and as high as their font (the data rows' switches are lower than the style
// asks for, to keep the rows' fixed 25-point pitch, yet with room for their one line), and
// the table's column titles.
QString cutText(const QWidget &widget)
{
    const QSize needed = qobject_cast<const QCheckBox *>(&widget)
        ? QSize(widget.sizeHint().width(), widget.fontMetrics().height())
        : widget.minimumSizeHint();
    if (widget.width() >= needed.width() && widget.height() >= needed.height())
        return {};
    return u"%1 %2x%3 < %4x%5"_s.arg(widget.objectName())
        .arg(widget.width())
        .arg(widget.height())
        .arg(needed.width())
        .arg(needed.height());
}

QStringList cutControls(const MainWindow &window)
{
    QStringList cut;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        const bool textControl
            = qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget);
        if (textControl && widget->isVisibleTo(&window) && !cutText(*widget).isEmpty())
            cut.append(cutText(*widget));
    }
    const auto *table = window.findChild<QEV_AccessoryViewScrollView *>(u"groupsTableView"_s);
    const QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        if (header->sectionSize(column) < header->sectionSizeHint(column))
            cut.append(u"header column "_s + QString::number(column));
    return cut;
}

TEST_P(WindowAtItsSmallest, cutsNoText)
{
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * GetParam().scale);
    QApplication::setFont(font);
    open();
    window->resize(1, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(cutControls(*window).join(u", "_s).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Window, WindowAtItsSmallest,
                         testing::Values(FontRow{{"normalFont"}, 1.0},
                                         FontRow{{"largerFont"}, 1.5}),
                         RowName());

TEST_F(Window, growsItsSmallestSizeWithTheFont)
{
    open();
    const QSize normal = window->minimumSizeHint();
    QFont font = QApplication::font();
    const QFont original = font;
    font.setPointSizeF(font.pointSizeF() * 1.5);
    QApplication::setFont(font);
    QCoreApplication::processEvents();
    const QSize larger = window->minimumSizeHint();
    QApplication::setFont(original);
    EXPECT_GT(larger.width(), normal.width());
    EXPECT_GT(larger.height(), normal.height());
}

} // namespace
