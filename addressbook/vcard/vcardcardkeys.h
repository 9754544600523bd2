// SPDX-License-Identifier: GPL-3.0-or-later
// The key each card of one text is known by before VCardIdentifiers makes it unique: the
// card's UID made safe as a file name (VCardIdentifiers::keyForUid), or, for a card without
// one, a hash of its own text without the text of the cards nested in it (so that a deep
// nest costs no more than its size). A key depends on its card alone, so pieces of a text
// that start between cards can be given their keys apart, each with a VCardCardKeys of its
// own.
//
//   VCardCardKeys keys;
//   const QString key = keys.key(uid, card.text); // nested cards first, as the reader gives them
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <vector>

class VCardCardKeys final
{
public:
    /// Takes every card of the text in reading order (a nested card before the card around
    /// it), with its text from BEGIN to END.
    [[nodiscard]] QString key(QStringView uid, QByteArrayView cardText);

private:
    struct Span
    {
        quintptr begin;
        quintptr end;
    };

    [[nodiscard]] QString ownTextHash(QByteArrayView cardText,
                                      std::vector<Span>::const_iterator nested) const;

    // The cards read so far that no card read since contains, in reading order.
    std::vector<Span> m_outerCards;
};
