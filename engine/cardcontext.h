// SPDX-License-Identifier: GPL-3.0-or-later
// What the writers of a card read besides the contact: the settings snapshot, the user's
// date formats and the address book that lays out addresses. A generation and the preview
// each make one and hand it down.
#pragma once

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
};
