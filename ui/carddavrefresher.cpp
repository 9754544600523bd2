// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/carddavrefresher.h"

#include "addressbook/carddav/carddavpassword.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

CardDavRefresher::Result readFromServer(const QString &name, const CardDavAccess &access)
{
    CardDavProblem problem = CardDavProblem::Other;
    Expected<ContactStoreRead> read = readCardDavStore(name, access, &problem);
    return {name, std::move(read), problem};
}

QString keep(const QString &name, const QString &password)
{
    const Expected<CardDavTarget> target = CardDavTarget::parse(name, {});
    if (!target)
        return target.error();
    const Expected<void> kept = CardDavPassword::saveInKeyring(*target, password);
    return kept ? QString() : kept.error();
}

} // namespace

CardDavRefresher::CardDavRefresher(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, &CardDavRefresher::ended);
    connect(&m_keeper, &QFutureWatcher<QString>::finished, this, [this] {
        if (const QString problem = m_keeper.result(); !problem.isEmpty())
            Q_EMIT passwordNotKept(problem);
    });
}

CardDavRefresher::~CardDavRefresher()
{
    m_pending.reset();
    m_cancelled->store(true);
    // Only while running: a future whose result was taken is no longer finished, and waiting
    // on it would never end.
    if (m_watcher.isRunning())
        m_watcher.waitForFinished();
    if (m_keeper.isRunning())
        m_keeper.waitForFinished();
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

void CardDavRefresher::keepPassword(const QString &name, const QString &password)
{
    if (m_keeper.isRunning()) // one at a time: the keyring may be asking the user
        m_keeper.waitForFinished();
    m_keeper.setFuture(QtConcurrent::run(keep, name, password));
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
