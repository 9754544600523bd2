// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the address books a URL names (RFC 6352 section 7, RFC 6764): the collection itself
// when it is an address book; else the account's, through current-user-principal (asked of
// the URL, else of /.well-known/carddav), its addressbook-home-set and the address books in
// that home. Each comes with what the sync needs to know of it.
//
//   Expected<QList<CardDavBook>> books = CardDavDiscovery(client).find(url);
//   Expected<CardDavBook> book = CardDavDiscovery::choose(*books, name);
#pragma once

#include "addressbook/carddav/carddavclient.h"

#include <QList>
#include <QString>
#include <QUrl>

struct CardDavBook
{
    QUrl url; // the collection, without user information
    QString displayName;
    bool isDefault = false;
    bool canSyncCollection = false;
    QString syncToken; // the collection's, as it is now
    QString ctag;      // the same where the server keeps one
};

class CardDavDiscovery final
{
public:
    explicit CardDavDiscovery(CardDavClient &client)
        : m_client(client)
    {}

    [[nodiscard]] Expected<QList<CardDavBook>> find(const QUrl &url);

    /// The one book of books, or the one marked default among several; else why not,
    /// listing them, with name (what was asked for) first.
    [[nodiscard]] static Expected<CardDavBook> choose(const QList<CardDavBook> &books,
                                                      const QString &name);

private:
    [[nodiscard]] Expected<DavResource> properties(const QUrl &url);
    [[nodiscard]] Expected<QList<CardDavBook>> booksIn(const QUrl &home);

    CardDavClient &m_client;
};
