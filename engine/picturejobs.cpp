// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/picturejobs.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

PictureJobs::PictureJobs(PictureFiles files, QThreadPool *pool)
    : m_files(std::move(files))
    , m_pool(pool ? pool : QThreadPool::globalInstance())
{}

bool PictureJobs::full() const
{
    const auto limit = static_cast<std::size_t>(2 * std::max(1, m_pool->maxThreadCount()));
    return m_jobs.size() >= limit;
}

void PictureJobs::start(const ABPerson &person, const QByteArray &bytes, const QString &fileName)
{
    // The job holds its own copies: it touches nothing the page thread changes.
    m_jobs.push_back({&person, QtConcurrent::run(m_pool, [files = m_files, bytes, fileName] {
                          return files.writeContactPicture(bytes, fileName);
                      })});
}

std::optional<PictureResult> PictureJobs::take(const ABPerson &person)
{
    if (m_jobs.empty() || m_jobs.front().person != &person)
        return std::nullopt;
    PictureResult written = m_jobs.front().result.result();
    m_jobs.pop_front();
    return written;
}
