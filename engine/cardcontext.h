// SPDX-License-Identifier: GPL-3.0-or-later
// What the writers of a card read besides the contact: the settings snapshot, the user's
// date formats and the address book that lays out addresses. A generation and the preview
// each make one and hand it down; its caches make a context fit for one thread at a time.
#pragma once

#include "engine/datetexts.h"
#include "engine/entrylabels.h"

#include <QTimeZone>

class ContactStore;
class DateFormatSource;
struct ExportSettings;

struct CardContext
{
    const ExportSettings &settings;
    const DateFormatSource &dateFormats;
    const ContactStore &addressBook;
    /// Looked up once per context: asking the system for every date costs several file
    /// lookups each time.
    QTimeZone timeZone = QTimeZone::systemTimeZone();
    /// The labels shown so far; a cache, so writers that only read the context fill it.
    mutable EntryLabels labels{};
    /// The texts of the dates shown so far; a cache as well.
    mutable DateTexts dates{};
};
