// SPDX-License-Identifier: GPL-3.0-or-later
// Following file and folder address books: every change a re-read would find is told once a
// burst is over, within the bound the window relies on; what reading leaves alone is not.
#include "addressbook/eds/addressbookwatcher.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "scratchfolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QByteArray &kCard = kScratchCard;
// Generous: a change is told well under a second.
constexpr int kBound = 2000;
// Long enough for any burst to have been told.
constexpr int kSettled
    = int((AddressBookWatcher::kLongest + AddressBookWatcher::kQuiet).count()) + 500;

class Watching : public testing::Test, public ScratchFolder
{
protected:
    // As editors save: a new file renamed over the old one.
    void replace(const QString &name, const QByteArray &bytes) const
    {
        write(u"saving.tmp"_s, bytes);
        ASSERT_EQ(::rename(QFile::encodeName(path(u"saving.tmp"_s)).constData(),
                           QFile::encodeName(path(name)).constData()),
                  0);
    }
    void watch(const QString &name) { m_watcher.watch(path(name)); }
    // Waits for the next changed(); true when it came within the bound.
    bool told() { return m_changes.count() > m_seen++ || m_changes.wait(kBound); }
    qsizetype changesAfterSettling()
    {
        QTest::qWait(kSettled);
        return m_changes.count();
    }

    AddressBookWatcher m_watcher;
    QSignalSpy m_changes{&m_watcher, &AddressBookWatcher::changed};
    qsizetype m_seen = 0;
};

TEST_F(Watching, tellsOfAFileRewrittenInPlace)
{
    write(u"book.vcf"_s, kCard);
    watch(u"book.vcf"_s);
    write(u"book.vcf"_s, kCard + kCard);
    EXPECT_TRUE(told());
}

// The rename leaves the first file watch on the old file, which lives on while a program
// still has it open; the next save in place must still be seen.
TEST_F(Watching, followsAFileReplacedByRenameAndChangedAgain)
{
    write(u"book.vcf"_s, kCard);
    watch(u"book.vcf"_s);
    QFile old(path(u"book.vcf"_s));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    replace(u"book.vcf"_s, kCard + kCard);
    ASSERT_TRUE(told());
    write(u"book.vcf"_s, kCard);
    EXPECT_TRUE(told());
    EXPECT_EQ(changesAfterSettling(), 2);
}

TEST_F(Watching, tellsOfARemovedFileAndItsReturn)
{
    write(u"book.vcf"_s, kCard);
    watch(u"book.vcf"_s);
    ASSERT_TRUE(QFile::remove(path(u"book.vcf"_s)));
    ASSERT_TRUE(told());
    write(u"book.vcf"_s, kCard);
    EXPECT_TRUE(told());
}

TEST_F(Watching, tellsOfCardsAddedToAFolderAndANewCollection)
{
    write(u"book/work/a.vcf"_s, kCard);
    watch(u"book"_s);
    write(u"book/b.vcf"_s, kCard);
    ASSERT_TRUE(told());
    write(u"book/home/c.vcf"_s, kCard);
    ASSERT_TRUE(told());
    // The new collection is followed from then on.
    write(u"book/home/d.vcf"_s, kCard);
    EXPECT_TRUE(told());
}

TEST_F(Watching, tellsOfACardOfASmallFolderRewrittenInPlace)
{
    write(u"book/work/a.vcf"_s, kCard);
    watch(u"book"_s);
    write(u"book/work/a.vcf"_s, kCard + kCard);
    EXPECT_TRUE(told());
}

TEST_F(Watching, tellsOfABurstOnce)
{
    write(u"book.vcf"_s, kCard);
    watch(u"book.vcf"_s);
    for (int i = 1; i <= 20; ++i)
        write(u"book.vcf"_s, kCard.repeated(i));
    ASSERT_TRUE(told());
    const qsizetype changes = changesAfterSettling();
    EXPECT_GE(changes, 1);
    EXPECT_LE(changes, 2);
}

// What reading leaves alone is no change: one signal, for the card alone.
TEST_F(Watching, ignoresWhatReadingLeavesAlone)
{
    write(u"book.vcf"_s, kCard);
    write(u"folder/a.vcf"_s, kCard);
    watch(u"book.vcf"_s);
    write(u"notes.txt"_s, "saved beside the book");
    write(u"other.vcf"_s, kCard);
    EXPECT_EQ(changesAfterSettling(), 0);

    watch(u"folder"_s);
    write(u"folder/notes.txt"_s, "not a card");
    write(u"folder/.sync/state.vcf"_s, kCard);
    EXPECT_EQ(changesAfterSettling(), 0);
}

TEST_F(Watching, saysNothingOnceStopped)
{
    write(u"book.vcf"_s, kCard);
    watch(u"book.vcf"_s);
    write(u"book.vcf"_s, kCard + kCard); // told, or held back when stop() comes
    m_watcher.stop();
    write(u"book.vcf"_s, kCard);
    EXPECT_EQ(changesAfterSettling(), 0);
}

TEST_F(Watching, replacesWhatWasFollowed)
{
    write(u"first.vcf"_s, kCard);
    write(u"second.vcf"_s, kCard);
    watch(u"first.vcf"_s);
    watch(u"second.vcf"_s);
    write(u"first.vcf"_s, kCard + kCard);
    EXPECT_EQ(changesAfterSettling(), 0);
    write(u"second.vcf"_s, kCard + kCard);
    EXPECT_TRUE(told());
}

TEST(AddressBookWatcher, logsWhyABookCannotBeFollowed)
{
    QStringList lines;
    const SystemLogCapture capture([&](const QString &line) { lines.append(line); });
    AddressBookWatcher watcher;
    watcher.watch(u"/nonexistent/book.vcf"_s);
    // No server without a session bus: said at once, not waited for.
    const std::optional<QByteArray> bus = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")
        ? std::optional(qgetenv("DBUS_SESSION_BUS_ADDRESS"))
        : std::nullopt;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    watcher.watch(u"eds:"_s);
    if (bus)
        qputenv("DBUS_SESSION_BUS_ADDRESS", *bus);
    else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines[0],
              u"/nonexistent/book.vcf: changes cannot be followed: no such file or folder"_s);
    EXPECT_TRUE(lines[1].startsWith(u"eds:: changes cannot be followed: the desktop's address-book "
                                    "server cannot be reached"_s))
        << lines[1].toStdString();
}

} // namespace
