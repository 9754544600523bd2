// SPDX-License-Identifier: GPL-3.0-or-later
// What an exported page promises whatever its contacts hold: no script element, no event handler,
// no link that runs code, pictures only from its images folder, and tags that close as they open.
// The whole-export fuzzer checks every page it makes against these.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// The first promise page breaks, said with the place it breaks it; nothing when it keeps
/// them all.
[[nodiscard]] std::optional<QString> brokenPagePromise(QStringView page);
