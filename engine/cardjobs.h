// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the cards of a page on the thread pool, a batch of contacts per job, and hands them
// back strictly in page order. Each card is written whole on its worker, its own picture
// included (decoding and compressing a picture take far longer than a card's text), and
// encoded as UTF-8 there. What must stay in page order is handed back with the card for the
// page's thread to do: the lines its writing logged, and the generic picture it shows, which
// is written once per page. A bounded number of batches is in flight, so memory does not
// grow with the address book.
//
//   CardJobs cards(context, bundle, imagesFolder, PictureSaving::Save, people);
//   while (!cards.atEnd()) { const WrittenCard card = cards.take(); ... }
#pragma once

#include "engine/cardcontext.h"
#include "engine/contactcardwriter.h"
#include "util/bundle.h"

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QStringList>

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class ABPerson;
class QThreadPool;

/// One card as its worker left it.
struct WrittenCard
{
    QByteArray text; // UTF-8
    QStringList log; // the lines its writing logged, in order
    /// The generic picture the card shows, for the page's thread to write; empty when none.
    QString genericPicture;
    qsizetype genericAt = 0; // how many of log's lines came before the generic picture
};

class CardJobs final
{
public:
    /// Cards of people, in that order; pool's threads write them (the global pool when none).
    CardJobs(const CardContext &context, Bundle bundle, QString imagesFolder,
             PictureSaving pictures, QList<const ABPerson *> people, QThreadPool *pool = nullptr);
    /// Waits for the batches still in flight.
    ~CardJobs();
    CardJobs(const CardJobs &) = delete;
    CardJobs &operator=(const CardJobs &) = delete;

    [[nodiscard]] bool atEnd() const;
    /// The next card in page order; waits for it when its batch is still being written.
    [[nodiscard]] WrittenCard take();

private:
    using Batch = std::vector<WrittenCard>;

    void startBatches();
    [[nodiscard]] Batch writeBatch(qsizetype first, qsizetype end);
    [[nodiscard]] std::unique_ptr<ContactCardWriter> borrowWriter();
    void giveBack(std::unique_ptr<ContactCardWriter> writer);

    CardContext m_context;
    Bundle m_bundle;
    QString m_imagesFolder;
    PictureSaving m_pictures;
    QList<const ABPerson *> m_people;
    QThreadPool *m_pool;
    qsizetype m_started = 0; // people whose batch has been started
    std::deque<QFuture<Batch>> m_inFlight;
    Batch m_current;
    std::size_t m_nextInCurrent = 0;
    qsizetype m_taken = 0;
    // Writers are not thread-safe (each caches the labels it has shown): a job borrows one
    // that no other job uses, and a writer is made only when all are busy.
    std::mutex m_writersMutex;
    std::vector<std::unique_ptr<ContactCardWriter>> m_idleWriters;
};
