// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardidentifiers.h"
#include "addressbook/vcard/vcardvalue.h"

#include <QCryptographicHash>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The characters a key keeps; every other becomes "_". A table, since every character of
// every UID is looked up.
constexpr std::array<bool, 128> kSafe = [] {
    std::array<bool, 128> safe{};
    for (char16_t c = 0; c < 128; ++c) {
        safe[c] = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
            || c == u'.' || c == u'_' || c == u'-';
    }
    return safe;
}();

bool isSafe(char16_t c)
{
    return c < kSafe.size() && kSafe[c];
}

QString hashOf(QByteArrayView bytes)
{
    return VCardIdentifiers::shortHash(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
}

constexpr QStringView kPersonSuffix = u":ABPerson";
constexpr QStringView kGroupSuffix = u":ABGroup";

QStringView withoutUrnPrefix(QStringView uid)
{
    constexpr QStringView kPrefix = u"urn:uuid:";
    const QStringView trimmed = uid.trimmed();
    // The case-blind comparison is made only where the first letter may begin the prefix:
    // made for every card, it cost more than the rest of the identifier.
    if (trimmed.size() < kPrefix.size() || (trimmed[0] != u'u' && trimmed[0] != u'U'))
        return trimmed;
    return trimmed.startsWith(kPrefix, Qt::CaseInsensitive) ? trimmed.sliced(kPrefix.size())
                                                            : trimmed;
}

} // namespace

QString VCardIdentifiers::reference(QStringView uid)
{
    const QStringView bare = withoutUrnPrefix(uid);
    std::optional<QString> lowered = VCardValue::asciiLowered(bare);
    return lowered ? *std::move(lowered) : bare.toString().toLower();
}

QString VCardIdentifiers::shortHash(const QByteArray &digest)
{
    return QString::fromLatin1(digest.toHex().left(16));
}

QString VCardIdentifiers::keyForUid(QStringView uid)
{
    const QStringView bare = withoutUrnPrefix(uid);
    QString key;
    key.reserve(bare.size() + kPersonSuffix.size()); // the wanted identifier needs no copy
    key.resize(bare.size());                         // every character is written below
    QChar *out = key.data(); // once: indexing a QString to write checks its sharing each time
    for (qsizetype i = 0; i < bare.size(); ++i) {
        const char16_t c = bare[i].unicode();
        out[i] = isSafe(c) ? QChar(c) : QChar(u'_');
    }
    for (qsizetype i = 0; i < key.size() && out[i] == u'.'; ++i)
        out[i] = u'_';
    if (key.size() > kMaxKeyLength)
        key = key.left(kMaxKeyLength - 17) + u'-' + hashOf(bare.toUtf8());
    return key;
}

// The list holds the whole identifiers, which the persons share, so it costs no text of its
// own.
bool VCardIdentifiers::take(Keys &keys, const VCardHashedText &identifier)
{
    const auto same = [&](quint32 at) {
        return keys.taken[at] == identifier.text;
    };
    if (keys.index.insert(identifier.hash, quint32(keys.taken.size()), same))
        return false;
    keys.taken.push_back(identifier.text);
    return true;
}

QString VCardIdentifiers::claim(Keys &keys, const VCardHashedText &wanted, QStringView suffix)
{
    if (take(keys, wanted))
        return wanted.text;
    // Counting on from the last number given to this key keeps a file of many cards with one
    // UID from costing the square of their number.
    const QString key = wanted.text.chopped(suffix.size());
    int &next = keys.nextNumber[key];
    for (next = std::max(next, 2);; ++next) {
        const VCardHashedText identifier(key + u'-' + QString::number(next) + suffix);
        if (take(keys, identifier))
            return identifier.text;
    }
}

VCardHashedText VCardIdentifiers::wantedPersonId(QString key)
{
    key += kPersonSuffix;
    return VCardHashedText(std::move(key));
}

VCardHashedText VCardIdentifiers::wantedGroupId(QString key)
{
    key += kGroupSuffix;
    return VCardHashedText(std::move(key));
}

QString VCardIdentifiers::personId(const VCardHashedText &wanted)
{
    return claim(m_personKeys, wanted, kPersonSuffix);
}

QString VCardIdentifiers::groupId(const VCardHashedText &wanted)
{
    return claim(m_groupKeys, wanted, kGroupSuffix);
}

void VCardIdentifiers::reservePersons(qsizetype count)
{
    const std::size_t total = m_personKeys.taken.size() + std::size_t(count);
    m_personKeys.taken.reserve(total);
    m_personKeys.index.reserve(qsizetype(total));
}

void VCardIdentifiers::prefetchPerson(const VCardHashedText &wanted) const
{
    m_personKeys.index.prefetch(wanted.hash);
}
