// SPDX-License-Identifier: GPL-3.0-or-later
// A live view of one of the desktop's address books: calls back whenever the server announces
// that a contact was added, changed or removed, or that the book's server went away. The
// callbacks come from the global default main context, which Qt's event loop runs. Only
// addressbookwatcher.cpp uses it: the GLib types stay inside this library.
//
//   Expected<std::unique_ptr<EdsBookView>> view = EdsBookView::open(uid, [] { reread(); });
#pragma once

#include "addressbook/eds/gobjectptr.h"
#include "util/expected.h"

#include <QString>

#include <libebook/libebook.h>

#include <functional>
#include <memory>

class EdsBookView final
{
public:
    using Notify = std::function<void()>;

    /// Connects to the book of that source uid (the default one for an empty uid) and starts
    /// its view, waiting a bounded time for the server (EdsConnection::kServerWait a step).
    /// The contacts already there are not announced: changed is called for what changes
    /// after this returns.
    [[nodiscard]] static Expected<std::unique_ptr<EdsBookView>> open(const QString &uid,
                                                                     Notify changed);
    ~EdsBookView();
    EdsBookView(const EdsBookView &) = delete;
    EdsBookView &operator=(const EdsBookView &) = delete;

private:
    EdsBookView(GObjectPtr<EBookClient> client, GObjectPtr<EBookClientView> view, Notify changed);

    [[nodiscard]] Expected<void> start();
    void followServer();
    static void contactsChanged(EBookClientView *view, gpointer contacts, gpointer self);
    static void serverAppeared(GDBusConnection *bus, const gchar *name, const gchar *owner,
                               gpointer self);
    static void serverVanished(GDBusConnection *bus, const gchar *name, gpointer self);

    GObjectPtr<EBookClient> m_client;
    GObjectPtr<EBookClientView> m_view;
    Notify m_changed;
    guint m_serverWatch = 0;
    bool m_serverSeen = false;
};
