// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/edsstore.h"
#include "addressbook/eds/edsconnection.h"
#include "addressbook/vcard/vcardidentifiers.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

QString bookName(const QString &uid)
{
    return kEdsScheme + uid;
}

// What messages call the book: its name, or what "eds:" stands for.
QString subject(const QString &uid)
{
    return uid.isEmpty() ? u"eds: (the desktop's default address book)"_s : bookName(uid);
}

// Each linked picture goes to the person its card became, unless the card held a picture of
// its own. That person is known by the identifier the reader gave it: the cards' UIDs taken
// in reading order, as the reader numbers them (a contact list is a group, numbered apart).
void addLinkedPictures(const QList<EdsConnection::Card> &cards, MemoryContactStore &store)
{
    VCardIdentifiers identifiers;
    QHash<QString, QByteArray> pictures;
    for (const EdsConnection::Card &card : cards) {
        if (card.isList)
            continue;
        const QString id = identifiers.personId(
            VCardIdentifiers::wantedPersonId(VCardIdentifiers::keyForUid(card.uid)));
        if (!card.picture.isEmpty())
            pictures.insert(id, card.picture);
    }
    if (pictures.isEmpty())
        return;
    store.forEachPerson([&pictures](ABPerson &person) {
        const auto picture = pictures.constFind(person.uniqueId());
        if (picture != pictures.cend() && !person.imageData())
            person.setImageData(*picture);
    });
}

Expected<ContactStoreRead> readBook(EdsConnection &connection, const QString &sourceUid)
{
    // Read in this process from where the server keeps them, the contacts need not cross the
    // session bus, which takes five times as long for a large book.
    const Expected<GObjectPtr<EBookClient>> book
        = connection.connect(sourceUid, EdsConnection::Access::Direct);
    if (!book)
        return Unexpected(book.error());
    const QString name
        = bookName(QString::fromUtf8(e_source_get_uid(e_client_get_source(E_CLIENT(book->get())))));
    const Expected<QList<EdsConnection::Card>> cards = connection.cards(book->get());
    if (!cards)
        return Unexpected(cards.error());
    QList<VCardSource> sources;
    QStringList problems;
    sources.reserve(cards->size());
    for (const EdsConnection::Card &card : *cards) {
        const QString origin = name + u'/' + card.uid;
        sources.append({card.vcard, origin});
        if (!card.problem.isEmpty())
            problems.append(u"%1: %2"_s.arg(origin, card.problem));
    }
    ContactStoreRead read = readShortVCardSources(sources);
    addLinkedPictures(*cards, *read.store);
    read.diagnostics = problems + read.diagnostics;
    read.problemCount += problems.size();
    return read;
}

void countContacts(EdsConnection &connection, const QString &uid, EdsAddressBook &book)
{
    const Expected<GObjectPtr<EBookClient>> client = connection.connect(uid);
    const Expected<qsizetype> count = client ? connection.count(client->get())
                                             : Expected<qsizetype>(Unexpected(client.error()));
    if (count)
        book.contacts = *count;
    else
        book.problem = count.error();
}

} // namespace

Expected<ContactStoreRead> readEdsStore(const QString &sourceUid)
{
    Expected<std::unique_ptr<EdsConnection>> connection = EdsConnection::open();
    if (!connection)
        return Unexpected(u"%1: %2"_s.arg(subject(sourceUid), connection.error()));
    Expected<ContactStoreRead> read = readBook(**connection, sourceUid);
    if (!read)
        return Unexpected(u"%1: %2"_s.arg(subject(sourceUid), read.error()));
    return read;
}

Expected<QList<EdsAddressBook>> listEdsAddressBooks(ContactCounts counts)
{
    Expected<std::unique_ptr<EdsConnection>> connection = EdsConnection::open();
    if (!connection)
        return Unexpected(connection.error());
    QList<EdsAddressBook> books;
    for (const EdsConnection::Source &source : (*connection)->addressBooks()) {
        EdsAddressBook book{bookName(source.uid), source.displayName, -1, {}, source.isDefault};
        if (counts == ContactCounts::Count)
            countContacts(**connection, source.uid, book);
        books.append(std::move(book));
    }
    return books;
}
