// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the local copy of one address book up to date with as few requests as the server
// allows. Where it reports sync-collection (RFC 6578), one REPORT from the kept sync-token
// returns what changed, the cards' text included (a server that leaves the text out gets an
// addressbook-multiget of those cards, 100 at a time); a token the server no longer knows
// starts again from nothing. Elsewhere an unchanged CTag ends it at once; a first copy takes
// every card in one addressbook-query, later ones compare the members' ETags and multiget
// the changed cards.
//
//   CardDavSync sync(client, book, copy);
//   if (const Expected<void> done = sync.run(); !done) fail(done.error());
#pragma once

#include "addressbook/carddav/carddavcache.h"
#include "addressbook/carddav/carddavclient.h"

class CardDavSync final
{
public:
    static constexpr qsizetype kMultigetBatch = 100;

    CardDavSync(CardDavClient &client, const CardDavBook &book, CardDavBookCopy &copy)
        : m_client(client)
        , m_book(book)
        , m_copy(copy)
    {}

    /// Updates the copy (not yet saved); fails naming the URL and what went wrong.
    [[nodiscard]] Expected<void> run();

private:
    [[nodiscard]] Expected<void> bySyncToken();
    [[nodiscard]] Expected<void> byCtag();
    [[nodiscard]] Expected<void> byEtags();
    /// Takes the cards of answer; those without their text are added to missing.
    [[nodiscard]] Expected<void> take(const DavMultistatus &answer, QStringList &missing);
    [[nodiscard]] Expected<void> fetch(const QStringList &hrefs);
    [[nodiscard]] bool isCollection(const QString &href) const;

    CardDavClient &m_client;
    const CardDavBook &m_book;
    CardDavBookCopy &m_copy;
};
