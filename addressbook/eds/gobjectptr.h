// SPDX-License-Identifier: GPL-3.0-or-later
// Owning pointers to GLib objects, so that every early return releases what it holds.
#pragma once

#include <glib-object.h>

#include <memory>

struct GObjectUnref
{
    void operator()(gpointer object) const
    {
        if (object)
            g_object_unref(object);
    }
};

template<typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GErrorFree
{
    void operator()(GError *error) const { g_error_free(error); }
};

using GErrorPtr = std::unique_ptr<GError, GErrorFree>;
