// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardrangereads.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

VCardRangeReads::VCardRangeReads(QByteArrayView text, QString origin, bool validUtf8,
                                 const VCardReadOptions &options)
    : m_text(text)
    , m_origin(std::move(origin))
    , m_validUtf8(validUtf8)
    , m_ranges(splitAtCards(text, std::max<qsizetype>(options.rangeBytes, 1)))
    // Two ranges a thread keep every thread busy while the caller takes one in, and keep
    // the contacts read ahead few. With one thread the caller reads every range itself and
    // none is read ahead.
    , m_inFlight(m_ranges.size() > 1 && options.threads > 1 ? 2 * qsizetype(options.threads) - 1
                                                            : 0)
{
    m_pool.setMaxThreadCount(std::max(options.threads, 1));
    startMore();
}

VCardRangeReads::~VCardRangeReads()
{
    m_pool.waitForDone(); // the reads look at the text, which may go once this returns
}

void VCardRangeReads::startMore()
{
    while (m_started < m_ranges.size() && qsizetype(m_running.size()) < m_inFlight) {
        m_running.push_back(
            QtConcurrent::run(&m_pool, readVCardRange, m_ranges[m_started], m_origin, m_validUtf8));
        ++m_started;
    }
}

std::optional<VCardRangeRead> VCardRangeReads::next()
{
    if (m_returned == m_ranges.size())
        return std::nullopt;
    const QByteArrayView range = m_ranges[m_returned++];
    VCardRangeRead read = m_running.empty() ? readVCardRange(range, m_origin, m_validUtf8)
                                            : m_running.front().takeResult();
    if (!m_running.empty())
        m_running.pop_front();
    if (read.endedInsideCard && m_returned < m_ranges.size()) {
        read = readRestFrom(range);
        m_consumed = m_text.size();
    } else {
        startMore();
        m_consumed = range.data() + range.size() - m_text.data();
    }
    return read;
}

// The open card holds the cards of the ranges after it, which therefore were read wrongly.
VCardRangeRead VCardRangeReads::readRestFrom(QByteArrayView range)
{
    m_pool.waitForDone();
    m_running.clear();
    m_returned = m_ranges.size();
    const qsizetype start = range.data() - m_text.data();
    return readVCardRange(m_text.sliced(start), m_origin, m_validUtf8);
}
