// SPDX-License-Identifier: GPL-3.0-or-later
// The local copy of CardDAV address books, under ${XDG_CACHE_HOME:-~/.cache}/vorlin/carddav:
// a folder per account ("<user>@<host>:<port>", made file-name-safe) holding account.json
// (its URL and the books found the last time it was asked) and a folder per book: index.json
// (the collection's sync-token or CTag, and each card's href, ETag and file) beside one file
// per card and per fetched picture. Only the user may enter the folders or read the files,
// and every file is written whole or not at all: the index last, so an interrupted run
// leaves a copy the next one brings up to date. No password is ever kept here.
//
//   CardDavBookCopy copy = CardDavBookCopy::open(CardDavCache::accountFolder(target), url);
//   copy.putCard(href, etag, text);
//   if (const Expected<void> saved = copy.save(); !saved) fail(saved.error());
#pragma once

#include "addressbook/carddav/carddavdiscovery.h"
#include "addressbook/carddav/carddavname.h"
#include "util/expected.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

/// An account as the copy remembers it: the name it was read by and its books.
struct CardDavAccount
{
    QString name; // the URL with the user, as --address-book takes it
    QList<CardDavBook> books;
};

namespace CardDavCache {

/// The folder of every account's copy.
[[nodiscard]] QString root();
/// The folder of the account that target belongs to.
[[nodiscard]] QString accountFolder(const CardDavTarget &target);
/// Remembers account in its folder (made when missing).
[[nodiscard]] Expected<void> saveAccount(const QString &folder, const CardDavAccount &account);
/// What saveAccount kept in folder; none when it holds nothing readable.
[[nodiscard]] std::optional<CardDavAccount> loadAccount(const QString &folder);
/// Every account with a copy.
[[nodiscard]] QList<CardDavAccount> accounts();
/// When a file written must be on disk: before the call returns, or by the next flush() of
/// its file system (thousands of cards are written at once, and one flush is far cheaper than
/// one per card).
enum class Durability : bool { Now, ByFlush };
/// Writes bytes to path whole (a new file renamed over it), readable by the user alone.
[[nodiscard]] Expected<void> writePrivateFile(const QString &path, const QByteArray &bytes,
                                              Durability durability = Durability::Now);
/// Puts everything written to the file system that holds folder on disk.
[[nodiscard]] Expected<void> flush(const QString &folder);

} // namespace CardDavCache

class CardDavBookCopy final
{
public:
    struct Card
    {
        QString etag;
        QString file;        // in the book's folder, without its extension
        QString pictureLink; // the link the kept picture came from, if one was fetched
    };

    /// The copy of the book at url in the account's folder; an empty one when there is none.
    [[nodiscard]] static CardDavBookCopy open(const QString &accountFolder, const QUrl &url);
    /// Whether a copy was there to open.
    [[nodiscard]] bool exists() const { return m_exists; }
    /// The book's collection.
    [[nodiscard]] const QUrl &url() const { return m_url; }

    QString syncToken;
    QString ctag;
    QString displayName;

    [[nodiscard]] const QMap<QString, Card> &cards() const { return m_cards; }
    /// Keeps the card's text, replacing what was kept under href (and its picture).
    [[nodiscard]] Expected<void> putCard(const QString &href, const QString &etag,
                                         const QByteArray &text);
    void removeCard(const QString &href);
    void removeAllCards();
    [[nodiscard]] Expected<QByteArray> cardText(const QString &href) const;

    /// The picture kept for the card at href, when it came from link.
    [[nodiscard]] std::optional<QByteArray> picture(const QString &href, const QString &link) const;
    [[nodiscard]] Expected<void> putPicture(const QString &href, const QString &link,
                                            const QByteArray &bytes);

    /// Writes the index and removes the files of cards no longer there.
    [[nodiscard]] Expected<void> save();

private:
    [[nodiscard]] QString path(const QString &file, QStringView extension) const;

    QString m_folder;
    QUrl m_url;
    bool m_exists = false;
    QMap<QString, Card> m_cards; // by href, in the order they are read
    QStringList m_removedFiles;
};
