// SPDX-License-Identifier: GPL-3.0-or-later
// A switch as hand-edited preferences may hold it: a boolean, a number (nonzero is on) or a
// string ("YES"/"NO", "true"/"false" in any case, or a number). Any other string is off.
#pragma once

#include <QVariant>

#include <optional>

/// The switch value, or nothing when value is of a type that cannot hold one.
[[nodiscard]] std::optional<bool> preferenceBoolean(const QVariant &value);
