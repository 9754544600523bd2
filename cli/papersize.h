// SPDX-License-Identifier: GPL-3.0-or-later
// The paper a PDF is printed on: A4, or US Letter where the reader's locale uses it.
//
//   const Paper paper = options.paper.value_or(localePaper(qEnvironmentVariable("LC_PAPER")));
#pragma once

#include <QPageSize>
#include <QString>

#include <optional>

enum class Paper { A4, Letter };

/// "a4" or "letter" in any case; nothing for any other text.
[[nodiscard]] std::optional<Paper> paperFromName(const QString &name);

/// Letter where the locale's territory writes on it (the Americas from Canada to Chile, and
/// the Philippines), A4 everywhere else, for unknown names and for the C locale too.
[[nodiscard]] Paper paperForLocale(const QString &localeName);

/// The paper of the locale that decides paper for this process: LC_ALL, then LC_PAPER, then
/// LANG, as the C library reads them.
[[nodiscard]] Paper systemPaper();

[[nodiscard]] QPageSize pageSize(Paper paper);
