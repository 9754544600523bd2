// SPDX-License-Identifier: GPL-3.0-or-later
// Brings a CardDAV address book up to date for the window on a worker thread, so that the
// window stays usable while the server answers (a first read of a large book takes many
// seconds). One read runs at a time; a start while one runs reads again once it ends, with
// the newest request. keepPassword() keeps a password in the keyring, apart from the read, so
// that a keyring asking the user first (to make or unlock it) never holds back the book.
// Destroying the refresher cancels a running read and waits for it briefly.
//
//   CardDavRefresher refresher;
//   connect(&refresher, &CardDavRefresher::finished, this, [&] { use(refresher.takeResult()); });
//   refresher.start(u"https://ann@dav.example.org/"_s, {});
#pragma once

#include "addressbook/carddav/carddavstore.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <optional>

class CardDavRefresher final : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QString name;
        Expected<ContactStoreRead> read;
        CardDavProblem problem = CardDavProblem::Other;
    };

    explicit CardDavRefresher(QObject *parent = nullptr);
    ~CardDavRefresher() override;

    /// Reads the book of that name from its server.
    void start(const QString &name, const CardDavAccess &access);
    /// True from start() until finished() has been emitted for the last read asked for.
    [[nodiscard]] bool isRunning() const { return m_reading; }
    /// The result of the read that finished(); only once per finished().
    [[nodiscard]] Result takeResult();
    /// Keeps password in the keyring for the account of the book of that name.
    void keepPassword(const QString &name, const QString &password);

Q_SIGNALS:
    void finished();
    /// keepPassword() could not keep it, for the reason given.
    void passwordNotKept(const QString &reason);

private:
    void launch(const QString &name, CardDavAccess access);
    void ended();

    QFutureWatcher<Result> m_watcher;
    QThreadPool m_keyring; // one call at a time: the keyring may be asking the user
    std::shared_ptr<std::atomic<bool>> m_cancelled = std::make_shared<std::atomic<bool>>(false);
    std::optional<std::pair<QString, CardDavAccess>> m_pending;
    // Not the future's own state: a read may end on its thread well before finished() is
    // delivered here, and until then its answer is still to come.
    bool m_reading = false;
};
