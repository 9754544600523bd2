// SPDX-License-Identifier: GPL-3.0-or-later
// Identifiers for the cards of one store. A person's is "<key>:ABPerson", a group's
// "<key>:ABGroup"; the key is the card's UID without a leading "urn:uuid:", with every
// character outside [A-Za-z0-9._-] replaced by "_" and no leading dot, so it is always a
// safe file name (the engine names picture files after it). A card without a UID gets a key
// made from a hash of its own text (without the text of cards nested in it, so that a deep
// nest costs no more than its size); a key seen before gets "-2", "-3" ... in reading order.
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
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

    /// Both take every card of one data in reading order (a nested card before the card
    /// around it), with its text from BEGIN to END.
    [[nodiscard]] QString personId(QStringView uid, QByteArrayView cardText);
    [[nodiscard]] QString groupId(QStringView uid, QByteArrayView cardText);
    /// Before the cards of another data (a file): the cards read so far cannot lie inside
    /// its cards.
    void startData() { m_outerCards.clear(); }

private:
    struct Keys
    {
        QSet<QString> taken;
        QHash<QString, int> nextNumber;
    };

    struct Span
    {
        quintptr begin;
        quintptr end;
    };

    static QString claim(Keys &keys, const QString &key, QStringView suffix);
    QString key(QStringView uid, QByteArrayView cardText);
    QString ownTextHash(QByteArrayView cardText, std::vector<Span>::const_iterator nested) const;

    Keys m_personKeys;
    Keys m_groupKeys;
    // The cards of the current data that no card read since contains, in reading order.
    std::vector<Span> m_outerCards;
};
