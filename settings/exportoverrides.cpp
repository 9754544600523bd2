// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/exportoverrides.h"

#include "settings/exportsettings.h"

void ExportOverrides::applyTo(ExportSettings &settings) const
{
    if (pageLanguage)
        settings.pageLanguage = *pageLanguage;
    if (letterIndex)
        settings.letterIndex = *letterIndex;
}
