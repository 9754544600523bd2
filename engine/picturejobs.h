// SPDX-License-Identifier: GPL-3.0-or-later
// Writes contacts' pictures on the thread pool while the page goes on being built: decoding
// a picture and compressing it as PNG take far longer than writing a card's text. A bounded
// number of pictures is in flight at a time, so memory does not grow with the address book,
// and results are taken back in the order the pictures were started.
//
//   PictureJobs jobs(files);
//   if (!jobs.full()) jobs.start(person, bytes, fileName);
//   ... later, in the same order: std::optional<PictureResult> done = jobs.take(person);
#pragma once

#include "engine/picturefiles.h"

#include <QFuture>

#include <deque>
#include <optional>

class ABPerson;
class QThreadPool;

class PictureJobs final
{
public:
    /// pool's threads do the work; at most twice as many pictures as it has threads are in
    /// flight.
    explicit PictureJobs(PictureFiles files, QThreadPool *pool = nullptr);

    [[nodiscard]] bool full() const;
    /// Starts writing person's picture bytes under fileName.
    void start(const ABPerson &person, const QByteArray &bytes, const QString &fileName);
    /// The result of person's picture, once written; nothing when the oldest picture still
    /// in flight is not person's.
    [[nodiscard]] std::optional<PictureResult> take(const ABPerson &person);

private:
    struct Job
    {
        const ABPerson *person;
        QFuture<PictureResult> result;
    };

    PictureFiles m_files;
    QThreadPool *m_pool;
    std::deque<Job> m_jobs;
};
