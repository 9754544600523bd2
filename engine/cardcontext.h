// SPDX-License-Identifier: GPL-3.0-or-later
// What the writers of a card read besides the contact: the settings snapshot, the user's
// date formats, the address book that lays out addresses and the page's language. A
// generation and the preview each make one and hand it down; its caches make a context fit
// for one thread at a time.
#pragma once

#include "engine/datetexts.h"
#include "engine/entrylabels.h"
#include "engine/pagelanguage.h"

#include <QTimeZone>

class ContactStore;
class DateFormatSource;
struct ExportSettings;

struct CardContext
{
    const ExportSettings &settings;
    const DateFormatSource &dateFormats;
    const ContactStore &addressBook;
    /// The labels', texts' and dates' language; without one, the program's own English.
    const PageLanguage &language = PageLanguage::builtIn();
    /// Looked up once per context: asking the system for every date costs several file
    /// lookups each time.
    QTimeZone timeZone = QTimeZone::systemTimeZone();
    /// The labels shown so far; a cache, so writers that only read the context fill it.
    mutable EntryLabels labels{language};
    /// The texts of the dates shown so far; a cache as well.
    mutable DateTexts dates{};
};
