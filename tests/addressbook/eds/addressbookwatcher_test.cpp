// SPDX-License-Identifier: GPL-3.0-or-later
// Following a desktop address book on a real server (private-session.sh): contacts added or
// removed through libebook, as another program would, are told while Qt's event loop runs.
#include "addressbook/eds/addressbookwatcher.h"
#include "scratchaddressbook.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray card(const QByteArray &lines)
{
    QByteArray text = "BEGIN:VCARD\nVERSION:3.0\n" + lines + "\nEND:VCARD\n";
    return text.replace("\n", "\r\n");
}

// Generous: a change is told well under a second.
constexpr int kBound = 2000;
// Long enough for any burst to have been told.
constexpr int kSettled
    = int((AddressBookWatcher::kLongest + AddressBookWatcher::kQuiet).count()) + 500;

TEST(AddressBookWatcher, tellsOfContactsAddedAndRemovedOnTheServer)
{
    ScratchAddressBook book(u"Followed"_s);
    book.add({card("UID:ann\nN:;Ann;;;"), card("UID:bob\nN:;Bob;;;")});
    AddressBookWatcher watcher;
    QSignalSpy changes(&watcher, &AddressBookWatcher::changed);
    watcher.watch(book.name());
    // The contacts already there are not announced.
    QTest::qWait(kSettled);
    ASSERT_EQ(changes.count(), 0);

    QElapsedTimer clock;
    clock.start();
    book.add({card("UID:cat\nN:;Cat;;;")});
    ASSERT_TRUE(changes.wait(kBound));
    RecordProperty("addedToSignalMs", int(clock.elapsed()));
    book.remove({u"ann"_s});
    EXPECT_TRUE(changes.wait(kBound));
}

TEST(AddressBookWatcher, saysNothingOnceStoppedOrMoved)
{
    ScratchAddressBook first(u"First"_s);
    ScratchAddressBook second(u"Second"_s);
    AddressBookWatcher watcher;
    QSignalSpy changes(&watcher, &AddressBookWatcher::changed);
    watcher.watch(first.name());
    watcher.watch(second.name());
    first.add({card("UID:dan\nN:;Dan;;;")});
    QTest::qWait(kSettled);
    EXPECT_EQ(changes.count(), 0);

    watcher.stop();
    second.add({card("UID:eve\nN:;Eve;;;")});
    QTest::qWait(kSettled);
    EXPECT_EQ(changes.count(), 0);
}

} // namespace
