// SPDX-License-Identifier: GPL-3.0-or-later
// A preferences store of its own for each window test, on a throw-away folder, with every
// default and the value transformers registered.
#pragma once

#include "settings/defaultsregistration.h"
#include "settings/preferencesstore.h"
#include "settings/valuetransformer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class StoreTest : public testing::Test
{
protected:
    StoreTest()
        : store({m_dir.filePath(QStringLiteral("org.vorlin.Vorlin.plist")),
                 m_dir.filePath(QStringLiteral(".GlobalPreferences.plist"))})
    {
        store.registerDefaults(defaultSettings(QStringLiteral("body {}")));
        ValueTransformer::setValueTransformer(std::make_shared<QEV_NilToBlankStringTransformer>(),
                                              QStringLiteral("QEV_NilToBlankStringTransformer"));
    }

    /// The store as a second program would read it from disk.
    [[nodiscard]] QVariant onDisk(const QString &key) const
    {
        return PreferencesStore(store.files()).objectForKey(key);
    }

    QTemporaryDir m_dir;
    PreferencesStore store;
};
