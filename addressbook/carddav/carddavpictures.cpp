// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/carddav/carddavpictures.h"

#include "addressbook/vcard/vcardidentifiers.h"
#include "addressbook/vcard/vcardreader.h"
#include "addressbook/vcard/vcardvalue.h"

#include <QHash>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What a card needs to be matched with its person and picture.
struct Outline
{
    QString uid;
    QString photoLink; // an http(s) address, else empty
    bool isGroup = false;
};

bool isWebLink(QByteArrayView link)
{
    return startsWithIgnoringCase(link, "https://") || startsWithIgnoringCase(link, "http://");
}

Outline outlineOf(QByteArrayView text)
{
    // Whatever is wrong with the lines is said when the reader reads the card.
    VCardDiagnostics unsaid{QString()};
    VCardReader reader(text, unsaid);
    const std::optional<VCardCard> card = reader.next();
    Outline outline;
    if (!card)
        return outline;
    bool photoSeen = false;
    for (const VCardProperty &property : card->properties) {
        const QByteArrayView value = trimmedText(property.value);
        if (property.is("UID")) {
            outline.uid = VCardValue::plain(VCardValue::text(property, unsaid)).toString();
        } else if ((property.is("KIND") || property.is("X-ADDRESSBOOKSERVER-KIND"))
                   && equalsIgnoringCase(value, "group")) {
            outline.isGroup = true;
        } else if (property.is("PHOTO") && !std::exchange(photoSeen, true) && !property.isBase64()
                   && isWebLink(value)) {
            outline.photoLink = VCardValue::unescape(value).toString();
        }
    }
    return outline;
}

} // namespace

QStringList CardDavPictures::add(const QList<Card> &cards, MemoryContactStore &store)
{
    QStringList problems;
    QHash<QString, QByteArray> pictures; // by the identifier of the person
    VCardIdentifiers identifiers;
    for (const Card &card : cards) {
        const Outline outline = outlineOf(card.text);
        if (outline.isGroup || outline.uid.isEmpty())
            continue;
        const QString id = identifiers.personId(
            VCardIdentifiers::wantedPersonId(VCardIdentifiers::keyForUid(outline.uid)));
        if (outline.photoLink.isEmpty())
            continue;
        if (std::optional<QByteArray> bytes = picture(card, outline.photoLink, problems))
            pictures.insert(id, *bytes);
    }
    if (!pictures.isEmpty()) {
        store.forEachPerson([&pictures](ABPerson &person) {
            const auto picture = pictures.constFind(person.uniqueId());
            if (picture != pictures.cend() && !person.imageData())
                person.setImageData(*picture);
        });
    }
    return problems;
}

std::optional<QByteArray> CardDavPictures::picture(const Card &card, const QString &link,
                                                   QStringList &problems)
{
    if (std::optional<QByteArray> kept = m_copy.picture(card.href, link))
        return kept;
    if (!m_client)
        return std::nullopt;
    const QUrl url(link);
    if (!m_client->mayAuthenticate(url)) {
        problems.append(u"%1: picture left out: %2 is not on the address book's server, and "
                        "is not fetched"_s.arg(card.origin, link));
        return std::nullopt;
    }
    Expected<QByteArray> bytes = m_client->get(url, kMaxSize);
    if (!bytes) {
        problems.append(u"%1: picture left out: %2"_s.arg(card.origin, bytes.error()));
        return std::nullopt;
    }
    if (Expected<void> kept = m_copy.putPicture(card.href, link, *bytes); !kept)
        problems.append(u"%1: picture not kept: %2"_s.arg(card.origin, kept.error()));
    return std::move(*bytes);
}
