// SPDX-License-Identifier: GPL-3.0-or-later
// A vCard text cut into ranges that each begin with a card, and what the cards of one range
// say when it is read on its own. A range read apart gives what a read of the whole text
// gives for its cards, as long as no card is still open where the range before it ends;
// its lines count from 1 and its contacts have keys but no identifiers yet.
//
//   for (QByteArrayView range : splitAtCards(text, 1 << 20))
//       VCardRangeRead read = readVCardRange(range, u"book.vcf"_s);
#pragma once

#include "addressbook/vcard/vcardcontact.h"
#include "addressbook/vcard/vcarddiagnostics.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <vector>

struct VCardRangeRead
{
    std::vector<VCardContact> contacts; // in the order the reader gives the cards
    VCardDiagnostics diagnostics;
    qsizetype lineCount = 0;      // of the range, as its line breaks count them
    qsizetype firstStrayLine = 0; // of text outside any card, or 0
    bool endedInsideCard = false; // a card was still open at the range's end
};

/// Ranges of at least minBytes (the last one may be shorter), each but the first starting
/// at a line that is "BEGIN:VCARD"; together they are the whole text.
[[nodiscard]] QList<QByteArrayView> splitAtCards(QByteArrayView text, qsizetype minBytes);
/// Reads the cards of one range; origin names it in the diagnostics. validUtf8: the range
/// is known to be valid UTF-8.
[[nodiscard]] VCardRangeRead readVCardRange(QByteArrayView range, const QString &origin,
                                            bool validUtf8);
