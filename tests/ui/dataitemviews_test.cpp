// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingskeys.h"
#include "ui/dataitemcontainerview.h"
#include "ui/dataitemview.h"
#include "ui/settingsbinder.h"
#include "ui/shapedbutton.h"
#include "uitestsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class DataItemViews : public StoreTest
{
protected:
    void build()
    {
        editor.buildRows(store, binder, Bundle(QStringLiteral(VORLIN_TEST_BUNDLE_CONTENTS)),
                         Qt::gray);
    }
    Vorlin_DataItemView *row(int kind) const
    {
        for (Vorlin_DataItemView *row : editor.rows())
            if (row->tag() == kind)
                return row;
        return nullptr;
    }
    QLineEdit *field(const QString &key) const { return editor.findChild<QLineEdit *>(key); }
    QCheckBox *box(const QString &key) const { return editor.findChild<QCheckBox *>(key); }

    SettingsBinder binder{store};
    Vorlin_DataItemContainerView editor;
};

TEST_F(DataItemViews, defaultRowsTopToBottomWithArrowsOnlyOnMainRows)
{
    build();
    const QStringList titles{u"Phone"_s,  u"Email"_s,         u"Web"_s,
                             u"Dates"_s,  u"Related Names"_s, u"Instant Messaging"_s,
                             u"Postal"_s, u"Note"_s};
    int top = 0;
    for (int kind = 0; kind < 8; ++kind) {
        EXPECT_EQ(row(kind)->y(), top) << "kind " << kind;
        EXPECT_EQ(row(kind)->switchButton()->text(), titles.at(kind));
        top += row(kind)->height();
    }
    EXPECT_EQ(top, 325);
    EXPECT_EQ(row(5)->uriTextField(), nullptr) << "the messaging row has no field";
    const auto subRows = row(5)->findChildren<Vorlin_DataItemView *>();
    ASSERT_EQ(subRows.size(), 5);
    for (const Vorlin_DataItemView *subRow : subRows) {
        EXPECT_EQ(subRow->upButton(), nullptr);
        EXPECT_EQ(subRow->switchButton()->geometry().right() + subRow->x(),
                  row(0)->switchButton()->geometry().right())
            << "check boxes end in one column";
        EXPECT_EQ(subRow->uriTextField()->geometry().x() + subRow->x(),
                  row(0)->uriTextField()->geometry().x())
            << "fields line up";
    }
}

TEST_F(DataItemViews, arrowClickWritesTheOrderAndTheArrowsSettle)
{
    build();
    row(0)->downButton()->click();
    EXPECT_EQ(onDisk(SettingsKeys::dataOrder), QVariant(QVariantList{1, 0, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(row(1)->y(), 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !row(1)->upButton()->isEnabled(); }));
    EXPECT_TRUE(row(0)->upButton()->isEnabled());
    EXPECT_FALSE(row(7)->downButton()->isEnabled());
}

TEST_F(DataItemViews, messagingRowCarriesItsSubRows)
{
    build();
    const QPoint aimBefore = box(u"includeAIM"_s)->mapTo(&editor, QPoint(0, 0));
    row(5)->upButton()->click();
    const QPoint aimAfter = box(u"includeAIM"_s)->mapTo(&editor, QPoint(0, 0));
    EXPECT_EQ(aimAfter - aimBefore, QPoint(0, -25));
}

TEST_F(DataItemViews, rowsShowTheRepairedStoredOrderAndFollowAnotherProgramsOrder)
{
    const QVariant broken = QVariantList{3, 3, 1};
    store.setObject(broken, SettingsKeys::dataOrder);
    build();
    EXPECT_EQ(editor.layoutModel().order(), (QList<int>{3, 1, 0, 2, 4, 5, 6, 7}));
    EXPECT_EQ(onDisk(SettingsKeys::dataOrder), broken) << "stored as it is until a row moves";

    store.setObject(QVariantList{7, 6, 5, 4, 3, 2, 1, 0}, SettingsKeys::dataOrder);
    EXPECT_EQ(editor.layoutModel().order(), (QList<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(row(7)->y(), 0) << "the note row on top";
    EXPECT_FALSE(row(7)->upButton()->isEnabled());
    row(6)->upButton()->click();
    EXPECT_EQ(store.objectForKey(SettingsKeys::dataOrder), (QVariantList{6, 7, 5, 4, 3, 2, 1, 0}));
}

TEST_F(DataItemViews, messagingSwitchDisablesEveryServiceAndRestoresEachOwnState)
{
    build();
    store.setObject(false, u"includeICQ"_s);
    EXPECT_FALSE(field(u"icqURIScheme"_s)->isEnabled());
    store.setObject(false, u"includeInstantMessaging"_s);
    for (const QString &key : {u"aimURIScheme"_s, u"icqURIScheme"_s, u"yahooURIScheme"_s}) {
        EXPECT_FALSE(field(key)->isEnabled()) << key.toStdString();
    }
    EXPECT_FALSE(box(u"includeAIM"_s)->isEnabled());
    box(u"includeInstantMessaging"_s)->click();
    EXPECT_TRUE(field(u"aimURIScheme"_s)->isEnabled());
    EXPECT_FALSE(field(u"icqURIScheme"_s)->isEnabled()) << "its own switch is off";
    EXPECT_TRUE(box(u"includeICQ"_s)->isEnabled());
}

TEST_F(DataItemViews, emptiedSchemeFieldStoresEmptyAndShowsThePlaceholder)
{
    build();
    QLineEdit *phone = field(u"phoneURIScheme"_s);
    phone->selectAll();
    QTest::keyClick(phone, Qt::Key_Delete);
    EXPECT_EQ(store.objectForKey(u"phoneURIScheme"_s), QVariant(QString(u""_s)));
    store.synchronize();
    EXPECT_EQ(onDisk(u"phoneURIScheme"_s), QVariant(QString(u""_s)));
    EXPECT_EQ(phone->placeholderText(), u"Phone URI Scheme"_s);
}

} // namespace
