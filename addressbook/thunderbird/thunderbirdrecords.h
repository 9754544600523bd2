// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of one of Thunderbird's address books as they are stored: each card's
// properties (name and value, as texts), each mailing list with the cards it holds. The
// tables are those of its published format: properties(card, name, value),
// lists(uid, name, nickName, description) and list_cards(list, card); a book without the
// last two has no lists.
//
//   const Expected<ThunderbirdRecords> records = ThunderbirdRecords::read(database);
//   for (const ThunderbirdCard &card : records->cards) map(card);
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

struct ThunderbirdProperty
{
    QByteArray name;
    QByteArray value; // UTF-8
};

struct ThunderbirdCard
{
    QString uid;
    std::vector<ThunderbirdProperty> properties; // in stored order

    /// The value of the first property of that name, or none.
    [[nodiscard]] std::optional<QByteArrayView> value(QByteArrayView name) const;
};

struct ThunderbirdList
{
    QString uid;
    QString name;
    QList<QString> cards; // the uids of its members, in stored order
};

struct ThunderbirdRecords
{
    std::vector<ThunderbirdCard> cards; // in the order their first property was stored
    std::vector<ThunderbirdList> lists; // in stored order

    /// Reads every card and list. Fails when the database has no properties table (it is no
    /// address book) or cannot be read (damaged).
    [[nodiscard]] static Expected<ThunderbirdRecords> read(const SqliteDatabase &database);
    /// Counts the cards only, for a listing.
    [[nodiscard]] static Expected<qsizetype> countCards(const SqliteDatabase &database);
};
