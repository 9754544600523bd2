// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the ranges of a vCard text side by side on a few threads and hands them back in text
// order, so that the caller, putting them together one after another, gets what reading the
// text from start to end gives. Where a card is still open at the end of a range (a card
// cut off, which then holds the cards after it), the rest of the text is read as one range
// instead. A text shorter than two ranges is read on the calling thread.
//
//   VCardRangeReads reads(text, u"book.vcf"_s, false, {});
//   while (std::optional<VCardRangeRead> range = reads.next()) take(*range);
#pragma once

#include "addressbook/vcard/vcardrange.h"

#include <QFuture>
#include <QThread>
#include <QThreadPool>

#include <deque>
#include <optional>

struct VCardReadOptions
{
    /// How many ranges are read at once; 1 reads all on the calling thread.
    int threads = QThread::idealThreadCount();
    /// The least size of a range.
    qsizetype rangeBytes = qsizetype{1} << 20;
};

class VCardRangeReads final
{
public:
    /// validUtf8: the text is known to be valid UTF-8.
    VCardRangeReads(QByteArrayView text, QString origin, bool validUtf8,
                    const VCardReadOptions &options);
    VCardRangeReads(const VCardRangeReads &) = delete;
    VCardRangeReads &operator=(const VCardRangeReads &) = delete;
    ~VCardRangeReads();

    /// The read of the next range, or none after the last.
    [[nodiscard]] std::optional<VCardRangeRead> next();
    /// How many ranges the text was cut into.
    [[nodiscard]] qsizetype rangeCount() const { return m_ranges.size(); }
    /// How many bytes from the start of the text the ranges returned so far cover.
    [[nodiscard]] qsizetype consumed() const { return m_consumed; }

private:
    void startMore();
    VCardRangeRead readRestFrom(QByteArrayView range);

    QByteArrayView m_text;
    QString m_origin;
    bool m_validUtf8;
    QList<QByteArrayView> m_ranges;
    qsizetype m_returned = 0; // ranges handed back
    qsizetype m_started = 0;  // ranges given to the pool
    qsizetype m_inFlight;     // how many ranges may be read ahead
    qsizetype m_consumed = 0;
    QThreadPool m_pool;
    std::deque<QFuture<VCardRangeRead>> m_running; // in range order
};
