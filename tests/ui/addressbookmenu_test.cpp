// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/addressbookmenu.h"

#include "qtprinters.h"

#include <QAction>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QList<ThunderbirdAddressBook> noThunderbirdBooks()
{
    return {};
}

QStringList texts(const QMenu &menu)
{
    QStringList result;
    for (const QAction *action : menu.actions())
        result.append(action->isSeparator() ? u"--"_s : action->text());
    return result;
}

} // namespace

TEST(AddressBookMenu, listsTheDesktopsBooksAboveChoosingAFile)
{
    QList<EdsAddressBook> books{{u"eds:a"_s, u"Personal"_s, -1, {}, true},
                                {u"eds:b"_s, u"Work"_s, -1, {}, false}};
    AddressBookMenu menu(
        nullptr, [&books] { return Expected<QList<EdsAddressBook>>(books); }, noThunderbirdBooks);
    menu.refresh();
    EXPECT_EQ(texts(menu),
              (QStringList{u"Personal (default)"_s, u"Work"_s, u"--"_s, u"Choose a file..."_s,
                           u"Choose a folder..."_s}));
    // Listed anew each time: a book that went away goes from the menu.
    books.removeLast();
    menu.refresh();
    EXPECT_EQ(texts(menu),
              (QStringList{u"Personal (default)"_s, u"--"_s, u"Choose a file..."_s,
                           u"Choose a folder..."_s}));

    QSignalSpy chosen(&menu, &AddressBookMenu::addressBookChosen);
    menu.actions().constFirst()->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.constFirst().constFirst().toString(), u"eds:a"_s);
    QSignalSpy chooseFile(&menu, &AddressBookMenu::chooseFileRequested);
    menu.chooseFileAction()->trigger();
    EXPECT_EQ(chooseFile.size(), 1);
}

TEST(AddressBookMenu, saysWhyThereAreNoDesktopBooks)
{
    AddressBookMenu menu(
        nullptr, [] { return Expected<QList<EdsAddressBook>>(Unexpected(u"no session bus"_s)); },
        noThunderbirdBooks);
    menu.refresh();
    const QAction *note = menu.actions().constFirst();
    EXPECT_EQ(note->text(), u"The desktop's address books cannot be reached"_s);
    EXPECT_FALSE(note->isEnabled());
    EXPECT_EQ(note->toolTip(), u"no session bus"_s);
    EXPECT_TRUE(menu.chooseFileAction()->isEnabled());
}

// Thunderbird's books are listed whether or not the desktop's can be reached, each named by
// its profile too once books of two profiles are listed.
TEST(AddressBookMenu, listsThunderbirdsBooksBesideTheDesktops)
{
    QList<ThunderbirdAddressBook> books{
        {u"thunderbird:default/abook.sqlite"_s, u"Personal Address Book"_s, u"default"_s, -1, {}},
        {u"thunderbird:work/abook-1.sqlite"_s, u"Family"_s, u"work"_s, -1, {}}};
    AddressBookMenu menu(
        nullptr, [] { return Expected<QList<EdsAddressBook>>(Unexpected(u"no session bus"_s)); },
        [&books] { return books; });
    menu.refresh();
    EXPECT_EQ(texts(menu),
              (QStringList{u"The desktop's address books cannot be reached"_s,
                           u"Personal Address Book (Thunderbird, default)"_s,
                           u"Family (Thunderbird, work)"_s, u"--"_s, u"Choose a file..."_s,
                           u"Choose a folder..."_s}));
    QSignalSpy chosen(&menu, &AddressBookMenu::addressBookChosen);
    menu.actions()[2]->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.constFirst().constFirst().toString(), u"thunderbird:work/abook-1.sqlite"_s);

    books.removeLast();
    menu.refresh();
    EXPECT_EQ(texts(menu)[1], u"Personal Address Book (Thunderbird)"_s);
}
