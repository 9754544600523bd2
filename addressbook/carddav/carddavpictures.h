// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures that a CardDAV card links to (PHOTO;VALUE=uri:https://..., or a vCard 4 PHOTO
// that is an http(s) URL) rather than holds. One on the address book's own host is fetched
// with the book's credentials, once: it is kept with the card in the local copy until the
// card or its link changes. One on another host is never fetched, so neither the password
// nor the reader's address goes there. Each picture goes to the person its card became, unless
// the card held a picture of its own.
//
//   CardDavPictures pictures(&client, copy);  // nullptr: only what the copy kept
//   read.diagnostics += pictures.add(cards, *read.store);
#pragma once

#include "addressbook/carddav/carddavcache.h"
#include "addressbook/carddav/carddavclient.h"
#include "addressbook/memorycontactstore.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class CardDavPictures final
{
public:
    /// The largest picture fetched, as for a picture file the desktop's book links to.
    static constexpr qint64 kMaxSize = qint64{20} * 1024 * 1024;

    struct Card
    {
        QString href;
        QString origin; // names the card in messages
        QByteArray text;
    };

    CardDavPictures(CardDavClient *client, CardDavBookCopy &copy)
        : m_client(client)
        , m_copy(copy)
    {}

    /// Adds the linked pictures of cards (in the order they were read into store) to its
    /// persons; returns one line for each picture left out.
    [[nodiscard]] QStringList add(const QList<Card> &cards, MemoryContactStore &store);

private:
    [[nodiscard]] std::optional<QByteArray> picture(const Card &card, const QString &link,
                                                    QStringList &problems);

    CardDavClient *m_client;
    CardDavBookCopy &m_copy;
};
