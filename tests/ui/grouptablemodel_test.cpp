// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/memorycontactstore.h"
#include "settings/exportsettings.h"
#include "settings/settingskeys.h"
#include "ui/accessoryviewscrollview.h"
#include "ui/groupaccessorybuttons.h"
#include "ui/grouptablemodel.h"
#include "ui/listcheckboxcell.h"
#include "ui/listtextcell.h"
#include "ui/shapedbutton.h"
#include "uitestsupport.h"

#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

using Choices = QList<GroupChoice>;

class GroupTable : public StoreTest
{
protected:
    void addGroup(const QString &name)
    {
        addressBook.addGroup(u"%1:ABGroup"_s.arg(addressBook.groups().size()), name);
    }
    void storeChoices(const Choices &choices)
    {
        store.setObject(groupChoicesToVariant(choices), SettingsKeys::groupsToUse);
        readDefaults(settings, store, {});
    }
    [[nodiscard]] Choices shown() const
    {
        Choices rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(
                {model.index(row, GroupTableModel::IncludeColumn).data(Qt::CheckStateRole).toInt()
                     == Qt::Checked,
                 model.index(row, GroupTableModel::NameColumn).data().toString()});
        return rows;
    }
    [[nodiscard]] Choices storedOnDisk() const
    {
        return groupChoicesFromVariant(onDisk(SettingsKeys::groupsToUse));
    }

    MemoryContactStore addressBook;
    ExportSettings settings;
    GroupTableModel model{settings, store, addressBook};
};

TEST_F(GroupTable, firstStartTicksEverythingUngroupedFirst)
{
    addGroup(u"Work"_s);
    addGroup(u"Family"_s);
    readDefaults(settings, store, {});
    model.reloadGroupNamesTable();
    const Choices expected{{true, u"Ungrouped Contacts"_s}, {true, u"Family"_s}, {true, u"Work"_s}};
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(storedOnDisk(), expected);
    EXPECT_EQ(settings.groupsToUse, expected);
}

// The stored choice names the pseudo-group alike in every language, so that a German window
// keeps the tick an English one set, and the other way round.
TEST_F(GroupTable, ungroupedContactsSpeakTheWindowsLanguageButAreStoredAlike)
{
    QTranslator german;
    ASSERT_TRUE(german.load(
        QStringLiteral(VORLIN_TEST_BUNDLE_CONTENTS "/Resources/translations/vorlin_de.qm")));
    QCoreApplication::installTranslator(&german);
    addGroup(u"Work"_s);
    storeChoices({{false, u"Ungrouped Contacts"_s}, {true, u"Work"_s}});
    model.reloadGroupNamesTable();
    EXPECT_EQ(shown(), (Choices{{false, u"Kontakte ohne Gruppe"_s}, {true, u"Work"_s}}));
    model.setData(model.index(0, GroupTableModel::IncludeColumn), Qt::Checked, Qt::CheckStateRole);
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(storedOnDisk(), (Choices{{true, u"Ungrouped Contacts"_s}, {true, u"Work"_s}}));
}

TEST_F(GroupTable, refreshFollowsTheAddressBook)
{
    addGroup(u"Friends"_s); // renamed: "Old friends" below is gone
    addGroup(u"Work"_s);
    addGroup(u"Band"_s); // new
    storeChoices({{false, u"Work"_s},
                  {false, u"Old friends"_s},
                  {false, u"Ungrouped Contacts"_s},
                  {true, u"Chess"_s}});
    model.reloadGroupNamesTable();
    const Choices expected{{false, u"Ungrouped Contacts"_s},
                           {true, u"Band"_s},
                           {true, u"Friends"_s},
                           {false, u"Work"_s}};
    EXPECT_EQ(shown(), expected) << "address book order, choices kept, new and renamed ticked";
    EXPECT_EQ(storedOnDisk(), expected);
}

TEST_F(GroupTable, selectNoneAndSelectAllCoverTheCurrentGroups)
{
    addGroup(u"Work"_s);
    storeChoices({{true, u"Gone"_s}});
    model.setSelectedGroupNamesTable(false);
    EXPECT_EQ(storedOnDisk(), (Choices{{false, u"Ungrouped Contacts"_s}, {false, u"Work"_s}}));
    model.setSelectedGroupNamesTable(true);
    EXPECT_EQ(shown(), (Choices{{true, u"Ungrouped Contacts"_s}, {true, u"Work"_s}}));
}

TEST_F(GroupTable, untickingOneRowChangesOneRecordOnDisk)
{
    addGroup(u"Family"_s);
    addGroup(u"Work"_s);
    readDefaults(settings, store, {});
    model.reloadGroupNamesTable();
    ASSERT_TRUE(model.setData(model.index(1, GroupTableModel::IncludeColumn), Qt::Unchecked,
                              Qt::CheckStateRole));
    const Choices expected{
        {true, u"Ungrouped Contacts"_s}, {false, u"Family"_s}, {true, u"Work"_s}};
    EXPECT_EQ(storedOnDisk(), expected);
    EXPECT_EQ(shown(), expected);
    EXPECT_FALSE(model.setData(model.index(1, GroupTableModel::NameColumn), u"x"_s, Qt::EditRole));
}

TEST_F(GroupTable, spaceTogglesTheFocusedCheckBoxAndButtonsAct)
{
    addGroup(u"Work"_s);
    readDefaults(settings, store, {});
    model.reloadGroupNamesTable();
    QWidget box; // the buttons lie beside the table, in its parent
    auto &view = *new QEV_AccessoryViewScrollView(&box);
    view.setModel(&model);
    view.setItemDelegateForColumn(GroupTableModel::IncludeColumn,
                                  new QEV_ListCheckboxNSHCell(&view));
    view.setItemDelegateForColumn(GroupTableModel::NameColumn, new QEV_ListTextNSHCell(&view));
    const Bundle bundle(QStringLiteral(VORLIN_TEST_BUNDLE_CONTENTS));
    view.setAccessoryView(new GroupAccessoryButtons(model, bundle, view.scrollerViewWidth()));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    view.setCurrentIndex(model.index(1, GroupTableModel::IncludeColumn));
    QTest::keyClick(view.viewport(), Qt::Key_Space);
    EXPECT_EQ(storedOnDisk(), (Choices{{true, u"Ungrouped Contacts"_s}, {false, u"Work"_s}}));

    auto *selectNone = box.findChild<QEV_ShapedButton *>(u"accessoryView_SelectNone"_s);
    ASSERT_NE(selectNone, nullptr);
    EXPECT_FALSE(selectNone->image().isNull()) << "picture drawn by the build";
    EXPECT_FALSE(selectNone->accessibleName().isEmpty());
    EXPECT_FALSE(selectNone->toolTip().isEmpty());
    selectNone->click();
    EXPECT_EQ(storedOnDisk(), (Choices{{false, u"Ungrouped Contacts"_s}, {false, u"Work"_s}}));
}

} // namespace
