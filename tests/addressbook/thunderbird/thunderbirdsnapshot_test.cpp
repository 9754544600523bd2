// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a book never disturbs Thunderbird: nothing beside the book is made or changed,
// whether Thunderbird is writing it (another process) or not; what is read is what was
// committed, whole; a book that is locked, or is no book, is refused with a reason.
#include "addressbook/thunderbird/sqlitedatabase.h"
#include "addressbook/thunderbird/sqlitesnapshot.h"
#include "addressbook/thunderbird/thunderbirdrecords.h"
#include "addressbook/thunderbird/thunderbirdstore.h"

#include "bookwriterprocess.h"
#include "rowname.h"
#include "thunderbirdhome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString kBook = u"profile/abook.sqlite"_s;

QStringList firstNames(const ContactStore &store)
{
    QStringList names;
    for (const ABPerson *person : store.people())
        names.append(person->stringForProperty(kABFirstNameProperty).value_or(QString()));
    return names;
}

struct WriterRow : NamedRow
{
    QString mode;           // of the bookwriter, or empty for none
    QStringList companions; // the files beside the book while it runs
    QStringList names;
};

class ThunderbirdWhileWriting : public testing::TestWithParam<WriterRow>
{};

TEST_P(ThunderbirdWhileWriting, readsWhatIsCommittedAndChangesNothing)
{
    const WriterRow &row = GetParam();
    const ThunderbirdHome home;
    home.writeBook(kBook, {{u"ann"_s, {{"FirstName", "Ann"}}}});
    std::optional<BookWriterProcess> writer;
    if (!row.mode.isEmpty())
        writer.emplace(row.mode, home.path(kBook));
    const QMap<QString, QByteArray> before = home.contents(u"profile"_s);
    EXPECT_EQ(before.keys(), QStringList{u"abook.sqlite"_s} + row.companions);

    const Expected<ContactStoreRead> read
        = readThunderbirdBook(home.path(kBook), u"thunderbird:p/abook.sqlite"_s);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(firstNames(*read->store), row.names);
    EXPECT_EQ(home.contents(u"profile"_s), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, ThunderbirdWhileWriting,
                         testing::Values(WriterRow{{"closed"}, {}, {}, {u"Ann"_s}},
                                         WriterRow{{"changeInTheLogAndATransactionOpen"},
                                                   u"hold"_s,
                                                   {u"abook.sqlite-shm"_s, u"abook.sqlite-wal"_s},
                                                   {u"Ann"_s, u"Committed"_s}}),
                         RowName());

// A book that is locked for longer than the patience is refused, with what holds it.
TEST(ThunderbirdSnapshot, refusesABookLockedTooLong)
{
    const ThunderbirdHome home;
    home.writeBook(kBook, {{u"ann"_s, {{"FirstName", "Ann"}}}});
    const BookWriterProcess writer(u"exclusive"_s, home.path(kBook));
    const QMap<QString, QByteArray> before = home.contents(u"profile"_s);
    QElapsedTimer clock;
    clock.start();
    const Expected<ContactStoreRead> read
        = readThunderbirdBook(home.path(kBook), u"thunderbird:p/abook.sqlite"_s, {300ms, {}});
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(),
              home.path(kBook)
                  + u": locked by another program (writing it) for more than 0.3 "
                    "seconds"_s);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 5'000);
    EXPECT_EQ(home.contents(u"profile"_s), before);
}

// A change made while the copy was taken is not mixed into it: the copy is taken again.
TEST(ThunderbirdSnapshot, copiesAgainWhatChangedUnderTheCopy)
{
    const ThunderbirdHome home;
    home.writeBook(kBook, {{u"ann"_s, {{"FirstName", "Ann"}}}});
    SqliteSnapshot::Options options;
    options.afterCopy = [&home](int attempt) {
        if (attempt == 1)
            runSql(home.path(kBook), "INSERT INTO properties VALUES ('bob', 'FirstName', 'Bob')");
    };
    const Expected<SqliteSnapshot> copy = SqliteSnapshot::take(home.path(kBook), options);
    ASSERT_TRUE(copy) << copy.error().toStdString();
    EXPECT_EQ(copy->attempts(), 2);
    const Expected<SqliteDatabase> database = SqliteDatabase::open(copy->databasePath());
    ASSERT_TRUE(database);
    EXPECT_EQ(ThunderbirdRecords::countCards(*database).value_or(-1), 2);
}

// Thunderbird rewriting a card again and again, its log checkpointed and started over every
// few pages: every copy that is read holds the card as one transaction left it.
TEST(ThunderbirdSnapshot, neverReadsHalfATransaction)
{
    const ThunderbirdHome home;
    home.writeBook(kBook, {});
    const BookWriterProcess writer(u"churn"_s, home.path(kBook));
    QElapsedTimer clock;
    clock.start();
    int reads = 0;
    while (clock.elapsed() < 2'000) {
        const Expected<SqliteSnapshot> copy = SqliteSnapshot::take(home.path(kBook));
        ASSERT_TRUE(copy) << copy.error().toStdString();
        const Expected<SqliteDatabase> database = SqliteDatabase::open(copy->databasePath());
        ASSERT_TRUE(database) << database.error().toStdString();
        const Expected<ThunderbirdRecords> records = ThunderbirdRecords::read(*database);
        ASSERT_TRUE(records) << records.error().toStdString();
        ASSERT_FALSE(records->cards.empty());
        const ThunderbirdCard &x = records->cards.front();
        ASSERT_EQ(x.uid, u"x"_s);
        EXPECT_EQ(x.value("FirstName"), x.value("LastName"));
        ++reads;
    }
    EXPECT_GT(reads, 5);
}

struct BadFileRow : NamedRow
{
    std::function<void(const ThunderbirdHome &, const QString &)> make;
    QString reason;
};

class ThunderbirdBadFile : public testing::TestWithParam<BadFileRow>
{};

TEST_P(ThunderbirdBadFile, isRefusedNamingTheFile)
{
    const ThunderbirdHome home;
    GetParam().make(home, home.path(kBook));
    QDir().mkpath(home.path(u"profile"_s));
    const QMap<QString, QByteArray> before = home.contents(u"profile"_s);
    const Expected<ContactStoreRead> read
        = readThunderbirdBook(home.path(kBook), u"thunderbird:p/abook.sqlite"_s);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), home.path(kBook) + u": "_s + GetParam().reason);
    EXPECT_EQ(home.contents(u"profile"_s), before);
}

// A book of many cards with its pages past the first overwritten.
void damagedBook(const ThunderbirdHome &home, const QString &path)
{
    QList<TestCard> cards;
    for (int i = 0; i < 200; ++i)
        cards.append({u"card%1"_s.arg(i), {{"FirstName", QByteArray(100, 'a')}}});
    home.writeBook(kBook, cards);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(file.size() - 4096, '\x5a'));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThunderbirdBadFile,
    testing::Values(
        BadFileRow{{"missing"}, [](const ThunderbirdHome &, const QString &) {}, u"no such file"_s},
        BadFileRow{{"empty"},
                   [](const ThunderbirdHome &home, const QString &) { home.write(kBook, {}); },
                   u"not an address book: the file is empty"_s},
        BadFileRow{{"vCardFile"},
                   [](const ThunderbirdHome &home, const QString &) {
                       home.write(kBook, "BEGIN:VCARD\r\nEND:VCARD\r\n");
                   },
                   u"not an address book: not an SQLite database"_s},
        BadFileRow{{"anotherDatabase"},
                   [](const ThunderbirdHome &, const QString &path) {
                       QDir().mkpath(QFileInfo(path).absolutePath());
                       runSql(path, "CREATE TABLE moz_places (url TEXT)");
                   },
                   u"not an address book: it has no table of card properties"_s},
        BadFileRow{{"damaged"}, damagedBook, u"damaged: database disk image is malformed"_s},
        BadFileRow{{"folder"},
                   [](const ThunderbirdHome &, const QString &path) { QDir().mkpath(path); },
                   u"not a regular file but a folder"_s}),
    RowName());

} // namespace
