// SPDX-License-Identifier: GPL-3.0-or-later
// Waits for asynchronous GLib calls on a main context of its own, pushed as the thread's
// default while the object lives, so that their replies arrive whatever Qt's event loop is
// doing and no Qt event is handled in between. Every wait is bounded: a call that takes too
// long is cancelled and reported as timed out.
//
//   GLibWait wait;
//   GObjectPtr<GAsyncResult> result = wait.await(
//       [](GCancellable *c, GAsyncReadyCallback done, gpointer data) {
//           e_source_registry_new(c, done, data);
//       }, std::chrono::seconds(5));
//   if (!result) ... timed out
#pragma once

#include "addressbook/eds/gobjectptr.h"

#include <gio/gio.h>

#include <chrono>
#include <functional>

class GLibWait final
{
public:
    using Start = std::function<void(GCancellable *, GAsyncReadyCallback, gpointer)>;

    GLibWait();
    ~GLibWait();
    GLibWait(const GLibWait &) = delete;
    GLibWait &operator=(const GLibWait &) = delete;

    /// Starts the call and returns its result; null when it did not finish within limit.
    [[nodiscard]] GObjectPtr<GAsyncResult> await(const Start &start,
                                                 std::chrono::milliseconds limit);

private:
    struct Pending;

    bool iterateUntilDone(const Pending &pending, std::chrono::milliseconds limit);

    GMainContext *m_context;
};
