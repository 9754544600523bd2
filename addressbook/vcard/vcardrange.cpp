// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardrange.h"
#include "addressbook/vcard/vcardreader.h"

#include <algorithm>

namespace {

// Any byte after a line break other than another one starts a line, however the lines of
// the text end (CRLF, LF, CR).
qsizetype nextCardStart(QByteArrayView text, qsizetype from)
{
    constexpr QByteArrayView kBegin = "BEGIN:VCARD";
    for (qsizetype at = text.indexOf(kBegin, from); at > 0; at = text.indexOf(kBegin, at + 1)) {
        if (text[at - 1] == '\n' || text[at - 1] == '\r')
            return at;
    }
    return -1;
}

} // namespace

QList<QByteArrayView> splitAtCards(QByteArrayView text, qsizetype minBytes)
{
    QList<QByteArrayView> ranges;
    qsizetype start = 0;
    while (text.size() - start > minBytes) {
        const qsizetype cut = nextCardStart(text, start + minBytes);
        if (cut < 0)
            break;
        ranges.append(text.sliced(start, cut - start));
        start = cut;
    }
    ranges.append(text.sliced(start));
    return ranges;
}

VCardRangeRead readVCardRange(QByteArrayView range, const QString &origin, bool validUtf8)
{
    // The ranges of a text are of about one size, so the cards of the range a thread read
    // last tell how many this one holds: its contacts then go into room taken once, not
    // moved to new memory each time the vector grows.
    thread_local qsizetype bytesPerCard = 0;
    VCardRangeRead read{{}, VCardDiagnostics(origin)};
    if (bytesPerCard > 0)
        read.contacts.reserve(std::size_t(range.size() / bytesPerCard * 9 / 8 + 16));
    VCardCardKeys keys;
    VCardReader reader(range, read.diagnostics, validUtf8);
    while (std::optional<VCardCard> card = reader.next()) {
        read.contacts.push_back(readContact(*card, read.diagnostics, keys));
        reader.recycle(std::move(*card));
    }
    if (!read.contacts.empty())
        bytesPerCard = std::max<qsizetype>(range.size() / qsizetype(read.contacts.size()), 1);
    read.lineCount = reader.lineCount();
    read.firstStrayLine = reader.firstStrayLine();
    read.endedInsideCard = reader.endedInsideCard();
    return read;
}
