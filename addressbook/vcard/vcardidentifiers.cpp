// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardidentifiers.h"

#include <QCryptographicHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isSafe(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
        || c == u'.' || c == u'_' || c == u'-';
}

QString shortHex(const QByteArray &digest)
{
    return QString::fromLatin1(digest.toHex().left(16));
}

QString hashOf(QByteArrayView bytes)
{
    return shortHex(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
}

QStringView withoutUrnPrefix(QStringView uid)
{
    const QStringView trimmed = uid.trimmed();
    return trimmed.startsWith(u"urn:uuid:", Qt::CaseInsensitive) ? trimmed.sliced(9) : trimmed;
}

} // namespace

QString VCardIdentifiers::reference(QStringView uid)
{
    return withoutUrnPrefix(uid).toString().toLower();
}

QString VCardIdentifiers::keyForUid(QStringView uid)
{
    const QStringView bare = withoutUrnPrefix(uid);
    QString key(bare.size(), u'_');
    for (qsizetype i = 0; i < bare.size(); ++i) {
        if (isSafe(bare[i]))
            key[i] = bare[i];
    }
    for (qsizetype i = 0; i < key.size() && key[i] == u'.'; ++i)
        key[i] = u'_';
    if (key.size() > kMaxKeyLength)
        key = key.left(kMaxKeyLength - 17) + u'-' + hashOf(bare.toUtf8());
    return key;
}

// Nested cards come first, so those inside this card are the last spans recorded.
QString VCardIdentifiers::key(QStringView uid, QByteArrayView cardText)
{
    const Span card{quintptr(cardText.data()), quintptr(cardText.data() + cardText.size())};
    auto nested = m_outerCards.cend();
    while (nested != m_outerCards.cbegin() && std::prev(nested)->begin >= card.begin
           && std::prev(nested)->end <= card.end)
        --nested;
    QString key = keyForUid(uid);
    if (key.isEmpty())
        key = ownTextHash(cardText, nested);
    m_outerCards.erase(nested, m_outerCards.cend());
    m_outerCards.push_back(card);
    return key;
}

QString VCardIdentifiers::ownTextHash(QByteArrayView cardText,
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
    return shortHex(hash.result());
}

QString VCardIdentifiers::claim(Keys &keys, const QString &key, QStringView suffix)
{
    // The set holds the whole identifiers, which the persons share, so it costs no text of
    // its own.
    QString identifier = key + suffix;
    if (keys.taken.contains(identifier)) {
        // Counting on from the last number given to this key keeps a file of many cards
        // with one UID from costing the square of their number.
        int &next = keys.nextNumber[key];
        for (next = std::max(next, 2);; ++next) {
            identifier = key + u'-' + QString::number(next) + suffix;
            if (!keys.taken.contains(identifier))
                break;
        }
    }
    keys.taken.insert(identifier);
    return identifier;
}

QString VCardIdentifiers::personId(QStringView uid, QByteArrayView cardText)
{
    return claim(m_personKeys, key(uid, cardText), u":ABPerson");
}

QString VCardIdentifiers::groupId(QStringView uid, QByteArrayView cardText)
{
    return claim(m_groupKeys, key(uid, cardText), u":ABGroup");
}
