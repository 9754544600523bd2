// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/thunderbirdstore.h"

#include "addressbook/thunderbird/sqlitedatabase.h"
#include "addressbook/thunderbird/thunderbirdbookreader.h"
#include "addressbook/thunderbird/thunderbirdrecords.h"
#include "util/filename.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A private copy of the book, open; the copy lasts as long as the result.
struct OpenCopy
{
    SqliteSnapshot snapshot;
    SqliteDatabase database;
};

Expected<OpenCopy> openCopy(const QString &path, const SqliteSnapshot::Options &options)
{
    Expected<SqliteSnapshot> snapshot = SqliteSnapshot::take(path, options);
    if (!snapshot)
        return Unexpected(snapshot.error());
    Expected<SqliteDatabase> database = SqliteDatabase::open(snapshot->databasePath());
    if (!database)
        return Unexpected(database.error());
    return OpenCopy{std::move(snapshot).value(), std::move(database).value()};
}

QString failure(const QString &path, const QString &reason)
{
    return u"%1: %2"_s.arg(printableFileName(path), reason);
}

Expected<qsizetype> countCards(const QString &path)
{
    const Expected<OpenCopy> copy = openCopy(path, {});
    if (!copy)
        return Unexpected(copy.error());
    return ThunderbirdRecords::countCards(copy->database);
}

} // namespace

bool isThunderbirdAddressBookName(const QString &name)
{
    return name.startsWith(kThunderbirdScheme);
}

Expected<ContactStoreRead> readThunderbirdBook(const QString &path, const QString &name,
                                               const SqliteSnapshot::Options &options)
{
    const Expected<OpenCopy> copy = openCopy(path, options);
    if (!copy)
        return Unexpected(failure(path, copy.error()));
    const Expected<ThunderbirdRecords> records = ThunderbirdRecords::read(copy->database);
    if (!records)
        return Unexpected(failure(path, records.error()));
    return ThunderbirdBookReader(name, QFileInfo(path).absolutePath()).read(*records);
}

Expected<ContactStoreRead> readThunderbirdStore(const QString &book,
                                                const SqliteSnapshot::Options &options)
{
    const Expected<ThunderbirdBookFile> file
        = ThunderbirdProfiles::find(QDir::homePath()).resolve(book);
    if (!file)
        return Unexpected(u"%1%2: %3"_s.arg(kThunderbirdScheme, book, file.error()));
    return readThunderbirdBook(file->path, file->name, options);
}

std::optional<QString> thunderbirdBookPath(const QString &book)
{
    const Expected<ThunderbirdBookFile> file
        = ThunderbirdProfiles::find(QDir::homePath()).resolve(book);
    return file ? std::optional(file->path) : std::nullopt;
}

QList<ThunderbirdAddressBook> listThunderbirdAddressBooks(ContactCounts counts)
{
    QList<ThunderbirdAddressBook> listed;
    const ThunderbirdProfiles found = ThunderbirdProfiles::find(QDir::homePath());
    for (const ThunderbirdProfile &profile : found.profiles()) {
        for (const ThunderbirdBookFile &file : ThunderbirdProfiles::books(profile)) {
            ThunderbirdAddressBook book{file.name, file.description, file.profile, -1, {}};
            if (counts == ContactCounts::Count) {
                const Expected<qsizetype> count = countCards(file.path);
                if (count)
                    book.contacts = *count;
                else
                    book.problem = count.error();
            }
            listed.append(std::move(book));
        }
    }
    return listed;
}
