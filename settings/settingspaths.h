// SPDX-License-Identifier: GPL-3.0-or-later
// Where Vorlin keeps its per-user files: ${XDG_CONFIG_HOME:-$HOME/.config}/vorlin/Library,
// laid out like the user's Library folder, so the preferences and the address book's phone
// formats sit in Library/Preferences.
#pragma once

#include <QString>

namespace SettingsPaths {

/// The per-user Library folder (not created here).
[[nodiscard]] QString libraryFolder();
/// Library/Preferences.
[[nodiscard]] QString preferencesFolder();
/// The address book's preferences, which hold its phone formats.
[[nodiscard]] QString addressBookPreferencesFile();

} // namespace SettingsPaths
