// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/cardjobs.h"

#include "util/collectedlog.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

// Enough cards per job that handing a job over costs little beside writing them, few enough
// that a batch with several pictures does not keep the page waiting long.
constexpr qsizetype kBatchSize = 128;
// Batches in flight per thread: the page's thread finds the next batch ready while the
// workers go on.
constexpr qsizetype kBatchesPerThread = 2;

} // namespace

CardJobs::CardJobs(const CardContext &context, Bundle bundle, QString imagesFolder,
                   PictureSaving pictures, QList<const ABPerson *> people, QThreadPool *pool)
    : m_context(context)
    , m_bundle(std::move(bundle))
    , m_imagesFolder(std::move(imagesFolder))
    , m_pictures(pictures)
    , m_people(std::move(people))
    , m_pool(pool ? pool : QThreadPool::globalInstance())
{
    startBatches();
}

CardJobs::~CardJobs()
{
    for (QFuture<Batch> &batch : m_inFlight)
        batch.waitForFinished();
}

bool CardJobs::atEnd() const
{
    return m_taken >= m_people.size();
}

WrittenCard CardJobs::take()
{
    if (m_nextInCurrent >= m_current.size()) {
        m_current = m_inFlight.front().result();
        m_inFlight.pop_front();
        m_nextInCurrent = 0;
        startBatches();
    }
    ++m_taken;
    return std::move(m_current[m_nextInCurrent++]);
}

void CardJobs::startBatches()
{
    const qsizetype limit = kBatchesPerThread * std::max(1, m_pool->maxThreadCount());
    while (m_started < m_people.size() && std::ssize(m_inFlight) < limit) {
        const qsizetype first = m_started;
        const qsizetype end = std::min(first + kBatchSize, m_people.size());
        m_inFlight.push_back(
            QtConcurrent::run(m_pool, [this, first, end] { return writeBatch(first, end); }));
        m_started = end;
    }
}

CardJobs::Batch CardJobs::writeBatch(qsizetype first, qsizetype end)
{
    std::unique_ptr<ContactCardWriter> writer = borrowWriter();
    Batch cards(static_cast<std::size_t>(end - first));
    WrittenCard *card = nullptr;
    writer->handOverGenericPictures([&card](const QString &fileName) {
        card->genericPicture = fileName;
        card->genericAt = card->log.size();
    });
    QString text;
    for (qsizetype i = first; i < end; ++i) {
        card = &cards[static_cast<std::size_t>(i - first)];
        text.resize(0); // keeps the room the last card took
        {
            const CollectedLog collected(card->log);
            writer->parseContact(*m_people.at(i), text, m_pictures);
        }
        card->text = text.toUtf8();
    }
    writer->handOverGenericPictures({});
    giveBack(std::move(writer));
    return cards;
}

std::unique_ptr<ContactCardWriter> CardJobs::borrowWriter()
{
    {
        const std::lock_guard lock(m_writersMutex);
        if (!m_idleWriters.empty()) {
            std::unique_ptr<ContactCardWriter> writer = std::move(m_idleWriters.back());
            m_idleWriters.pop_back();
            return writer;
        }
    }
    return std::make_unique<ContactCardWriter>(m_context, m_bundle, m_imagesFolder);
}

void CardJobs::giveBack(std::unique_ptr<ContactCardWriter> writer)
{
    const std::lock_guard lock(m_writersMutex);
    m_idleWriters.push_back(std::move(writer));
}
