// SPDX-License-Identifier: GPL-3.0-or-later
// One conversation with the desktop's address-book server (evolution-data-server) through
// libebook: its registry of sources, one address book opened, its contacts as vCard text with
// the bytes of the local picture file each links to kept beside it. Every call waits a bounded
// time on a main context of its own (glibwait.h), so that a missing session bus or server
// gives a message, never a hang. Only edsstore.cpp uses it: the GLib types stay inside this
// library.
#pragma once

#include "addressbook/eds/glibwait.h"
#include "util/expected.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>

#include <libebook/libebook.h>

#include <chrono>
#include <memory>

class EdsConnection final
{
public:
    /// How long the server may take to start and answer a connection (it is started on
    /// first use).
    static constexpr std::chrono::seconds kServerWait{10};
    /// How long reading an address book may take.
    static constexpr std::chrono::seconds kReadWait{300};

    struct Source
    {
        QString uid;
        QString displayName;
        bool isDefault = false;
    };

    struct Card
    {
        QString uid;
        QByteArray vcard;
        QByteArray picture;  // of the file its PHOTO links to, where that was read
        QString problem;     // what could not be done with it (a picture not read), or empty
        bool isList = false; // a contact list, which is read as a group
    };

    /// Reaches the server's registry of sources.
    [[nodiscard]] static Expected<std::unique_ptr<EdsConnection>> open();

    /// The enabled address books, the default one marked.
    [[nodiscard]] QList<Source> addressBooks() const;
    /// How a book is opened: every call through the server, or its contacts read in this
    /// process straight from where the server keeps them, where the book allows that (the
    /// server's local books do; the others are read through the server all the same).
    enum class Access : bool { Server, Direct };

    /// The address book of that uid (the default one for an empty uid) opened.
    [[nodiscard]] Expected<GObjectPtr<EBookClient>> connect(const QString &uid,
                                                            Access access = Access::Server);
    /// Every contact of the book as vCard 3.0 text. Its linked picture files are read within
    /// kReadWait too.
    [[nodiscard]] Expected<QList<Card>> cards(EBookClient *book);
    /// How many contacts the book holds.
    [[nodiscard]] Expected<qsizetype> count(EBookClient *book);
    /// A live view of every contact of the book, not started. Its changes are announced on
    /// the main context that is the thread's default when it is started (libebook builds the
    /// view on a worker thread of its own, which has the global default one).
    [[nodiscard]] Expected<GObjectPtr<EBookClientView>> view(EBookClient *book);

private:
    EdsConnection() = default;

    using BookQuery
        = void (*)(EBookClient *, const gchar *, GCancellable *, GAsyncReadyCallback, gpointer);

    /// The result of the call, or an error when it took longer than limit.
    [[nodiscard]] Expected<GObjectPtr<GAsyncResult>> call(const GLibWait::Start &start,
                                                          std::chrono::seconds limit);
    /// A query over every contact of the book.
    [[nodiscard]] Expected<GObjectPtr<GAsyncResult>> query(EBookClient *book, BookQuery start,
                                                           std::chrono::seconds limit);
    [[nodiscard]] static Card cardOf(EContact *contact, const QDeadlineTimer &deadline);
    static void readLinkedPhoto(const QByteArray &uri, Card &card, const QDeadlineTimer &deadline);
    [[nodiscard]] Expected<GObjectPtr<ESource>> source(const QString &uid) const;
    [[nodiscard]] static QString knownUids(const QList<Source> &sources);
    [[nodiscard]] static Unexpected<QString> failure(const QString &what, GError *error);

    GLibWait m_wait;
    GObjectPtr<ESourceRegistry> m_registry;
};
