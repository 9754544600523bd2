// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardcardkeys.h"
#include "addressbook/vcard/vcardidentifiers.h"

#include <QCryptographicHash>

// Nested cards come first, so those inside this card are the last spans recorded.
QString VCardCardKeys::key(QStringView uid, QByteArrayView cardText)
{
    const Span card{quintptr(cardText.data()), quintptr(cardText.data() + cardText.size())};
    auto nested = m_outerCards.cend();
    while (nested != m_outerCards.cbegin() && std::prev(nested)->begin >= card.begin
           && std::prev(nested)->end <= card.end)
        --nested;
    QString key = VCardIdentifiers::keyForUid(uid);
    if (key.isEmpty())
        key = ownTextHash(cardText, nested);
    m_outerCards.erase(nested, m_outerCards.cend());
    m_outerCards.push_back(card);
    return key;
}

QString VCardCardKeys::ownTextHash(QByteArrayView cardText,
                                   std::vector<Span>::const_iterator nested) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    // The spans are addresses inside cardText; as offsets they need no cast back to pointers.
    const auto base = reinterpret_cast<quintptr>(cardText.data());
    qsizetype from = 0;
    for (; nested != m_outerCards.cend(); ++nested) {
        const auto begin = static_cast<qsizetype>(nested->begin - base);
        hash.addData(cardText.sliced(from, begin - from));
        from = static_cast<qsizetype>(nested->end - base);
    }
    hash.addData(cardText.sliced(from));
    return VCardIdentifiers::shortHash(hash.result());
}
