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
    m_keyring.setMaxThreadCount(1);
}

CardDavRefresher::~CardDavRefresher()
{
    m_pending.reset();
    m_cancelled->store(true);
    // Only while running: a future whose result was taken is no longer finished, and waiting
    // on it would never end.
    if (m_watcher.isRunning())
        m_watcher.waitForFinished();
    m_keyring.waitForDone();
}

void CardDavRefresher::start(const QString &name, const CardDavAccess &access)
{
    if (m_reading) {
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
    // Told on this thread; a message for a refresher already gone is dropped by Qt.
    m_keyring.start([this, name, password] {
        if (QString problem = keep(name, password); !problem.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, problem = std::move(problem)] { Q_EMIT passwordNotKept(problem); },
                Qt::QueuedConnection);
    });
}

void CardDavRefresher::launch(const QString &name, CardDavAccess access)
{
    access.client.cancelled = m_cancelled;
    m_reading = true;
    m_watcher.setFuture(QtConcurrent::run(readFromServer, name, access));
}

// A read asked for meanwhile supersedes the one that ended, whose result is dropped.
void CardDavRefresher::ended()
{
    if (!m_pending) {
        m_reading = false;
        Q_EMIT finished();
        return;
    }
    auto [name, access] = std::move(*m_pending);
    m_pending.reset();
    launch(name, std::move(access));
}
