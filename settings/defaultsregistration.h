// SPDX-License-Identifier: GPL-3.0-or-later
// The registered defaults of every Vorlin setting, and the one-time start-up registration
// that the window, vorlin-export and tests all run before reading any setting.
#pragma once

#include "util/bundle.h"

#include <QString>
#include <QVariantMap>

class PreferencesStore;

/// Every setting's default; css is the text of the default style sheet.
[[nodiscard]] QVariantMap defaultSettings(const QString &css);

/// Registers the value transformers and defaultSettings() with the bundle's "default.css"
/// into store. Runs once per process; later calls do nothing.
void registerDefaultSettings(PreferencesStore &store, const Bundle &bundle = Bundle::main());
