// SPDX-License-Identifier: GPL-3.0-or-later
// What one run of vorlin-export chooses over the stored settings (--language,
// --letter-index): laid over every snapshot the run takes, and never stored.
//
//   ExportOverrides overrides{u"de"_s, LetterIndex::Locale};
//   overrides.applyTo(settings); // a German page with the German alphabet
#pragma once

#include "settings/letterindex.h"

#include <QString>

#include <optional>

struct ExportSettings;

struct ExportOverrides
{
    std::optional<QString> pageLanguage; // a known language code
    std::optional<LetterIndex> letterIndex;

    /// Puts each choice made here in place of the one settings holds.
    void applyTo(ExportSettings &settings) const;
};
