// SPDX-License-Identifier: GPL-3.0-or-later
// Identifiers for the cards of one store. A person's is "<key>:ABPerson", a group's
// "<key>:ABGroup"; the key (VCardCardKeys) is the card's UID without a leading "urn:uuid:",
// with every character outside [A-Za-z0-9._-] replaced by "_" and no leading dot, so it is
// always a safe file name (the engine names picture files after it), or a hash of the text
// of a card without a UID. A key seen before gets "-2", "-3" ... in reading order.
//
//   const VCardHashedText wanted = VCardIdentifiers::wantedPersonId(keys.key(uid, card.text));
//   person.setUniqueId(identifiers.personId(wanted)); // in reading order
#pragma once

#include "addressbook/vcard/vcardhashedtext.h"
#include "addressbook/vcard/vcardtextindex.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

class VCardIdentifiers final
{
public:
    /// Keys longer than this are cut and end in a hash of the whole, so they stay valid
    /// file names with room for an extension.
    static constexpr qsizetype kMaxKeyLength = 120;

    /// The UID as other cards refer to it in MEMBER lines: trimmed, without "urn:uuid:",
    /// lower case.
    [[nodiscard]] static QString reference(QStringView uid);
    /// The file-name-safe form of a UID; empty for an empty UID.
    [[nodiscard]] static QString keyForUid(QStringView uid);
    /// The form a digest takes in keys: its first 16 hex digits.
    [[nodiscard]] static QString shortHash(const QByteArray &digest);

    /// The identifier a card of that key gets unless it is taken, worked out (and hashed)
    /// wherever the card is read.
    [[nodiscard]] static VCardHashedText wantedPersonId(QString key);
    [[nodiscard]] static VCardHashedText wantedGroupId(QString key);

    /// Makes room for that many more persons.
    void reservePersons(qsizetype count);
    /// Has what personId(wanted) looks at fetched into the cache ahead of the call.
    void prefetchPerson(const VCardHashedText &wanted) const;
    /// Both take the wanted identifiers of every card in reading order.
    [[nodiscard]] QString personId(const VCardHashedText &wanted);
    [[nodiscard]] QString groupId(const VCardHashedText &wanted);

private:
    struct Keys
    {
        std::vector<QString> taken; // in the order given
        VCardTextIndex index;       // of taken
        QHash<QString, int> nextNumber;
    };

    static QString claim(Keys &keys, const VCardHashedText &wanted, QStringView suffix);
    static bool take(Keys &keys, const VCardHashedText &identifier);

    Keys m_personKeys;
    Keys m_groupKeys;
};
