// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/carddavrefresher.h"

#include "addressbook/carddav/carddavpassword.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

CardDavRefresher::Result readFromServer(const QString &name, const CardDavAccess &access)
{
    CardDavProblem problem = CardDavProblem::Other;
    CardDavRefresher::Result result{name, readCardDavStore(name, access, &problem), problem, {}};
    if (!result.read || !access.password)
        return result;
    // Kept only now: a password the server refused is not worth keeping.
    if (const Expected<CardDavTarget> target = CardDavTarget::parse(name, access.user)) {
        if (const Expected<void> kept = CardDavPassword::saveInKeyring(*target, *access.password);
            !kept)
            result.keyringProblem = kept.error();
    }
    return result;
}

} // namespace

CardDavRefresher::CardDavRefresher(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, &CardDavRefresher::ended);
}

CardDavRefresher::~CardDavRefresher()
{
    m_pending.reset();
    m_cancelled->store(true);
    // Only while running: a future whose result was taken is no longer finished, and waiting
    // on it would never end.
    if (m_watcher.isRunning())
        m_watcher.waitForFinished();
}

void CardDavRefresher::start(const QString &name, const CardDavAccess &access)
{
    if (m_watcher.isRunning()) {
        m_pending = {name, access};
        return;
    }
    launch(name, access);
}

CardDavRefresher::Result CardDavRefresher::takeResult()
{
    return m_watcher.future().takeResult();
}

void CardDavRefresher::launch(const QString &name, CardDavAccess access)
{
    access.client.cancelled = m_cancelled;
    m_watcher.setFuture(QtConcurrent::run(readFromServer, name, access));
}

// A read asked for meanwhile supersedes the one that ended, whose result is dropped.
void CardDavRefresher::ended()
{
    if (!m_pending) {
        Q_EMIT finished();
        return;
    }
    auto [name, access] = std::move(*m_pending);
    m_pending.reset();
    launch(name, std::move(access));
}
