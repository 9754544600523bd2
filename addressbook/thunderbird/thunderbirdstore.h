// SPDX-License-Identifier: GPL-3.0-or-later
// Thunderbird's address books as a contact store: each book is an SQLite file in a
// profile's folder (thunderbirdprofiles.h says which and how they are named), read from a
// private copy (sqlitesnapshot.h) so that Thunderbird, running or not, is never disturbed, and
// nothing in its profile changes. What a card gives is in thunderbirdbookreader.h.
//
//   Expected<ContactStoreRead> read = readThunderbirdStore(u"default-release/abook.sqlite"_s);
//   if (!read) fail(read.error());  // "<file>: locked by another program (...) for more than ..."
#pragma once

#include "addressbook/thunderbird/sqlitesnapshot.h"
#include "addressbook/thunderbird/thunderbirdprofiles.h"
#include "addressbook/vcard/vcardstore.h"
#include "util/expected.h"

#include <QList>
#include <QString>

struct ThunderbirdAddressBook
{
    QString name; // "thunderbird:<profile>/<file>", as --address-book takes it
    QString description;
    QString profile;
    qsizetype contacts = -1; // -1 when not counted, or when it could not be
    QString problem;         // why it could not be counted, or empty
};

/// Whether the name is one of Thunderbird's books ("thunderbird:...").
[[nodiscard]] bool isThunderbirdAddressBookName(const QString &name);

/// Reads the book of that name (the part after "thunderbird:"), its profiles looked for below
/// the home folder. Fails, naming the file, when there is no such profile or file, or the file
/// is no address book, is damaged, or stays locked or changing beyond the snapshot's patience.
[[nodiscard]] Expected<ContactStoreRead>
readThunderbirdStore(const QString &book, const SqliteSnapshot::Options &options = {});

/// Reads the book file at path; name begins the messages about its cards.
[[nodiscard]] Expected<ContactStoreRead>
readThunderbirdBook(const QString &path, const QString &name,
                    const SqliteSnapshot::Options &options = {});

/// The database file of the book of that name (the part after "thunderbird:"), for following
/// its changes; none when no profile holds it.
[[nodiscard]] std::optional<QString> thunderbirdBookPath(const QString &book);

/// The local books of every profile below the home folder, counted when asked: one that
/// cannot be read keeps a count of -1 and says why.
[[nodiscard]] QList<ThunderbirdAddressBook> listThunderbirdAddressBooks(ContactCounts counts);
