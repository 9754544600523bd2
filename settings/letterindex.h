// SPDX-License-Identifier: GPL-3.0-or-later
// How the page's letter index files contacts, as the preference "letterIndex" stores it:
// "latin", A to Z whatever the page's language (with "0-9" and "*"), or "locale", the
// alphabet of the page's language, in its own order (Russian А to Я, Swedish Å Ä Ö after Z).
//
//   letterIndexFromName(u"locale") // LetterIndex::Locale
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

enum class LetterIndex : std::uint8_t { Latin, Locale };

/// The index a name stands for, exactly as stored; none for any other text.
[[nodiscard]] std::optional<LetterIndex> letterIndexFromName(QStringView name);
/// The name under which index is stored.
[[nodiscard]] QString letterIndexName(LetterIndex index);
