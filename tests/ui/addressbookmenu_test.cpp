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

QList<CardDavAddressBook> noCardDavBooks()
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
        nullptr, [&books] { return Expected<QList<EdsAddressBook>>(books); }, noThunderbirdBooks,
        noCardDavBooks);
    menu.refresh();
    EXPECT_EQ(texts(menu),
              (QStringList{u"Personal (default)"_s, u"Work"_s, u"--"_s, u"Choose a file..."_s,
                           u"Choose a folder..."_s, u"CardDAV address book..."_s}));
    // Listed anew each time: a book that went away goes from the menu.
    books.removeLast();
    menu.refresh();
    EXPECT_EQ(texts(menu),
              (QStringList{u"Personal (default)"_s, u"--"_s, u"Choose a file..."_s,
                           u"Choose a folder..."_s, u"CardDAV address book..."_s}));

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
        [&books] { return books; }, noCardDavBooks);
    menu.refresh();
    EXPECT_EQ(texts(menu),
              (QStringList{u"The desktop's address books cannot be reached"_s,
                           u"Personal Address Book (Thunderbird, default)"_s,
                           u"Family (Thunderbird, work)"_s, u"--"_s, u"Choose a file..."_s,
                           u"Choose a folder..."_s, u"CardDAV address book..."_s}));
    QSignalSpy chosen(&menu, &AddressBookMenu::addressBookChosen);
    menu.actions()[2]->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.constFirst().constFirst().toString(), u"thunderbird:work/abook-1.sqlite"_s);

    books.removeLast();
    menu.refresh();
    EXPECT_EQ(texts(menu)[1], u"Personal Address Book (Thunderbird)"_s);
}

// The CardDAV books read before are listed by their name on the server and their account
// (by their path where the server gave no name); a new one is asked for by its address.
TEST(AddressBookMenu, listsTheCardDavBooksReadBefore)
{
    QList<CardDavAddressBook> books{
        {u"https://ann@dav.example.org/ann/contacts/"_s, u"Contacts"_s, -1, true},
        {u"https://bo@cloud.example.com/dav/team/"_s, {}, -1, false}};
    AddressBookMenu menu(
        nullptr, [] { return Expected<QList<EdsAddressBook>>(QList<EdsAddressBook>()); },
        noThunderbirdBooks, [&books] { return books; });
    menu.refresh();
    EXPECT_EQ(texts(menu).mid(1, 2),
              (QStringList{u"Contacts (CardDAV, ann@dav.example.org)"_s,
                           u"/dav/team/ (CardDAV, bo@cloud.example.com)"_s}));
    QSignalSpy chosen(&menu, &AddressBookMenu::addressBookChosen);
    menu.actions()[2]->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.constFirst().constFirst().toString(),
              u"https://bo@cloud.example.com/dav/team/"_s);
    QSignalSpy asked(&menu, &AddressBookMenu::cardDavRequested);
    menu.cardDavAction()->trigger();
    EXPECT_EQ(asked.size(), 1);
}
