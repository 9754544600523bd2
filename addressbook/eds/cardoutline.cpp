// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/cardoutline.h"

#include "addressbook/vcard/vcardreader.h"
#include "addressbook/vcard/vcardvalue.h"

#include <utility>

namespace {

// As libebook reads a PHOTO: inline data is a picture of its own even where the line also
// says VALUE=uri.
QByteArray linkOf(const VCardProperty &property)
{
    if (property.isBase64() || !property.hasParameter("VALUE", "URI"))
        return {};
    return VCardValue::unescape(property.value).view().toByteArray();
}

} // namespace

CardOutline CardOutline::of(QByteArrayView vcard)
{
    // Whatever is wrong with the lines is said when the reader reads the card.
    VCardDiagnostics unsaid{QString()};
    VCardReader reader(vcard, unsaid);
    const std::optional<VCardCard> card = reader.next();
    CardOutline outline;
    if (!card)
        return outline;
    bool photoSeen = false;
    bool listSeen = false;
    for (const VCardProperty &property : card->properties) {
        // The last UID names the person, as the reader takes it.
        if (property.is("UID"))
            outline.uid = VCardValue::plain(VCardValue::text(property, unsaid)).toString();
        else if (property.is("PHOTO") && !std::exchange(photoSeen, true))
            outline.photoLink = linkOf(property);
        else if (property.is("X-EVOLUTION-LIST") && !std::exchange(listSeen, true))
            outline.isList
                = equalsIgnoringCase(VCardValue::unescape(property.value).view(), "TRUE");
    }
    return outline;
}
