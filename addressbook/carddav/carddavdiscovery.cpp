// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavdiscovery.h"

#include "addressbook/carddav/carddavname.h"
#include "addressbook/carddav/davrequests.h"

using namespace Qt::StringLiterals;

namespace {

QUrl resolved(const QUrl &base, const QString &href)
{
    return base.resolved(QUrl::fromEncoded(href.toUtf8()));
}

bool sameResource(const QUrl &a, const QUrl &b)
{
    const auto path = [](const QUrl &url) {
        QString text = url.path(QUrl::FullyDecoded);
        return text.endsWith(u'/') ? text : text + u'/';
    };
    return a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && path(a) == path(b);
}

CardDavBook bookOf(const QUrl &url, const DavResource &resource)
{
    return {
        url,          resource.displayName, false, resource.canSyncCollection, resource.syncToken,
        resource.ctag};
}

} // namespace

Expected<QList<CardDavBook>> CardDavDiscovery::find(const QUrl &url)
{
    Expected<DavResource> start = properties(url);
    if (!start)
        return Unexpected(start.error());
    if (start->isAddressBook)
        return QList<CardDavBook>{bookOf(url, *start)};
    QUrl base = url;
    if (start->principal.isEmpty() && start->homeSet.isEmpty()) {
        base = url.resolved(QUrl(u"/.well-known/carddav"_s));
        start = properties(base);
        if (!start)
            return Unexpected(start.error());
    }
    if (start->homeSet.isEmpty() && !start->principal.isEmpty()) {
        base = resolved(base, start->principal);
        start = properties(base);
        if (!start)
            return Unexpected(start.error());
    }
    if (start->homeSet.isEmpty())
        return Unexpected(
            u"%1: the server names no address books for this user"_s.arg(shownUrl(url)));
    return booksIn(resolved(base, start->homeSet));
}

Expected<CardDavBook> CardDavDiscovery::choose(const QList<CardDavBook> &books, const QString &name)
{
    if (books.size() == 1)
        return books.first();
    for (const CardDavBook &book : books) {
        if (book.isDefault)
            return book;
    }
    if (books.isEmpty())
        return Unexpected(u"%1: the account holds no address book"_s.arg(name));
    QStringList lines;
    for (const CardDavBook &book : books)
        lines.append(u"  "_s + shownUrl(book.url) + u'\t' + book.displayName);
    return Unexpected(u"%1: the account holds %2 address books and none is marked default; "
                      "name one with --address-book:\n%3"_s.arg(name)
                          .arg(books.size())
                          .arg(lines.join(u'\n')));
}

// The resource's own properties (its entry in a Depth 0 answer).
Expected<DavResource> CardDavDiscovery::properties(const QUrl &url)
{
    const Expected<DavMultistatus> answer
        = CardDavClient::multistatus(m_client.propfind(url, 0, DavRequests::discovery()));
    if (!answer)
        return Unexpected(answer.error());
    if (answer->resources.isEmpty())
        return Unexpected(u"%1: the server says nothing of it"_s.arg(shownUrl(url)));
    return answer->resources.first();
}

Expected<QList<CardDavBook>> CardDavDiscovery::booksIn(const QUrl &home)
{
    const Expected<DavMultistatus> answer
        = CardDavClient::multistatus(m_client.propfind(home, 1, DavRequests::discovery()));
    if (!answer)
        return Unexpected(answer.error());
    QUrl defaultBook;
    for (const DavResource &resource : answer->resources) {
        if (sameResource(resolved(home, resource.href), home) && !resource.defaultBook.isEmpty())
            defaultBook = resolved(home, resource.defaultBook);
    }
    QList<CardDavBook> books;
    for (const DavResource &resource : answer->resources) {
        if (!resource.isAddressBook)
            continue;
        CardDavBook book = bookOf(resolved(home, resource.href), resource);
        book.isDefault = !defaultBook.isEmpty() && sameResource(book.url, defaultBook);
        books.append(std::move(book));
    }
    return books;
}
