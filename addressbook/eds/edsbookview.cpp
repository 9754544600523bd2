// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/edsbookview.h"
#include "addressbook/eds/edsconnection.h"

using namespace Qt::StringLiterals;

namespace {

struct Handles
{
    GObjectPtr<EBookClient> client;
    GObjectPtr<EBookClientView> view;
};

// The connection waits on a main context of its own, pushed as the thread's default while it
// lives; it is gone when this returns, so that what follows happens on the global default.
Expected<Handles> connectView(const QString &uid)
{
    Expected<std::unique_ptr<EdsConnection>> connection = EdsConnection::open();
    if (!connection)
        return Unexpected(connection.error());
    Expected<GObjectPtr<EBookClient>> client = (*connection)->connect(uid);
    if (!client)
        return Unexpected(client.error());
    Expected<GObjectPtr<EBookClientView>> view = (*connection)->view(client->get());
    if (!view)
        return Unexpected(view.error());
    return Handles{std::move(*client), std::move(*view)};
}

// While alive, the global default main context is the thread's default: libebook and GDBus
// deliver to the context that is the default when a view starts or a name is watched.
class OnDefaultContext final
{
public:
    OnDefaultContext() { g_main_context_push_thread_default(g_main_context_default()); }
    ~OnDefaultContext() { g_main_context_pop_thread_default(g_main_context_default()); }
    OnDefaultContext(const OnDefaultContext &) = delete;
    OnDefaultContext &operator=(const OnDefaultContext &) = delete;
};

} // namespace

EdsBookView::EdsBookView(GObjectPtr<EBookClient> client, GObjectPtr<EBookClientView> view,
                         Notify changed)
    : m_client(std::move(client))
    , m_view(std::move(view))
    , m_changed(std::move(changed))
{}

EdsBookView::~EdsBookView()
{
    if (m_serverWatch != 0)
        g_bus_unwatch_name(m_serverWatch);
    // Announcements already queued find no handler; the view tells the server it is done.
    g_signal_handlers_disconnect_by_data(m_view.get(), this);
}

Expected<std::unique_ptr<EdsBookView>> EdsBookView::open(const QString &uid, Notify changed)
{
    Expected<Handles> handles = connectView(uid);
    if (!handles)
        return Unexpected(handles.error());
    std::unique_ptr<EdsBookView> view(
        new EdsBookView(std::move(handles->client), std::move(handles->view), std::move(changed)));
    const OnDefaultContext onDefault;
    const Expected<void> started = view->start();
    if (!started)
        return Unexpected(started.error());
    view->followServer();
    return view;
}

Expected<void> EdsBookView::start()
{
    EBookClientView *view = m_view.get();
    GError *error = nullptr;
    // No announcement of the contacts there are: the window has read them already.
    e_book_client_view_set_flags(view, E_BOOK_CLIENT_VIEW_FLAGS_NONE, &error);
    if (!error) {
        // The uid of a changed contact is enough, as the whole book is read again.
        GSList fields = {const_cast<gchar *>(e_contact_field_name(E_CONTACT_UID)), nullptr};
        e_book_client_view_set_fields_of_interest(view, &fields, &error);
    }
    if (!error) {
        for (const char *signal : {"objects-added", "objects-modified", "objects-removed"})
            g_signal_connect(view, signal, G_CALLBACK(&EdsBookView::contactsChanged), this);
        e_book_client_view_start(view, &error);
    }
    if (!error)
        return {};
    const GErrorPtr owned(error);
    return Unexpected(
        u"the address book cannot be followed: %1"_s.arg(QString::fromUtf8(owned->message)));
}

// The book's backend runs under a name of its own on the session bus; when that name goes, so
// has the book (the server ended, or the book was closed).
void EdsBookView::followServer()
{
    gchar *name = e_client_dup_bus_name(E_CLIENT(m_client.get()));
    if (!name)
        return;
    m_serverWatch = g_bus_watch_name_on_connection(
        e_book_client_view_get_connection(m_view.get()), name, G_BUS_NAME_WATCHER_FLAGS_NONE,
        &EdsBookView::serverAppeared, &EdsBookView::serverVanished, this, nullptr);
    g_free(name);
}

void EdsBookView::contactsChanged(EBookClientView * /*view*/, gpointer /*contacts*/, gpointer self)
{
    static_cast<EdsBookView *>(self)->m_changed();
}

void EdsBookView::serverAppeared(GDBusConnection * /*bus*/, const gchar * /*name*/,
                                 const gchar * /*owner*/, gpointer self)
{
    static_cast<EdsBookView *>(self)->m_serverSeen = true;
}

void EdsBookView::serverVanished(GDBusConnection * /*bus*/, const gchar * /*name*/, gpointer self)
{
    auto *view = static_cast<EdsBookView *>(self);
    // The first answer says whether the name is there at all; only its going is a change.
    if (view->m_serverSeen)
        view->m_changed();
    view->m_serverSeen = false;
}
