// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to both format readers (calendar notation and Qt notation) and to the
// text operations that walk a string by hand, where an index slip would show first.
#include "util/calendarformatter.h"
#include "util/stringadditions.h"

#include <QTimeZone>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // Made once: the fuzzer measures the formats, not the start-up.
    static const QDateTime moment(QDate(2026, 2, 28), QTime(23, 59, 59, 999), QTimeZone(-12600));
    static const CalendarFormatter formatter;
    (void)formatter.format(moment, text);
    (void)formatter.format(moment, CalendarFormatter::fromQtFormat(text));

    namespace strings = QEV_NSStringAdditionsSubset;
    (void)strings::titleCaseString(text);
    (void)strings::clean(text, QStringLiteral("1234567890"));
    (void)strings::addPercentEscapes(text);
    (void)strings::stripDiacritical(text);
    return 0;
}
