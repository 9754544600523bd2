// SPDX-License-Identifier: GPL-3.0-or-later
// A text of the program's "ui" string table, in the user's language; the key itself where
// the table has no text for it ("Birthday", "Note").
#pragma once

#include <QString>

[[nodiscard]] QString uiText(const char *key);
