// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded wait, with GIO tasks standing in for the server's calls.
#include "addressbook/eds/glibwait.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// A call that answers at once (from the context, as real replies do).
void answering(GCancellable *cancellable, GAsyncReadyCallback done, gpointer data)
{
    GTask *task = g_task_new(nullptr, cancellable, done, data);
    g_task_return_boolean(task, TRUE);
    g_object_unref(task);
}

// A call that never answers until it is cancelled.
void silent(GCancellable *cancellable, GAsyncReadyCallback done, gpointer data)
{
    GTask *task = g_task_new(nullptr, cancellable, done, data);
    g_cancellable_connect(cancellable, G_CALLBACK(+[](GCancellable *, gpointer pending) {
                              auto *cancelled = static_cast<GTask *>(pending);
                              g_task_return_error_if_cancelled(cancelled);
                              g_object_unref(cancelled);
                          }),
                          task, nullptr);
}

} // namespace

TEST(GLibWait, givesTheAnswerOfACallThatAnswers)
{
    GLibWait wait;
    const GObjectPtr<GAsyncResult> result = wait.await(answering, 5s);
    ASSERT_TRUE(result);
    EXPECT_TRUE(g_task_propagate_boolean(G_TASK(result.get()), nullptr));
}

TEST(GLibWait, givesUpOnASilentCallAfterItsTime)
{
    GLibWait wait;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(wait.await(silent, 200ms));
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 2000);
}

// Waiting pushes a context of its own: calls made meanwhile report there, not to the default
// context that Qt's event loop runs.
TEST(GLibWait, isTheThreadsDefaultContextWhileItLives)
{
    GMainContext *before = g_main_context_ref_thread_default();
    {
        GLibWait wait;
        GMainContext *during = g_main_context_ref_thread_default();
        EXPECT_NE(during, before);
        g_main_context_unref(during);
    }
    GMainContext *after = g_main_context_ref_thread_default();
    EXPECT_EQ(after, before);
    g_main_context_unref(after);
    g_main_context_unref(before);
}
