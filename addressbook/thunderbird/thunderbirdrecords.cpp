// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/thunderbirdrecords.h"

#include "addressbook/thunderbird/sqlitedatabase.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString text(QByteArrayView utf8)
{
    return QString::fromUtf8(utf8);
}

// Fails for a database that is not an address book of the format above.
Expected<void> checkTables(const SqliteDatabase &database)
{
    const Expected<bool> found = database.hasTable("properties");
    if (!found)
        return Unexpected(found.error());
    if (!*found)
        return Unexpected(u"not an address book: it has no table of card properties"_s);
    return {};
}

Expected<void> readCards(const SqliteDatabase &database, std::vector<ThunderbirdCard> &cards)
{
    QHash<QByteArray, std::size_t> index;
    // A card that is saved again has its properties written anew, so rowid order is the
    // order the cards were last saved in, as stable as the file.
    return database.forEachRow("SELECT card, name, value FROM properties ORDER BY rowid",
                               [&](const SqliteRow &row) {
                                   const QByteArray uid = row.text(0).toByteArray();
                                   auto found = index.constFind(uid);
                                   if (found == index.cend()) {
                                       found = index.insert(uid, cards.size());
                                       cards.push_back({text(uid), {}});
                                   }
                                   cards[*found].properties.push_back(
                                       {row.text(1).toByteArray(), row.text(2).toByteArray()});
                               });
}

Expected<void> readLists(const SqliteDatabase &database, std::vector<ThunderbirdList> &lists)
{
    for (const QByteArrayView table : {"lists", "list_cards"}) {
        const Expected<bool> found = database.hasTable(table);
        if (!found)
            return Unexpected(found.error());
        if (!*found)
            return {};
    }
    QHash<QString, std::size_t> index;
    Expected<void> named = database.forEachRow(
        "SELECT uid, name FROM lists ORDER BY rowid", [&](const SqliteRow &row) {
            index.insert(text(row.text(0)), lists.size());
            lists.push_back({text(row.text(0)), text(row.text(1)), {}});
        });
    if (!named)
        return named;
    return database.forEachRow("SELECT list, card FROM list_cards ORDER BY rowid",
                               [&](const SqliteRow &row) {
                                   const auto list = index.constFind(text(row.text(0)));
                                   if (list != index.cend())
                                       lists[*list].cards.append(text(row.text(1)));
                               });
}

} // namespace

std::optional<QByteArrayView> ThunderbirdCard::value(QByteArrayView name) const
{
    const auto found = std::ranges::find_if(
        properties, [name](const ThunderbirdProperty &property) { return property.name == name; });
    if (found == properties.end())
        return std::nullopt;
    return QByteArrayView(found->value);
}

Expected<ThunderbirdRecords> ThunderbirdRecords::read(const SqliteDatabase &database)
{
    if (const Expected<void> checked = checkTables(database); !checked)
        return Unexpected(checked.error());
    ThunderbirdRecords records;
    if (const Expected<void> cards = readCards(database, records.cards); !cards)
        return Unexpected(cards.error());
    if (const Expected<void> lists = readLists(database, records.lists); !lists)
        return Unexpected(lists.error());
    return records;
}

Expected<qsizetype> ThunderbirdRecords::countCards(const SqliteDatabase &database)
{
    if (const Expected<void> checked = checkTables(database); !checked)
        return Unexpected(checked.error());
    qsizetype count = 0;
    const Expected<void> counted
        = database.forEachRow("SELECT COUNT(DISTINCT card) FROM properties",
                              [&count](const SqliteRow &row) { count = row.text(0).toLongLong(); });
    if (!counted)
        return Unexpected(counted.error());
    return count;
}
