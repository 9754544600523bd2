// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/glibwait.h"

using namespace std::chrono_literals;

// Shared with the callback. When a cancelled call never answers, the callback owns it.
struct GLibWait::Pending
{
    GAsyncResult *result = nullptr;
    bool abandoned = false;

    static void ready(GObject * /*source*/, GAsyncResult *result, gpointer data)
    {
        auto *pending = static_cast<Pending *>(data);
        if (pending->abandoned) {
            delete pending;
            return;
        }
        pending->result = G_ASYNC_RESULT(g_object_ref(result));
    }
};

GLibWait::GLibWait()
    : m_context(g_main_context_new())
{
    g_main_context_push_thread_default(m_context);
}

GLibWait::~GLibWait()
{
    // Lets what the finished calls left behind (idle callbacks, unrefs) run before it goes;
    // bounded, should something keep scheduling itself.
    for (int round = 0; round < 1000 && g_main_context_iteration(m_context, FALSE); ++round) {}
    g_main_context_pop_thread_default(m_context);
    g_main_context_unref(m_context);
}

GObjectPtr<GAsyncResult> GLibWait::await(const Start &start, std::chrono::milliseconds limit)
{
    auto *pending = new Pending;
    GObjectPtr<GCancellable> cancellable(g_cancellable_new());
    start(cancellable.get(), &Pending::ready, pending);
    if (!iterateUntilDone(*pending, limit)) {
        g_cancellable_cancel(cancellable.get());
        if (!iterateUntilDone(*pending, 2s)) {
            pending->abandoned = true;
            return nullptr;
        }
        g_object_unref(pending->result);
        delete pending;
        return nullptr;
    }
    GObjectPtr<GAsyncResult> result(pending->result);
    delete pending;
    return result;
}

bool GLibWait::iterateUntilDone(const Pending &pending, std::chrono::milliseconds limit)
{
    bool expired = false;
    GSource *timer = g_timeout_source_new(guint(limit.count()));
    g_source_set_callback(
        timer,
        [](gpointer flag) {
            *static_cast<bool *>(flag) = true;
            return gboolean(G_SOURCE_REMOVE);
        },
        &expired, nullptr);
    g_source_attach(timer, m_context);
    while (!pending.result && !expired)
        g_main_context_iteration(m_context, TRUE);
    g_source_destroy(timer);
    g_source_unref(timer);
    return pending.result != nullptr;
}
