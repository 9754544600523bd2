// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/edsconnection.h"
#include "addressbook/eds/cardoutline.h"
#include "addressbook/eds/linkedpicture.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Every contact: a query that any field of any contact matches.
QByteArray everyContactQuery()
{
    EBookQuery *query = e_book_query_any_field_contains("");
    gchar *text = e_book_query_to_string(query);
    QByteArray result(text);
    g_free(text);
    e_book_query_unref(query);
    return result;
}

QString timedOut(std::chrono::seconds limit)
{
    return u"the desktop's address-book server did not answer within %1 seconds"_s.arg(
        limit.count());
}

} // namespace

Unexpected<QString> EdsConnection::failure(const QString &what, GError *error)
{
    const GErrorPtr owned(error);
    return Unexpected(
        u"%1: %2"_s.arg(what, owned ? QString::fromUtf8(owned->message) : u"unknown error"_s));
}

Expected<GObjectPtr<GAsyncResult>> EdsConnection::call(const GLibWait::Start &start,
                                                       std::chrono::seconds limit)
{
    GObjectPtr<GAsyncResult> result = m_wait.await(start, limit);
    if (!result)
        return Unexpected(timedOut(limit));
    return result;
}

Expected<GObjectPtr<GAsyncResult>> EdsConnection::query(EBookClient *book, BookQuery start,
                                                        std::chrono::seconds limit)
{
    const QByteArray sexp = everyContactQuery();
    return call(
        [book, start, &sexp](GCancellable *cancellable, GAsyncReadyCallback done, gpointer data) {
            start(book, sexp.constData(), cancellable, done, data);
        },
        limit);
}

Expected<std::unique_ptr<EdsConnection>> EdsConnection::open()
{
    std::unique_ptr<EdsConnection> connection(new EdsConnection);
    const Expected<GObjectPtr<GAsyncResult>> result
        = connection->call([](GCancellable *cancellable, GAsyncReadyCallback done,
                              gpointer data) { e_source_registry_new(cancellable, done, data); },
                           kServerWait);
    if (!result)
        return Unexpected(result.error());
    GError *error = nullptr;
    connection->m_registry.reset(e_source_registry_new_finish(result->get(), &error));
    if (!connection->m_registry)
        return failure(u"the desktop's address-book server cannot be reached"_s, error);
    return connection;
}

QList<EdsConnection::Source> EdsConnection::addressBooks() const
{
    const GObjectPtr<ESource> fallback(
        e_source_registry_ref_default_address_book(m_registry.get()));
    const QString defaultUid
        = fallback ? QString::fromUtf8(e_source_get_uid(fallback.get())) : QString();
    QList<Source> sources;
    GList *list = e_source_registry_list_enabled(m_registry.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK);
    for (GList *item = list; item; item = item->next) {
        auto *source = static_cast<ESource *>(item->data);
        const QString uid = QString::fromUtf8(e_source_get_uid(source));
        sources.append(
            {uid, QString::fromUtf8(e_source_get_display_name(source)), uid == defaultUid});
    }
    g_list_free_full(list, g_object_unref);
    return sources;
}

QString EdsConnection::knownUids(const QList<Source> &sources)
{
    QStringList names;
    for (const Source &source : sources)
        names.append(u"eds:%1 (%2)"_s.arg(source.uid, source.displayName));
    return names.isEmpty() ? u"there are none"_s : u"there are: %1"_s.arg(names.join(u", "_s));
}

Expected<GObjectPtr<ESource>> EdsConnection::source(const QString &uid) const
{
    GObjectPtr<ESource> found(
        uid.isEmpty() ? e_source_registry_ref_default_address_book(m_registry.get())
                      : e_source_registry_ref_source(m_registry.get(), uid.toUtf8().constData()));
    if (!found || !e_source_has_extension(found.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK))
        return Unexpected(u"no such address book on the desktop's address-book server; %1"_s.arg(
            knownUids(addressBooks())));
    return found;
}

Expected<GObjectPtr<EBookClient>> EdsConnection::connect(const QString &uid, Access access)
{
    Expected<GObjectPtr<ESource>> found = source(uid);
    if (!found)
        return Unexpected(found.error());
    ESource *book = found->get();
    // No wait for the book to be "connected": that matters to remote books only, and it
    // would delay every local one.
    const Expected<GObjectPtr<GAsyncResult>> result = call(
        [book, access](GCancellable *cancellable, GAsyncReadyCallback done, gpointer data) {
            if (access == Access::Direct)
                e_book_client_connect_direct(book, guint32(-1), cancellable, done, data);
            else
                e_book_client_connect(book, guint32(-1), cancellable, done, data);
        },
        kServerWait);
    if (!result)
        return Unexpected(result.error());
    GError *error = nullptr;
    GObjectPtr<EBookClient> client(E_BOOK_CLIENT(
        access == Access::Direct ? e_book_client_connect_direct_finish(result->get(), &error)
                                 : e_book_client_connect_finish(result->get(), &error)));
    if (!client)
        return failure(u"the address book cannot be opened"_s, error);
    return client;
}

// Only a PHOTO that links to a local file is read, as the server links every picture it is
// given. A LOGO is never shown, so it is never read; nor is a picture on the network.
void EdsConnection::readLinkedPhoto(const QByteArray &uri, Card &card,
                                    const QDeadlineTimer &deadline)
{
    if (qstrnicmp(uri.constData(), "file://", 7) != 0)
        return;
    GError *error = nullptr;
    gchar *name = g_filename_from_uri(uri.constData(), nullptr, &error);
    if (!name) {
        card.problem = u"picture left out: %1"_s.arg(QString::fromUtf8(error->message));
        g_error_free(error);
        return;
    }
    const QString path = QFile::decodeName(name);
    g_free(name);
    Expected<QByteArray> bytes = LinkedPicture::read(path, deadline);
    if (bytes)
        card.picture = std::move(*bytes);
    else
        card.problem = u"picture left out: %1: %2"_s.arg(path, bytes.error());
}

// Nothing is asked of the contact before its text: libebook parses a contact's text only
// when a field of it is asked for, and hands back a text it has not parsed as it came (vCard
// 3.0, as the server keeps every contact) instead of writing it anew. Asking it for the UID
// or the picture first had cost three times the reading of the card.
EdsConnection::Card EdsConnection::cardOf(EContact *contact, const QDeadlineTimer &deadline)
{
    gchar *text = e_vcard_to_string(E_VCARD(contact), EVC_FORMAT_VCARD_30);
    Card card;
    card.vcard = QByteArray(text);
    g_free(text);
    const CardOutline outline = CardOutline::of(card.vcard);
    card.uid = outline.uid;
    card.isList = outline.isList;
    // The link stays in the text: the vCard reader never follows one.
    if (!card.isList)
        readLinkedPhoto(outline.photoLink, card, deadline);
    return card;
}

Expected<QList<EdsConnection::Card>> EdsConnection::cards(EBookClient *book)
{
    const QDeadlineTimer deadline(kReadWait);
    const Expected<GObjectPtr<GAsyncResult>> result
        = query(book, &e_book_client_get_contacts, kReadWait);
    if (!result)
        return Unexpected(result.error());
    GSList *contacts = nullptr;
    GError *error = nullptr;
    if (!e_book_client_get_contacts_finish(book, result->get(), &contacts, &error))
        return failure(u"the contacts cannot be read"_s, error);
    std::vector<EContact *> owned;
    for (GSList *item = contacts; item; item = item->next)
        owned.push_back(E_CONTACT(item->data));
    g_slist_free(contacts);
    // Side by side: each contact is a libebook object of its own.
    return QtConcurrent::blockingMapped<QList<Card>>(owned, [&deadline](EContact *contact) {
        Card card = cardOf(contact, deadline);
        g_object_unref(contact); // only the card is kept: memory goes as it is read
        return card;
    });
}

Expected<qsizetype> EdsConnection::count(EBookClient *book)
{
    const Expected<GObjectPtr<GAsyncResult>> result
        = query(book, &e_book_client_get_contacts_uids, kReadWait);
    if (!result)
        return Unexpected(result.error());
    GSList *uids = nullptr;
    GError *error = nullptr;
    if (!e_book_client_get_contacts_uids_finish(book, result->get(), &uids, &error))
        return failure(u"the contacts cannot be counted"_s, error);
    const qsizetype count = qsizetype(g_slist_length(uids));
    g_slist_free_full(uids, g_free);
    return count;
}

Expected<GObjectPtr<EBookClientView>> EdsConnection::view(EBookClient *book)
{
    // Asking for a view reads nothing yet: the server's answer is as quick as a connection's.
    const Expected<GObjectPtr<GAsyncResult>> result
        = query(book, &e_book_client_get_view, kServerWait);
    if (!result)
        return Unexpected(result.error());
    EBookClientView *view = nullptr;
    GError *error = nullptr;
    if (!e_book_client_get_view_finish(book, result->get(), &view, &error))
        return failure(u"the address book cannot be followed"_s, error);
    return GObjectPtr<EBookClientView>(view);
}
